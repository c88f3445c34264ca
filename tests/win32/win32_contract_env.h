// The Win32 platform as a contract-test environment (see tests/contract/contract_support.h).
#pragma once

#include "platform/win32/win32_platform.h"
#include "registry_sandbox.h"

#include <cstdint>
#include <memory>
#include <string>

class Win32Env {
  public:
    Win32Env() = default;
    ~Win32Env();
    Win32Env(const Win32Env&) = delete;
    Win32Env& operator=(const Win32Env&) = delete;

    platform::Platform& platform() { return real_.platform(); }
    void isolateRegistry() { sandbox_ = std::make_unique<RegistrySandbox>(); }
    // A folder under the user's temporary folder, removed with everything in it at the end.
    std::string scratchFolder();
    std::uint16_t listeningPort();
    std::uint16_t closedPort();
    // sleeper.exe is built beside the test program.
    std::string testProgramFolder() { return real_.platform().files.programFolder(); }

  private:
    platform::Win32Platform real_;
    std::unique_ptr<RegistrySandbox> sandbox_;
    std::string scratch_;
    std::uintptr_t listener_ = ~std::uintptr_t{0};
    bool socketsStarted_ = false;
};
