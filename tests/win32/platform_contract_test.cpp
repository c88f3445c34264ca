// The platform contract cases against the Win32 platform, and the registry sandbox itself.
#include "platform/win32/win32_registry.h"
#include "win32_contract_env.h"

#include <gtest/gtest.h>

namespace {

using ContractEnvs = ::testing::Types<Win32Env>;

TEST(RegistrySandbox, KeepsTestWritesOutOfTheRealRegistry) {
    platform::Win32Registry registry;
    const std::string probe = "Software\\BrelkSandboxProbe";
    std::string sandboxPath;
    {
        RegistrySandbox sandbox;
        sandboxPath = sandbox.keyPath();
        EXPECT_FALSE(registry.keyExists(platform::RootKey::LocalMachine, "Software\\Microsoft"));
        auto key = registry.createKey(platform::RootKey::LocalMachine, probe);
        ASSERT_TRUE(key);
        key->writeString("v", "x");
        EXPECT_TRUE(registry.keyExists(platform::RootKey::LocalMachine, probe));
    }
    EXPECT_TRUE(registry.keyExists(platform::RootKey::LocalMachine, "Software\\Microsoft"));
    EXPECT_FALSE(registry.keyExists(platform::RootKey::LocalMachine, probe));
    EXPECT_FALSE(registry.keyExists(platform::RootKey::CurrentUser, sandboxPath));
}

} // namespace

#include "../contract/file_system_contract.h"
#include "../contract/file_writer_contract.h"
#include "../contract/hardware_contract.h"
#include "../contract/profiles_contract.h"
#include "../contract/registry_contract.h"
#include "../contract/registry_walk_contract.h"
#include "../contract/system_contract.h"
