#include "shell/hovers.h"

#include "shell/hover_look.h"
#include "shell/main_window.h"
#include "ui/standard_controls.h"

#include <vector>

namespace brelk {
namespace {

const std::vector<LinkHover>& linkHovers() {
    static const std::vector<LinkHover> hovers = {
        {"Wizardrollover", "Image22", "Label11", {"Label12"}, "Image23"},
        {"Classicrollover", "Image23", "Label12", {"Label11"}, "Image22"},
        {"fortfahrenrollover", "Image37", "Label16", {}},
        {"Dokurollover", "Image41", "Label18", {}},
        {"Backrolloverp4", "Image43", "Label19", {}},
        {"emailrolloverp6", "Image53", "Label22", {}},
        {"Bugmailrolloverp6", "Image51", "Label23", {}},
        {"forumrollover", "Image56", "Label24", {}},
        {"Dokurolloverp6", "Image58", "Label25", {}},
        {"updaterolloverp7", "Image61", "Label38", {"Label37", "Label39", "Label40", "Label20"}},
        {"Newsrolloverp7", "Image63", "Label37", {"Label38", "Label39", "Label40", "Label20"}},
        {"prforumrolloverp7", "Image66", "Label39", {"Label37", "Label38", "Label40", "Label20"}},
        {"prDokurollverp7", "Image68", "Label40", {"Label37", "Label38", "Label39", "Label20"}},
    };
    return hovers;
}

// A menu hover lightens the label and shows the highlight behind it ("x" has none).
struct MenuHover {
    const char* label;
    const char* picture;
};

constexpr MenuHover kMenuHovers[] = {
    {"Label9", "Image291"},  {"Label6", "Image292"},  {"Label8", "Image293"},
    {"Label26", "Image294"}, {"Label35", "Image297"}, {"Label7", "Image296"},
    {"Label4", nullptr},
};

void hoverMenu(MainWindow& w, const MenuHover& h) {
    w.c<ui::Label>(h.label).setFontColor(look::kMenuHover);
    if (h.picture) w.c<ui::Image>(h.picture).show();
}

// An edit hover marks the field; the registered owner and organisation fields also put each
// other back.
struct EditHover {
    const char* handler;
    const char* edit;
    const char* other;
};

constexpr EditHover kEditHovers[] = {
    {"Edit1rollover", "Edit1", nullptr},
    {"Edit3rollover", "Edit3", "Edit4"},
    {"Edit4rollover", "Edit4", "Edit3"},
};

void hoverEdit(MainWindow& w, const EditHover& h) {
    look::editHovered(w.c<ui::Edit>(h.edit));
    if (h.other) look::editNormal(w.c<ui::Edit>(h.other));
}

} // namespace

void hoverLink(MainWindow& w, const LinkHover& h) {
    w.c<ui::Image>(h.picture).show();
    w.c<ui::Label>(h.label).setFontColor(look::kLinkHover);
    for (const char* name : h.blackLabels)
        w.c<ui::Label>(name).setFontColor(look::kLinkNormal);
    if (h.hiddenPicture) w.c<ui::Image>(h.hiddenPicture).hide();
}

void bindHoverHandlers(MainWindow& w) {
    for (const auto& h : linkHovers()) {
        w.bind(h.handler, [&w, &h](ui::Event&) { hoverLink(w, h); });
    }
    for (const auto& h : kMenuHovers) {
        w.bind(std::string(h.label) + "MouseMove", [&w, &h](ui::Event&) { hoverMenu(w, h); });
    }
    for (const auto& h : kEditHovers) {
        w.bind(h.handler, [&w, &h](ui::Event&) { hoverEdit(w, h); });
    }
    // The information picture swaps for its highlighted twin.
    w.bind("Image253MouseMove", [&w](ui::Event&) {
        w.c<ui::Image>("Image253").hide();
        w.c<ui::Image>("Image261").show();
    });
}

} // namespace brelk
