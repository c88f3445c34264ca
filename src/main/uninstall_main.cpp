// Entry point of uninstall.exe: starts brelk.exe beside it with the same arguments and ends.
#include "platform/win32/win32_file_system.h"
#include "platform/win32/win32_shell.h"
#include "uninstall/start_tuning_program.h"

#include <windows.h>

#include <objbase.h>

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    // The shell may hand the start to an extension, which needs COM.
    CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE);
    platform::Win32FileSystem files;
    platform::Win32Shell shell;
    return uninstall::startTuningProgram(
        shell, files.programFolder(), uninstall::argumentsOf(GetCommandLineA()),
        [](const std::string& text) {
            MessageBoxA(nullptr, text.c_str(), "Brelvanto Kit Uninstall", MB_OK | MB_ICONERROR);
        });
}
