// The real platform services of a Windows program.
#pragma once

#include "platform/platform.h"
#include "platform/win32/win32_desktop.h"
#include "platform/win32/win32_file_system.h"
#include "platform/win32/win32_hardware.h"
#include "platform/win32/win32_network.h"
#include "platform/win32/win32_processes.h"
#include "platform/win32/win32_profiles.h"
#include "platform/win32/win32_registry.h"
#include "platform/win32/win32_script_host.h"
#include "platform/win32/win32_security.h"
#include "platform/win32/win32_shell.h"
#include "platform/win32/win32_system_info.h"

namespace platform {

class Win32Platform {
  public:
    Win32Platform() = default;
    Win32Platform(const Win32Platform&) = delete;
    Win32Platform& operator=(const Win32Platform&) = delete;

    Platform& platform() { return platform_; }

  private:
    Win32Registry registry_;
    Win32Profiles profiles_;
    Win32FileSystem files_;
    Win32Processes processes_;
    Win32Shell shell_;
    Win32Security security_;
    Win32Network network_;
    Win32SystemInfo system_;
    Win32Desktop desktop_;
    Win32ScriptHost scripts_;
    Win32Hardware hardware_;
    Platform platform_{registry_, profiles_, files_,   processes_, shell_,   security_,
                       network_,  system_,   desktop_, scripts_,   hardware_};
};

} // namespace platform
