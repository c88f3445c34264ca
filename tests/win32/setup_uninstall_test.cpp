// The installer's copy job on a real folder tree under Wine, and the uninstall batch run by
// Wine's command interpreter.
#include "platform/file_identity.h"
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
#include <cstdlib>
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

// The real shell, with the special folders that a test points into its scratch folder.
class ShellWithFolders : public platform::Shell {
  public:
    ShellWithFolders(platform::Shell& real, std::map<int, std::string> folders)
        : real_(real), folders_(std::move(folders)) {}
    int execute(const std::string& verb, const std::string& file, const std::string& parameters,
                const std::string& directory, int showCommand) override {
        return real_.execute(verb, file, parameters, directory, showCommand);
    }
    std::optional<std::string> specialFolderPath(int csidl) override {
        if (auto it = folders_.find(csidl); it != folders_.end()) return it->second;
        return real_.specialFolderPath(csidl);
    }

  private:
    platform::Shell& real_;
    std::map<int, std::string> folders_;
};

// Runs a Unix program under Wine (which starts an ELF file as it is); it cannot be waited for.
bool startUnixProgram(const std::string& program, std::string commandLine) {
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    if (!CreateProcessA(("Z:" + program).c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0,
                        nullptr, nullptr, &startup, &process))
        return false;
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return true;
}

bool driveExists(char letter) {
    const char root[] = {letter, ':', '\\', '\0'};
    return GetDriveTypeA(root) != DRIVE_NO_ROOT_DIR;
}

// A second drive letter for drive C: while it lives, as Wine has one: a link in the prefix's
// dosdevices folder. No letter outside Wine.
class SecondDriveLetter {
  public:
    SecondDriveLetter() {
        const char* prefix = std::getenv("WINEPREFIX");
        if (!prefix) return;
        char free = 'Y';
        while (free > 'D' && driveExists(free))
            --free;
        link_ = std::string(prefix) + "/dosdevices/" + static_cast<char>(free - 'A' + 'a') + ":";
        if (!startUnixProgram("/bin/ln", "ln -sfn ../drive_c \"" + link_ + "\"")) return;
        for (int i = 0; i < 50 && !driveExists(free); ++i)
            Sleep(100);
        if (driveExists(free)) letter = free;
    }
    ~SecondDriveLetter() {
        if (!letter) return;
        startUnixProgram("/bin/rm", "rm -f \"" + link_ + "\"");
        for (int i = 0; i < 50 && driveExists(letter); ++i)
            Sleep(100);
    }
    SecondDriveLetter(const SecondDriveLetter&) = delete;
    SecondDriveLetter& operator=(const SecondDriveLetter&) = delete;

    char letter = '\0';

  private:
    std::string link_;
};

bool gone(platform::FileSystem& files, const std::string& path, int seconds) {
    for (int i = 0; i < seconds * 5 && (files.fileExists(path) || files.directoryExists(path)); ++i)
        std::this_thread::sleep_for(std::chrono::milliseconds(200));
    return !files.fileExists(path) && !files.directoryExists(path);
}

// The uninstall's own handler on a started main window, with its listing, its batch in the OEM
// code page and Wine's command interpreter running that batch.
struct Win32Uninstall : ::testing::Test {
    Win32Env env;
    platform::Platform& real = env.platform();
    std::string scratch;

    void SetUp() override {
        env.isolateRegistry();
        scratch = env.scratchFolder();
        auto nt = real.registry.createKey(platform::RootKey::LocalMachine,
                                          "SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion");
        ASSERT_TRUE(nt);
        nt->writeString("ProductName", "Microsoft Windows XP");
        nt->writeString("PathName", scratch + "WINDOWS");
    }
    void write(const std::string& path, const std::string& content = "x") {
        for (std::size_t i = scratch.size(); (i = path.find('\\', i)) != std::string::npos; ++i)
            CreateDirectoryA(path.substr(0, i).c_str(), nullptr);
        ASSERT_TRUE(real.files.writeFile(path, content)) << path;
    }

    // Clicks "Brelvanto Kit - Dateien jetzt löschen" in brelk started as programFile; true when
    // the program ended for its batch.
    bool uninstall(const std::string& programFile, std::map<int, std::string> systemFolders = {}) {
        FilesOfProgramIn files(programFile);
        ShellWithFolders shell(real.shell, std::move(systemFolders));
        platform::Platform p{real.registry, real.profiles, files,        real.processes,
                             shell,         real.security, real.network, real.system,
                             real.desktop,  real.scripts,  real.hardware};
        testing_support::HeadlessApp h;
        ui::DirectoryResourceStore resources{"res"};
        brelk::Context ctx{h.app, p, resources, files.programFolder(), {"/afterrestart"}};
        auto& w = testing_support::startMainWindow(ctx, resources);
        w.c<ui::Button>("deletebrelkbutton").click();
        EXPECT_TRUE(h.app.terminated())
            << (h.dialogs.messages.empty() ? std::string() : h.dialogs.messages.back().text);
        return h.app.terminated();
    }
};

// A real program folder ("Jürgen" in its path, a read-only program file that runs until the
// batch waits for it) goes, nothing beside it; the work folder loses only the logo copy the
// program made there, not the user's files.
TEST_F(Win32Uninstall, TheHandlerRemovesTheProgramFolderAndNothingBesideIt) {
    const std::string home = scratch + "J\xFCrgen\\";
    const std::string folder = home + "Brelvanto Kit\\";
    const std::string sibling = home + "Brelvanto Kit alt";
    const std::string work = scratch + "WINDOWS\\brelk\\";
    write(folder + "modules\\brelk.ini", "[Options]\r\nversion=5.0\r\nfirststart=0\r\n");
    ASSERT_TRUE(
        real.files.copyFile("dist\\modules\\oemlogo.bmp", folder + "modules\\oemlogo.bmp", false));
    write(folder + "modules\\skins\\blue.bmp", "skin");
    ASSERT_TRUE(real.files.setAttributes(folder + "modules\\skins\\blue.bmp",
                                         platform::fileattr::readOnly));
    write(sibling + "\\keep.txt", "keep");
    write(work + "oem.original.0\\oemlogo.bmp", "logo");
    write(work + "notes.txt", "the user's");
    write(work + "Briefe\\brief.txt", "the user's");
    const std::string program = folder + "brelk.exe";
    ASSERT_TRUE(real.files.copyFile(env.testProgramFolder() + "sleeper.exe", program, false));

    auto pid = real.processes.start("\"" + program + "\""); // the running program
    ASSERT_TRUE(pid);
    ASSERT_TRUE(real.files.setAttributes(program, platform::fileattr::readOnly));
    const bool ended = uninstall(program);
    EXPECT_FALSE(real.files.fileExists(folder + "modules\\skins\\blue.bmp"));
    std::this_thread::sleep_for(std::chrono::seconds(1));
    EXPECT_TRUE(real.files.fileExists(program)) << "the batch must wait for the program";
    ASSERT_TRUE(real.processes.terminate(*pid, 0));
    ASSERT_TRUE(ended);

    EXPECT_TRUE(gone(real.files, folder, 60));
    EXPECT_TRUE(gone(real.files, work + "oem.original.0", 10));
    EXPECT_TRUE(gone(real.files, home + "brelk.bat", 10));
    EXPECT_EQ(real.files.readFile(sibling + "\\keep.txt").value_or(""), "keep");
    EXPECT_EQ(real.files.readFile(work + "notes.txt").value_or(""), "the user's");
    EXPECT_EQ(real.files.readFile(work + "Briefe\\brief.txt").value_or(""), "the user's");
}

// A folder of the system holding the program and its settings file, the program started through
// another spelling of that folder than the system's (a second drive letter, the short name):
// only the program file goes.
TEST_F(Win32Uninstall, AProtectedFolderUnderAnotherSpellingLosesOnlyTheProgramFile) {
    const std::string programs = scratch + "Program Files (x86)";
    SecondDriveLetter drive;
    std::string onDrive = programs;
    onDrive[0] = drive.letter;
    ASSERT_TRUE(CreateDirectoryA(programs.c_str(), nullptr));
    char shortName[MAX_PATH] = {};
    ASSERT_GT(GetShortPathNameA(programs.c_str(), shortName, MAX_PATH), 0u);
    const struct {
        const char* name;
        std::string started; // the protected folder as the program was started
    } cases[] = {
        {"second drive letter", drive.letter ? onDrive : std::string()},
        {"short name", shortName},
    };
    for (const auto& k : cases) {
        if (k.started.empty()) {
            ADD_FAILURE() << k.name << ": no second spelling";
            continue;
        }
        write(programs + "\\brelk.exe", "the program");
        write(programs + "\\modules\\brelk.ini", "[Options]\r\nversion=5.0\r\n");
        write(programs + "\\modules\\skins\\blue.bmp", "skin");
        write(programs + "\\Common Files\\shared.dll", "not the program's");
        write(programs + "\\Other Program\\other.exe", "not the program's");
        ASSERT_TRUE(platform::sameFileOrFolder(real.files, k.started, programs)) << k.name;
        ASSERT_TRUE(uninstall(k.started + "\\brelk.exe",
                              {{platform::csidl::programFiles, scratch + "Program Files"},
                               {platform::csidl::programFilesX86, programs}}))
            << k.name;
        const std::string batch = brelk::batchFileFor(k.started + "\\brelk.exe");
        EXPECT_TRUE(gone(real.files, batch, 60)) << k.name << ": the batch did not end";
        EXPECT_FALSE(real.files.fileExists(programs + "\\brelk.exe")) << k.name;
        for (const char* kept : {"modules\\brelk.ini", "modules\\skins\\blue.bmp",
                                 "Common Files\\shared.dll", "Other Program\\other.exe"})
            EXPECT_TRUE(real.files.fileExists(programs + "\\" + kept)) << k.name << ": " << kept;
    }
}

} // namespace
