// The real main window on fake platform services, headless, with its layouts read from the
// source tree. Handlers of subsystems that are not part of the program yet are bound to
// stand-ins that count their calls.
#pragma once

#include "app/main_window_parts.h"
#include "customise/customise_window.h"
#include "platform/fake/fake_platform.h"
#include "shell/brelk_context.h"
#include "shell/main_window.h"
#include "support/test_forms.h"
#include "ui/resources.h"

#include <map>
#include <memory>
#include <string>
#include <vector>

namespace testing_support {

// Records the order of the security calls; the restart is only recorded.
class RecordingSecurity : public platform::Security {
  public:
    // An administrator, so that start-up opens the window normally.
    std::optional<std::vector<std::string>> tokenGroupSids() override {
        return std::vector<std::string>{"S-1-5-32-544"};
    }
    bool enableShutdownPrivilege() override {
        calls.push_back("enableShutdownPrivilege");
        return privilegeGranted;
    }
    bool restartWindows() override {
        calls.push_back("restartWindows");
        return restartAccepted;
    }
    std::vector<std::string> calls;
    bool privilegeGranted = true, restartAccepted = true;
};

struct TuningWindow {
    // Handlers that the tuning page and the end page name but other subsystems provide.
    static constexpr const char* kForeignHandlers[] = {
        "tuning",        "wizardstart",   "Wizardrolloverp9", "Edit1rollover",
        "Edit3rollover", "Edit4rollover", "Edit2Click",       "Edit7Click"};

    TuningWindow() {
        fake.files.addDirectory(kProgramFolder);
        // A Windows whose product name start-up accepts.
        fake.registry
            .createKey(platform::RootKey::LocalMachine,
                       "SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion")
            ->writeString("ProductName", "Microsoft Windows XP");
        form7 = std::make_unique<brelk::CustomiseWindow>(ctx);
        ctx.form7 = form7.get();
        window = std::make_unique<brelk::MainWindow>(
            ctx, brelk::mainWindowParts(), [this](brelk::MainWindow& m) {
                for (const char* name : kForeignHandlers) {
                    if (!m.handler(name)) m.bind(name, [this, name](ui::Event&) { ++calls[name]; });
                }
            });
    }

    // Shows the window and one of its pages, so that clicks reach the page's controls.
    void showPage(const char* panel) {
        w().show();
        // Start-up ends on the backups page, which tells that no backup slot exists yet.
        h.dialogs.messages.clear();
        w().c<ui::Control>(panel).show();
    }

    brelk::MainWindow& w() { return *window; }

    static constexpr const char* kProgramFolder = "C:\\Program Files\\Brelvanto\\";
    platform::FakePlatform fake;
    RecordingSecurity security;
    platform::Platform services{fake.registry, fake.profiles, fake.files,   fake.processes,
                                fake.shell,    security,      fake.network, fake.system,
                                fake.desktop,  fake.scripts,  fake.hardware};
    HeadlessApp h;
    ui::DirectoryResourceStore resources{BRELK_RES_DIR};
    brelk::Context ctx{h.app, services, resources, kProgramFolder, {}};
    std::map<std::string, int> calls;
    std::unique_ptr<brelk::CustomiseWindow> form7;
    std::unique_ptr<brelk::MainWindow> window;
};

} // namespace testing_support
