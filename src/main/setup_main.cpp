// Entry point of setup.exe, the installer and updater.
#include "main/win32_program.h"
#include "setup/setup_window.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
    return runWin32Program(instance, "Brelvanto Kit Installer", [](const Win32Program& p) {
        return setup::runSetup(p.app, p.platform, p.resources);
    });
}
