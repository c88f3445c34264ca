#include "online/online_handlers.h"

#include "online/archives.h"
#include "online/browser_look.h"
#include "online/bug_report.h"
#include "online/online_settings.h"
#include "online/online_update.h"
#include "shell/hover_look.h"
#include "shell/hovers.h"
#include "shell/main_window.h"
#include "shell/pages.h"
#include "ui/input_controls.h"
#include "ui/standard_controls.h"

#include <vector>

namespace brelk {
namespace {

const std::vector<LinkHover>& onlineLinkHovers() {
    static const std::vector<LinkHover> hovers = {
        {"Saveonlinesettingsrollover", "Image191", "Label140", {}},
        {"updaterollover_neu", "Image194", "Label144", {}},
        {"Image227MouseMove", "Image228", "Label160", {}},
        {"Startbuttonsrollover",
         "Image303",
         "Label238",
         {"Label37", "Label38", "Label39", "Label40", "Label20"}},
        {"Skinrollover", "Image224", "Label156", {}},
        {"Image298MouseMove", "Image299", "Label161", {}},
        {"Bugmailrolloverp79", "Image234", "Label182", {}},
        {"Anleitrollover", "Image13", "Label20", {"Label37", "Label39", "Label40", "Label38"}},
    };
    return hovers;
}

// An edit hover marks its field and puts its neighbour back.
struct FieldHover {
    const char* handler;
    const char* field;
    const char* other;
};

constexpr FieldHover kFieldHovers[] = {
    {"Edit8MouseMove", "Edit8", nullptr},    {"Edit9MouseMove", "Edit9", nullptr},
    {"Edit10MouseMove", "Edit10", "Edit11"}, {"Edit11MouseMove", "Edit11", "Edit10"},
    {"Memo1MouseMove", "Memo1", nullptr},
};

struct PageOpener {
    const char* handler;
    int page;
};

constexpr PageOpener kPageOpeners[] = {
    {"Label39Click", 48},
    {"Skinstart", 74},
    {"Label238Click", 104},
};

} // namespace

void bindOnlineHandlers(MainWindow& w) {
    for (const auto& p : kPageOpeners) {
        w.bind(p.handler, [&w, &p](ui::Event&) { openPage(w, p.page); });
    }
    for (const auto& h : onlineLinkHovers()) {
        w.bind(h.handler, [&w, &h](ui::Event&) { hoverLink(w, h); });
    }
    for (const auto& h : kFieldHovers) {
        w.bind(h.handler, [&w, &h](ui::Event&) {
            look::editHovered(w.c<ui::Edit>(h.field));
            if (h.other) look::editNormal(w.c<ui::Edit>(h.other));
        });
    }
    w.bind("Saveonlinesettings", [&w](ui::Event&) { Saveonlinesettings(w); });
    w.bind("Updatesuche", [&w](ui::Event&) { Updatesuche(w); });
    w.bind("Bugmailsend", [&w](ui::Event&) { Bugmailsend(w); });
    bindArchiveHandlers(w);
    bindBrowserLookHandlers(w);
}

} // namespace brelk
