#include "tweaks/progress_handlers.h"

#include "shell/main_window.h"
#include "shell/pages.h"
#include "ui/errors.h"
#include "ui/input_controls.h"
#include "ui/standard_controls.h"

namespace brelk::tweaks {
namespace {

constexpr int kStep = 10;
constexpr ui::Color kEndColor = 0xA9633D;
constexpr ui::Color kLinkHover = 0x008000;
const char* const kGauges[] = {"Gauge1", "Gauge2", "Gauge3"};

// Saves the run log, replacing an earlier one; false when the file cannot be written.
bool saveRunLog(MainWindow& w, const std::string& path) {
    return w.ctx.platform.files.writeFile(path, w.c<ui::Memo>("Memo3").joinedText());
}

void showEndPage(MainWindow& w) {
    for (const char* name : kGauges)
        w.c<ui::Gauge>(name).setForeColor(kEndColor);
    showPage(w, "Panel10");
    for (const char* name : {"Label92", "Image16", "Image18"})
        w.c<ui::Control>(name).hide();
}

} // namespace

void gaugeProgress(MainWindow& w) {
    auto& first = w.c<ui::Gauge>("Gauge1");
    first.setPosition(first.position() + kStep);
    // The other pages' gauges run one step ahead; they stop at their maximum.
    w.c<ui::Gauge>("Gauge2").setPosition(first.position() + kStep);
    w.c<ui::Gauge>("Gauge3").setPosition(first.position() + kStep);
    if (first.position() != first.max()) return;

    const std::string path = w.ctx.programFolder + "tuning.log";
    const bool saved = saveRunLog(w, path);
    // Stopped before any message: a timer left running would repeat this step under it.
    w.c<ui::Timer>("Timer1").setEnabled(false);
    if (!saved) {
        // The run's changes stand; the user learns that their log is missing and goes on.
        w.app().showException(ui::Exception("Cannot create file \"" + path + "\""));
    }
    showEndPage(w);
}

bool exitWindowsWithShutdownPrivilege(platform::Security& security) {
    // A privilege that cannot be enabled does not stop the request; Windows then refuses it.
    security.enableShutdownPrivilege();
    return security.restartWindows();
}

void bindProgressHandlers(MainWindow& w) {
    w.bind("gaugeprogress", [&w](ui::Event&) { gaugeProgress(w); });
    // A refused restart shows nothing; the end page stays.
    w.bind("Reboot",
           [&w](ui::Event&) { exitWindowsWithShutdownPrivilege(w.ctx.platform.security); });
    w.bind("Image48MouseMove", [&w](ui::Event&) {
        w.c<ui::Label>("Label105").setFontColor(kLinkHover);
        w.c<ui::Image>("Image5").show();
    });
    w.bind("Image16MouseMove", [&w](ui::Event&) {
        w.c<ui::Label>("Label92").setFontColor(kLinkHover);
        w.c<ui::Image>("Image18").show();
    });
}

} // namespace brelk::tweaks
