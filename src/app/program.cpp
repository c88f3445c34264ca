#include "app/program.h"

#include "app/main_window_parts.h"
#include "customise/customise_window.h"
#include "shell/splash_window.h"

namespace brelk {

ProgramWindows createProgramWindows(Context& ctx) {
    ctx.app.setTitle("Brelvanto Kit 2005");
    // The splash is created first and so is the application's main window for the whole run.
    auto& splash = ctx.app.createForm(std::make_unique<SplashWindow>(ctx));
    auto& main = ctx.app.createForm(std::make_unique<MainWindow>(ctx, mainWindowParts()));
    auto& dialog = ctx.app.createForm(std::make_unique<CustomiseWindow>(ctx));
    ctx.form7 = &dialog;
    splash.next = &main;
    return {splash, main, dialog};
}

int runProgram(Context& ctx) {
    createProgramWindows(ctx).splash.show();
    ctx.app.run();
    return 0;
}

} // namespace brelk
