#include "shell/splash_window.h"

#include "ui/class_registry.h"
#include "ui/standard_controls.h"

namespace brelk {

SplashWindow::SplashWindow(Context& ctx) : ui::Form(ctx.app, "TForm1"), ctx_(ctx) {
    bind("iniread", [this](ui::Event&) { iniread(); });
    bind("Blend", [this](ui::Event&) { blend(); });
    bind("Timer2Timer", [this](ui::Event&) { timer2Timer(); });
    loadLayoutResource("form1.dfm", ui::ClassRegistry::standard(), ctx.resources);
}

void SplashWindow::iniread() {
    setAlphaBlendValue(0);
    const std::string ini = ctx_.modulesFile("brelk.ini");
    auto& label = get<ui::Label>("Label5");
    if (ctx_.platform.files.fileExists(ini)) {
        label.setCaption(
            ctx_.platform.profiles.readString(ini, "Options", "version", "label5.caption"));
    } else {
        label.setCaption("no brelk.ini found");
    }
}

void SplashWindow::blend() {
    // All steps in this one event: the splash fades in without the message loop running.
    for (int alpha = 2; alpha <= 248; alpha += 2)
        setAlphaBlendValue(alpha);
    get<ui::Timer>("Timer2").setEnabled(true);
    get<ui::Timer>("Timer1").setEnabled(false);
}

void SplashWindow::timer2Timer() {
    // The timer stops first: the main window's start-up lets pending messages run (while it
    // tests the servers), and a second tick must not start it again.
    get<ui::Timer>("Timer2").setEnabled(false);
    if (next) next->show();
    hide();
}

} // namespace brelk
