// Points HKEY_LOCAL_MACHINE, HKEY_CURRENT_USER and HKEY_CLASSES_ROOT of this process at fresh
// keys under HKEY_CURRENT_USER\Software\BrelkTest for the sandbox's lifetime, so that registry
// tests never touch the real branches. Undone and deleted on destruction.
#pragma once

#include <string>
#include <vector>

class RegistrySandbox {
  public:
    RegistrySandbox(); // throws std::runtime_error when the sandbox cannot be set up
    ~RegistrySandbox();
    RegistrySandbox(const RegistrySandbox&) = delete;
    RegistrySandbox& operator=(const RegistrySandbox&) = delete;

    // The sandbox's key below the real HKEY_CURRENT_USER.
    const std::string& keyPath() const { return keyPath_; }

  private:
    void undo();

    std::string keyPath_;
    std::vector<void*> overridden_; // the predefined keys mapped so far
};
