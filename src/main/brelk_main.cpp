// Entry point of brelk.exe: the Win32 realisation of the class library and the platform,
// handed to the program block.
#include "platform/win32/win32_platform.h"
#include "shell/program.h"
#include "ui/win32/module_resources.h"
#include "ui/win32/win32_backend.h"
#include "ui/win32/win32_dialogs.h"

#include <windows.h>

#include <objbase.h>
#include <shellapi.h>

namespace {

std::vector<std::string> commandLineParams() {
    std::vector<std::string> params;
    for (int i = 1; i < __argc; ++i) params.emplace_back(__argv[i]);
    return params;
}

} // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
    OleInitialize(nullptr);
    ui::win32::Win32Backend backend(instance);
    ui::win32::Win32Dialogs dialogs;
    ui::win32::ModuleResourceStore resources;
    platform::Win32Platform win32;
    ui::Application app(backend, dialogs);
    brelk::Context ctx{app, win32.platform(), resources, win32.platform().files.programFolder(),
                       commandLineParams()};
    int rc = 1;
    try {
        rc = brelk::runProgram(ctx);
    } catch (const std::exception& e) {
        MessageBoxA(nullptr, e.what(), "Brelvanto Kit 2005", MB_OK | MB_ICONERROR);
    }
    OleUninitialize();
    return rc;
}
