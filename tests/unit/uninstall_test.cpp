#include "platform/keep_alive.h"
#include "shell/uninstall.h"
#include "shell_fixture.h"

#include <gtest/gtest.h>

#include <thread>
#include <utility>

namespace {

using platform::fileattr::readOnly;

// The bounded wait for the program's end, with its file quoted as the batch quotes it.
std::vector<std::string> waitFor(std::string program) {
    for (std::size_t at = 0; (at = program.find('%', at)) != std::string::npos; at += 2)
        program.insert(at, "%");
    return {"set brelktries=0",
            ":1",
            "attrib -r -s -h \"" + program + "\"",
            "Erase /f /q \"" + program + "\"",
            "If not exist \"" + program + "\" Goto 2",
            "set /a brelktries=brelktries+1",
            "If %brelktries% GEQ 120 Goto 2",
            "ping -n 2 127.0.0.1 > nul",
            "Goto 1",
            ":2"};
}

// The uninstall's batch file for a given program and window state.
TEST(UninstallBatch, WaitsForTheProgramThenRemovesTheFoldersAndItself) {
    const struct {
        const char* name;
        brelk::UninstallBatch batch;
        std::vector<std::string> lines;
    } cases[] = {
        {"no backups",
         {"C:\\Kit\\brelk.exe", "C:\\Kit\\", "C:\\WINDOWS\\brelk", 0, {}, {}, "C:\\brelk.bat"},
         {"rmdir \"C:\\Kit\\modules\\skins\"", "rmdir \"C:\\Kit\\modules\\web\"",
          "rmdir \"C:\\Kit\\modules\"", "rmdir \"C:\\Kit\\update\\modules\"",
          "rmdir \"C:\\Kit\\update\"", "rmdir \"C:\\WINDOWS\\brelk\\oem.original.0\"",
          "rmdir \"C:\\WINDOWS\\brelk\"", "rmdir \"C:\\Kit\"", "Erase \"C:\\brelk.bat\""}},
        {"three backups, blanks and percent signs, leftovers and other folders",
         {"C:\\Program Files\\50% Kit\\Tuner.exe",
          "C:\\Program Files\\50% Kit\\",
          "D:\\WIN NT\\brelk",
          3,
          {"C:\\Program Files\\50% Kit\\modules\\dorvask.exe"},
          {"C:\\Program Files\\50% Kit\\Backups\\2026-12-09"},
          "C:\\Program Files\\Tuner.bat"},
         {"attrib -r -s -h \"C:\\Program Files\\50%% Kit\\modules\\dorvask.exe\"",
          "Erase /f /q \"C:\\Program Files\\50%% Kit\\modules\\dorvask.exe\"",
          "rmdir \"C:\\Program Files\\50%% Kit\\Backups\\2026-12-09\"",
          "rmdir \"C:\\Program Files\\50%% Kit\\modules\\skins\"",
          "rmdir \"C:\\Program Files\\50%% Kit\\modules\\web\"",
          "rmdir \"C:\\Program Files\\50%% Kit\\modules\"",
          "rmdir \"C:\\Program Files\\50%% Kit\\update\\modules\"",
          "rmdir \"C:\\Program Files\\50%% Kit\\update\"",
          "rmdir \"D:\\WIN NT\\brelk\\oem.original.0\"",
          "rmdir \"D:\\WIN NT\\brelk\\oem.original.1\"",
          "rmdir \"D:\\WIN NT\\brelk\\oem.original.2\"",
          "rmdir \"D:\\WIN NT\\brelk\\oem.original.3\"", "rmdir \"D:\\WIN NT\\brelk\"",
          "rmdir \"C:\\Program Files\\50%% Kit\"", "Erase \"C:\\Program Files\\Tuner.bat\""}},
        {"no work folder, program in a drive root",
         {"C:\\brelk.exe", "", "", 2, {}, {}, "C:\\brelk.bat"},
         {"Erase \"C:\\brelk.bat\""}},
    };
    for (const auto& c : cases) {
        std::string expected;
        for (const auto& line : waitFor(c.batch.programFile))
            expected += line + "\r\n";
        for (const auto& line : c.lines)
            expected += line + "\r\n";
        EXPECT_EQ(brelk::uninstallBatchText(c.batch), expected) << c.name;
    }
}

TEST(UninstallBatch, IsNamedAfterTheProgram) {
    const std::pair<const char*, const char*> names[] = {
        {"C:\\Program Files\\Kit\\brelk.exe", "C:\\Program Files\\brelk.bat"},
        {"C:\\Kit\\Tuner.EXE", "C:\\Tuner.bat"},
        {"D:\\Kit.v2\\brelk", "D:\\brelk.bat"},
        {"C:\\brelk.exe", "C:\\brelk.bat"},
    };
    for (const auto& [program, batch] : names)
        EXPECT_EQ(brelk::batchFileFor(program), batch);
}

struct Uninstall : shell_test::ShellFixture {
    const std::string work = "C:\\WINDOWS\\brelk";

    void SetUp() override {
        ShellFixture::SetUp();
        fake.files.addFile(folder() + "brelk.exe", "exe");
        fake.files.addFile(folder() + "modules\\skins\\blue.bmp");
        fake.files.addFile(folder() + "Backups\\2026-12-09\\HK_CU.reg");
        fake.files.addFile(work + "\\oem.original.0\\oemlogo.bmp");
        fake.files.addFile("C:\\WINDOWS\\explorer.exe");
        fake.files.addFile("C:\\Program Files\\Other\\keep.txt");
        start();
    }
    std::vector<std::string> listed() { return c<ui::ListBox>("brelkdeletelistbox").items(); }
    void click() {
        c<ui::Control>("afterrestart").show();
        c<ui::Button>("deletebrelkbutton").click();
    }
    std::string batch() { return fake.files.readFile("C:\\Program Files\\brelk.bat").value_or(""); }
};

TEST_F(Uninstall, ListsAsksAndCancelDeletesNothing) {
    h.dialogs.answers = {ui::mb::IdCancel};
    click();
    const std::vector<std::string> expected = {
        folder() + "brelk.exe",
        folder() + "modules\\brelk.ini",
        folder() + "modules\\oemlogo.bmp",     // shipped
        folder() + "modules\\startbutton.ini", // written at start
        folder() + "modules\\skins\\01.bmp",
        folder() + "modules\\skins\\02.bmp",
        folder() + "modules\\skins\\03.bmp",
        folder() + "modules\\skins\\blue.bmp",
        folder() + "Backups\\2026-12-09\\HK_CU.reg",
        work + "\\oem.original.0\\oemlogo.bmp",
    };
    EXPECT_EQ(listed(), expected);
    ASSERT_EQ(h.dialogs.messages.size(), 1u);
    EXPECT_EQ(h.dialogs.messages[0].text, "Die aufgeführten Dateien werden nun entfernt.");
    EXPECT_EQ(h.dialogs.messages[0].flags, ui::mb::OkCancel | ui::mb::IconWarning);
    EXPECT_TRUE(fake.files.fileExists(folder() + "brelk.exe"));
    EXPECT_FALSE(fake.files.fileExists("C:\\Program Files\\brelk.bat"));
    EXPECT_FALSE(h.app.terminated());

    h.dialogs.answers = {ui::mb::IdCancel};
    click(); // a later click lists the files again below the first list
    EXPECT_EQ(listed().size(), 2 * expected.size());
}

TEST_F(Uninstall, DeletesWritesTheBatchStartsItHiddenAndEnds) {
    w->state.backupcount = 3;
    fake.files.addFile(folder() + "modules\\dorvask.exe", "in use");
    fake.files.lock(folder() + "modules\\dorvask.exe");
    fake.files.addFile(folder() + "modules\\readonly.dll", "",
                       readOnly | platform::fileattr::hidden);
    auto tray = fake.processes.add("dorvask.exe");
    // A stray entry in the list outside both folders is never deleted.
    c<ui::ListBox>("brelkdeletelistbox").addItem("C:\\WINDOWS\\explorer.exe");
    click();
    EXPECT_FALSE(fake.files.fileExists(folder() + "modules\\skins\\blue.bmp"));
    EXPECT_FALSE(fake.files.fileExists(work + "\\oem.original.0\\oemlogo.bmp"));
    EXPECT_FALSE(fake.files.fileExists(folder() + "modules\\readonly.dll"));
    EXPECT_TRUE(fake.files.fileExists("C:\\WINDOWS\\explorer.exe"));
    EXPECT_TRUE(fake.files.fileExists("C:\\Program Files\\Other\\keep.txt"));
    EXPECT_FALSE(fake.processes.isRunning(tray));

    const std::string text = batch();
    EXPECT_NE(text.find("Erase /f /q \"" + folder() + "modules\\dorvask.exe\"\r\n"),
              std::string::npos);
    EXPECT_NE(text.find("rmdir \"" + folder() + "Backups\\2026-12-09\"\r\nrmdir \"" + folder() +
                        "Backups\"\r\nrmdir \"" + folder() + "modules\\skins\"\r\n"),
              std::string::npos);
    EXPECT_NE(text.find("oem.original.3\"\r\nrmdir \"C:\\WINDOWS\\brelk\"\r\n"), std::string::npos);
    EXPECT_EQ(text.find("Other"), std::string::npos);

    ASSERT_EQ(h.dialogs.messages.size(), 2u);
    EXPECT_EQ(h.dialogs.messages[1].text,
              "Uninstall wird nun beendet um den Vorgang abzuschließen...");
    ASSERT_EQ(fake.shell.executions.size(), 1u);
    const auto& run = fake.shell.executions[0];
    EXPECT_EQ(run.verb, "open");
    EXPECT_EQ(run.file, "C:\\Program Files\\brelk.bat");
    EXPECT_EQ(run.directory, "C:\\Program Files\\");
    EXPECT_EQ(run.showCommand, platform::showcmd::hide);
    EXPECT_TRUE(h.app.terminated());
}

TEST_F(Uninstall, AnEmptyOrRootWindowsFolderAddsNoWorkFolder) {
    for (const char* windows : {"", "C:\\", "C:", "WINDOWS", "C:\\..\\"}) {
        fake.files.addFile("C:\\brelk\\elsewhere.txt");
        fake.files.addFile("C:\\unrelated.txt");
        c<ui::Edit>("Edit1").setText(windows);
        c<ui::ListBox>("brelkdeletelistbox").clear();
        click();
        for (const auto& path : listed())
            EXPECT_EQ(path.rfind(folder(), 0), 0u) << windows << ": " << path;
        EXPECT_TRUE(fake.files.fileExists("C:\\brelk\\elsewhere.txt")) << windows;
        EXPECT_TRUE(fake.files.fileExists("C:\\unrelated.txt")) << windows;
        EXPECT_EQ(batch().find("brelk\\oem"), std::string::npos) << windows;
    }
}

TEST_F(Uninstall, ABatchThatCannotBeWrittenIsReportedAndTheProgramGoesOn) {
    fake.files.addFile("C:\\Program Files\\brelk.bat", "old", readOnly);
    click();
    ASSERT_EQ(h.dialogs.messages.size(), 2u);
    EXPECT_EQ(h.dialogs.messages[1].text, "Cannot create file \"C:\\Program Files\\brelk.bat\".");
    EXPECT_TRUE(fake.shell.executions.empty());
    EXPECT_FALSE(h.app.terminated());
}

// Only a folder that holds this program's settings file is removed, never a folder of the
// system itself (nor one holding it), and never what a folder link inside leads to.
TEST_F(Uninstall, RemovesOnlyAProgramFolderAndNeverEntersAFolderLink) {
    fake.shell.specialFolders[platform::csidl::system] = "C:\\WINDOWS\\system32";
    fake.shell.specialFolders[platform::csidl::programFiles] = "C:\\Program Files";
    fake.shell.specialFolders[platform::csidl::profile] = "C:\\Documents and Settings\\Admin";
    const struct {
        const char* folder;
        bool settings; // holds modules\brelk.ini
        bool removed;
    } cases[] = {
        {"C:\\Documents and Settings\\Admin\\Desktop\\", false, false},
        {"C:\\WINDOWS\\", true, false},
        {"C:\\windows\\system32\\", true, false},
        {"C:\\Program Files\\", true, false},
        {"C:\\Documents and Settings\\Admin\\", true, false},
        {"C:\\Documents and Settings\\", true, false}, // holds the profile
        {"D:\\Tools\\Kit\\", true, true},
    };
    for (const auto& k : cases) {
        const std::string dir = k.folder;
        ctx.programFolder = dir;
        fake.files.addFile(dir + "brelk.exe", "exe");
        fake.files.addFile(dir + "keep.txt", "keep");
        if (k.settings) fake.files.addFile(dir + "modules\\brelk.ini", "[Options]\r\n");
        fake.files.addFolderLink(dir + "link");
        fake.files.addFile(dir + "link\\elsewhere.txt", "not ours");
        fake.files.addDirectory(dir + "link\\deeper");
        fake.shell.executions.clear();
        c<ui::ListBox>("brelkdeletelistbox").clear();
        click();
        EXPECT_EQ(fake.files.fileExists(dir + "keep.txt"), !k.removed) << dir;
        EXPECT_TRUE(fake.files.fileExists(dir + "link\\elsewhere.txt")) << dir;
        for (const auto& path : listed())
            EXPECT_EQ(path.find("elsewhere"), std::string::npos) << dir;
        const std::string text = batch();
        const std::string bare = dir.substr(0, dir.size() - 1);
        EXPECT_EQ(text.find("rmdir \"" + bare + "\"\r\n") != std::string::npos, k.removed) << dir;
        EXPECT_EQ(text.find("rmdir \"" + dir + "link\"\r\n") != std::string::npos, k.removed)
            << dir;
        EXPECT_EQ(text.find("deeper"), std::string::npos) << dir;
        fake.files.deleteFile("C:\\Program Files\\brelk.bat");
    }
}

TEST_F(Uninstall, ASecondClickDuringTheListingDoesNothing) {
    int nested = 0;
    bool slow = true; // the first folder takes long enough for the window to process messages
    fake.files.onFindEntries = [&] {
        if (std::exchange(slow, false))
            std::this_thread::sleep_for(2 * platform::KeepAlive::defaultInterval);
    };
    h.backend.onProcessMessages = [&] {
        if (nested++ == 0) c<ui::Button>("deletebrelkbutton").click();
    };
    click();
    h.backend.onProcessMessages = nullptr;
    EXPECT_GT(nested, 0);
    EXPECT_EQ(h.dialogs.messages.size(), 2u); // one question, one closing message
    EXPECT_EQ(fake.shell.executions.size(), 1u);
}

// The program ends only for a batch that started; a path that the command interpreter cannot
// read in its code page is named, and then nothing is written or started.
TEST_F(Uninstall, EndsOnlyForABatchThatStartedAndWritesItInTheOemCodePage) {
    const std::string umlaut = "C:\\J\xFCrgen\\Kit\\"; // "Jürgen"
    const struct {
        std::string folder;
        int startResult; // 0: as the shell starts it
        std::string batchFile;
        const char* lastMessage;
        bool ends;
    } cases[] = {
        {"C:\\Price \x80\\Kit\\", 0, "", "Der Pfad \"C:\\Price \x80\\Kit\\brelk.exe\"", false},
        {umlaut, 2, "C:\\J\xFCrgen\\brelk.bat", "konnte nicht gestartet werden (Fehler 2)", false},
        {umlaut, 0, "C:\\J\xFCrgen\\brelk.bat", "Uninstall wird nun beendet", true},
    };
    for (const auto& k : cases) {
        ctx.programFolder = k.folder;
        fake.files = platform::FakeFileSystem(k.folder);
        fake.files.addFile(k.folder + "brelk.exe", "exe");
        fake.files.addFile(k.folder + "modules\\brelk.ini", "[Options]\r\n");
        fake.shell.failingStarts.clear();
        if (k.startResult) fake.shell.failingStarts[k.batchFile] = k.startResult;
        h.dialogs.messages.clear();
        fake.shell.executions.clear();
        click();
        ASSERT_FALSE(h.dialogs.messages.empty());
        EXPECT_NE(h.dialogs.messages.back().text.find(k.lastMessage), std::string::npos)
            << h.dialogs.messages.back().text;
        EXPECT_EQ(h.app.terminated(), k.ends) << k.folder;
        if (k.batchFile.empty()) {
            EXPECT_EQ(h.dialogs.messages.size(), 1u); // before the question: nothing deleted
            EXPECT_TRUE(fake.files.fileExists(k.folder + "modules\\brelk.ini"));
            EXPECT_TRUE(fake.shell.executions.empty());
            EXPECT_FALSE(fake.files.fileExists("C:\\Price \x80\\brelk.bat"));
            continue;
        }
        // "ü" is 0x81 in code page 850, which the German command interpreter reads.
        const std::string text = fake.files.readFile(k.batchFile).value_or("");
        EXPECT_NE(text.find("rmdir \"C:\\J\x81rgen\\Kit\"\r\n"), std::string::npos);
        EXPECT_EQ(text.find('\xFC'), std::string::npos);
    }
}

TEST_F(Uninstall, AProgramInADriveRootListsOnlyTheWorkFolder) {
    ctx.programFolder = "C:\\";
    fake.files.programFileName = "Tuner.exe";
    click();
    for (const auto& path : listed())
        EXPECT_EQ(path.rfind(work, 0), 0u) << path;
    EXPECT_TRUE(fake.files.fileExists("C:\\Program Files\\Brelvanto\\brelk.exe"));
    EXPECT_TRUE(fake.files.fileExists("C:\\WINDOWS\\explorer.exe"));
    // The batch is named after the program.
    EXPECT_TRUE(fake.files.fileExists("C:\\Program Files\\Tuner.bat"));
}

TEST_F(Uninstall, TheStartLinkShowsItsHighlight) {
    for (const char* over : {"brelkdeletestartlab", "brelkdeleteimgnormal"}) {
        run("rollover");
        EXPECT_TRUE(visible("brelkdeleteimgnormal"));
        EXPECT_FALSE(visible("brelkdeleteimgover"));
        c<ui::Control>("afterrestart").show();
        c<ui::Control>(over).mouseMove({}, 1, 1);
        EXPECT_FALSE(visible("brelkdeleteimgnormal")) << over;
        EXPECT_TRUE(visible("brelkdeleteimgover")) << over;
    }
}

} // namespace
