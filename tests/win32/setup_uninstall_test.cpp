// The installer's copy job on a real folder tree under Wine, and the uninstall batch run by
// Wine's command interpreter.
#include "platform/win32/win32_file_system.h"
#include "setup/setup_window.h"
#include "shell/uninstall.h"
#include "shell/windows_helpers.h"
#include "support/started_main_window.h"
#include "support/test_forms.h"
#include "tweak_engine_env.h"
#include "ui/input_controls.h"
#include "ui/standard_controls.h"
#include "win32_contract_env.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <chrono>
#include <functional>
#include <map>
#include <memory>
#include <thread>

namespace {

// The file system of a program that lies in another folder than the test.
class FilesOfProgramIn : public platform::Win32FileSystem {
  public:
    explicit FilesOfProgramIn(std::string programFile) : file_(std::move(programFile)) {}
    std::string programPath() override { return file_; }
    std::string programFolder() override { return file_.substr(0, file_.rfind('\\') + 1); }
    bool moveFile(const std::string& from, const std::string& to) override {
        if (beforeMove) beforeMove(from, to);
        return Win32FileSystem::moveFile(from, to);
    }

    // Runs before each move, where another program may take a file into use.
    std::function<void(const std::string& from, const std::string& to)> beforeMove;

  private:
    std::string file_;
};

// A file opened by someone else without sharing: it can be neither replaced nor deleted.
class LockedFile {
  public:
    explicit LockedFile(const std::string& path)
        : h_(CreateFileA(path.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr)) {}
    ~LockedFile() { release(); }
    bool locked() const { return h_ != INVALID_HANDLE_VALUE; }
    void release() {
        if (locked()) CloseHandle(h_);
        h_ = INVALID_HANDLE_VALUE;
    }

  private:
    HANDLE h_;
};

struct Win32Setup : ::testing::Test {
    Win32Env env;
    std::string scratch;
    std::string source, target, windows;
    std::unique_ptr<FilesOfProgramIn> files;
    std::unique_ptr<tweak_test::RecordingShell> shell;
    std::unique_ptr<platform::Platform> p;
    testing_support::HeadlessApp h;
    ui::DirectoryResourceStore resources{"res"};

    void SetUp() override {
        env.isolateRegistry();
        scratch = env.scratchFolder();
        source = scratch + "setup\\";
        target = scratch + "Program Files\\Brelvanto Kit";
        windows = scratch + "WINDOWS";
        files = std::make_unique<FilesOfProgramIn>(source + "setup.exe");
        auto& real = env.platform();
        shell = std::make_unique<tweak_test::RecordingShell>(real.shell);
        p = std::make_unique<platform::Platform>(platform::Platform{
            real.registry, real.profiles, *files, real.processes, *shell, real.security,
            real.network, real.system, real.desktop, real.scripts, real.hardware});
        for (const char* f :
             {"setup.exe", "brelk.exe", "uninstall.exe", "update.exe", "Dokumentation.htm",
              "modules\\dorvask.exe", "modules\\skins\\blue.bmp", "modules\\web\\tips.htm"})
            write(source + f, std::string("new ") + f);
        write(source + "modules\\brelk.ini",
              "[Options]\r\nversion=5.1\r\nfirststart=1\r\n[Backup]\r\nnumber=0\r\n");
        write(source + "modules\\oservices.ini",
              "[Onlineservices]\r\nServer1=premium1.example\r\nServer2=premium2.example\r\n"
              "ping=no\r\n");
        write(source + "update.ini", "[Options]\r\nVersion=5.1\r\nFiles=0\r\n");
        // The older installation.
        for (const char* f :
             {"brelk.exe", "setup.exe", "uninstall.exe", "modules\\dorvask.exe",
              "modules\\skins\\blue.bmp", "modules\\web\\tips.htm", "update\\update.exe"})
            write(target + "\\" + f, std::string("old ") + f);
        // The user's settings: slots without a count, no first-start flag, own servers.
        write(target + "\\modules\\brelk.ini",
              "[Options]\r\nversion=5.0\r\n[1]\r\nDate=Originalzustand\r\n");
        write(target + "\\modules\\oservices.ini",
              "[Onlineservices]\r\nServer1=mein.server.example\r\nping=yes\r\n");
        write(windows + "\\system\\oeminfo.ini", "[general]\r\nModel=PC\r\n");
        real.registry.createKey(platform::RootKey::LocalMachine, "SOFTWARE\\Kestovar")
            ->writeString("path", target + "\\");
        real.registry
            .createKey(platform::RootKey::LocalMachine,
                       "SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion")
            ->writeString("SystemRoot", windows);
    }

    void write(const std::string& path, const std::string& content) {
        for (std::size_t i = scratch.size(); (i = path.find('\\', i)) != std::string::npos; ++i)
            CreateDirectoryA(path.substr(0, i).c_str(), nullptr);
        ASSERT_TRUE(files->writeFile(path, content)) << path;
    }
    std::string read(const std::string& relative) {
        return files->readFile(target + "\\" + relative).value_or("<missing>");
    }
    std::string installedVersion() {
        return p->profiles.readString(target + "\\modules\\brelk.ini", "Options", "version", "");
    }
    std::string setting(const char* file, const char* section, const char* key) {
        return p->profiles.readString(target + "\\modules\\" + file, section, key, "<missing>");
    }
    // Every file below the target with its content and attributes.
    std::map<std::string, std::string> installation() {
        std::vector<std::string> paths;
        platform::KeepAlive none;
        brelk::FindFiles(*files, target, "*.*", paths, true, none);
        std::map<std::string, std::string> found;
        for (const auto& path : paths)
            found[path] = files->readFile(path).value_or("<unreadable>") + " attributes " +
                          std::to_string(files->attributes(path).value_or(0));
        return found;
    }

    // One run of setup.exe: the window, "fortfahren >" and the ten steps of the bar.
    std::string install() {
        auto& w = h.app.createForm(std::make_unique<setup::SetupWindow>(h.app, *p, resources));
        w.show();
        EXPECT_EQ(w.get<ui::Edit>("Edit1").text(), target + "\\");
        w.get<ui::Label>("Label5").click();
        for (int i = 0; i < 10; ++i)
            w.get<ui::Timer>("Timer2").tick();
        return w.get<ui::Label>("Label1").caption();
    }
};

TEST_F(Win32Setup, UpdatesAnOlderInstallationAndReportsALockedFile) {
    LockedFile lock(target + "\\modules\\web\\tips.htm");
    ASSERT_TRUE(lock.locked());
    // A read-only, hidden old updater is replaced like any file.
    ASSERT_TRUE(files->setAttributes(target + "\\update\\update.exe",
                                     platform::fileattr::readOnly | platform::fileattr::hidden));
    // The file in use is found before the first copy: nothing of the installation changes.
    EXPECT_EQ(install(),
              "Installation fehlgeschlagen. Nicht übernommen:\r\nmodules\\web\\tips.htm");
    EXPECT_EQ(read("brelk.exe"), "old brelk.exe");
    EXPECT_EQ(read("modules\\dorvask.exe"), "old modules\\dorvask.exe");
    EXPECT_EQ(read("update\\update.exe"), "old update\\update.exe");
    EXPECT_EQ(read("setup.exe"), "old setup.exe");
    EXPECT_EQ(read("brelk.exe.setup-neu"), "<missing>");
    EXPECT_EQ(installedVersion(), "5.0"); // not recorded for an incomplete copy
    EXPECT_TRUE(shell->started.empty());

    lock.release();
    EXPECT_EQ(install(), "Installation erfolgreich");
    EXPECT_EQ(read("brelk.exe"), "new brelk.exe");
    EXPECT_EQ(read("setup.exe"), "new setup.exe");
    EXPECT_EQ(read("update\\update.exe"), "new update.exe");
    EXPECT_EQ(read("update.exe"), "<missing>");
    EXPECT_EQ(files->attributes(target + "\\update\\update.exe").value_or(~0u) &
                  (FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_HIDDEN),
              0u);
    EXPECT_EQ(read("modules\\web\\tips.htm"), "new modules\\web\\tips.htm");
    EXPECT_EQ(installedVersion(), "5.1");
    // The user's settings stay and gain the shipped keys, but no backup count and no flag that
    // would bring the terms page back.
    EXPECT_EQ(setting("oservices.ini", "Onlineservices", "Server1"), "mein.server.example");
    EXPECT_EQ(setting("oservices.ini", "Onlineservices", "ping"), "yes");
    EXPECT_EQ(setting("oservices.ini", "Onlineservices", "Server2"), "premium2.example");
    EXPECT_EQ(setting("brelk.ini", "1", "Date"), "Originalzustand");
    EXPECT_EQ(setting("brelk.ini", "Backup", "number"), "<missing>");
    EXPECT_EQ(setting("brelk.ini", "Options", "firststart"), "<missing>");
    EXPECT_EQ(p->profiles.readString(windows + "\\system\\oeminfo.ini", "general", "Model", ""),
              "5.1");
    for (const char* folder : {"update\\modules\\skins", "modules\\web", "modules\\startbuttons"})
        EXPECT_TRUE(files->directoryExists(target + "\\" + folder)) << folder;
    EXPECT_EQ(shell->started, std::vector<std::string>{"open " + target + "\\brelk.exe []"});
}

// A program started from the installation between the check and the replacements: the third
// replacement fails. Every file already replaced is put back, a new file goes again, each with
// the attributes it had, no staged or kept copy stays, and the job can be retried.
TEST_F(Win32Setup, AReplacementThatFailsPutsBackEveryOldFile) {
    ASSERT_TRUE(files->setAttributes(target + "\\brelk.exe",
                                     platform::fileattr::readOnly | platform::fileattr::hidden));
    const auto before = installation();
    std::unique_ptr<LockedFile> started;
    std::string third;
    int replacements = 0;
    files->beforeMove = [&](const std::string& from, const std::string&) {
        if (from.starts_with(target) && !from.ends_with(".setup-neu") && ++replacements == 3) {
            third = from;
            started = std::make_unique<LockedFile>(from);
        }
    };
    const std::string outcome = install();
    ASSERT_TRUE(started && started->locked()) << "no third replacement";
    started->release(); // the program ended
    EXPECT_EQ(outcome, "Installation fehlgeschlagen. Nicht übernommen:\r\n" +
                           third.substr(target.size() + 1));
    EXPECT_EQ(installation(), before);
    EXPECT_EQ(installedVersion(), "5.0");
    EXPECT_TRUE(shell->started.empty());

    files->beforeMove = nullptr;
    EXPECT_EQ(install(), "Installation erfolgreich");
    for (const char* f : {"brelk.exe", "setup.exe", "uninstall.exe", "Dokumentation.htm"})
        EXPECT_EQ(read(f), std::string("new ") + f);
    for (const auto& [path, content] : installation())
        EXPECT_EQ(path.find(".setup-"), std::string::npos) << path;
    EXPECT_EQ(installedVersion(), "5.1");
}

// setup.exe started from the installation itself under its short name: every file is its own
// target, which the job recognises by file identity and leaves as it is.
TEST_F(Win32Setup, StartedFromTheInstallationUnderItsShortNameLeavesItAlone) {
    write(target + "\\setup.exe", "installed setup");
    char shortName[MAX_PATH] = {};
    const DWORD n = GetShortPathNameA(target.c_str(), shortName, MAX_PATH);
    ASSERT_GT(n, 0u);
    ASSERT_NE(std::string(shortName), target) << "no second spelling";
    files = std::make_unique<FilesOfProgramIn>(std::string(shortName) + "\\setup.exe");
    auto& real = env.platform();
    p = std::make_unique<platform::Platform>(platform::Platform{
        real.registry, real.profiles, *files, real.processes, *shell, real.security, real.network,
        real.system, real.desktop, real.scripts, real.hardware});
    LockedFile running(target + "\\setup.exe"); // the running installer
    ASSERT_TRUE(running.locked());
    EXPECT_EQ(install(), "Installation erfolgreich");
    running.release();
    EXPECT_EQ(read("setup.exe"), "installed setup");
    EXPECT_EQ(read("brelk.exe"), "old brelk.exe");
    EXPECT_EQ(read("modules\\skins\\blue.bmp"), "old modules\\skins\\blue.bmp");
    EXPECT_EQ(read("brelk.exe.setup-neu"), "<missing>");
}

// A program file that never goes (here: the program never ends) stops the batch's wait after
// its tries; the batch removes what it can and ends.
TEST(Win32UninstallBatch, EndsAfterItsTriesWhenTheProgramFileStays) {
    Win32Env env;
    auto& p = env.platform();
    const std::string scratch = env.scratchFolder();
    const std::string folder = scratch + "Kit\\";
    for (const auto& dir : {folder, folder + "modules", scratch + "WIN\\", scratch + "WIN\\brelk"})
        ASSERT_NE(p.files.createDirectory(dir), platform::CreateDirResult::Failed) << dir;
    ASSERT_TRUE(p.files.writeFile(folder + "modules\\leftover.dll", "left"));
    const std::string program = folder + "brelk.exe";
    ASSERT_TRUE(p.files.copyFile(env.testProgramFolder() + "sleeper.exe", program, false));
    auto pid = p.processes.start("\"" + program + "\"");
    ASSERT_TRUE(pid);
    brelk::UninstallBatch batch{program,
                                folder,
                                scratch + "WIN\\brelk",
                                0,
                                {folder + "modules\\leftover.dll"},
                                {},
                                brelk::batchFileFor(program),
                                3};
    ASSERT_TRUE(p.files.writeFile(batch.batchFile, brelk::uninstallBatchText(batch)));
    ASSERT_GT(p.shell.execute("open", batch.batchFile, "", scratch, platform::showcmd::hide), 32);
    for (int i = 0; i < 300 && p.files.fileExists(batch.batchFile); ++i) // 60 s at most
        std::this_thread::sleep_for(std::chrono::milliseconds(200));
    const bool ended = !p.files.fileExists(batch.batchFile);
    p.processes.terminate(*pid, 0);
    EXPECT_TRUE(ended);
    EXPECT_TRUE(p.files.fileExists(program));
    EXPECT_FALSE(p.files.fileExists(folder + "modules\\leftover.dll"));
    EXPECT_FALSE(p.files.directoryExists(scratch + "WIN\\brelk"));
}

// The uninstall's own handler on a started main window, with its listing, its batch in the OEM
// code page and Wine's command interpreter: a real program folder ("Jürgen" in its path, a
// read-only program file that runs until the batch waits for it) goes, nothing beside it.
TEST(Win32Uninstall, TheHandlerRemovesTheProgramFolderAndNothingBesideIt) {
    Win32Env env;
    env.isolateRegistry();
    auto& real = env.platform();
    const std::string scratch = env.scratchFolder();
    const std::string home = scratch + "J\xFCrgen\\";
    const std::string folder = home + "Brelvanto Kit\\";
    const std::string sibling = home + "Brelvanto Kit alt";
    for (const auto& dir : {home, folder, folder + "modules", folder + "modules\\skins", sibling,
                            scratch + "WINDOWS"})
        ASSERT_NE(real.files.createDirectory(dir), platform::CreateDirResult::Failed) << dir;
    ASSERT_TRUE(
        real.files.copyFile("dist\\modules\\oemlogo.bmp", folder + "modules\\oemlogo.bmp", false));
    ASSERT_TRUE(real.files.writeFile(folder + "modules\\brelk.ini",
                                     "[Options]\r\nversion=5.0\r\nfirststart=0\r\n"));
    ASSERT_TRUE(real.files.writeFile(folder + "modules\\skins\\blue.bmp", "skin"));
    ASSERT_TRUE(real.files.setAttributes(folder + "modules\\skins\\blue.bmp",
                                         platform::fileattr::readOnly));
    ASSERT_TRUE(real.files.writeFile(sibling + "\\keep.txt", "keep"));
    const std::string program = folder + "brelk.exe";
    ASSERT_TRUE(real.files.copyFile(env.testProgramFolder() + "sleeper.exe", program, false));
    auto nt = real.registry.createKey(platform::RootKey::LocalMachine,
                                      "SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion");
    ASSERT_TRUE(nt);
    nt->writeString("ProductName", "Microsoft Windows XP");
    nt->writeString("PathName", scratch + "WINDOWS");

    auto pid = real.processes.start("\"" + program + "\""); // the running program
    ASSERT_TRUE(pid);
    ASSERT_TRUE(real.files.setAttributes(program, platform::fileattr::readOnly));
    FilesOfProgramIn files(program);
    platform::Platform p{real.registry, real.profiles, files,        real.processes,
                         real.shell,    real.security, real.network, real.system,
                         real.desktop,  real.scripts,  real.hardware};
    testing_support::HeadlessApp h;
    ui::DirectoryResourceStore resources{"res"};
    brelk::Context ctx{h.app, p, resources, folder, {"/afterrestart"}};
    auto& w = testing_support::startMainWindow(ctx, resources);
    w.c<ui::Button>("deletebrelkbutton").click();
    EXPECT_TRUE(h.app.terminated())
        << (h.dialogs.messages.empty() ? std::string() : h.dialogs.messages.back().text);
    EXPECT_FALSE(files.fileExists(folder + "modules\\skins\\blue.bmp"));
    std::this_thread::sleep_for(std::chrono::seconds(1));
    EXPECT_TRUE(files.fileExists(program)) << "the batch must wait for the program";
    ASSERT_TRUE(real.processes.terminate(*pid, 0));

    for (int i = 0; i < 300 && files.directoryExists(folder); ++i) // 60 s at most
        std::this_thread::sleep_for(std::chrono::milliseconds(200));
    EXPECT_FALSE(files.directoryExists(folder));
    EXPECT_FALSE(files.directoryExists(scratch + "WINDOWS\\brelk"));
    EXPECT_TRUE(files.directoryExists(scratch + "WINDOWS"));
    EXPECT_EQ(files.readFile(sibling + "\\keep.txt").value_or(""), "keep");
    for (int i = 0; i < 50 && files.fileExists(home + "brelk.bat"); ++i)
        std::this_thread::sleep_for(std::chrono::milliseconds(200));
    EXPECT_FALSE(files.fileExists(home + "brelk.bat"));
}

} // namespace
