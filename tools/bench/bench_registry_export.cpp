// Benchmark helper for the registry export: exports a branch with the program's routine, or
// builds and removes a synthetic branch. Driven by bench_registry_export.sh, which times this
// program against the registry editor's own export of the same branch.
//
//   bench_registry_export export <root> <path> <file>   prints the export's time in ms
//   bench_registry_export walk <root> <path>            prints the time of a bare walk in ms
//   bench_registry_export synth <path below HKCU> <keys> <values per key>
//   bench_registry_export clean <path below HKCU>
#include "platform/keep_alive.h"
#include "platform/win32/win32_platform.h"
#include "tweaks/registry_export.h"

#include <windows.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

namespace {

using platform::RootKey;

bool parseRoot(const char* name, RootKey& root) {
    struct Root {
        const char* name;
        RootKey key;
    };
    static const Root roots[] = {{"HKEY_CLASSES_ROOT", RootKey::ClassesRoot},
                                 {"HKEY_CURRENT_USER", RootKey::CurrentUser},
                                 {"HKEY_LOCAL_MACHINE", RootKey::LocalMachine},
                                 {"HKEY_USERS", RootKey::Users},
                                 {"HKEY_CURRENT_CONFIG", RootKey::CurrentConfig}};
    for (const auto& r : roots)
        if (_stricmp(r.name, name) == 0) {
            root = r.key;
            return true;
        }
    return false;
}

int exportBranch(const char* rootName, const char* path, const char* file) {
    RootKey root;
    if (!parseRoot(rootName, root)) {
        std::fprintf(stderr, "unknown root %s\n", rootName);
        return 2;
    }
    platform::Win32Platform win32;
    auto& p = win32.platform();
    // Messages are checked as in the program, though this process has no window.
    platform::SteadyClock clock;
    int served = 0;
    platform::KeepAlive keepAlive(
        [&served] {
            MSG msg;
            while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE))
                DispatchMessageA(&msg);
            ++served;
        },
        clock);
    auto start = std::chrono::steady_clock::now();
    brelk::exportregistry(p.registry, p.files, root, path, file, keepAlive);
    auto ms = std::chrono::duration_cast<std::chrono::milliseconds>(
                  std::chrono::steady_clock::now() - start)
                  .count();
    std::printf("export_ms %lld message_checks %d\n", static_cast<long long>(ms), served);
    return 0;
}

// The floor under the export: the same opens, key figures and enumerations of the same
// branch, depth first, with nothing formatted or written.
int walkBranch(const char* rootName, const char* path) {
    RootKey root;
    if (!parseRoot(rootName, root)) {
        std::fprintf(stderr, "unknown root %s\n", rootName);
        return 2;
    }
    platform::Win32Platform win32;
    auto& registry = win32.platform().registry;
    auto start = std::chrono::steady_clock::now();
    std::size_t keys = 0, values = 0;
    std::vector<std::string> pending{path};
    while (!pending.empty()) {
        std::string current = std::move(pending.back());
        pending.pop_back();
        std::vector<std::string> subKeys;
        {
            auto key = registry.openKey(root, current, platform::KeyAccess::Read);
            if (!key) continue;
            ++keys;
            subKeys = key->enumerate([&values](const platform::ValueView&) { ++values; });
        }
        for (auto it = subKeys.rbegin(); it != subKeys.rend(); ++it)
            pending.push_back(current.empty() ? *it : current + '\\' + *it);
    }
    auto ms = std::chrono::duration_cast<std::chrono::milliseconds>(
                  std::chrono::steady_clock::now() - start)
                  .count();
    std::printf("walk_ms %lld keys %zu values %zu\n", static_cast<long long>(ms), keys, values);
    return 0;
}

// A branch of keys in groups of ten, each with values of every common type.
int synth(const char* path, int keys, int valuesPerKey) {
    platform::Win32Platform win32;
    auto& registry = win32.platform().registry;
    platform::Bytes blob(300);
    for (std::size_t i = 0; i < blob.size(); ++i)
        blob[i] = static_cast<std::uint8_t>(i * 7);
    for (int k = 0; k < keys; ++k) {
        std::string keyPath =
            std::string(path) + "\\Group" + std::to_string(k / 10) + "\\Key" + std::to_string(k);
        auto key = registry.createKey(RootKey::CurrentUser, keyPath);
        if (!key) {
            std::fprintf(stderr, "cannot create %s\n", keyPath.c_str());
            return 1;
        }
        for (int v = 0; v < valuesPerKey; ++v) {
            std::string name = "Value" + std::to_string(v);
            switch (v % 5) {
            case 0:
                key->writeString(name, "C:\\Program Files\\Synthetic\\" + name);
                break;
            case 1:
                key->writeInteger(name, v * 977);
                break;
            case 2:
                key->writeBinary(name, platform::Bytes(blob.begin(), blob.begin() + v % 120));
                break;
            case 3:
                key->writeExpandString(name, "%SystemRoot%\\system32\\" + name);
                break;
            default:
                key->setValue(name, {platform::regtype::multiString,
                                     {'o', 'n', 'e', 0, 't', 'w', 'o', 0, 0}});
            }
        }
    }
    return 0;
}

int clean(const char* path) {
    platform::Win32Platform win32;
    auto key = win32.platform().registry.openKey(RootKey::CurrentUser, "");
    return key && key->deleteSubKey(path) ? 0 : 1;
}

} // namespace

int main(int argc, char** argv) {
    if (argc == 5 && std::strcmp(argv[1], "export") == 0)
        return exportBranch(argv[2], argv[3], argv[4]);
    if (argc == 4 && std::strcmp(argv[1], "walk") == 0) return walkBranch(argv[2], argv[3]);
    if (argc == 5 && std::strcmp(argv[1], "synth") == 0)
        return synth(argv[2], std::atoi(argv[3]), std::atoi(argv[4]));
    if (argc == 3 && std::strcmp(argv[1], "clean") == 0) return clean(argv[2]);
    std::fprintf(stderr,
                 "usage: bench_registry_export export <root> <path> <file> | walk <root> <path> | "
                 "synth <path> "
                 "<keys> <values per key> | clean <path>\n");
    return 2;
}
