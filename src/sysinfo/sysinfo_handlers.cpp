#include "sysinfo/sysinfo_handlers.h"

#include "shell/file_dialog_component.h"
#include "shell/hover_look.h"
#include "shell/main_window.h"
#include "shell/windows_helpers.h"
#include "sysinfo/gauges.h"
#include "sysinfo/hardware_page.h"
#include "sysinfo/listings.h"
#include "ui/application.h"
#include "ui/dialogs.h"
#include "ui/input_controls.h"
#include "ui/list_view.h"
#include "ui/standard_controls.h"

#include <memory>

namespace brelk::sysinfo {
namespace {

using Action = void (*)(MainWindow&);

constexpr struct {
    const char* name;
    Action action;
} kActions[] = {
    {"Systeminfo", Systeminfo},
    {"Hardwareanalyse", Hardwareanalyse},
    {"installierteprogramme", installierteprogramme},
    {"Aktivetreibershow", Aktivetreibershow},
    {"Aktiveprozesse", Aktiveprozesse},
    {"showservices", showservices},
    {"Button3Click", Button3Click},
    {"Button4Click", Button4Click},
};

// A link hover hides the link's normal picture and shows its hover picture.
constexpr struct {
    const char* handler;
    const char* normal;
    const char* hover;
} kLinkHovers[] = {
    {"hardwarerollp83", "Image250", "Image249"},
    {"Instprogrammerollp83", "Image256", "Image255"},
    {"Laufendeprozrollp83", "Image260", "Image259"},
    {"Aktivetreiberrollp83", "Image258", "Image257"},
    {"Diensterollover", "Image265", "Image266"},
};

} // namespace

// Ends the process of the selected row: the one with the row's id, while it still runs the
// row's program (the list may be older than a process started since under a freed id). An end
// that did not happen is told.
void endSelectedProcess(MainWindow& w, const ui::ListItem& item) {
    const std::string& id = item.subItems.empty() ? std::string() : item.subItems[0];
    const auto pid = processIdFromText(id);
    const auto result = pid ? w.ctx.platform.processes.terminateIfNamed(*pid, item.caption, 0)
                            : platform::EndResult::NotRunning;
    const std::string process = "Der Prozess " + item.caption + " (ProzessID " + id + ")";
    if (result == platform::EndResult::NotRunning) {
        w.app().showMessage(process + " läuft nicht mehr.");
    } else if (result == platform::EndResult::Refused) {
        w.app().showMessage(process + " konnte nicht beendet werden.");
    }
}

void Button3Click(MainWindow& w) {
    if (const ui::ListItem* item = w.c<ui::ListView>("ListView1").selected()) {
        // A copy: the list is refilled below.
        endSelectedProcess(w, ui::ListItem(*item));
    }
    Aktiveprozesse(w);
}

void Button4Click(MainWindow& w) {
    auto& dialog = w.c<FileDialogComponent>("SaveDialog2");
    ui::FileDialogOptions options = dialog.options();
    options.initialDir = w.ctx.programFolder;
    const auto path = w.app().dialogs().saveFile(options);
    if (!path) return;
    dialog.setFileName(*path);
    if (!w.ctx.platform.files.writeFile(*path, w.c<ui::Memo>("Memo3").joinedText())) {
        throw ui::Exception("Cannot create file \"" + *path + "\"");
    }
}

void bindSysinfoHandlers(MainWindow& w) {
    auto refresh = std::make_shared<GaugeRefresh>(w.ctx.platform.hardware);
    w.bind("Timer2Timer", [&w, refresh](ui::Event&) { refresh->tick(w); });
    for (const auto& a : kActions) {
        w.bind(a.name, [&w, &a](ui::Event&) { a.action(w); });
    }
    for (const auto& h : kLinkHovers) {
        w.bind(h.handler, [&w, &h](ui::Event&) {
            w.c<ui::Image>(h.normal).hide();
            w.c<ui::Image>(h.hover).show();
        });
    }
    w.bind("Label207MouseMove", [&w](ui::Event&) {
        w.c<ui::Label>("Label207").setFontColor(look::kMenuHover);
        w.c<ui::Image>("Image295").show();
    });
}

} // namespace brelk::sysinfo
