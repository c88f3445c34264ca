// File and folder cases, and the file search built on them, run against every environment in
// ContractEnvs (see contract_support.h).
#pragma once

#include "contract_support.h"
#include "platform/file_identity.h"
#include "platform/platform.h"
#include "shell/windows_helpers.h"

#include <algorithm>
#include <set>

namespace contract {

namespace attr = platform::fileattr;

template <typename Env> class FileSystemContract : public ::testing::Test {
  protected:
    platform::FileSystem& files() { return env.platform().files; }
    std::set<std::string> names(const std::string& pattern) {
        std::set<std::string> out;
        for (auto& e : files().findEntries(pattern))
            out.insert(e.name);
        return out;
    }

    Env env;
    const std::string dir = env.scratchFolder();
};

TYPED_TEST_SUITE(FileSystemContract, ContractEnvs);

TYPED_TEST(FileSystemContract, FilesAndFoldersAreTellApart) {
    auto& fs = this->files();
    ASSERT_TRUE(fs.writeFile(this->dir + "file.txt", "x"));
    ASSERT_EQ(fs.createDirectory(this->dir + "folder"), platform::CreateDirResult::Created);
    EXPECT_TRUE(fs.fileExists(this->dir + "FILE.TXT"));
    EXPECT_FALSE(fs.directoryExists(this->dir + "file.txt"));
    EXPECT_TRUE(fs.directoryExists(this->dir + "folder"));
    EXPECT_TRUE(fs.directoryExists(this->dir + "folder\\"));
    EXPECT_FALSE(fs.fileExists(this->dir + "folder"));
    EXPECT_FALSE(fs.fileExists(this->dir + "missing"));
    EXPECT_FALSE(fs.directoryExists(this->dir + "missing"));
    EXPECT_FALSE(fs.attributes(this->dir + "missing"));
    EXPECT_EQ(keptAttributes(*fs.attributes(this->dir + "folder")), attr::directory);
}

TYPED_TEST(FileSystemContract, ContentRoundTripsByteForByte) {
    auto& fs = this->files();
    static constexpr char bytes[] = "line\r\nzero\0byte \x80\xE4\xFF";
    const std::string content(bytes, sizeof bytes - 1);
    ASSERT_TRUE(fs.writeFile(this->dir + "data.bin", content));
    EXPECT_EQ(fs.readFile(this->dir + "data.bin"), content);
    EXPECT_EQ(fs.fileSize(this->dir + "data.bin"), content.size());
    ASSERT_TRUE(fs.writeFile(this->dir + "data.bin", "short"));
    EXPECT_EQ(fs.readFile(this->dir + "data.bin"), "short");
    EXPECT_EQ(fs.fileSize(this->dir + "data.bin"), 5u);
    EXPECT_FALSE(fs.readFile(this->dir + "missing.bin"));
    EXPECT_FALSE(fs.fileSize(this->dir + "missing.bin"));
    EXPECT_FALSE(fs.fileSize(this->dir.substr(0, this->dir.size() - 1))) << "a folder";
    EXPECT_FALSE(fs.writeFile(this->dir + "missing\\data.bin", "x"));
}

TYPED_TEST(FileSystemContract, AttributesAreSetAndCleared) {
    auto& fs = this->files();
    const std::string file = this->dir + "attr.txt";
    fs.writeFile(file, "x");
    EXPECT_EQ(keptAttributes(*fs.attributes(file)), 0u);
    ASSERT_TRUE(fs.setAttributes(file, attr::readOnly | attr::hidden | attr::system));
    EXPECT_EQ(keptAttributes(*fs.attributes(file)), attr::readOnly | attr::hidden | attr::system);
    ASSERT_TRUE(fs.setAttributes(file, 0));
    EXPECT_EQ(keptAttributes(*fs.attributes(file)), 0u);
    EXPECT_FALSE(fs.setAttributes(this->dir + "missing.txt", 0));
}

TYPED_TEST(FileSystemContract, HiddenFileIsRewrittenAndStaysHidden) {
    auto& fs = this->files();
    const std::string file = this->dir + "hidden.txt";
    fs.writeFile(file, "old content");
    fs.setAttributes(file, attr::hidden);
    EXPECT_TRUE(fs.writeFile(file, "new"));
    EXPECT_EQ(fs.readFile(file), "new");
    EXPECT_EQ(keptAttributes(*fs.attributes(file)), attr::hidden);
}

TYPED_TEST(FileSystemContract, ReadOnlyFileRefusesWriteAndDelete) {
    auto& fs = this->files();
    const std::string file = this->dir + "locked.ini";
    fs.writeFile(file, "original");
    ASSERT_TRUE(fs.setAttributes(file, attr::readOnly));
    EXPECT_FALSE(fs.writeFile(file, "changed"));
    EXPECT_FALSE(fs.deleteFile(file));
    EXPECT_EQ(fs.readFile(file), "original");
    ASSERT_TRUE(fs.setAttributes(file, 0));
    EXPECT_TRUE(fs.deleteFile(file));
    EXPECT_FALSE(fs.fileExists(file));
    EXPECT_FALSE(fs.deleteFile(file));
}

TYPED_TEST(FileSystemContract, CreateDirectoryTellsExistingFromFailed) {
    auto& fs = this->files();
    EXPECT_EQ(fs.createDirectory(this->dir + "brelk"), platform::CreateDirResult::Created);
    EXPECT_EQ(fs.createDirectory(this->dir + "brelk"), platform::CreateDirResult::AlreadyExists);
    EXPECT_EQ(fs.createDirectory(this->dir + "missing\\brelk"), platform::CreateDirResult::Failed);
}

TYPED_TEST(FileSystemContract, RemoveDirectoryOnlyTakesAnEmptyFolder) {
    auto& fs = this->files();
    const std::string folder = this->dir + "links";
    fs.createDirectory(folder);
    fs.writeFile(folder + "\\a.lnk", "x");
    EXPECT_FALSE(fs.removeDirectory(folder));
    EXPECT_FALSE(fs.removeDirectory(folder + "\\a.lnk")) << "a file is no folder";
    EXPECT_TRUE(fs.deleteFile(folder + "\\a.lnk"));
    EXPECT_TRUE(fs.removeDirectory(folder));
    EXPECT_FALSE(fs.directoryExists(folder));
    EXPECT_FALSE(fs.removeDirectory(folder));
}

TYPED_TEST(FileSystemContract, CopyFileKeepsContentAndAttributes) {
    auto& fs = this->files();
    const std::string source = this->dir + "source.exe";
    fs.writeFile(source, "program");
    fs.setAttributes(source, attr::hidden);
    EXPECT_TRUE(fs.copyFile(source, this->dir + "copy.exe", false));
    EXPECT_EQ(fs.readFile(this->dir + "copy.exe"), "program");
    EXPECT_EQ(keptAttributes(*fs.attributes(this->dir + "copy.exe")), attr::hidden);

    fs.writeFile(this->dir + "target.exe", "old");
    EXPECT_FALSE(fs.copyFile(source, this->dir + "target.exe", false));
    EXPECT_EQ(fs.readFile(this->dir + "target.exe"), "old");
    EXPECT_TRUE(fs.copyFile(source, this->dir + "target.exe", true));
    EXPECT_EQ(fs.readFile(this->dir + "target.exe"), "program");

    fs.writeFile(this->dir + "locked.exe", "old");
    fs.setAttributes(this->dir + "locked.exe", attr::readOnly);
    EXPECT_FALSE(fs.copyFile(source, this->dir + "locked.exe", true));
    EXPECT_EQ(fs.readFile(this->dir + "locked.exe"), "old");
    fs.setAttributes(this->dir + "locked.exe", 0);

    EXPECT_FALSE(fs.copyFile(this->dir + "missing.exe", this->dir + "other.exe", true));
    EXPECT_FALSE(fs.fileExists(this->dir + "other.exe"));
}

TYPED_TEST(FileSystemContract, MoveFileReplacesInOneStepOrLeavesBoth) {
    auto& fs = this->files();
    const std::string staged = this->dir + "brelk.exe.new", target = this->dir + "brelk.exe";
    fs.writeFile(staged, "new");
    fs.writeFile(target, "old");
    EXPECT_TRUE(fs.canReplace(target));
    EXPECT_TRUE(fs.moveFile(staged, target));
    EXPECT_EQ(fs.readFile(target), "new");
    EXPECT_FALSE(fs.fileExists(staged));

    fs.writeFile(staged, "newer");
    fs.setAttributes(target, attr::readOnly);
    EXPECT_FALSE(fs.canReplace(target));
    EXPECT_FALSE(fs.moveFile(staged, target));
    EXPECT_EQ(fs.readFile(target), "new");
    EXPECT_EQ(fs.readFile(staged), "newer");
    fs.setAttributes(target, 0);

    EXPECT_TRUE(fs.moveFile(staged, this->dir + "fresh.exe")); // no target yet
    EXPECT_EQ(fs.readFile(this->dir + "fresh.exe"), "newer");
    EXPECT_FALSE(fs.moveFile(this->dir + "missing.exe", target));
    EXPECT_FALSE(fs.canReplace(this->dir + "missing.exe"));
    fs.createDirectory(this->dir + "folder");
    EXPECT_FALSE(fs.canReplace(this->dir + "folder"));
    EXPECT_FALSE(fs.moveFile(this->dir + "fresh.exe", this->dir + "folder"));
}

TYPED_TEST(FileSystemContract, FileIdentityTellsOneFileFromAnother) {
    auto& fs = this->files();
    fs.writeFile(this->dir + "a.txt", "same");
    fs.writeFile(this->dir + "b.txt", "same");
    const auto a = fs.fileIdentity(this->dir + "a.txt");
    ASSERT_TRUE(a);
    EXPECT_EQ(fs.fileIdentity(this->dir + "A.TXT"), a);
    EXPECT_NE(fs.fileIdentity(this->dir + "b.txt"), a);
    EXPECT_FALSE(fs.fileIdentity(this->dir + "missing.txt"));
}

// A folder reached under its short name is the same folder, and what lies in it lies inside.
TYPED_TEST(FileSystemContract, AFolderIsTheSameUnderItsShortName) {
    auto& fs = this->files();
    const std::string folder = this->dir + "A folder with a long name";
    ASSERT_EQ(fs.createDirectory(folder), platform::CreateDirResult::Created);
    fs.createDirectory(this->dir + "another folder");
    ASSERT_TRUE(fs.writeFile(folder + "\\inner.txt", "x"));
    const auto shortName = fs.shortPath(folder);
    ASSERT_TRUE(shortName);
    EXPECT_LE(shortName->size(), folder.size());
    EXPECT_TRUE(platform::sameFileOrFolder(fs, *shortName, folder + "\\"));
    EXPECT_TRUE(platform::liesInside(fs, *shortName + "\\inner.txt", folder));
    EXPECT_TRUE(platform::liesInside(fs, folder + "\\inner.txt", *shortName + "\\"));
    EXPECT_FALSE(platform::sameFileOrFolder(fs, folder, this->dir + "another folder"));
    EXPECT_FALSE(platform::liesInside(fs, folder + "\\inner.txt", this->dir + "another folder"));
    EXPECT_FALSE(platform::liesInside(fs, folder, folder));
    EXPECT_FALSE(fs.shortPath(this->dir + "missing"));
}

TYPED_TEST(FileSystemContract, FindEntriesMatchesMasks) {
    auto& fs = this->files();
    fs.writeFile(this->dir + "a.txt", "12345");
    fs.writeFile(this->dir + "b.log", "");
    fs.writeFile(this->dir + "README", "");
    fs.createDirectory(this->dir + "sub");
    EXPECT_EQ(this->names(this->dir + "*.*"),
              (std::set<std::string>{"a.txt", "b.log", "README", "sub"}));
    EXPECT_EQ(this->names(this->dir + "*"),
              (std::set<std::string>{"a.txt", "b.log", "README", "sub"}));
    EXPECT_EQ(this->names(this->dir + "*.TXT"), std::set<std::string>{"a.txt"});
    EXPECT_EQ(this->names(this->dir + "?.log"), std::set<std::string>{"b.log"});
    EXPECT_TRUE(this->names(this->dir + "missing\\*.*").empty());
    for (auto& e : fs.findEntries(this->dir + "*.*")) {
        if (e.name == "a.txt") {
            EXPECT_EQ(e.size, 5u);
        }
        EXPECT_EQ(e.isDirectory(), e.name == "sub");
    }
}

TYPED_TEST(FileSystemContract, ProgramFolderEndsWithBackslash) {
    std::string folder = this->files().programFolder();
    ASSERT_FALSE(folder.empty());
    EXPECT_EQ(folder.back(), '\\');
    EXPECT_TRUE(this->files().directoryExists(folder));
}

TYPED_TEST(FileSystemContract, TheScratchDriveIsAHardDiskWithFreeSpace) {
    auto& fs = this->files();
    const std::string root = this->dir.substr(0, 3);
    EXPECT_EQ(fs.driveType(root), platform::drivetype::fixed) << root;
    const auto free = fs.freeBytesAvailable(root);
    ASSERT_TRUE(free) << root;
    EXPECT_GT(*free, 0);
    EXPECT_EQ(fs.driveType(this->dir + "missing\\"), platform::drivetype::noRootDir);
}

template <typename Env> class FindFilesContract : public FileSystemContract<Env> {
  protected:
    // root: a.txt, hidden h.txt, system s.dat, sub1\x.txt, sub1\deep\y.txt, sub2\z.txt
    // (read-only), hidden folder hid\w.txt.
    FindFilesContract() {
        auto& fs = this->files();
        fs.createDirectory(root);
        for (auto* d : {"\\sub1", "\\sub1\\deep", "\\sub2", "\\hid"})
            fs.createDirectory(root + d);
        for (auto* f : {"\\a.txt", "\\h.txt", "\\s.dat", "\\sub1\\x.txt", "\\sub1\\deep\\y.txt",
                        "\\sub2\\z.txt", "\\hid\\w.txt"})
            fs.writeFile(root + f, "x");
        fs.setAttributes(root + "\\h.txt", attr::hidden);
        fs.setAttributes(root + "\\s.dat", attr::system);
        fs.setAttributes(root + "\\sub2\\z.txt", attr::readOnly);
        fs.setAttributes(root + "\\hid", attr::hidden);
    }
    ~FindFilesContract() override { this->files().setAttributes(root + "\\sub2\\z.txt", 0); }

    std::vector<std::string> find(const std::string& folder, const std::string& mask,
                                  bool recurse) {
        std::vector<std::string> list;
        platform::KeepAlive none;
        brelk::FindFiles(this->files(), folder, mask, list, recurse, none);
        return list;
    }

    const std::string root = this->dir + "tree";
};

TYPED_TEST_SUITE(FindFilesContract, ContractEnvs);

TYPED_TEST(FindFilesContract, ListsHiddenAndSystemFilesButNoFolders) {
    auto list = this->find(this->root, "*.*", false);
    // The order is the file system's own.
    std::vector<std::string> expected;
    for (auto& e : this->files().findEntries(this->root + "\\*.*"))
        if (!e.isDirectory()) expected.push_back(this->root + "\\" + e.name);
    EXPECT_EQ(list, expected);
    EXPECT_EQ(std::set<std::string>(list.begin(), list.end()),
              (std::set<std::string>{this->root + "\\a.txt", this->root + "\\h.txt",
                                     this->root + "\\s.dat"}));
}

TYPED_TEST(FindFilesContract, TrailingBackslashMakesNoDifference) {
    EXPECT_EQ(this->find(this->root, "*.*", true), this->find(this->root + "\\", "*.*", true));
}

TYPED_TEST(FindFilesContract, RecursionListsEachFolderBeforeItsSubFolders) {
    auto list = this->find(this->root, "*.*", true);
    const std::string r = this->root + "\\";
    EXPECT_EQ(
        std::set<std::string>(list.begin(), list.end()),
        (std::set<std::string>{r + "a.txt", r + "h.txt", r + "s.dat", r + "sub1\\x.txt",
                               r + "sub1\\deep\\y.txt", r + "sub2\\z.txt", r + "hid\\w.txt"}));
    EXPECT_EQ(list.size(), 7u);
    expectTreeOrder(list);
}

TYPED_TEST(FindFilesContract, MaskAppliesInEveryFolder) {
    auto list = this->find(this->root, "*.txt", true);
    std::sort(list.begin(), list.end());
    const std::string r = this->root + "\\";
    EXPECT_EQ(list, (std::vector<std::string>{r + "a.txt", r + "h.txt", r + "hid\\w.txt",
                                              r + "sub1\\deep\\y.txt", r + "sub1\\x.txt",
                                              r + "sub2\\z.txt"}));
}

} // namespace contract
