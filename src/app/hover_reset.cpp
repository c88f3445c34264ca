#include "app/hover_reset.h"

#include "customise/customise_window.h"
#include "shell/hover_look.h"
#include "shell/main_window.h"
#include "tweaks/hover_reset.h"
#include "ui/backend.h"
#include "ui/standard_controls.h"

#include <vector>

namespace brelk {
namespace {

constexpr int kEscapeKey = 0x1B;

enum class Reset {
    Hide,       // a highlight picture
    Show,       // a link's normal picture
    BlackText,  // a link label
    WhiteText,  // a menu label
    NormalEdit, // an edit field or memo
};

struct ResetGroup {
    Reset reset;
    std::vector<const char*> names;
};

// The shell's own hover states: their controls are part of the shell's layout.
const std::vector<ResetGroup>& shellResets() {
    static const std::vector<ResetGroup> groups = {
        {Reset::Hide, {"Image291", "Image292", "Image293", "Image294", "Image295", "Image296",
                       "Image297", "Image22",  "Image23",  "Image37",  "Image41",  "Image43",
                       "Image53",  "Image51",  "Image56",  "Image58",  "Image61",  "Image63",
                       "Image66",  "Image68",  "Image13",  "Image261"}},
        {Reset::Show, {"Image253"}},
        {Reset::BlackText,
         {"Label11", "Label12", "Label16", "Label18", "Label19", "Label22", "Label23", "Label24",
          "Label25", "Label37", "Label38", "Label39", "Label40", "Label20", "Label92"}},
        {Reset::WhiteText,
         {"Label9", "Label6", "Label8", "Label26", "Label35", "Label7", "Label207", "Label106",
          "Label107", "Label4"}},
        {Reset::NormalEdit, {"Edit8", "Edit9"}},
    };
    return groups;
}

// Hover states of the other subsystems' pages: each joins once its control is on the window.
const std::vector<ResetGroup>& joiningResets() {
    static const std::vector<ResetGroup> groups = {
        {Reset::Hide,
         {"Image81",           "Image229", "Image176", "Image178", "Image314", "Image315",
          "Image243",          "Image246", "Image29",  "Image10",  "Image59",  "Image46",
          "Image54",           "Image70",  "Image84",  "Image187", "Image263", "Image306",
          "Image249",          "Image255", "Image259", "Image257", "Image266", "Image191",
          "Image194",          "Image228", "Image303", "Image224", "Image299", "Image234",
          "brelkdeleteimgover"}},
        {Reset::Show,
         {"Image247", "Image264", "Image305", "Image250", "Image256", "Image260", "Image258",
          "Image265", "brelkdeleteimgnormal"}},
        {Reset::BlackText,
         {"Label55", "Label180", "Label204", "Label44", "Label110", "Label113", "Label140",
          "Label144", "Label160", "Label238", "Label156", "Label161", "Label182"}},
        {Reset::NormalEdit,
         {"Edit1", "Edit3", "Edit4", "Edit5", "Edit6", "Edit10", "Edit11", "Memo1"}},
    };
    return groups;
}

void apply(Reset reset, ui::Control& c) {
    switch (reset) {
    case Reset::Hide:
        c.hide();
        break;
    case Reset::Show:
        c.show();
        break;
    case Reset::BlackText:
        c.setFontColor(look::kLinkNormal);
        break;
    case Reset::WhiteText:
        c.setFontColor(look::kMenuNormal);
        break;
    case Reset::NormalEdit:
        if (auto* edit = dynamic_cast<ui::Edit*>(&c)) {
            look::editNormal(*edit);
        } else {
            throw ui::EComponentError("Component '" + c.name() + "' is no edit field");
        }
        break;
    }
}

void rollover(MainWindow& w) {
    if (w.app().backend().keyDown(kEscapeKey)) Form7schliessen(w.ctx);
    for (const auto& group : shellResets()) {
        for (const char* name : group.names)
            apply(group.reset, w.c<ui::Control>(name));
    }
    for (const auto& group : joiningResets()) {
        for (const char* name : group.names) {
            if (auto* c = dynamic_cast<ui::Control*>(w.find(name))) apply(group.reset, *c);
        }
    }
    // The tuning page, the end page and the settings gears reset their own links.
    tweaks::resetTuningHovers(w);
}

} // namespace

void bindHoverReset(MainWindow& w) {
    w.bind("rollover", [&w](ui::Event&) { rollover(w); });
}

} // namespace brelk
