// The installer's copy job on a real folder tree under Wine, and the uninstall batch run by
// Wine's command interpreter.
#include "platform/win32/win32_file_system.h"
#include "setup/setup_window.h"
#include "shell/uninstall.h"
#include "support/test_forms.h"
#include "tweak_engine_env.h"
#include "ui/input_controls.h"
#include "ui/standard_controls.h"
#include "win32_contract_env.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <chrono>
#include <thread>

namespace {

// The file system of a program that lies in another folder than the test.
class FilesOfProgramIn : public platform::Win32FileSystem {
  public:
    explicit FilesOfProgramIn(std::string programFile) : file_(std::move(programFile)) {}
    std::string programPath() override { return file_; }
    std::string programFolder() override { return file_.substr(0, file_.rfind('\\') + 1); }

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
             {"setup.exe", "brelk.exe", "update.exe", "Dokumentation.htm", "modules\\dorvask.exe",
              "modules\\oservices.ini", "modules\\skins\\blue.bmp", "modules\\web\\tips.htm"})
            write(source + f, std::string("new ") + f);
        write(source + "update.ini", "[Options]\r\nVersion=5.1\r\nFiles=0\r\n");
        // The older installation.
        for (const char* f : {"brelk.exe", "modules\\dorvask.exe", "modules\\skins\\blue.bmp",
                              "modules\\web\\tips.htm", "update\\update.exe"})
            write(target + "\\" + f, std::string("old ") + f);
        write(target + "\\modules\\brelk.ini", "[Options]\r\nversion=5.0\r\n");
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
    EXPECT_EQ(install(), "Installation fehlgeschlagen. Nicht übernommen: modules\\web\\tips.htm");
    EXPECT_EQ(read("brelk.exe"), "new brelk.exe");
    EXPECT_EQ(read("setup.exe"), "new setup.exe");
    EXPECT_EQ(read("modules\\dorvask.exe"), "new modules\\dorvask.exe");
    EXPECT_EQ(read("modules\\skins\\blue.bmp"), "new modules\\skins\\blue.bmp");
    EXPECT_EQ(read("update\\update.exe"), "new update.exe");
    EXPECT_EQ(read("update.exe"), "<missing>");
    EXPECT_EQ(installedVersion(), "5.0"); // not recorded for an incomplete copy
    EXPECT_TRUE(shell->started.empty());

    lock.release();
    EXPECT_EQ(install(), "Installation erfolgreich");
    EXPECT_EQ(read("modules\\web\\tips.htm"), "new modules\\web\\tips.htm");
    EXPECT_EQ(installedVersion(), "5.1");
    EXPECT_EQ(p->profiles.readString(windows + "\\system\\oeminfo.ini", "general", "Model", ""),
              "5.1");
    for (const char* folder : {"update\\modules\\skins", "modules\\web"})
        EXPECT_TRUE(files->directoryExists(target + "\\" + folder)) << folder;
    EXPECT_EQ(shell->started, std::vector<std::string>{"open " + target + "\\brelk.exe []"});
}

// The batch that the uninstall writes, started as the uninstall starts it, removes the program
// folder only after the program has ended, and nothing beside it.
TEST(Win32UninstallBatch, RemovesTheFoldersOnceTheProgramHasEnded) {
    Win32Env env;
    auto& p = env.platform();
    const std::string scratch = env.scratchFolder();
    const std::string folder = scratch + "Program Files\\Brelvanto Kit 2005\\";
    const std::string sibling = scratch + "Program Files\\Brelvanto Kit 2005 alt";
    const std::string work = scratch + "WIN 50%\\brelk";
    for (const auto& dir :
         {scratch + "Program Files", folder, folder + "modules", folder + "modules\\skins",
          folder + "modules\\web", folder + "update", folder + "update\\modules",
          folder + "Backups", folder + "Backups\\2026-12-09", sibling, scratch + "WIN 50%", work,
          work + "\\oem.original.0", work + "\\oem.original.1"})
        ASSERT_NE(p.files.createDirectory(dir), platform::CreateDirResult::Failed) << dir;
    ASSERT_TRUE(p.files.writeFile(sibling + "\\keep.txt", "keep"));
    ASSERT_TRUE(p.files.writeFile(folder + "modules\\leftover.dll", "left"));
    const std::string program = folder + "brelk.exe";
    ASSERT_TRUE(p.files.copyFile(env.testProgramFolder() + "sleeper.exe", program, false));
    auto pid = p.processes.start("\"" + program + "\"");
    ASSERT_TRUE(pid);

    brelk::UninstallBatch batch;
    batch.programFile = program;
    batch.programFolder = folder;
    batch.workFolder = work;
    batch.backupcount = 1;
    batch.leftovers = {folder + "modules\\leftover.dll"};
    batch.otherFolders = {folder + "Backups\\2026-12-09", folder + "Backups"};
    batch.batchFile = brelk::batchFileFor(program);
    ASSERT_TRUE(p.files.writeFile(batch.batchFile, brelk::uninstallBatchText(batch)));
    ASSERT_EQ(batch.batchFile, scratch + "Program Files\\brelk.bat");
    EXPECT_GT(p.shell.execute("open", batch.batchFile, "", scratch + "Program Files\\",
                              platform::showcmd::hide),
              32);

    std::this_thread::sleep_for(std::chrono::seconds(2));
    EXPECT_TRUE(p.files.fileExists(program)) << "the batch must wait for the program";
    EXPECT_TRUE(p.files.directoryExists(folder + "modules"));
    ASSERT_TRUE(p.processes.terminate(*pid, 0));

    // The batch removes itself last, after the folders: wait for both.
    for (int i = 0;
         i < 600 && (p.files.directoryExists(folder) || p.files.fileExists(batch.batchFile));
         ++i) // 2 minutes at most
        std::this_thread::sleep_for(std::chrono::milliseconds(200));
    EXPECT_FALSE(p.files.directoryExists(folder));
    EXPECT_FALSE(p.files.directoryExists(work));
    EXPECT_TRUE(p.files.directoryExists(scratch + "WIN 50%"));
    EXPECT_FALSE(p.files.fileExists(batch.batchFile));
    EXPECT_EQ(p.files.readFile(sibling + "\\keep.txt").value_or(""), "keep");
}

} // namespace
