// Entry point of setup.exe, the installer and updater.
#include "platform/win32/win32_platform.h"
#include "setup/setup_window.h"
#include "ui/application.h"
#include "ui/win32/module_resources.h"
#include "ui/win32/win32_backend.h"
#include "ui/win32/win32_dialogs.h"

#include <windows.h>

#include <objbase.h>

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
    OleInitialize(nullptr);
    ui::win32::Win32Backend backend(instance);
    ui::win32::Win32Dialogs dialogs;
    ui::win32::ModuleResourceStore resources;
    platform::Win32Platform win32;
    ui::Application app(backend, dialogs);
    int rc = 1;
    try {
        rc = setup::runSetup(app, win32.platform(), resources);
    } catch (const std::exception& e) {
        MessageBoxA(nullptr, e.what(), "Brelvanto Kit Installer", MB_OK | MB_ICONERROR);
    }
    OleUninitialize();
    return rc;
}
