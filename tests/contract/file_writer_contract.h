// Files written piece by piece, run against every environment in ContractEnvs (see
// contract_support.h).
#pragma once

#include "contract_support.h"
#include "platform/platform.h"

namespace contract {

template <typename Env> class FileWriterContract : public ::testing::Test {
  protected:
    platform::FileSystem& files() { return env.platform().files; }
    Env env;
    const std::string dir = env.scratchFolder();
};

TYPED_TEST_SUITE(FileWriterContract, ContractEnvs);

TYPED_TEST(FileWriterContract, PiecesFollowEachOtherAndReplaceTheOldContent) {
    auto& fs = this->files();
    const std::string file = this->dir + "pieces.txt";
    ASSERT_TRUE(fs.writeFile(file, "old content that is longer"));
    fs.setAttributes(file, platform::fileattr::hidden);
    {
        auto writer = fs.createFile(file);
        ASSERT_TRUE(writer);
        EXPECT_TRUE(writer->write("REGEDIT4\r\n"));
        EXPECT_TRUE(writer->write(""));
        EXPECT_TRUE(writer->write(std::string(100000, 'x')));
    }
    EXPECT_EQ(fs.readFile(file), "REGEDIT4\r\n" + std::string(100000, 'x'));
    EXPECT_EQ(keptAttributes(*fs.attributes(file)), platform::fileattr::hidden);
}

TYPED_TEST(FileWriterContract, RefusedForReadOnlyFilesAndMissingFolders) {
    auto& fs = this->files();
    const std::string file = this->dir + "locked.txt";
    ASSERT_TRUE(fs.writeFile(file, "keep"));
    ASSERT_TRUE(fs.setAttributes(file, platform::fileattr::readOnly));
    EXPECT_FALSE(fs.createFile(file));
    EXPECT_EQ(fs.readFile(file), "keep");
    EXPECT_FALSE(fs.createFile(this->dir + "missing\\x.reg"));
    fs.setAttributes(file, 0);
}

} // namespace contract
