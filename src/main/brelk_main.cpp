// Entry point of brelk.exe, the tuning program.
#include "app/program.h"
#include "main/win32_program.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
    return runWin32Program(instance, "Brelvanto Kit 2005", [](const Win32Program& p) {
        std::vector<std::string> params(__argv + 1, __argv + __argc);
        brelk::Context ctx{p.app, p.platform, p.resources, p.platform.files.programFolder(),
                           std::move(params)};
        return brelk::runProgram(ctx);
    });
}
