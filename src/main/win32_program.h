// What both programs' entry points share: COM, the Win32 realisations of the class library
// and of the platform, and a last message for an error that ends the program.
#pragma once

#include "platform/win32/win32_platform.h"
#include "ui/application.h"
#include "ui/win32/module_resources.h"
#include "ui/win32/win32_backend.h"
#include "ui/win32/win32_dialogs.h"

#include <windows.h>

#include <objbase.h>

struct Win32Program {
    ui::Application& app;
    platform::Platform& platform;
    const ui::ResourceStore& resources;
};

template <class Run> int runWin32Program(HINSTANCE instance, const char* title, Run run) {
    OleInitialize(nullptr);
    int rc = 1;
    {
        ui::win32::Win32Backend backend(instance);
        ui::win32::Win32Dialogs dialogs;
        ui::win32::ModuleResourceStore resources;
        platform::Win32Platform win32;
        ui::Application app(backend, dialogs);
        try {
            rc = run(Win32Program{app, win32.platform(), resources});
        } catch (const std::exception& e) {
            MessageBoxA(nullptr, e.what(), title, MB_OK | MB_ICONERROR);
        }
    }
    OleUninitialize();
    return rc;
}
