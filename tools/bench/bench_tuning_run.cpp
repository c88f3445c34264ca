// Time of a full tuning run (every row at activate) per registry operation, against a plain
// loop of RegCreateKeyEx / RegSetValueEx / RegCloseKey doing the same operations in the same
// process. The registry is the test sandbox; programs are not started and the display is only
// checked with the driver, so the machine does not change.
//
//   wine64 build/win64/tools/bench/bench_tuning_run.exe [runs [rounds]]   (from the source
//   folder, for the layouts)
#include "app/main_window_parts.h"
#include "platform/win32/win32_platform.h"
#include "shell/main_window.h"
#include "support/tweak_engine_layout.h"
#include "tweaks/tuning_run.h"
#include "ui/headless.h"
#include "ui/win32/win32_backend.h"
#include "win32/registry_sandbox.h"

#include <windows.h>

#include <objbase.h>
#include <shlwapi.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <deque>
#include <string>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

// One registry operation as the run performed it on an opened (created) key.
struct RecordedOp {
    enum Kind { CreateOnly, SetValue, DeleteValue, DeleteSubKey, CreateSubKey } kind = CreateOnly;
    HKEY root = nullptr;
    std::string path, name;
    platform::RegistryValue value;
};

HKEY rootHandle(platform::RootKey root) {
    switch (root) {
    case platform::RootKey::ClassesRoot:
        return HKEY_CLASSES_ROOT;
    case platform::RootKey::LocalMachine:
        return HKEY_LOCAL_MACHINE;
    default:
        return HKEY_CURRENT_USER;
    }
}

// The real registry that, while recording, notes what is done with the keys it creates.
class RecordingRegistry : public platform::Registry {
  public:
    std::unique_ptr<platform::RegistryKey> openKey(platform::RootKey root, std::string_view path,
                                                   platform::KeyAccess access) override {
        return real_.openKey(root, path, access);
    }
    std::unique_ptr<platform::RegistryKey> createKey(platform::RootKey root,
                                                     std::string_view path) override {
        auto key = real_.createKey(root, path);
        if (!recording || !key) return key;
        RecordedOp op;
        op.root = rootHandle(root);
        op.path = platform::normalizeKeyPath(path);
        // A key created below one opened just before is the "createkey" kind.
        if (!ops.empty() && ops.back().kind == RecordedOp::CreateOnly &&
            op.path.rfind(ops.back().path + "\\", 0) == 0 && ops.back().root == op.root) {
            ops.back().kind = RecordedOp::CreateSubKey;
            ops.back().name = op.path.substr(ops.back().path.size() + 1);
            return key;
        }
        ops.push_back(op);
        return std::make_unique<Key>(std::move(key), ops.back());
    }

    bool recording = false;
    std::deque<RecordedOp> ops;

  private:
    class Key : public platform::RegistryKey {
      public:
        Key(std::unique_ptr<platform::RegistryKey> real, RecordedOp& op)
            : real_(std::move(real)), op_(op) {}
        std::optional<platform::RegistryValue> value(std::string_view n) const override {
            return real_->value(n);
        }
        bool setValue(std::string_view n, const platform::RegistryValue& v) override {
            note(RecordedOp::SetValue, n);
            op_.value = v;
            return real_->setValue(n, v);
        }
        bool deleteValue(std::string_view n) override {
            note(RecordedOp::DeleteValue, n);
            return real_->deleteValue(n);
        }
        bool deleteSubKey(std::string_view p) override {
            note(RecordedOp::DeleteSubKey, p);
            return real_->deleteSubKey(p);
        }
        std::vector<std::string> subKeyNames() const override { return real_->subKeyNames(); }
        std::vector<std::string> valueNames() const override { return real_->valueNames(); }
        std::optional<platform::KeyInfo> info() const override { return real_->info(); }

      private:
        void note(RecordedOp::Kind kind, std::string_view name) {
            op_.kind = kind;
            op_.name = std::string(name);
        }
        std::unique_ptr<platform::RegistryKey> real_;
        RecordedOp& op_;
    };

    platform::Win32Registry real_;
};

// The same operations straight through the registry functions.
void replay(const std::deque<RecordedOp>& ops) {
    for (const RecordedOp& op : ops) {
        HKEY key = nullptr;
        if (RegCreateKeyExA(op.root, op.path.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE,
                            KEY_ALL_ACCESS, nullptr, &key, nullptr) != ERROR_SUCCESS)
            continue;
        switch (op.kind) {
        case RecordedOp::SetValue:
            RegSetValueExA(key, op.name.c_str(), 0, op.value.type, op.value.data.data(),
                           static_cast<DWORD>(op.value.data.size()));
            break;
        case RecordedOp::DeleteValue:
            RegDeleteValueA(key, op.name.c_str());
            break;
        case RecordedOp::DeleteSubKey:
            SHDeleteKeyA(key, op.name.c_str());
            break;
        case RecordedOp::CreateSubKey: {
            HKEY sub = nullptr;
            if (RegCreateKeyExA(key, op.name.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE,
                                KEY_ALL_ACCESS, nullptr, &sub, nullptr) == ERROR_SUCCESS)
                RegCloseKey(sub);
            break;
        }
        case RecordedOp::CreateOnly:
            break;
        }
        RegCloseKey(key);
    }
}

double microseconds(Clock::duration d) {
    return std::chrono::duration<double, std::micro>(d).count();
}

} // namespace

int main(int argc, char** argv) {
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 20;
    const int rounds = argc > 2 ? std::max(1, std::atoi(argv[2])) : 10;
    CoInitialize(nullptr);
    RegistrySandbox sandbox;

    platform::Win32Platform win32;
    platform::Platform& real = win32.platform();
    RecordingRegistry registry;
    // Programs are only counted, and display changes only checked with the driver.
    struct CountingShell : platform::Shell {
        int execute(const std::string&, const std::string&, const std::string&, const std::string&,
                    int) override {
            ++started;
            return 42;
        }
        std::optional<std::string> specialFolderPath(int) override { return std::nullopt; }
        int started = 0;
    } shell;
    platform::Win32Desktop desktop{platform::DisplayChanges::TestOnly};
    platform::Platform p{registry, real.profiles, real.files,   real.processes,
                         shell,    real.security, real.network, real.system,
                         desktop,  real.scripts,  real.hardware};

    ui::win32::Win32Backend backend(GetModuleHandleA(nullptr));
    ui::ScriptedDialogs dialogs;
    ui::Application app(backend, dialogs);
    ui::DirectoryResourceStore resources("res");
    char temp[MAX_PATH] = {};
    GetTempPathA(MAX_PATH, temp);
    brelk::Context ctx{app, p, resources, temp, {}, nullptr};
    tweak_test::registerWindows(registry, std::string(temp) + "bench-windows");
    auto form7 = tweak_test::pageFileDialog(ctx);
    ctx.form7 = form7.get();
    brelk::MainWindow& w =
        app.createForm(std::make_unique<brelk::MainWindow>(ctx, brelk::mainWindowParts()));
    tweak_test::presetTuningPage(w);
    registry.createKey(platform::RootKey::CurrentUser, "Control Panel\\Desktop\\WindowMetrics")
        ->writeString("Shell Icon Size", "32");
    tweak_test::setRows(w, tweak_test::performanceRows(), tweak_test::Column::act);
    tweak_test::setRows(w, tweak_test::otherRows(), tweak_test::Column::act);

    registry.recording = true;
    brelk::tuning(w);
    registry.recording = false;
    const std::size_t logLines = w.c<ui::Memo>("Memo3").lines().size();
    const std::size_t opsPerRun = registry.ops.size();
    if (!dialogs.messages.empty() || opsPerRun != logLines) {
        std::printf("unexpected: %zu operations, %zu log lines, %zu messages\n", opsPerRun,
                    logLines, dialogs.messages.size());
        return 1;
    }

    // The variants take turns in rounds and each keeps its best round, so that other load on
    // the machine hits them alike.
    auto oneShotSteps = [&w](bool on) {
        for (int button :
             on ? std::vector<int>{22, 67, 79, 190} : std::vector<int>{21, 66, 78, 189})
            w.c<ui::RadioButton>("RadioButton" + std::to_string(button)).setChecked(true);
    };
    auto timed = [&](auto&& body) {
        auto start = Clock::now();
        for (int i = 0; i < runs; ++i)
            body();
        return microseconds(Clock::now() - start) / (runs * double(opsPerRun));
    };
    double engine = 1e30, registryPart = 1e30, plain = 1e30;
    for (int round = 0; round < rounds; ++round) {
        oneShotSteps(true);
        engine = std::min(engine, timed([&] { brelk::tuning(w); }));
        oneShotSteps(false);
        registryPart = std::min(registryPart, timed([&] { brelk::tuning(w); }));
        plain = std::min(plain, timed([&] { replay(registry.ops); }));
    }

    std::printf("tuning run, every row at activate: %zu registry operations per run, "
                "best of %d rounds of %d runs\n",
                opsPerRun, rounds, runs);
    std::printf("  whole run                           %7.1f us per registry operation\n", engine);
    std::printf("  without the one-shot system steps   %7.1f us per registry operation\n",
                registryPart);
    std::printf("  plain RegCreateKeyEx/RegSetValueEx  %7.1f us per registry operation\n", plain);
    std::printf("  ratio whole run / plain             %7.2f\n", engine / plain);
    std::printf("  ratio without one-shot steps / plain %6.2f\n", registryPart / plain);
    CoUninitialize();
    return 0;
}
