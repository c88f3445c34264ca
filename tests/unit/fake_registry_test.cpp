// What the in-memory registry adds for tests: keys that refuse writing.
#include "platform/fake/fake_registry.h"

#include <gtest/gtest.h>

namespace {

using platform::KeyAccess;
using platform::RootKey;

TEST(FakeRegistryTest, KeyWithoutWriteAccessCanOnlyBeRead) {
    platform::FakeRegistry registry;
    registry.createKey(RootKey::LocalMachine, "Software\\Locked")->writeInteger("v", 7);
    registry.denyWriteAccess(RootKey::LocalMachine, "Software\\Locked");

    EXPECT_FALSE(registry.openKey(RootKey::LocalMachine, "Software\\Locked"));
    EXPECT_FALSE(registry.createKey(RootKey::LocalMachine, "Software\\Locked"));
    EXPECT_FALSE(registry.createKey(RootKey::LocalMachine, "Software\\Locked\\Sub"));
    auto readable = registry.openKey(RootKey::LocalMachine, "Software\\Locked", KeyAccess::Read);
    ASSERT_TRUE(readable);
    EXPECT_EQ(readable->readInteger("v").value, 7);
    EXPECT_FALSE(registry.openKey(RootKey::LocalMachine, "Software")->deleteSubKey("Locked"));

    try {
        registry.createKeyOrRaise(RootKey::LocalMachine, "Software\\Locked\\Sub");
        FAIL() << "nothing raised";
    } catch (const platform::RegistryError& e) {
        EXPECT_STREQ(e.what(), "Failed to create key Software\\Locked\\Sub");
    }
}

} // namespace
