// All fake services in one object: tests set them up through the members and hand platform()
// to the code under test.
#pragma once

#include "platform/fake/fake_desktop.h"
#include "platform/fake/fake_file_system.h"
#include "platform/fake/fake_hardware.h"
#include "platform/fake/fake_network.h"
#include "platform/fake/fake_processes.h"
#include "platform/fake/fake_profiles.h"
#include "platform/fake/fake_registry.h"
#include "platform/fake/fake_script_host.h"
#include "platform/fake/fake_security.h"
#include "platform/fake/fake_shell.h"
#include "platform/fake/fake_system_info.h"
#include "platform/platform.h"

namespace platform {

class FakePlatform {
  public:
    FakePlatform() {
        files.addDirectory(system.windowsPath);
        shell.specialFolders[csidl::windows] = system.windowsPath;
        shell.specialFolders[csidl::programs] =
            "C:\\Documents and Settings\\Admin\\Start Menu\\Programs";
    }
    FakePlatform(const FakePlatform&) = delete;
    FakePlatform& operator=(const FakePlatform&) = delete;

    Platform& platform() { return platform_; }

    FakeRegistry registry;
    FakeFileSystem files;
    FakeProfiles profiles{files};
    FakeProcesses processes{files};
    FakeShell shell{files, processes};
    FakeSecurity security;
    FakeNetwork network{&files};
    FakeSystemInfo system;
    FakeDesktop desktop{files};
    FakeScriptHost scripts;
    FakeHardware hardware;

  private:
    Platform platform_{registry, profiles, files,   processes, shell,   security,
                       network,  system,   desktop, scripts,   hardware};
};

} // namespace platform
