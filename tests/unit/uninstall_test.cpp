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
            "Erase /f /q \"" + program + "\"",
            "If exist \"" + program + "\" attrib -r -s -h \"" + program + "\"",
            "If exist \"" + program + "\" Erase /f /q \"" + program + "\"",
            "If not exist \"" + program + "\" Goto 2",
            "set /a brelktries=brelktries+1",
            "If %brelktries% GEQ 120 Goto 2",
            "ping -n 2 127.0.0.1 > nul",
            "Goto 1",
            ":2"};
}

// The batch's lines that remove a folder: rmdir, and for a folder still there its attributes
// cleared (Windows keeps a read-only folder as it keeps a read-only file) and rmdir again.
std::vector<std::string> removing(std::initializer_list<std::string> folders) {
    std::vector<std::string> lines;
    for (const auto& folder : folders) {
        const std::string path = "\"" + folder + "\"", probe = "If exist \"" + folder + "\\\" ";
        lines.insert(lines.end(),
                     {"rmdir " + path, probe + "attrib -r -s -h " + path, probe + "rmdir " + path});
    }
    return lines;
}

// The batch's lines that erase a file: Erase, and for a file still there (hidden or system)
// its attributes cleared and Erase again.
std::vector<std::string> erasing(const std::string& file) {
    const std::string path = "\"" + file + "\"", probe = "If exist " + path + " ";
    return {"Erase /f /q " + path, probe + "attrib -r -s -h " + path,
            probe + "Erase /f /q " + path};
}

std::vector<std::string> joined(std::initializer_list<std::vector<std::string>> parts) {
    std::vector<std::string> all;
    for (const auto& part : parts)
        all.insert(all.end(), part.begin(), part.end());
    return all;
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
         joined({removing({"C:\\Kit\\modules\\skins", "C:\\Kit\\modules\\web", "C:\\Kit\\modules",
                           "C:\\Kit\\update\\modules", "C:\\Kit\\update",
                           "C:\\WINDOWS\\brelk\\oem.original.0", "C:\\WINDOWS\\brelk", "C:\\Kit"}),
                 {"Erase \"C:\\brelk.bat\""}})},
        {"three backups, blanks and percent signs, leftovers and other folders",
         {"C:\\Program Files\\50% Kit\\Tuner.exe",
          "C:\\Program Files\\50% Kit\\",
          "D:\\WIN NT\\brelk",
          3,
          {"C:\\Program Files\\50% Kit\\modules\\dorvask.exe"},
          {"C:\\Program Files\\50% Kit\\Backups\\2026-12-09"},
          "C:\\Program Files\\Tuner.bat"},
         joined({erasing("C:\\Program Files\\50%% Kit\\modules\\dorvask.exe"),
                 removing({"C:\\Program Files\\50%% Kit\\Backups\\2026-12-09",
                           "C:\\Program Files\\50%% Kit\\modules\\skins",
                           "C:\\Program Files\\50%% Kit\\modules\\web",
                           "C:\\Program Files\\50%% Kit\\modules",
                           "C:\\Program Files\\50%% Kit\\update\\modules",
                           "C:\\Program Files\\50%% Kit\\update",
                           "D:\\WIN NT\\brelk\\oem.original.0", "D:\\WIN NT\\brelk\\oem.original.1",
                           "D:\\WIN NT\\brelk\\oem.original.2", "D:\\WIN NT\\brelk\\oem.original.3",
                           "D:\\WIN NT\\brelk", "C:\\Program Files\\50%% Kit"}),
                 {"Erase \"C:\\Program Files\\Tuner.bat\""}})},
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
    std::string folders;
    for (const auto& line : removing(
             {folder() + "Backups\\2026-12-09", folder() + "Backups", folder() + "modules\\skins"}))
        folders += line + "\r\n";
    EXPECT_NE(text.find(folders), std::string::npos);
    std::string workFolder;
    for (const auto& line : removing({"C:\\WINDOWS\\brelk\\oem.original.3", "C:\\WINDOWS\\brelk"}))
        workFolder += line + "\r\n";
    EXPECT_NE(text.find(workFolder), std::string::npos);
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
// system itself (nor one holding it) under any spelling the program was started under, never a
// program folder that is a folder link, and never what a folder link inside leads to.
TEST_F(Uninstall, RemovesOnlyAProgramFolderAndNeverEntersAFolderLink) {
    fake.shell.specialFolders[platform::csidl::system] = "C:\\WINDOWS\\system32";
    fake.shell.specialFolders[platform::csidl::programFiles] = "C:\\Program Files";
    fake.shell.specialFolders[platform::csidl::programFilesX86] = "C:\\Program Files (x86)";
    fake.shell.specialFolders[platform::csidl::profile] = "C:\\Documents and Settings\\Admin";
    fake.files.addAlias("X:\\", "C:\\"); // another name of drive C:
    fake.files.addDirectory("C:\\Program Files (x86)\\Common Files");
    fake.files.addShortName("C:\\Program Files (x86)", "C:\\PROGRA~2");
    fake.files.addDirectory("D:\\Tools\\Kit");
    fake.files.addShortName("D:\\Tools\\Kit", "D:\\Tools\\KIT~1");
    const struct {
        const char* folder;  // where the program lies
        const char* started; // the program folder as the program was started
        bool settings;       // holds modules\brelk.ini
        bool isLink;         // the program folder is itself a folder link
        bool removed;
    } cases[] = {
        {"C:\\Documents and Settings\\Admin\\Desktop\\", nullptr, false, false, false},
        {"C:\\WINDOWS\\", nullptr, true, false, false},
        {"C:\\WINDOWS\\", "X:\\WINDOWS\\", true, false, false},
        {"C:\\windows\\system32\\", "X:\\Windows\\System32\\", true, false, false},
        {"C:\\Program Files\\", nullptr, true, false, false},
        {"C:\\Program Files (x86)\\", "X:\\Program Files (x86)\\", true, false, false},
        {"C:\\Program Files (x86)\\", "C:\\PROGRA~2\\", true, false, false},
        {"C:\\Documents and Settings\\Admin\\", nullptr, true, false, false},
        {"C:\\Documents and Settings\\", "X:\\Documents and Settings\\", true, false,
         false}, // holds the profile
        {"D:\\Linked Kit\\", nullptr, true, true, false},
        {"D:\\Tools\\Kit\\", nullptr, true, false, true},
        {"D:\\Tools\\Kit\\", "D:\\Tools\\KIT~1\\", true, false, true},
        {"C:\\Tools\\Kit\\", "X:\\Tools\\Kit\\", true, false, true},
    };
    for (const auto& k : cases) {
        const std::string dir = k.folder;
        const std::string started = k.started ? k.started : k.folder;
        ctx.programFolder = started;
        if (k.isLink) fake.files.addFolderLink(dir);
        fake.files.addFile(dir + "brelk.exe", "exe");
        fake.files.addFile(dir + "keep.txt", "keep");
        if (k.settings) fake.files.addFile(dir + "modules\\brelk.ini", "[Options]\r\n");
        fake.files.addFolderLink(dir + "link");
        fake.files.addFile(dir + "link\\elsewhere.txt", "not ours");
        fake.files.addDirectory(dir + "link\\deeper");
        fake.shell.executions.clear();
        c<ui::ListBox>("brelkdeletelistbox").clear();
        click();
        EXPECT_EQ(fake.files.fileExists(dir + "keep.txt"), !k.removed) << started;
        EXPECT_TRUE(fake.files.fileExists(dir + "link\\elsewhere.txt")) << started;
        EXPECT_TRUE(fake.files.directoryExists("C:\\Program Files (x86)\\Common Files"));
        EXPECT_TRUE(fake.files.fileExists("C:\\WINDOWS\\explorer.exe")) << started;
        for (const auto& path : listed())
            EXPECT_EQ(path.find("elsewhere"), std::string::npos) << started;
        const std::string text = batch();
        const std::string bare = started.substr(0, started.size() - 1);
        EXPECT_EQ(text.find("rmdir \"" + bare + "\"\r\n") != std::string::npos, k.removed)
            << started;
        EXPECT_EQ(text.find("rmdir \"" + started + "link\"\r\n") != std::string::npos, k.removed)
            << started;
        EXPECT_EQ(text.find("deeper"), std::string::npos) << started;
        fake.files.deleteFile("C:\\Program Files\\brelk.bat");
    }
}

// The work folder lies in the Windows folder that the field names, which the user can edit: it
// loses only the OEM-logo copies the program made, in their numbered folders, and nothing at
// all when it is a folder of the system under another name or a folder link.
TEST_F(Uninstall, TheWorkFolderLosesOnlyTheProgramsLogoCopies) {
    fake.shell.specialFolders[platform::csidl::profile] = "C:\\Users\\brelk"; // a user "brelk"
    fake.files.addAlias("X:\\", "C:\\");
    const std::vector<std::string> notOurs = {
        work + "\\notes.txt",
        work + "\\Briefe\\brief.txt",
        work + "\\oem.original.2\\other.txt",
        work + "\\oem.original.x\\oemlogo.bmp",
        work + "\\oem.original.21\\oemlogo.bmp",
        "C:\\Users\\brelk\\oem.original.0\\oemlogo.bmp",
        "C:\\Linked\\brelk\\oem.original.0\\oemlogo.bmp",
    };
    for (const auto& file : notOurs)
        fake.files.addFile(file);
    fake.files.addFile(work + "\\oem.original.2\\oemlogo.bmp");
    fake.files.addFolderLink(work + "\\oem.original.3");
    fake.files.addFile(work + "\\oem.original.3\\oemlogo.bmp", "where the link leads");
    fake.files.addFolderLink("C:\\Linked\\brelk");
    const struct {
        const char* windows; // the field's text
        std::vector<std::string> listed;
        std::vector<std::string> removedFolders;
    } cases[] = {
        {"C:\\WINDOWS",
         {work + "\\oem.original.0\\oemlogo.bmp", work + "\\oem.original.2\\oemlogo.bmp"},
         {work + "\\oem.original.0", work + "\\oem.original.2", work}},
        {"X:\\Users", {}, {}}, // the profile
        {"C:\\Linked", {}, {}},
    };
    for (const auto& k : cases) {
        c<ui::Edit>("Edit1").setText(k.windows);
        c<ui::ListBox>("brelkdeletelistbox").clear();
        click();
        std::vector<std::string> fromWork;
        for (const auto& path : listed())
            if (path.rfind(folder(), 0) != 0) fromWork.push_back(path);
        EXPECT_EQ(fromWork, k.listed) << k.windows;
        for (const auto& path : k.listed)
            EXPECT_FALSE(fake.files.fileExists(path)) << path;
        for (const auto& file : notOurs)
            EXPECT_TRUE(fake.files.fileExists(file)) << k.windows << ": " << file;
        EXPECT_TRUE(fake.files.fileExists(work + "\\oem.original.3\\oemlogo.bmp")) << k.windows;
        const std::string text = batch();
        for (const auto& gone : k.removedFolders)
            EXPECT_NE(text.find("rmdir \"" + gone + "\"\r\n"), std::string::npos) << gone;
        for (const char* never : {"notes", "Briefe", "other.txt", "oem.original.x", "original.21",
                                  "original.3", "Users", "Linked"})
            EXPECT_EQ(text.find(never), std::string::npos) << k.windows << ": " << never;
        fake.files.deleteFile("C:\\Program Files\\brelk.bat");
        // The program file and its folder are back for the next click.
        fake.files.addFile(folder() + "brelk.exe", "exe");
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
