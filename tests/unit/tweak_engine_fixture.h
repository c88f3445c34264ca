// A main window on the fake platform with the tuning page's controls, for the tweak engine's
// tests.
#pragma once

#include "app/main_window_parts.h"
#include "platform/fake/fake_platform.h"
#include "shell/main_window.h"
#include "support/test_forms.h"
#include "support/tweak_engine_layout.h"
#include "ui/input_controls.h"
#include "ui/standard_controls.h"

#include <gtest/gtest.h>

#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace tweak_test {

class EngineFixture : public ::testing::Test {
  protected:
    EngineFixture() {
        registerWindows(fake.registry, "C:\\WINDOWS");
        form7 = pageFileDialog(ctx);
        ctx.form7 = form7.get();
        window = std::make_unique<brelk::MainWindow>(ctx, brelk::mainWindowParts());
        presetTuningPage(*window);
    }

    brelk::MainWindow& w() { return *window; }
    const std::vector<std::string>& log() { return w().c<ui::Memo>("Memo3").lines(); }
    void setEdit(const std::string& name, const std::string& text) {
        w().c<ui::Edit>(name).setText(text);
    }
    void check(int button) {
        w().c<ui::RadioButton>("RadioButton" + std::to_string(button)).setChecked(true);
    }
    // The run as the start link starts it: an escaping error is shown by the application.
    void startRun() {
        w().c<ui::Panel>("Panel2").show();
        w().c<ui::Label>("Label36").click();
    }

    std::optional<std::string> text(platform::RootKey root, const std::string& key,
                                    const std::string& name) {
        auto k = fake.registry.openKey(root, key, platform::KeyAccess::Read);
        if (!k) return std::nullopt;
        auto r = k->readString(name);
        if (!r.ok()) return std::nullopt;
        return r.value;
    }
    std::optional<int> number(platform::RootKey root, const std::string& key,
                              const std::string& name) {
        auto k = fake.registry.openKey(root, key, platform::KeyAccess::Read);
        if (!k) return std::nullopt;
        auto r = k->readInteger(name);
        if (!r.ok()) return std::nullopt;
        return r.value;
    }
    bool keyExists(platform::RootKey root, const std::string& key) {
        return fake.registry.keyExists(root, key);
    }
    // Every key (as "root\\path\\") and every value (as "root\\path\\:name") of the three
    // roots the tweaks touch, so a test can see that nothing at all was written.
    std::map<std::string, std::optional<platform::RegistryValue>> registryContents() {
        std::map<std::string, std::optional<platform::RegistryValue>> all;
        for (auto [root, label] : {std::pair{LM, "lm"}, std::pair{CU, "cu"}, std::pair{CR, "cr"}})
            collect(root, std::string(label) + "\\", "", all);
        return all;
    }

  private:
    void collect(platform::RootKey root, const std::string& label, const std::string& path,
                 std::map<std::string, std::optional<platform::RegistryValue>>& all) {
        auto key = fake.registry.openKey(root, path, platform::KeyAccess::Read);
        if (!key) return;
        all[label + path + "\\"] = std::nullopt;
        for (const std::string& name : key->valueNames())
            all[label + path + "\\:" + name] = key->value(name);
        for (const std::string& sub : key->subKeyNames())
            collect(root, label, path.empty() ? sub : path + "\\" + sub, all);
    }

  protected:
    static constexpr auto LM = platform::RootKey::LocalMachine;
    static constexpr auto CU = platform::RootKey::CurrentUser;
    static constexpr auto CR = platform::RootKey::ClassesRoot;

    platform::FakePlatform fake;
    testing_support::HeadlessApp h;
    ui::DirectoryResourceStore resources{BRELK_RES_DIR};
    brelk::Context ctx{h.app, fake.platform(), resources, "C:\\Program Files\\Brelvanto\\",
                       {},    nullptr};
    std::unique_ptr<brelk::CustomiseWindow> form7;
    std::unique_ptr<brelk::MainWindow> window;
};

} // namespace tweak_test
