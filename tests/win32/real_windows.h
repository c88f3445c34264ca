// The ground of a test on real windows: the Win32 backend, scripted message boxes, the
// application, the layouts from res/ and a fake platform for everything but the windows.
#pragma once

#include "platform/fake/fake_platform.h"
#include "ui/application.h"
#include "ui/headless.h"
#include "ui/resources.h"
#include "ui/win32/win32_backend.h"

#include <windows.h>

struct RealWindows {
    ui::win32::Win32Backend backend{GetModuleHandleA(nullptr)};
    ui::ScriptedDialogs dialogs;
    ui::Application app{backend, dialogs};
    ui::DirectoryResourceStore resources{"res"};
    platform::FakePlatform fake;
};
