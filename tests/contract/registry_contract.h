// Registry cases, run against every environment in ContractEnvs (see contract_support.h).
#pragma once

#include "contract_support.h"
#include "platform/platform.h"

namespace contract {

using platform::KeyAccess;
using platform::ReadStatus;
using platform::RegistryValue;
using platform::RootKey;
namespace regtype = platform::regtype;

template <typename Env> class RegistryContract : public ::testing::Test {
  protected:
    RegistryContract() { env.isolateRegistry(); }

    std::unique_ptr<platform::RegistryKey> create(const std::string& path) {
        auto key = registry().createKey(RootKey::CurrentUser, base + path);
        EXPECT_TRUE(key) << path;
        return key;
    }
    platform::Registry& registry() { return env.platform().registry; }

    const std::string base = "Software\\BrelkContract\\";
    Env env;
};

TYPED_TEST_SUITE(RegistryContract, ContractEnvs);

TYPED_TEST(RegistryContract, ValuesKeepTheirTypeAndBytes) {
    platform::Bytes multi{'a', 0, 'b', 'c', 0, 0};
    platform::Bytes qword{1, 2, 3, 4, 5, 6, 7, 8};
    {
        auto key = this->create("Types");
        key->writeString("Path", "C:\\Windows");
        key->writeExpandString("Expand", "%SystemRoot%\\x");
        key->writeInteger("Number", -5);
        key->writeBinary("Binary", {0x00, 0x01, 0xFF});
        key->writeBinary("Empty", {});
        key->writeString("Blank", "");
        EXPECT_TRUE(key->setValue("Multi", {regtype::multiString, multi}));
        EXPECT_TRUE(key->setValue("Qword", {regtype::qword, qword}));
        EXPECT_TRUE(key->setValue("BigEndian", {regtype::dwordBigEndian, {0, 0, 0, 10}}));
        EXPECT_TRUE(key->setValue("None", {regtype::none, {7, 7}}));
        EXPECT_TRUE(key->setValue("Unknown", {0x100, {1, 2, 3}}));
    }
    auto key =
        this->registry().openKey(RootKey::CurrentUser, this->base + "Types", KeyAccess::Read);
    ASSERT_TRUE(key);
    EXPECT_EQ(key->readString("Path").value, "C:\\Windows");
    EXPECT_EQ(key->value("Path"), RegistryValue::fromString("C:\\Windows"));
    EXPECT_EQ(key->readString("Expand").value, "%SystemRoot%\\x");
    EXPECT_EQ(key->value("Expand")->type, regtype::expandString);
    EXPECT_EQ(key->readInteger("Number").value, -5);
    EXPECT_EQ(key->value("Number"), (RegistryValue{regtype::dword, {0xFB, 0xFF, 0xFF, 0xFF}}));
    EXPECT_EQ(key->readBinary("Binary").value, (platform::Bytes{0x00, 0x01, 0xFF}));
    EXPECT_EQ(key->value("Empty"), (RegistryValue{regtype::binary, {}}));
    EXPECT_TRUE(key->readString("Blank").ok());
    EXPECT_EQ(key->readString("Blank").value, "");
    EXPECT_EQ(key->value("Multi"), (RegistryValue{regtype::multiString, multi}));
    EXPECT_EQ(key->value("Qword"), (RegistryValue{regtype::qword, qword}));
    EXPECT_EQ(key->value("BigEndian"), (RegistryValue{regtype::dwordBigEndian, {0, 0, 0, 10}}));
    EXPECT_EQ(key->value("None"), (RegistryValue{regtype::none, {7, 7}}));
    EXPECT_EQ(key->value("Unknown"), (RegistryValue{0x100, {1, 2, 3}}));
}

TYPED_TEST(RegistryContract, MissingValueAndWrongTypeAreTellApart) {
    auto key = this->create("Reads");
    key->writeString("Text", "abc");
    key->writeInteger("Count", 3);
    EXPECT_TRUE(key->setValue("Short", {regtype::dword, {1, 2}}));

    EXPECT_EQ(key->readString("Missing").status, ReadStatus::Missing);
    EXPECT_EQ(key->readInteger("Missing").status, ReadStatus::Missing);
    EXPECT_EQ(key->readInteger("Text").status, ReadStatus::WrongType);
    EXPECT_EQ(key->readString("Count").status, ReadStatus::WrongType);
    EXPECT_EQ(key->readBinary("Text").status, ReadStatus::WrongType);
    EXPECT_EQ(key->readInteger("Short").status, ReadStatus::WrongType);
    EXPECT_FALSE(key->valueExists("Missing"));
    EXPECT_TRUE(key->valueExists("count"));

    EXPECT_EQ(key->readStringOrRaise("Missing"), "");
    EXPECT_EQ(key->readIntegerOrRaise("Count"), 3);
    auto raised = [&](auto read) -> std::string {
        try {
            read();
        } catch (const platform::RegistryError& e) {
            return e.what();
        }
        return "nothing raised";
    };
    EXPECT_EQ(raised([&] { key->readIntegerOrRaise("Text"); }), "Invalid data type for 'Text'");
    EXPECT_EQ(raised([&] { key->readStringOrRaise("Count"); }), "Invalid data type for 'Count'");
    EXPECT_EQ(raised([&] { key->readIntegerOrRaise("Missing"); }),
              "Failed to get data for 'Missing'");
}

TYPED_TEST(RegistryContract, DefaultValueHasTheEmptyName) {
    auto key = this->create("Default");
    key->writeString("", "standard");
    EXPECT_EQ(key->readString("").value, "standard");
    EXPECT_EQ(key->valueNames(), std::vector<std::string>{""});
    EXPECT_TRUE(key->deleteValue(""));
    EXPECT_FALSE(key->deleteValue(""));
    EXPECT_TRUE(key->valueNames().empty());
}

TYPED_TEST(RegistryContract, KeyPathsIgnoreCaseAndSurplusBackslashes) {
    this->registry().createKey(RootKey::CurrentUser, "\\" + this->base + "Paths\\Inner");
    auto& reg = this->registry();
    EXPECT_TRUE(reg.keyExists(RootKey::CurrentUser, "software\\brelkcontract\\PATHS\\inner"));
    EXPECT_TRUE(reg.keyExists(RootKey::CurrentUser, this->base + "Paths\\Inner\\"));
    EXPECT_TRUE(reg.keyExists(RootKey::CurrentUser, this->base + "Paths\\\\Inner"));
    EXPECT_FALSE(reg.openKey(RootKey::CurrentUser, this->base + "Paths\\Missing"));
    EXPECT_FALSE(reg.keyExists(RootKey::CurrentUser, this->base + "Paths\\Missing"));
}

TYPED_TEST(RegistryContract, DeleteSubKeyRemovesTheWholeTree) {
    this->create("Tree\\A\\B\\C")->writeInteger("deep", 1);
    this->create("Tree\\A\\Side")->writeString("v", "x");
    this->create("Tree\\Keep");
    auto tree = this->create("Tree");
    EXPECT_TRUE(tree->deleteSubKey("a"));
    EXPECT_FALSE(this->registry().keyExists(RootKey::CurrentUser, this->base + "Tree\\A"));
    EXPECT_EQ(tree->subKeyNames(), std::vector<std::string>{"Keep"});
    EXPECT_FALSE(tree->deleteSubKey("A"));
    EXPECT_FALSE(tree->deleteSubKey(""));

    this->create("Tree\\X\\Y");
    EXPECT_TRUE(tree->deleteSubKey("X\\Y"));
    EXPECT_TRUE(this->registry().keyExists(RootKey::CurrentUser, this->base + "Tree\\X"));
}

TYPED_TEST(RegistryContract, EnumerationOrderAfterCreation) {
    auto key = this->create("Order");
    for (const char* name : {"b", "A", "_x", "a1", "C", "Zed", "[q", "~t"}) {
        this->create(std::string("Order\\") + name);
        key->writeInteger(name, 1);
    }
    // Sorted without regard to case, by character code ("[" and "_" before letters).
    const std::vector<std::string> sorted{"[q", "_x", "A", "a1", "b", "C", "Zed", "~t"};
    EXPECT_EQ(key->subKeyNames(), sorted);
    EXPECT_EQ(key->valueNames(), sorted);
}

TYPED_TEST(RegistryContract, InfoCountsSubKeysAndValues) {
    auto key = this->create("Info");
    this->create("Info\\Short");
    this->create("Info\\LongerName");
    key->writeString("v", "");
    key->writeBinary("TenBytesValue", platform::Bytes(10, 1));
    auto info = key->info();
    ASSERT_TRUE(info);
    EXPECT_EQ(info->subKeyCount, 2u);
    EXPECT_EQ(info->valueCount, 2u);
    EXPECT_EQ(info->maxSubKeyNameLength, 10u);
    EXPECT_EQ(info->maxValueNameLength, 13u);
    EXPECT_GE(info->maxValueDataSize, 10u);
}

TYPED_TEST(RegistryContract, KeyOpenedForReadingRefusesWrites) {
    this->create("ReadOnly\\Sub")->writeInteger("v", 1);
    auto key =
        this->registry().openKey(RootKey::CurrentUser, this->base + "ReadOnly", KeyAccess::Read);
    ASSERT_TRUE(key);
    EXPECT_FALSE(key->setValue("w", RegistryValue::fromInteger(1)));
    EXPECT_THROW(key->writeString("w", "x"), platform::RegistryError);
    EXPECT_FALSE(key->valueExists("w"));
    // Deleting a sub key depends on the sub key's own rights, not on the parent's handle.
    EXPECT_TRUE(key->deleteSubKey("Sub"));
    EXPECT_TRUE(key->subKeyNames().empty());
}

TYPED_TEST(RegistryContract, KeyDeletedWhileOpenRefusesWrites) {
    auto doomed = this->create("Parent\\Doomed");
    this->create("Parent")->deleteSubKey("Doomed");
    EXPECT_FALSE(doomed->setValue("v", RegistryValue::fromInteger(1)));
}

TYPED_TEST(RegistryContract, RootsAreSeparate) {
    auto& reg = this->registry();
    const std::string path = this->base + "Roots";
    reg.createKey(RootKey::LocalMachine, path)->writeString("root", "lm");
    reg.createKey(RootKey::CurrentUser, path)->writeString("root", "cu");
    reg.createKey(RootKey::ClassesRoot, path)->writeString("root", "cr");
    EXPECT_EQ(reg.openKey(RootKey::LocalMachine, path)->readString("root").value, "lm");
    EXPECT_EQ(reg.openKey(RootKey::CurrentUser, path)->readString("root").value, "cu");
    EXPECT_EQ(reg.openKey(RootKey::ClassesRoot, path)->readString("root").value, "cr");
}

} // namespace contract
