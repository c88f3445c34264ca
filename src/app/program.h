// The program block of brelk: the application's title and windows, then the message loop.
#pragma once

#include "shell/brelk_context.h"

namespace brelk {

class SplashWindow;
class MainWindow;
class CustomiseWindow;

// The three windows of the program, created in the program block's order.
struct ProgramWindows {
    SplashWindow& splash;
    MainWindow& main;
    CustomiseWindow& dialog;
};

// Sets the title and creates the windows; the splash will hand over to the main window.
ProgramWindows createProgramWindows(Context& ctx);

int runProgram(Context& ctx);

} // namespace brelk
