#include "registry_sandbox.h"

#include <windows.h>

#include <shlwapi.h>

#include <stdexcept>

namespace {

const char* const parentPath = "Software\\BrelkTest";

struct Mapping {
    HKEY predefined;
    const char* subKey;
};
const Mapping mappings[] = {{HKEY_LOCAL_MACHINE, "HKLM"},
                            {HKEY_CLASSES_ROOT, "HKCR"},
                            {HKEY_CURRENT_USER, "HKCU"}}; // the current user last

} // namespace

RegistrySandbox::RegistrySandbox() {
    static int counter = 0;
    keyPath_ = std::string(parentPath) + "\\" + std::to_string(GetCurrentProcessId()) + "-" +
               std::to_string(GetTickCount()) + "-" + std::to_string(++counter);
    HKEY base = nullptr;
    if (RegCreateKeyExA(HKEY_CURRENT_USER, keyPath_.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr,
                        &base, nullptr) != ERROR_SUCCESS)
        throw std::runtime_error("cannot create the registry sandbox");
    for (const auto& m : mappings) {
        HKEY target = nullptr;
        bool mapped = RegCreateKeyExA(base, m.subKey, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr,
                                      &target, nullptr) == ERROR_SUCCESS &&
                      RegOverridePredefKey(m.predefined, target) == ERROR_SUCCESS;
        if (target) RegCloseKey(target); // the override holds its own handle
        if (!mapped) {
            RegCloseKey(base);
            undo();
            throw std::runtime_error(std::string("cannot map the sandbox's ") + m.subKey);
        }
        overridden_.push_back(m.predefined);
    }
    RegCloseKey(base);
}

RegistrySandbox::~RegistrySandbox() {
    undo();
}

void RegistrySandbox::undo() {
    for (void* predefined : overridden_)
        RegOverridePredefKey(static_cast<HKEY>(predefined), nullptr);
    overridden_.clear();
    SHDeleteKeyA(HKEY_CURRENT_USER, keyPath_.c_str());
    RegDeleteKeyA(HKEY_CURRENT_USER, parentPath); // only when no other sandbox is left
}
