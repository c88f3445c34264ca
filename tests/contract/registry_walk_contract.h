// Registry cases of long walks (the enumeration that reads a key in one pass, and keys deep
// below long paths), run against every environment in ContractEnvs (see contract_support.h).
#pragma once

#include "contract_support.h"
#include "platform/platform.h"

namespace contract {

template <typename Env> class RegistryWalkContract : public ::testing::Test {
  protected:
    RegistryWalkContract() { env.isolateRegistry(); }
    platform::Registry& registry() { return env.platform().registry; }

    const std::string base = "Software\\BrelkWalk";
    Env env;
};

TYPED_TEST_SUITE(RegistryWalkContract, ContractEnvs);

TYPED_TEST(RegistryWalkContract, EnumerationPassesEachValueAndListsTheSubKeys) {
    namespace regtype = platform::regtype;
    using platform::RegistryValue;
    auto& registry = this->registry();
    {
        auto key = registry.createKey(platform::RootKey::CurrentUser, this->base);
        ASSERT_TRUE(key);
        key->writeString("", "default");
        key->writeString("zeta", "C:\\x");
        key->writeInteger("Alpha", 10);
        key->writeBinary("mid", platform::Bytes(3000, 0xAB));
        ASSERT_TRUE(key->setValue("Multi", {regtype::multiString, {'a', 0, 'b', 0, 0}}));
        ASSERT_TRUE(key->setValue("Odd", {0x100, {1, 2}}));
        for (const char* sub : {"b", "A", "c"})
            ASSERT_TRUE(
                registry.createKey(platform::RootKey::CurrentUser, this->base + "\\" + sub));
    }
    auto key =
        registry.openKey(platform::RootKey::CurrentUser, this->base, platform::KeyAccess::Read);
    ASSERT_TRUE(key);
    std::vector<std::string> names;
    auto subKeys = key->enumerate([&](const platform::ValueView& v) {
        names.emplace_back(v.name);
        auto stored = key->value(v.name);
        ASSERT_TRUE(stored) << v.name;
        EXPECT_EQ(v.type, stored->type) << v.name;
        EXPECT_EQ(platform::Bytes(v.data.begin(), v.data.end()), stored->data) << v.name;
    });
    EXPECT_EQ(names, key->valueNames());
    EXPECT_EQ(names.size(), 6u);
    EXPECT_EQ(subKeys, key->subKeyNames());
    EXPECT_EQ(subKeys, (std::vector<std::string>{"A", "b", "c"}));
}

TYPED_TEST(RegistryWalkContract, KeysBelowPathsLongerThanAFilePathWork) {
    std::string path = this->base;
    for (int i = 0; i < 30; ++i) {
        path += "\\Level number ";
        path += std::to_string(i);
    }
    ASSERT_GT(path.size(), 400u);
    auto& registry = this->registry();
    {
        auto key = registry.createKey(platform::RootKey::CurrentUser, path);
        ASSERT_TRUE(key);
        key->writeInteger("depth", 30);
    }
    auto key = registry.openKey(platform::RootKey::CurrentUser, path, platform::KeyAccess::Read);
    ASSERT_TRUE(key);
    EXPECT_EQ(key->readInteger("depth").value, 30);
    auto parent = registry.openKey(platform::RootKey::CurrentUser, path.substr(0, path.rfind('\\')),
                                   platform::KeyAccess::Read);
    ASSERT_TRUE(parent);
    EXPECT_EQ(parent->subKeyNames(), std::vector<std::string>{"Level number 29"});
    EXPECT_FALSE(registry.openKey(platform::RootKey::CurrentUser, path + "\\missing"));
}

} // namespace contract
