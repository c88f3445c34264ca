// Benchmark of the scan's reading step on the real registry (in a sandbox) against a plain loop
// of the same registry calls in the same process: for every key the reading step opens, the
// open (creating it when missing), one query of each value it reads, and the close.
//
//   bench_scan [rounds, default 200]      run from the worktree root (the layouts are read
//                                          from res/); prints both times and their ratio
#include "app/main_window_parts.h"
#include "platform/win32/win32_platform.h"
#include "shell/main_window.h"
#include "support/test_forms.h"
#include "tweaks/scan.h"
#include "ui/input_controls.h"
#include "win32/registry_sandbox.h"

#include <windows.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

namespace {

using platform::RootKey;

// One key as the reading step opened it and the values it read there.
struct Opened {
    RootKey root;
    std::string path;
    std::vector<std::string> names;
};

// Passes every call to the real key and notes the names of the values read.
class NotingKey : public platform::RegistryKey {
  public:
    NotingKey(std::unique_ptr<platform::RegistryKey> real, Opened& noted)
        : real_(std::move(real)), noted_(noted) {}
    std::optional<platform::RegistryValue> value(std::string_view name) const override {
        noted_.names.emplace_back(name);
        return real_->value(name);
    }
    bool setValue(std::string_view name, const platform::RegistryValue& v) override {
        return real_->setValue(name, v);
    }
    bool deleteValue(std::string_view name) override { return real_->deleteValue(name); }
    bool deleteSubKey(std::string_view path) override { return real_->deleteSubKey(path); }
    std::vector<std::string> subKeyNames() const override { return real_->subKeyNames(); }
    std::vector<std::string> valueNames() const override { return real_->valueNames(); }
    std::optional<platform::KeyInfo> info() const override { return real_->info(); }

  private:
    std::unique_ptr<platform::RegistryKey> real_;
    Opened& noted_;
};

// The registry with every opened key noted, in the order of opening.
class NotingRegistry : public platform::Registry {
  public:
    explicit NotingRegistry(platform::Registry& real) : real_(real) {}
    std::unique_ptr<platform::RegistryKey> openKey(RootKey root, std::string_view path,
                                                   platform::KeyAccess access) override {
        return note(root, path, real_.openKey(root, path, access));
    }
    std::unique_ptr<platform::RegistryKey> createKey(RootKey root, std::string_view path) override {
        return note(root, path, real_.createKey(root, path));
    }
    std::vector<std::unique_ptr<Opened>> opened;

  private:
    std::unique_ptr<platform::RegistryKey> note(RootKey root, std::string_view path,
                                                std::unique_ptr<platform::RegistryKey> key) {
        if (!key) return key;
        opened.push_back(std::make_unique<Opened>(Opened{root, std::string(path), {}}));
        return std::make_unique<NotingKey>(std::move(key), *opened.back());
    }
    platform::Registry& real_;
};

HKEY predefined(RootKey root) {
    switch (root) {
    case RootKey::ClassesRoot:
        return HKEY_CLASSES_ROOT;
    case RootKey::CurrentUser:
        return HKEY_CURRENT_USER;
    default:
        return HKEY_LOCAL_MACHINE;
    }
}

// The same calls without the program around them: open or create, query, close.
void plainLoop(const std::vector<std::unique_ptr<Opened>>& keys) {
    static BYTE data[4096];
    for (const auto& k : keys) {
        std::string path = platform::normalizeKeyPath(k->path);
        HKEY key = nullptr;
        if (RegCreateKeyExA(predefined(k->root), path.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS,
                            nullptr, &key, nullptr) != ERROR_SUCCESS)
            continue;
        for (const std::string& name : k->names) {
            DWORD type = 0, size = sizeof data;
            RegQueryValueExA(key, name.c_str(), nullptr, &type, data, &size);
        }
        RegCloseKey(key);
    }
}

double millisecondsOf(const std::chrono::steady_clock::time_point& start) {
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start)
        .count();
}

} // namespace

int main(int argc, char** argv) {
    const int rounds = argc > 1 ? std::atoi(argv[1]) : 200;
    RegistrySandbox sandbox;
    platform::Win32Platform win32;
    platform::Platform& real = win32.platform();
    NotingRegistry noting(real.registry);
    platform::Platform notingPlatform{noting,       real.profiles, real.files,   real.processes,
                                      real.shell,   real.security, real.network, real.system,
                                      real.desktop, real.scripts,  real.hardware};
    testing_support::HeadlessApp h;
    ui::DirectoryResourceStore resources{"res"};
    char temp[MAX_PATH] = {};
    GetTempPathA(sizeof temp, temp);
    brelk::Context noted{h.app, notingPlatform, resources, temp, {}};
    brelk::Context measured{h.app, real, resources, temp, {}};

    // The first scan creates the missing values; the one after it is noted.
    brelk::MainWindow first(noted, brelk::mainWindowParts());
    first.c<ui::Edit>("Edit1").setText(std::string(temp) + "bench_scan");
    brelk::backup(first);
    noting.opened.clear();
    brelk::backup(first);
    std::size_t reads = 0;
    for (const auto& k : noting.opened)
        reads += k->names.size();

    brelk::MainWindow w(measured, brelk::mainWindowParts());
    w.c<ui::Edit>("Edit1").setText(std::string(temp) + "bench_scan");
    auto& log = w.c<ui::Memo>("Memo3");
    auto start = std::chrono::steady_clock::now();
    for (int i = 0; i < rounds; ++i) {
        log.clear();
        brelk::backup(w);
    }
    const double scanMs = millisecondsOf(start);

    start = std::chrono::steady_clock::now();
    for (int i = 0; i < rounds; ++i)
        plainLoop(noting.opened);
    const double plainMs = millisecondsOf(start);

    std::printf("keys opened %zu, values read %zu, rounds %d\n", noting.opened.size(), reads,
                rounds);
    std::printf("reading step %.2f ms per scan, plain loop %.2f ms per scan, ratio %.2fx\n",
                scanMs / rounds, plainMs / rounds, plainMs > 0 ? scanMs / plainMs : 0.0);
    return 0;
}
