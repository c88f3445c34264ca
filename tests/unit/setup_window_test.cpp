#include "platform/fake/fake_platform.h"
#include "setup/m_shortcut.h"
#include "setup/setup_window.h"
#include "shell/windows_helpers.h"
#include "support/test_forms.h"
#include "ui/cool_form.h"
#include "ui/input_controls.h"
#include "ui/standard_controls.h"

#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <stdexcept>

namespace {

using platform::fileattr::readOnly;

constexpr const char* kSource = "C:\\Program Files\\Brelvanto\\"; // the fake program folder
constexpr const char* kTarget = "D:\\Tools\\brelk";

struct SetupWindowTest : ::testing::Test {
    platform::FakePlatform fake;
    testing_support::HeadlessApp h;
    ui::DirectoryResourceStore resources{BRELK_RES_DIR};
    setup::SetupWindow* w = nullptr;

    setup::SetupWindow& open() {
        w = &h.app.createForm(
            std::make_unique<setup::SetupWindow>(h.app, fake.platform(), resources));
        return *w;
    }
    void SetUp() override { fresh(); }
    // An empty machine with the drives C: to E:.
    void fresh() {
        fake.files = platform::FakeFileSystem();
        for (const char* drive : {"C:\\", "D:\\", "E:\\"})
            fake.files.addDirectory(drive);
    }
    void source(const std::string& relative, const std::string& content = "new") {
        fake.files.addFile(kSource + relative, content);
    }
    std::string target(const std::string& relative) {
        return fake.files.readFile(std::string(kTarget) + "\\" + relative).value_or("<missing>");
    }
    void registry(const char* key, const char* value, const std::string& text) {
        fake.registry.createKey(platform::RootKey::LocalMachine, key)->writeString(value, text);
    }
    // Opens the window, types the target and clicks "fortfahren >".
    void install(const std::string& typed = kTarget) {
        if (!w) open();
        w->show();
        w->get<ui::Edit>("Edit1").setText(typed);
        w->get<ui::Label>("Label5").click();
    }
    ui::ProgressBar& bar() { return w->get<ui::ProgressBar>("ProgressBar1"); }
    std::string label1() { return w->get<ui::Label>("Label1").caption(); }
    void tick(int n) {
        for (int i = 0; i < n; ++i)
            w->get<ui::Timer>("Timer2").tick();
    }
    std::vector<std::string> items(const char* list) { return w->get<ui::ListBox>(list).items(); }
    // A file of the installation that another program holds open.
    void lockedTarget(const std::string& relative) {
        fake.files.addFile(std::string(kTarget) + "\\" + relative, "old");
        fake.files.lock(std::string(kTarget) + "\\" + relative);
    }
    // Every file below the target with its content and attributes, the staged copies included.
    std::map<std::string, std::string> installation() {
        std::vector<std::string> paths;
        platform::KeepAlive none;
        brelk::FindFiles(fake.files, kTarget, "*.*", paths, true, none);
        std::map<std::string, std::string> files;
        for (const auto& path : paths)
            files[path] = fake.files.readFile(path).value_or("") + " attributes " +
                          std::to_string(fake.files.attributes(path).value_or(0));
        return files;
    }
};

TEST_F(SetupWindowTest, TakesTheRegisteredFolderOrLeavesTheFieldEmpty) {
    auto& empty = open();
    EXPECT_EQ(empty.get<ui::Edit>("Edit1").text(), "");
    EXPECT_TRUE(fake.registry.keyExists(platform::RootKey::LocalMachine, "SOFTWARE\\Kestovar"));

    registry("SOFTWARE\\Kestovar", "path", "D:\\Tools\\brelk\\");
    auto& second = open();
    EXPECT_EQ(second.get<ui::Edit>("Edit1").text(), "D:\\Tools\\brelk\\");
}

TEST_F(SetupWindowTest, WindowIsTheShapedSkinOfTheInstaller) {
    auto& w = open();
    EXPECT_EQ(w.width(), 377);
    EXPECT_EQ(w.height(), 492);
    EXPECT_EQ(w.borderStyle(), ui::BorderStyle::None);
    EXPECT_EQ(w.caption(), "brelk installer");
    EXPECT_TRUE(w.get<ui::ProgressBar>("ProgressBar1").smooth());
    EXPECT_NE(w.get<ui::CoolForm>("CoolForm1").mask().region(), nullptr);
    for (const char* name : {"mShortcut1", "mShortcut2", "mShortcut3"})
        EXPECT_EQ(w.get<setup::TmShortcut>(name).destination(), setup::ShortcutDest::StartMenu);
}

TEST_F(SetupWindowTest, ListsEachSourceFolderWithPathsAndNames) {
    source("setup.exe");
    source("modules\\brelk.ini");
    source("modules\\skins\\blue.bmp");
    source("modules\\skins\\deeper\\not.bmp"); // not recursive
    source("modules\\web\\tips.htm");
    install();
    const std::string s = kSource;
    EXPECT_EQ(items("ListBox1"), std::vector<std::string>{s + "setup.exe"});
    EXPECT_EQ(items("ListBox5"), std::vector<std::string>{"setup.exe"});
    EXPECT_EQ(items("ListBox2"), std::vector<std::string>{s + "modules\\brelk.ini"});
    EXPECT_EQ(items("ListBox6"), std::vector<std::string>{"brelk.ini"});
    EXPECT_EQ(items("ListBox3"), std::vector<std::string>{s + "modules\\skins\\blue.bmp"});
    EXPECT_EQ(items("ListBox7"), std::vector<std::string>{"blue.bmp"});
    EXPECT_EQ(items("ListBox8"), std::vector<std::string>{"tips.htm"});
    EXPECT_FALSE(w->get<ui::Edit>("Edit1").visible());
    EXPECT_TRUE(bar().visible());
    EXPECT_EQ(target("modules\\skins\\blue.bmp"), "new");
    EXPECT_EQ(target("modules\\web\\tips.htm"), "new");
    EXPECT_FALSE(fake.files.directoryExists(std::string(kTarget) + "\\modules\\skins\\deeper"));
}

TEST_F(SetupWindowTest, CreatesEveryAncestorAndTheTargetFolders) {
    const std::string deep = "E:\\a very long folder name beyond twenty\\b\\c\\d\\e\\brelk";
    const struct {
        std::string typed, used;
    } cases[] = {
        {"c:\\programme\\brelk", "c:\\programme\\brelk"},
        {"c:\\programme\\brelk\\", "c:\\programme\\brelk"},
        {deep, deep},
    };
    for (const auto& c : cases) {
        fresh();
        w = nullptr;
        source("brelk.exe");
        install(c.typed);
        EXPECT_EQ(w->get<ui::Edit>("Edit1").text(), c.used) << c.typed;
        for (const char* sub : {"", "\\modules\\skins", "\\modules\\web", "\\modules\\startbuttons",
                                "\\update\\modules\\skins"})
            EXPECT_TRUE(fake.files.directoryExists(c.used + sub)) << c.used + sub;
        EXPECT_EQ(fake.files.readFile(c.used + "\\brelk.exe").value_or(""), "new") << c.typed;
        tick(10);
        EXPECT_EQ(label1(), "Installation erfolgreich") << c.typed;
    }
    // "c:\programme" was made before its sub folder: the fake refuses a folder without parent.
    EXPECT_TRUE(fake.files.directoryExists(deep.substr(0, deep.find("\\b\\"))));
}

TEST_F(SetupWindowTest, RootFilesAndTheUpdaterGoWhereTheyBelong) {
    // The updater's name is compared exactly: "Update.exe" is an ordinary file.
    const struct {
        const char* name;
        const char* placed;
        const char* notPlaced;
        const char* notPlacedHolds;
    } cases[] = {
        {"update.exe", "update\\update.exe", "update.exe", "<missing>"},
        {"Update.exe", "Update.exe", "update\\update.exe", "old"},
    };
    for (const auto& c : cases) {
        fresh();
        source("brelk.exe");
        source(c.name, "updater");
        fake.files.setAttributes(kSource + std::string(c.name), readOnly);
        // An older installation: a hidden program file and a read-only, hidden updater.
        fake.files.addFile(std::string(kTarget) + "\\brelk.exe", "old", platform::fileattr::hidden);
        fake.files.addFile(std::string(kTarget) + "\\update\\update.exe", "old",
                           readOnly | platform::fileattr::hidden);
        w = nullptr;
        install();
        EXPECT_EQ(target("brelk.exe"), "new");
        EXPECT_EQ(target(c.placed), "updater") << c.name;
        EXPECT_EQ(target(c.notPlaced), c.notPlacedHolds) << c.name;
        tick(10);
        EXPECT_EQ(label1(), "Installation erfolgreich") << c.name;
        // Copies from read-only media stay writable for the next update or uninstall.
        for (const char* placed : {"brelk.exe", c.placed})
            EXPECT_EQ(fake.files.attributes(std::string(kTarget) + "\\" + placed),
                      platform::fileattr::normal)
                << placed;
    }
}

TEST_F(SetupWindowTest, VersionOfTheUpdateIsRecordedAfterACompleteCopy) {
    const std::string installed = "C:\\Kit\\";
    registry("\\Software\\Kestovar", "path", installed);
    registry("\\Software\\Microsoft\\Windows NT\\CurrentVersion", "SystemRoot", "C:\\WINDOWS");
    const std::string brelkIni = installed + "modules\\brelk.ini";
    const std::string oemIni = "C:\\WINDOWS\\system\\oeminfo.ini";
    const struct {
        const char* updateIni; // nothing: no update.ini beside the program
        bool locked;           // one target file cannot be replaced
        const char* version;   // then in brelk.ini
        const char* model;     // then in oeminfo.ini
    } cases[] = {
        {nullptr, false, "5.0", "OEM"},
        {"[Options]\r\nVersion=5.1 with a much longer text\r\n", false, "5.1 with a much long",
         "5.1 with a much long"},
        {"[Options]\r\nversion=5.2\r\n", true, "5.0", "OEM"},
    };
    for (const auto& c : cases) {
        fresh();
        fake.files.addFile(brelkIni, "[Options]\r\nversion=5.0\r\n");
        fake.files.addFile(oemIni, "[general]\r\nModel=OEM\r\n", readOnly);
        source("brelk.exe");
        if (c.updateIni) source("update.ini", c.updateIni);
        if (c.locked) lockedTarget("brelk.exe");
        w = nullptr;
        install();
        EXPECT_EQ(fake.profiles.readString(brelkIni, "Options", "version", ""), c.version);
        EXPECT_EQ(fake.profiles.readString(oemIni, "general", "Model", ""), c.model);
    }
}

TEST_F(SetupWindowTest, SuccessOnlyAfterACompleteCopyAndThenTheProgramStarts) {
    const struct {
        std::vector<std::string> locked; // files in the target held open elsewhere
        bool ticked;
        std::string text;
    } cases[] = {
        {{}, true, "Installation erfolgreich"},
        {{}, false, "Installation erfolgreich"},
        {{"brelk.exe"}, true, "Installation fehlgeschlagen. Nicht übernommen:\r\nbrelk.exe"},
        {{"b.dll", "a.dll", "brelk.exe", "modules\\web\\tips.htm"},
         true,
         "Installation fehlgeschlagen. Nicht übernommen:\r\nbrelk.exe\r\na.dll\r\nb.dll\r\nund "
         "1 weitere"},
    };
    for (const auto& c : cases) {
        fresh();
        fake.shell.executions.clear();
        for (const char* name : {"brelk.exe", "a.dll", "b.dll", "modules\\web\\tips.htm"})
            source(name);
        for (const auto& name : c.locked)
            lockedTarget(name);
        w = nullptr;
        open();
        w->get<ui::CheckBox>("CheckBox1").setChecked(c.ticked);
        install(std::string(kTarget) + "\\");
        tick(9);
        EXPECT_EQ(bar().position(), 9);
        EXPECT_NE(label1(), c.text);
        tick(1);
        EXPECT_EQ(label1(), c.text);
        EXPECT_FALSE(w->get<ui::Timer>("Timer2").enabled());
        const bool started = c.ticked && c.locked.empty();
        ASSERT_EQ(fake.shell.executions.size(), started ? 1u : 0u) << c.text;
        if (started) {
            const auto& run = fake.shell.executions[0];
            EXPECT_EQ(run.file, std::string(kTarget) + "\\brelk.exe");
            EXPECT_EQ(run.directory, kTarget);
            EXPECT_EQ(run.showCommand, platform::showcmd::minimized);
        }
    }
}

TEST_F(SetupWindowTest, ASecondClickDoesNotHandleTheFilesAgain) {
    source("brelk.exe");
    source("modules\\brelk.ini");
    install();
    tick(3);
    w->get<ui::Label>("Label5").click();
    w->get<ui::Image>("Image5").click();
    EXPECT_EQ(items("ListBox1").size(), 1u);
    EXPECT_EQ(items("ListBox6").size(), 1u);
    tick(7);
    w->get<ui::Label>("Label5").click();
    tick(5);
    EXPECT_EQ(fake.shell.executions.size(), 1u);
    EXPECT_EQ(bar().position(), 10);
}

TEST_F(SetupWindowTest, AnUpdaterInTheTargetLeavesItselfAlone) {
    // update\update.exe of the installation, started by the tuning program's online update.
    platform::FakePlatform updater;
    updater.files = platform::FakeFileSystem(std::string(kTarget) + "\\update\\");
    updater.files.addFile(std::string(kTarget) + "\\update\\update.exe", "running updater");
    updater.files.addFile(std::string(kTarget) + "\\update\\brelk.exe", "new");
    updater.files.addFile(std::string(kTarget) + "\\update\\modules\\dorvask.exe", "new");
    updater.files.addFile(std::string(kTarget) + "\\brelk.exe", "old");
    auto& u = h.app.createForm(
        std::make_unique<setup::SetupWindow>(h.app, updater.platform(), resources));
    u.show();
    u.get<ui::Edit>("Edit1").setText(kTarget);
    u.get<ui::Label>("Label5").click();
    for (int i = 0; i < 10; ++i)
        u.get<ui::Timer>("Timer2").tick();
    EXPECT_EQ(u.get<ui::Label>("Label1").caption(), "Installation erfolgreich");
    EXPECT_EQ(updater.files.readFile(std::string(kTarget) + "\\update\\update.exe"),
              "running updater");
    EXPECT_EQ(updater.files.readFile(std::string(kTarget) + "\\brelk.exe"), "new");
    EXPECT_EQ(updater.files.readFile(std::string(kTarget) + "\\modules\\dorvask.exe"), "new");
}

TEST_F(SetupWindowTest, ATargetThatNamesNoFolderTouchesNothing) {
    source("brelk.exe");
    for (const char* typed : {"", "brelk", "c:", "c:\\", "\\brelk", "c:\\a\\..\\b"}) {
        fresh();
        source("brelk.exe");
        w = nullptr;
        install(typed);
        tick(10);
        EXPECT_EQ(label1(), "Installation fehlgeschlagen: kein gültiges Verzeichnis.") << typed;
        EXPECT_FALSE(fake.files.fileExists("c:\\brelk.exe")) << typed;
        EXPECT_FALSE(fake.files.directoryExists("c:\\modules")) << typed;
        EXPECT_TRUE(fake.shell.executions.empty());
    }
}

// Setup started from the installation itself under another spelling (a subst drive, a short
// name, a share) finds the files to be their own targets and leaves them alone.
TEST_F(SetupWindowTest, AnInstallationReachedUnderAnotherSpellingIsLeftAlone) {
    fake.files = platform::FakeFileSystem("S:\\");
    fake.files.addAlias("S:\\", std::string(kTarget) + "\\");
    for (const char* name : {"setup.exe", "brelk.exe", "modules\\oservices.ini"})
        lockedTarget(name); // the files exist once, in the installation
    fake.files.lock(std::string(kTarget) + "\\brelk.exe", false);
    fake.files.lock(std::string(kTarget) + "\\modules\\oservices.ini", false);
    const auto before = installation();
    install();
    tick(10);
    EXPECT_EQ(label1(), "Installation erfolgreich");
    EXPECT_EQ(installation(), before);
}

// A job that cannot finish leaves the installation as it was: every old file with its
// attributes, no file that was not there, no staged or kept copy. A file in use is found before
// the first copy; a copy or a settings merge that fails removes every staged copy; a file taken
// into use after the check, or an error on the way, puts back every file already replaced. Once
// the cause is gone the job is retried and completes.
TEST_F(SetupWindowTest, AJobThatFailsLeavesTheInstallationAsItWas) {
    const std::string t = std::string(kTarget) + "\\";
    const struct {
        const char* name;
        std::function<void(platform::FakePlatform&)> cause;
        const char* failed; // the path reported; nullptr: an error was raised
    } cases[] = {
        {"skin in use", [&](auto& f) { f.files.lock(t + "modules\\skins\\01.bmp"); },
         "modules\\skins\\01.bmp"},
        {"disk full half way", [](auto& f) { f.files.copiesBeforeDiskFull = 2; }, "setup.exe"},
        {"disk full at once", [](auto& f) { f.files.copiesBeforeDiskFull = 0; }, "brelk.exe"},
        {"settings copy not writable", [](auto& f) { f.profiles.writesLeft = 0; },
         "modules\\brelk.ini"},
        {"error while staging",
         [&](auto& f) {
             f.files.beforeTransfer = [&t](const std::string&, const std::string& to) {
                 if (to == t + "modules\\brelk.ini.setup-neu") throw std::runtime_error("staging");
             };
         },
         nullptr},
        {"third old file started once every copy is staged",
         [&](auto& f) {
             f.files.beforeTransfer = [&t, &files = f.files](const std::string&,
                                                             const std::string& to) {
                 if (!to.ends_with(".setup-neu")) files.lock(t + "uninstall.exe");
             };
         },
         "uninstall.exe"},
        {"error while the third file takes its place",
         [&](auto& f) {
             f.files.beforeTransfer = [&t](const std::string& from, const std::string&) {
                 if (from == t + "uninstall.exe.setup-neu") throw std::runtime_error("commit");
             };
         },
         nullptr},
    };
    for (const auto& c : cases) {
        fresh();
        fake.profiles.writesLeft = -1;
        w = nullptr;
        h.dialogs.messages.clear();
        fake.shell.executions.clear();
        // Dokumentation.htm is new; every other file replaces an old one.
        for (const char* name :
             {"brelk.exe", "Dokumentation.htm", "setup.exe", "uninstall.exe", "modules\\brelk.ini",
              "modules\\oservices.ini", "modules\\skins\\01.bmp", "modules\\skins\\02.bmp"}) {
            source(name, std::string("new ") + name + "\r\n[Options]\r\nnewoption=on\r\n");
            if (std::string(name) != "Dokumentation.htm")
                fake.files.addFile(t + name, std::string("old ") + name + "\r\n");
        }
        fake.files.setAttributes(t + "brelk.exe", readOnly | platform::fileattr::hidden);
        fake.files.setAttributes(t + "modules\\brelk.ini", readOnly);
        const auto before = installation();
        c.cause(fake);
        install();
        tick(10);
        if (c.failed) {
            EXPECT_NE(label1().find(std::string("Nicht übernommen:\r\n") + c.failed),
                      std::string::npos)
                << c.name << ": " << label1();
        } else {
            EXPECT_EQ(label1(), "Installation fehlgeschlagen.") << c.name;
            EXPECT_EQ(h.dialogs.messages.size(), 1u) << c.name;
        }
        EXPECT_EQ(installation(), before) << c.name;
        EXPECT_TRUE(fake.shell.executions.empty()) << c.name;

        fake.files.beforeTransfer = nullptr;
        fake.files.copiesBeforeDiskFull.reset();
        fake.profiles.writesLeft = -1;
        for (const char* name : {"uninstall.exe", "modules\\skins\\01.bmp"})
            fake.files.lock(t + name, false);
        w->get<ui::Label>("Label5").click();
        tick(10);
        EXPECT_EQ(label1(), "Installation erfolgreich") << c.name;
        EXPECT_EQ(target("uninstall.exe"), "new uninstall.exe\r\n[Options]\r\nnewoption=on\r\n")
            << c.name;
        EXPECT_EQ(target("brelk.exe"), "new brelk.exe\r\n[Options]\r\nnewoption=on\r\n") << c.name;
        for (const auto& [path, content] : installation())
            EXPECT_EQ(path.find(".setup-"), std::string::npos) << c.name << ": " << path;
    }
}

TEST_F(SetupWindowTest, AFailedJobCanBeRetriedOnceTheCauseIsGone) {
    source("brelk.exe");
    source("modules\\skins\\01.bmp");
    lockedTarget("brelk.exe"); // the tuning program still runs
    install();
    tick(10);
    EXPECT_EQ(label1(), "Installation fehlgeschlagen. Nicht übernommen:\r\nbrelk.exe");
    EXPECT_TRUE(w->get<ui::Edit>("Edit1").visible());
    EXPECT_EQ(target("brelk.exe"), "old");

    fake.files.lock(std::string(kTarget) + "\\brelk.exe", false); // the user ended it
    w->get<ui::Label>("Label5").click();
    EXPECT_EQ(bar().position(), 0);
    w->get<ui::Label>("Label5").click(); // a running job ignores a further click
    EXPECT_EQ(items("ListBox1").size(), 1u);
    tick(10);
    EXPECT_EQ(label1(), "Installation erfolgreich");
    EXPECT_EQ(target("brelk.exe"), "new");
    EXPECT_EQ(fake.shell.executions.size(), 1u);
    w->get<ui::Label>("Label5").click(); // after success nothing runs again
    tick(10);
    EXPECT_EQ(fake.shell.executions.size(), 1u);
}

// A reinstall or update keeps the user's settings (backup slots, start-button choices, online
// servers) and adds only the keys the shipped files bring, except the keys that say what the
// installation is: an existing brelk.ini gains neither a backup count (its count follows its
// slot sections) nor a first-start flag (it has had its first start). A first install takes
// every file as shipped.
TEST_F(SetupWindowTest, AReinstallKeepsTheUsersSettings) {
    const std::string shipped[][2] = {
        {"brelk.ini",
         "[Options]\r\nversion=5.1\r\nfirststart=1\r\nnewoption=on\r\n[Backup]\r\nnumber=0\r\n"},
        {"startbutton.ini", "[Einstellungen]\r\nstartbutton=01.bmp\r\ntext=Start\r\n"},
        {"oservices.ini", "[Onlineservices]\r\nServer1=premium1.example\r\n"
                          "Server2=premium2.example\r\nping=no\r\n"},
    };
    const std::string slots = "[1]\r\nDate=Originalzustand\r\n1=x\r\n[2]\r\nDate=09.12.2026\r\n";
    const std::string button = "[Einstellungen]\r\nstartbutton=mine.bmp\r\n";
    const std::string servers = "[Onlineservices]\r\nServer1=mein.server.example\r\nping=yes\r\n";
    const char* missing = "<missing>";
    const struct {
        const char* name;
        std::string brelk, button, servers; // installed before; empty: no such file
        // Expected afterwards, each of brelk.ini: Backup/number, Options/firststart.
        const char *number, *firststart;
    } cases[] = {
        {"first install", "", "", "", "0", "1"},
        {"count and flag", "[Options]\r\nfirststart=0\r\n[Backup]\r\nnumber=2\r\n" + slots, button,
         servers, "2", "0"},
        {"slots without a count", "[Options]\r\nfirststart=0\r\n" + slots, button, servers, missing,
         "0"},
        {"no options", "[Backup]\r\nnumber=2\r\n" + slots, button, servers, "2", missing},
    };
    for (const auto& c : cases) {
        fresh();
        w = nullptr;
        registry("\\Software\\Kestovar", "path", kTarget);
        source("update.ini", "[Options]\r\nversion=5.1\r\n");
        for (const auto& [name, text] : shipped)
            source("modules\\" + name, text);
        const std::string modules = std::string(kTarget) + "\\modules\\";
        const bool reinstall = !c.brelk.empty();
        if (reinstall) {
            fake.files.addFile(modules + "brelk.ini", c.brelk, readOnly);
            fake.files.addFile(modules + "startbutton.ini", c.button);
            fake.files.addFile(modules + "oservices.ini", c.servers);
        }
        install();
        tick(10);
        EXPECT_EQ(label1(), "Installation erfolgreich") << c.name;
        auto read = [&](const char* file, const char* section, const char* key) {
            return fake.profiles.readString(modules + file, section, key, missing);
        };
        EXPECT_EQ(read("brelk.ini", "Options", "version"), "5.1") << c.name;
        EXPECT_EQ(read("brelk.ini", "Options", "newoption"), "on") << c.name;
        EXPECT_EQ(read("brelk.ini", "Backup", "number"), c.number) << c.name;
        EXPECT_EQ(read("brelk.ini", "Options", "firststart"), c.firststart) << c.name;
        EXPECT_EQ(read("brelk.ini", "2", "Date"), reinstall ? "09.12.2026" : missing) << c.name;
        EXPECT_EQ(read("startbutton.ini", "Einstellungen", "startbutton"),
                  reinstall ? "mine.bmp" : "01.bmp")
            << c.name;
        EXPECT_EQ(read("startbutton.ini", "Einstellungen", "text"), "Start") << c.name;
        EXPECT_EQ(read("oservices.ini", "Onlineservices", "Server1"),
                  reinstall ? "mein.server.example" : "premium1.example")
            << c.name;
        EXPECT_EQ(read("oservices.ini", "Onlineservices", "ping"), reinstall ? "yes" : "no")
            << c.name;
        EXPECT_EQ(read("oservices.ini", "Onlineservices", "Server2"), "premium2.example") << c.name;
        if (!reinstall) {
            for (const auto& [name, text] : shipped)
                EXPECT_EQ(target("modules\\" + name), text) << name;
        }
    }
}

TEST_F(SetupWindowTest, BeendenDeletesTheBatchFileAndEnds) {
    fake.files.addFile("c:\\brelk.bat", "del brelk.exe");
    auto& w = open();
    w.show();
    w.get<ui::Label>("Label2").click();
    EXPECT_FALSE(fake.files.fileExists("c:\\brelk.bat"));
    EXPECT_TRUE(h.app.terminated());
}

TEST_F(SetupWindowTest, HoversSwapTheGlyphsAndTheBackgroundResetsBoth) {
    auto& w = open();
    w.show();
    auto visible = [&w] {
        std::string v;
        for (const char* name : {"Image2", "Image5", "Image13", "Image4"})
            v += w.get<ui::Image>(name).visible() ? '1' : '0';
        return v;
    };
    auto colour = [&w](const char* label) { return w.get<ui::Label>(label).font().color; };
    const struct {
        const char* over;
        std::string glyphs;
        ui::Color label5, label4;
    } moves[] = {
        {"Form1", "1010", ui::colors::Black, ui::colors::Black},
        {"Label5", "0110", ui::colors::Green, ui::colors::Black},
        {"CoolForm1", "1010", ui::colors::Black, ui::colors::Black},
        {"Image13", "1001", ui::colors::Black, ui::colors::Green},
        {"Image2", "0110", ui::colors::Green, ui::colors::Green},
        {"CoolForm1", "1010", ui::colors::Black, ui::colors::Black},
        {"Label4", "1001", ui::colors::Black, ui::colors::Green},
    };
    for (const auto& m : moves) {
        auto& over = std::string(m.over) == "Form1" ? w : w.get<ui::Control>(m.over);
        over.mouseMove({}, 1, 1);
        EXPECT_EQ(visible(), m.glyphs) << m.over;
        EXPECT_EQ(colour("Label5"), m.label5) << m.over;
        EXPECT_EQ(colour("Label4"), m.label4) << m.over;
    }
}

TEST_F(SetupWindowTest, ShortcutDestinationNeedsAFolder) {
    auto& w = open();
    auto& shortcut = w.get<setup::TmShortcut>("mShortcut1");
    const std::string about = shortcut.about();
    EXPECT_FALSE(about.empty());
    const struct {
        const char* folder;
        setup::ShortcutDest wanted, result;
        bool warned;
    } cases[] = {
        {"", setup::ShortcutDest::Folder, setup::ShortcutDest::DeskTop, true},
        {"", setup::ShortcutDest::All, setup::ShortcutDest::DeskTop, true},
        {"", setup::ShortcutDest::StartMenu, setup::ShortcutDest::StartMenu, false},
        {"C:\\Kit", setup::ShortcutDest::Folder, setup::ShortcutDest::Folder, false},
        {"C:\\Kit", setup::ShortcutDest::All, setup::ShortcutDest::All, false},
    };
    for (const auto& c : cases) {
        h.dialogs.messages.clear();
        fake.shell.executions.clear();
        shortcut.shortcutFolder = c.folder;
        shortcut.setDestination(c.wanted);
        EXPECT_EQ(shortcut.destination(), c.result);
        ASSERT_EQ(h.dialogs.messages.size(), c.warned ? 1u : 0u);
        if (c.warned) {
            EXPECT_EQ(h.dialogs.messages[0].text, "You must specify a folder for the shortcut !");
            EXPECT_EQ(h.dialogs.messages[0].flags, ui::mb::Ok | ui::mb::IconWarning);
        }
    }
    EXPECT_EQ(shortcut.about(), about);
}

} // namespace
