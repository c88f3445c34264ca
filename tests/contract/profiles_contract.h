// INI file cases, run against every environment in ContractEnvs (see contract_support.h).
#pragma once

#include "contract_support.h"
#include "platform/platform.h"

namespace contract {

template <typename Env> class ProfilesContract : public ::testing::Test {
  protected:
    platform::Profiles& profiles() { return env.platform().profiles; }
    platform::FileSystem& files() { return env.platform().files; }
    std::string read(const std::string& section, const std::string& key,
                     const std::string& def = "default") {
        return profiles().readString(file, section, key, def);
    }

    Env env;
    const std::string folder = env.scratchFolder();
    const std::string file = folder + "test.ini";
};

TYPED_TEST_SUITE(ProfilesContract, ContractEnvs);

TYPED_TEST(ProfilesContract, MissingFileGivesTheDefault) {
    EXPECT_EQ(this->read("Options", "version", "label5.caption"), "label5.caption");
    // Trailing blanks and enclosing quotes of the default are dropped; leading blanks stay.
    EXPECT_EQ(this->read("Options", "version", "  def  "), "  def");
    EXPECT_EQ(this->read("Options", "version", "\"quoted\""), "quoted");
    EXPECT_EQ(this->read("Options", "version", "   "), " ");
    EXPECT_EQ(this->read("Options", "version", "\""), "\"");
    EXPECT_EQ(this->read("Options", "version", ""), "");
    EXPECT_FALSE(this->files().fileExists(this->file));
}

TYPED_TEST(ProfilesContract, WriteCreatesTheFile) {
    EXPECT_TRUE(this->profiles().writeString(this->file, "Options", "version", "1.2"));
    EXPECT_EQ(this->files().readFile(this->file), "[Options]\r\nversion=1.2\r\n");
    EXPECT_EQ(this->read("Options", "version"), "1.2");
}

TYPED_TEST(ProfilesContract, ValuesAreTrimmedAndUnquoted) {
    this->files().writeFile(this->file, "[Sec]\r\n"
                                        "k1 =  value one  \r\n"
                                        " k2=\"quoted\"\r\n"
                                        "k3='single'\r\n"
                                        "k4=\"unbalanced\r\n"
                                        "k5=  \"  spaced \"  \r\n"
                                        "K1=second\r\n"
                                        "noequals\r\n"
                                        "k7=\"\"\r\n"
                                        "k8=\"a\"b\"\r\n"
                                        "tab=\tv\t\r\n"
                                        "lone=\"\r\n"
                                        "empty=\r\n"
                                        "last=no line end");
    EXPECT_EQ(this->read("Sec", "k1"), "value one");
    EXPECT_EQ(this->read("Sec", "K2"), "quoted");
    EXPECT_EQ(this->read("Sec", "k3"), "single");
    EXPECT_EQ(this->read("Sec", "k4"), "\"unbalanced");
    EXPECT_EQ(this->read("Sec", "k5"), "  spaced ");
    EXPECT_EQ(this->read("Sec", "noequals"), "default");
    EXPECT_EQ(this->read("Sec", "k7"), "");
    EXPECT_EQ(this->read("Sec", "k8"), "a\"b");
    EXPECT_EQ(this->read("Sec", "tab"), "v");
    EXPECT_EQ(this->read("Sec", "lone"), "\"");
    EXPECT_EQ(this->read("Sec", "empty"), "");
    EXPECT_EQ(this->read("Sec", "last"), "no line end");
}

TYPED_TEST(ProfilesContract, SectionsAndKeysIgnoreCaseAndBlanks) {
    this->files().writeFile(this->file, "[Sec]\r\nk1=first\r\n[ Spaced ]\r\nx=1\r\n"
                                        "[sec]\r\nk9=in the second section\r\n");
    EXPECT_EQ(this->read("SEC", "  K1  "), "first");
    EXPECT_EQ(this->read("spaced", "X"), "1");
    // Only the first section of a name is searched.
    EXPECT_EQ(this->read("Sec", "k9"), "default");
}

TYPED_TEST(ProfilesContract, WriteReplacesAndAddsKeys) {
    this->files().writeFile(this->file, "; settings\r\n[Options]\r\nversion=1.0\r\nfirststart=1\r\n"
                                        "[Backup]\r\nnumber=3\r\n");
    auto& p = this->profiles();
    EXPECT_TRUE(p.writeString(this->file, "OPTIONS", "FirstStart", "  0  "));
    EXPECT_TRUE(p.writeString(this->file, "Options", "newkey", "new"));
    EXPECT_TRUE(p.writeString(this->file, "Einstellungen", "sound", "C:\\x.wav"));
    EXPECT_EQ(this->read("Options", "firststart"), "0");
    EXPECT_EQ(this->read("Options", "version"), "1.0");
    EXPECT_EQ(this->read("Options", "newkey"), "new");
    EXPECT_EQ(this->read("Backup", "number"), "3");
    EXPECT_EQ(this->read("Einstellungen", "sound"), "C:\\x.wav");
    auto text = this->files().readFile(this->file).value_or("");
    EXPECT_EQ(text.find("; settings\r\n"), 0u);
    EXPECT_LT(text.find("newkey=new"), text.find("[Backup]"));
}

TYPED_TEST(ProfilesContract, ReadOnlyFileIsNotWritten) {
    const std::string original = "[A]\r\nb=c\r\n";
    this->files().writeFile(this->file, original);
    ASSERT_TRUE(this->files().setAttributes(this->file, platform::fileattr::readOnly));
    EXPECT_FALSE(this->profiles().writeString(this->file, "A", "b", "changed"));
    EXPECT_EQ(this->files().readFile(this->file), original);
    EXPECT_EQ(this->read("A", "b"), "c");

    ASSERT_TRUE(this->files().setAttributes(this->file, 0));
    EXPECT_TRUE(this->profiles().writeString(this->file, "A", "b", "changed"));
    EXPECT_EQ(this->read("A", "b"), "changed");
}

TYPED_TEST(ProfilesContract, FileInMissingFolderIsNotWritten) {
    const std::string file = this->folder + "missing\\test.ini";
    EXPECT_FALSE(this->profiles().writeString(file, "A", "b", "c"));
    EXPECT_FALSE(this->files().fileExists(file));
}

TYPED_TEST(ProfilesContract, DeleteSectionRemovesItsKeysOnly) {
    this->files().writeFile(this->file,
                            "[Keep]\r\na=1\r\n[Gone]\r\nb=2\r\nc=3\r\n[After]\r\nd=4\r\n");
    auto& p = this->profiles();
    EXPECT_TRUE(p.deleteSection(this->file, "GONE"));
    EXPECT_EQ(this->read("Gone", "b"), "default");
    EXPECT_EQ(this->read("Gone", "c"), "default");
    EXPECT_EQ(this->read("Keep", "a"), "1");
    EXPECT_EQ(this->read("After", "d"), "4");
    // No such section, and no such file: nothing to remove.
    EXPECT_TRUE(p.deleteSection(this->file, "Gone"));
    EXPECT_TRUE(p.deleteSection(this->folder + "none.ini", "Gone"));
    EXPECT_FALSE(this->files().fileExists(this->folder + "none.ini"));
    // A section written after the removal starts empty.
    EXPECT_TRUE(p.writeString(this->file, "Gone", "e", "5"));
    EXPECT_EQ(this->read("Gone", "b"), "default");
    EXPECT_EQ(this->read("Gone", "e"), "5");
}

TYPED_TEST(ProfilesContract, DeleteSectionOfAReadOnlyFileFails) {
    const std::string original = "[A]\r\nb=c\r\n";
    this->files().writeFile(this->file, original);
    ASSERT_TRUE(this->files().setAttributes(this->file, platform::fileattr::readOnly));
    EXPECT_FALSE(this->profiles().deleteSection(this->file, "A"));
    EXPECT_FALSE(this->profiles().deleteSection(this->file, "Other"));
    EXPECT_EQ(this->read("A", "b"), "c");
    ASSERT_TRUE(this->files().setAttributes(this->file, 0));
}

} // namespace contract
