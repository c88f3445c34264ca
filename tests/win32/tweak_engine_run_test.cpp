// The tuning run on the real registry under Wine: the performance rows at activate, then at
// deactivate, read back from the registry, and the frame around them, with the run-once value
// of a long program folder run as Windows runs it.
#include "tweak_engine_env.h"
#include "tweaks/tuning_run.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <chrono>
#include <thread>

namespace {

using platform::RootKey;
using tweak_test::Column;

constexpr const char* kMemory =
    "SYSTEM\\CurrentControlSet\\Control\\Session Manager\\Memory Management";
constexpr const char* kCurrentVersion = "SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion";
constexpr const char* kCdfs = "SYSTEM\\CurrentControlSet\\Control\\FileSystem\\CDFS";
constexpr const char* kDesktop = "Control Panel\\Desktop";
constexpr const char* kContextMenu = "AllFilesystemObjects\\shellex\\ContextMenuHandlers";

struct Win32Run : ::testing::Test {
    tweak_test::Win32Engine e;
    platform::Registry& reg = e.platform->registry;

    std::optional<std::string> text(RootKey root, const std::string& key, const std::string& name) {
        auto k = reg.openKey(root, key, platform::KeyAccess::Read);
        if (!k) return std::nullopt;
        auto r = k->readString(name);
        return r.ok() ? std::optional<std::string>(r.value) : std::nullopt;
    }
    std::optional<int> number(RootKey root, const std::string& key, const std::string& name) {
        auto k = reg.openKey(root, key, platform::KeyAccess::Read);
        if (!k) return std::nullopt;
        auto r = k->readInteger(name);
        return r.ok() ? std::optional<int>(r.value) : std::nullopt;
    }
    const std::vector<std::string>& log() { return e.window->c<ui::Memo>("Memo3").lines(); }
    void start() {
        e.window->show();
        e.window->c<ui::Panel>("Panel2").show();
        e.window->c<ui::Label>("Label36").click();
    }
    void run(Column column) {
        tweak_test::setRows(*e.window, tweak_test::performanceRows(), column);
        start();
    }
};

TEST_F(Win32Run, PerformanceRowsAtActivateThenDeactivate) {
    const std::string ini = e.scratch + "modules\\brelk.ini";
    e.platform->profiles.writeString(ini, "Options", "version", "5.0");
    const std::string windowsIni = e.scratch + "WINDOWS\\desktop.ini";
    e.platform->files.writeFile(windowsIni, "[.ShellClassInfo]\r\n");
    reg.createKey(RootKey::CurrentUser,
                  "Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Brelk\\Sub");
    e.window->c<ui::TrackBar>("TrackBar1").setPosition(120);
    e.window->c<ui::Edit>("Edit2").setText("128");

    run(Column::act);
    EXPECT_TRUE(e.h.dialogs.messages.empty());
    EXPECT_EQ(e.platform->profiles.readString(ini, "Dorvask", "freemem", "none"), "1");
    EXPECT_TRUE(e.window->c<ui::Timer>("Timer1").enabled());

    EXPECT_FALSE(reg.keyExists(RootKey::CurrentUser,
                               "Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Brelk"));
    EXPECT_EQ(text(RootKey::CurrentUser, "Software\\Microsoft\\Windows\\CurrentVersion\\RunOnce",
                   "brelkuninstall"),
              "\"" + e.scratch + "uninstall.exe\" /afterrestart");
    EXPECT_EQ(number(RootKey::LocalMachine, kMemory, "LargeSystemCache"), 1);
    EXPECT_EQ(number(RootKey::LocalMachine, kMemory, "IoPageLockLimit"), 12888);
    EXPECT_EQ(text(RootKey::LocalMachine, kMemory, "Pagingfiles"), "C:\\pagefile.sys 384 768");
    EXPECT_EQ(text(RootKey::CurrentUser, kDesktop, "MenuShowDelay"), "120");
    EXPECT_EQ(text(RootKey::CurrentUser, kDesktop, "AutoEndTasks"), "200");
    EXPECT_EQ(number(RootKey::LocalMachine, kCdfs, "Prefetch"), 16384);
    EXPECT_EQ(text(RootKey::ClassesRoot, "Folder\\shell\\CMDPrompt\\command", ""),
              e.scratch + "WINDOWS\\system32\\cmd.exe");
    EXPECT_EQ(text(RootKey::ClassesRoot, std::string(kContextMenu) + "\\CoptyTo", ""),
              "{C2FBB630-2971-11D1-A18C-00C04FD75D13}");
    EXPECT_EQ(text(RootKey::LocalMachine, "Software\\Microsoft\\Windows NT\\CurrentVersion\\Ports",
                   "COM2:"),
              "128000,n,8,1,x");
    EXPECT_EQ(number(RootKey::CurrentUser,
                     "Software\\Microsoft\\Windows\\CurrentVersion\\Policies\\Explorer",
                     "NoLowDiskSpaceCheck"),
              1);
    EXPECT_EQ(text(RootKey::LocalMachine, kCurrentVersion, "RegisteredOwner"), "Lizenznehmer");
    EXPECT_FALSE(e.platform->files.fileExists(windowsIni));
    EXPECT_EQ(e.shell.started,
              (std::vector<std::string>{"open " + e.scratch + "modules\\fennock.exe []",
                                        "open " + e.scratch + "modules\\grisolt.exe []",
                                        "open Rundll32.exe [regsvr32 /s /u shimgvw.dll ]",
                                        "open Rundll32.exe [advapi32.dll]"}));
    EXPECT_EQ(log().size(), 38u); // with the anti-spying program's start entry
    EXPECT_EQ(log()[2], "LargeSystemCache: 1");
    EXPECT_EQ(log()[6], "IoPageLockLimit: 12888");

    e.h.dialogs.messages.clear();
    e.shell.started.clear();
    run(Column::deact);
    EXPECT_TRUE(e.h.dialogs.messages.empty());
    EXPECT_EQ(number(RootKey::LocalMachine, kMemory, "LargeSystemCache"), 0);
    EXPECT_EQ(number(RootKey::LocalMachine, kMemory, "IoPageLockLimit"), 512);
    EXPECT_EQ(text(RootKey::CurrentUser, kDesktop, "MenuShowDelay"), "400");
    EXPECT_EQ(text(RootKey::CurrentUser, kDesktop, "AutoEndTasks"), "2000");
    EXPECT_FALSE(reg.keyExists(RootKey::LocalMachine, kCdfs));
    EXPECT_FALSE(reg.keyExists(RootKey::ClassesRoot, "Folder\\shell\\CMDPrompt"));
    EXPECT_FALSE(reg.keyExists(RootKey::ClassesRoot, std::string(kContextMenu) + "\\CoptyTo"));
    EXPECT_EQ(number(RootKey::CurrentUser,
                     "Software\\Microsoft\\Windows\\CurrentVersion\\Policies\\Explorer",
                     "NoLowDiskSpaceCheck"),
              std::nullopt);
    EXPECT_EQ(text(RootKey::ClassesRoot,
                   "System\\SystemFile Associations\\.avi\\Shellex\\PropertyHandler", ""),
              "{87D62D94-71B3-4b9a-9489-5FE6850DC73E}");
    EXPECT_EQ(e.shell.started,
              std::vector<std::string>{"open Rundll32.exe [regsvr32 /s shimgvw.dll ]"});
    EXPECT_EQ(log().size(), 35u);
    EXPECT_EQ(log()[12], "CDFS: ");
}

// A program folder of 166 characters (which setup accepts) registers its uninstall under its
// short name, and the value, started as Windows starts it at the next logon, reaches the
// uninstall program and through it the tuning program with "/afterrestart". A folder whose
// short name is as long (components of 8.3 names) registers nothing and says so.
TEST_F(Win32Run, ALongProgramFolderRegistersAnUninstallCommandThatStarts) {
    const struct {
        const char* component; // repeated to reach the length
        bool registered;
    } cases[] = {{"abcdefghij0123456789", true}, {"abcdefgh", false}};
    for (const auto& k : cases) {
        std::string folder = e.scratch + (k.registered ? "long\\" : "short\\");
        ASSERT_TRUE(CreateDirectoryA(folder.c_str(), nullptr));
        while (folder.size() < 166) {
            const std::size_t room = 166 - folder.size() - 1;
            folder += std::string(k.component).substr(0, room) + "\\";
            ASSERT_TRUE(CreateDirectoryA(folder.c_str(), nullptr)) << folder;
        }
        ASSERT_EQ(folder.size(), 166u);
        const std::string tests = e.env.testProgramFolder();
        ASSERT_TRUE(CopyFileA((tests + "..\\uninstall.exe").c_str(),
                              (folder + "uninstall.exe").c_str(), TRUE));
        ASSERT_TRUE(
            CopyFileA((tests + "record_start.exe").c_str(), (folder + "brelk.exe").c_str(), TRUE));
        e.ctx->programFolder = folder;
        start();
        EXPECT_TRUE(e.h.dialogs.messages.empty());
        const auto value =
            text(RootKey::CurrentUser, "Software\\Microsoft\\Windows\\CurrentVersion\\RunOnce",
                 "brelkuninstall");
        if (!k.registered) {
            EXPECT_EQ(value, std::nullopt);
            EXPECT_EQ(log()[1],
                      "brelkuninstall: Befehl länger als 150 Zeichen, nichts geschrieben");
            continue;
        }
        char shortFolder[MAX_PATH] = {};
        ASSERT_GT(GetShortPathNameA(folder.c_str(), shortFolder, MAX_PATH), 0u);
        ASSERT_TRUE(value);
        std::string expected = "\""; // appended piece by piece: GCC 12 warns on the concatenation
        expected += shortFolder;
        expected += "uninstall.exe\" /afterrestart";
        EXPECT_EQ(*value, expected);
        EXPECT_LE(value->size(), 150u);

        // The logon: the value goes, and its text runs as a command line.
        reg.openKey(RootKey::CurrentUser, "Software\\Microsoft\\Windows\\CurrentVersion\\RunOnce",
                    platform::KeyAccess::ReadWrite)
            ->deleteValue("brelkuninstall");
        std::string command = *value;
        STARTUPINFOA startup{};
        startup.cb = sizeof startup;
        PROCESS_INFORMATION process{};
        ASSERT_TRUE(CreateProcessA(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr,
                                   nullptr, &startup, &process))
            << command;
        const bool ended = WaitForSingleObject(process.hProcess, 60000) == WAIT_OBJECT_0;
        if (!ended) TerminateProcess(process.hProcess, 1); // a message box: the start failed
        CloseHandle(process.hThread);
        CloseHandle(process.hProcess);
        EXPECT_TRUE(ended) << "uninstall.exe did not end";
        std::optional<std::string> started;
        for (int i = 0; i < 150 && !(started = e.platform->files.readFile(folder + "started.txt"));
             ++i)
            std::this_thread::sleep_for(std::chrono::milliseconds(200));
        ASSERT_TRUE(started) << "brelk.exe was not started";
        EXPECT_NE(started->find("/afterrestart"), std::string::npos) << *started;
    }
}

} // namespace
