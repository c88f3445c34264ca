// The tweak engine on the real registry (in the sandbox), files, profiles and desktop under
// Wine. Programs are not started but recorded, and display changes are only checked with the
// driver, so nothing outside the sandbox and the scratch folder changes.
#pragma once

#include "app/main_window_parts.h"
#include "platform/win32/win32_desktop.h"
#include "support/test_forms.h"
#include "support/tweak_engine_layout.h"
#include "win32_contract_env.h"

#include <objbase.h>

#include <map>
#include <memory>
#include <string>
#include <vector>

namespace tweak_test {

class RecordingShell : public platform::Shell {
  public:
    explicit RecordingShell(platform::Shell& real) : real_(real) {}
    int execute(const std::string& verb, const std::string& file, const std::string& parameters,
                const std::string&, int) override {
        started.push_back(verb + " " + file + " [" + parameters + "]");
        return 42;
    }
    std::optional<std::string> specialFolderPath(int csidl) override {
        if (auto it = folders.find(csidl); it != folders.end()) return it->second;
        return real_.specialFolderPath(csidl);
    }
    std::vector<std::string> started;
    // Special folders that a test points into its scratch folder.
    std::map<int, std::string> folders;

  private:
    platform::Shell& real_;
};

// COM for the apartment of a test, as the program has it.
struct ComApartment {
    ComApartment() { CoInitialize(nullptr); }
    ~ComApartment() { CoUninitialize(); }
};

class Win32Engine {
  public:
    Win32Engine() {
        env.isolateRegistry();
        scratch = env.scratchFolder();
        auto& real = env.platform();
        platform = std::make_unique<platform::Platform>(platform::Platform{
            real.registry, real.profiles, real.files, real.processes, shell, real.security,
            real.network, real.system, desktop, real.scripts, real.hardware});
        real.files.createDirectory(scratch + "modules");
        real.files.createDirectory(scratch + "WINDOWS");
        real.files.createDirectory(scratch + "WINDOWS\\system32");
        ctx = std::make_unique<brelk::Context>(
            brelk::Context{h.app, *platform, resources, scratch, {}, nullptr});
        registerWindows(real.registry, scratch + "WINDOWS");
        form7 = pageFileDialog(*ctx);
        ctx->form7 = form7.get();
        window = std::make_unique<brelk::MainWindow>(*ctx, brelk::mainWindowParts());
        presetTuningPage(*window);
    }

    // The scratch folder with its trailing backslash.
    std::string scratch;
    ComApartment com;
    Win32Env env;
    RecordingShell shell{env.platform().shell};
    platform::Win32Desktop desktop{platform::DisplayChanges::TestOnly};
    std::unique_ptr<platform::Platform> platform;
    testing_support::HeadlessApp h;
    ui::DirectoryResourceStore resources{"res"};
    std::unique_ptr<brelk::Context> ctx;
    std::unique_ptr<brelk::CustomiseWindow> form7;
    std::unique_ptr<brelk::MainWindow> window;
};

} // namespace tweak_test
