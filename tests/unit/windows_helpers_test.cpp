#include "platform/fake/fake_platform.h"
#include "platform/fake/manual_clock.h"
#include "shell/windows_helpers.h"

#include <gtest/gtest.h>

using namespace std::chrono_literals;
using platform::FakeProcesses;

namespace {

class KillProcessByNameTest : public ::testing::Test {
  protected:
    platform::FakePlatform fake;
    FakeProcesses& processes = fake.processes;
};

TEST_F(KillProcessByNameTest, EndsTheFirstMatchWithExitCodeZero) {
    processes.add("explorer.exe");
    auto first = processes.add("dorvask.exe");
    auto second = processes.add("DORVASK.EXE");
    EXPECT_TRUE(brelk::KillProcessByName(processes, "Dorvask.exe"));
    EXPECT_EQ(processes.terminations, (std::vector<FakeProcesses::Termination>{{first, 0}}));
    EXPECT_TRUE(processes.isRunning(second));
}

TEST_F(KillProcessByNameTest, GoesOnWhenEndingFails) {
    auto first = processes.add("dorvask.exe");
    auto second = processes.add("dorvask.exe");
    processes.protectedPids.insert(first);
    EXPECT_TRUE(brelk::KillProcessByName(processes, "dorvask.exe"));
    EXPECT_EQ(processes.terminations, (std::vector<FakeProcesses::Termination>{{second, 0}}));
}

TEST_F(KillProcessByNameTest, FalseWhenNothingWasEnded) {
    EXPECT_FALSE(brelk::KillProcessByName(processes, "dorvask.exe")); // empty snapshot
    processes.protectedPids.insert(processes.add("dorvask.exe"));
    processes.add("dorvask.exe.bak");
    EXPECT_FALSE(brelk::KillProcessByName(processes, "dorvask.exe"));
    processes.snapshotFails = true;
    processes.add("other.exe");
    EXPECT_FALSE(brelk::KillProcessByName(processes, "other.exe"));
    EXPECT_TRUE(processes.terminations.empty());
}

TEST_F(KillProcessByNameTest, ComparesTheBareFileNameInAnyCase) {
    processes.add("C:\\Programme\\Brelvanto\\modules\\dorvask.exe");
    processes.add("\xC4RGER.EXE"); // upper-case A umlaut
    EXPECT_TRUE(brelk::KillProcessByName(processes, "DORVASK.EXE"));
    EXPECT_TRUE(brelk::KillProcessByName(processes, "\xE4rger.exe"));
    EXPECT_EQ(processes.terminations.size(), 2u);
}

TEST_F(KillProcessByNameTest, IsProcessRunningComparesInAnyCase) {
    EXPECT_FALSE(brelk::IsProcessRunning(processes, "grisolt.exe"));
    processes.add("Grisolt.exe");
    EXPECT_TRUE(brelk::IsProcessRunning(processes, "GRISOLT.exe"));
    EXPECT_FALSE(brelk::IsProcessRunning(processes, "grisolt"));
    processes.snapshotFails = true;
    EXPECT_FALSE(brelk::IsProcessRunning(processes, "grisolt.exe"));
}

TEST(IsUserAdminTest, NeedsTheAdministratorsGroup) {
    platform::FakeSecurity security;
    EXPECT_TRUE(brelk::IsUserAdmin(security));
    security.setAdministrator(false);
    EXPECT_FALSE(brelk::IsUserAdmin(security));
    security.groups.reset(); // token cannot be read
    EXPECT_FALSE(brelk::IsUserAdmin(security));
}

TEST(IsUserAdminTest, UserInManyGroupsIsRecognised) {
    platform::FakeSecurity security;
    std::vector<std::string> groups;
    for (int i = 0; i < 300; ++i)
        groups.push_back("S-1-5-21-1004-1005-1006-" + std::to_string(i));
    groups.push_back("S-1-5-32-544");
    security.groups = groups;
    EXPECT_TRUE(brelk::IsUserAdmin(security));
}

class FindFilesTest : public ::testing::Test {
  protected:
    std::vector<std::string> find(const std::string& folder, const std::string& mask, bool recurse,
                                  platform::KeepAlive& keepAlive) {
        std::vector<std::string> list{"kept"};
        brelk::FindFiles(fake.files, folder, mask, list, recurse, keepAlive);
        list.erase(list.begin());
        return list;
    }
    std::vector<std::string> find(const std::string& folder, const std::string& mask,
                                  bool recurse) {
        platform::KeepAlive none;
        return find(folder, mask, recurse, none);
    }

    platform::FakePlatform fake;
};

TEST_F(FindFilesTest, KeepsTheFileSystemsOrder) {
    for (auto* f : {"C:\\T\\z.txt", "C:\\T\\b\\2.txt", "C:\\T\\a.txt", "C:\\T\\a\\1.txt"})
        fake.files.addFile(f);
    EXPECT_EQ(find("C:\\T", "*.*", true),
              (std::vector<std::string>{"C:\\T\\z.txt", "C:\\T\\a.txt", "C:\\T\\b\\2.txt",
                                        "C:\\T\\a\\1.txt"}));
}

TEST_F(FindFilesTest, FindFileNamesListsTheBareNamesInTheSameOrder) {
    for (auto* f : {"C:\\T\\z.txt", "C:\\T\\b\\2.txt", "C:\\T\\a.txt"})
        fake.files.addFile(f);
    platform::KeepAlive none;
    for (bool recurse : {false, true}) {
        std::vector<std::string> names;
        brelk::FindFileNames(fake.files, "C:\\T\\", "*.*", names, recurse, none);
        auto paths = find("C:\\T\\", "*.*", recurse);
        ASSERT_EQ(names.size(), paths.size());
        for (std::size_t i = 0; i < names.size(); ++i)
            EXPECT_EQ(paths[i], paths[i].substr(0, paths[i].rfind('\\') + 1) + names[i]);
    }
}

TEST_F(FindFilesTest, AppendsNothingForAMissingFolder) {
    EXPECT_TRUE(find("C:\\Missing", "*.*", true).empty());
}

TEST_F(FindFilesTest, ProcessesMessagesAtMostOncePerInterval) {
    for (int i = 0; i < 100; ++i)
        fake.files.addFile("C:\\T\\f" + std::to_string(i) + ".txt");
    platform::ManualClock clock;
    clock.stepPerReading = 1ms; // each entry takes a millisecond
    int pumped = 0;
    platform::KeepAlive keepAlive([&] { ++pumped; }, clock, 20ms);
    EXPECT_EQ(find("C:\\T", "*.*", false, keepAlive).size(), 100u);
    EXPECT_GE(pumped, 3);
    EXPECT_LE(pumped, 5);
}

TEST(KeepAliveTest, WaitsForTheIntervalAfterEachCall) {
    platform::ManualClock clock;
    int pumped = 0;
    platform::KeepAlive keepAlive([&] { ++pumped; }, clock, 20ms);
    clock.time = 19ms;
    keepAlive();
    EXPECT_EQ(pumped, 0);
    clock.time = 20ms;
    keepAlive();
    keepAlive();
    EXPECT_EQ(pumped, 1);
    clock.time = 40ms;
    keepAlive();
    EXPECT_EQ(pumped, 2);
}

TEST(KeepAliveTest, DefaultDoesNothing) {
    platform::KeepAlive none;
    none(); // must not crash
}

} // namespace
