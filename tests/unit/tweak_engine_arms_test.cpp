// The arms of the appearance, internet, security, anti-spying and program-option rows: every
// arm at activate and at deactivate as the run log shows it, restore mode, the Office key,
// "alle Benutzer ", the folder mount and the program's own start-up entries.
#include "tweak_engine_fixture.h"
#include "tweaks/tuning_run.h"

#include <algorithm>
#include <map>

using tweak_test::EngineFixture;
using tweak_test::presetTuningPage;

namespace {

constexpr const char* kProgram = "C:\\Program Files\\Brelvanto\\";
constexpr const char* kBrelkIni = "C:\\Program Files\\Brelvanto\\modules\\brelk.ini";
constexpr const char* kRun = "Software\\Microsoft\\Windows\\CurrentVersion\\Run";
constexpr const char* kRunOnce = "Software\\Microsoft\\Windows\\CurrentVersion\\RunOnce";
constexpr const char* kStartMenu = "C:\\Dokumente\\Startmen\xFC\\Programme";
constexpr const char* kOurFolder = "C:\\Dokumente\\Startmen\xFC\\Programme\\Brelvanto Kit";
constexpr const char* kMountFolder = "C:\\Daten\\Eigene Bilder";
constexpr const char* kBrowserMain = "Software\\Microsoft\\Internet Explorer\\Main";
constexpr const char* kOfficeNone = "Software\\Microsoft\\Office\\kein Office.0\\Common\\General";

std::string inProgram(const std::string& file) {
    return kProgram + file;
}

// What the run log shows for one tested button, in walk order. Button 0 is the step of every
// run; buttons 1 and 2 are the anti-spying mode switch.
struct Expected {
    int button;
    std::vector<std::string> lines;
};

const std::vector<Expected>& expectedWalk() {
    static const std::vector<Expected> walk = {
        {194, {"NoRun: "}},
        {196, {"NoRun: 1"}},
        {197, {"AllocateFloppies: "}},
        {199, {"AllocateFloppies: 1"}},
        {200, {"AllocateCDRoms: "}},
        {202, {"AllocateCDRoms: 1"}},
        {203, {"EncryptionContextMenu: "}},
        {205, {"EncryptionContextMenu: 1"}},
        {206, {"AlwaysShowExt: ", "NeverShowExt: "}},
        {208, {"NeverShowExt: ", "AlwaysShowExt: "}},
        {209, {"NoFileAssociate: "}},
        {211, {"NoFileAssociate: 1"}},
        {230, {"brelkmountmgr: subst X: \"" + std::string(kMountFolder) + "\""}},
        {232, {"brelkmountmgr: subst X: /D"}},
        {89, {}},
        {91, {}},
        {92, {}},
        {94, {"BackBitmap: C:\\WINDOWS\\brelk\\bckgrnd.bmp"}},
        {95, {": Bitmap"}},
        {97, {": %1"}},
        {98, {"ISShortcut: ", "ISShortcut: "}},
        {100, {"ISShortcut: ", "ISShortcut: "}},
        {101, {"PaintDesktopVersion: 0"}},
        {103, {"PaintDesktopVersion: 1"}},
        {0, {"RegisteredOwner: Lizenznehmer", "RegisteredOrganization: Organisation"}},
        {112, {}},
        {104, {"Window Title: Surfen mit Brelk"}},
        {106, {"Window Title: Surfen mit Brelk"}},
        {107, {": Mein Rechner"}},
        {109, {": Mein Rechner"}},
        {113, {"EnableDeadGWDetect: "}},
        {115, {"EnableDeadGWDetect: 1"}},
        {116, {"EnablePMTUDiscovery: "}},
        {118, {"EnablePMTUDiscovery: 1"}},
        {119,
         {"CacheHashTableBucketSize: 0", "CacheHashTableSize: 384", "MaxCacheEntryTtlLimit: 64000",
          "MaxSOACacheEntryTtlLimit: 301"}},
        {121,
         {"CacheHashTableBucketSize: 0", "CacheHashTableSize: 384", "MaxCacheEntryTtlLimit: 64000",
          "MaxSOACacheEntryTtlLimit: 301"}},
        {122, {"Start Page: about:blank"}},
        {124, {"Start Page: http://www.brelvanto.example/"}},
        {125, {"ClearPageFileAtShutdown: "}},
        {127, {"ClearPageFileAtShutdown: 1"}},
        {128, {"DontDisplayLastUserName: 0"}},
        {130, {"DontDisplayLastUserName: 2"}},
        {131, {"RestrictAnonymous: "}},
        {133, {"RestrictAnonymous: 1"}},
        {134, {"RegDone: "}},
        {136, {"RegDone: 1"}},
        {157, {"Count: ", "Count: "}},
        {158, {"NoUpdateCheck: 0"}},
        {160, {"NoUpdateCheck: 1"}},
        {166, {"RecentDocs: ", "RecentDocs: "}},
        {169, {"RecentFileList: ", "RecentFileList: "}},
        {172, {"RecentFileList: ", "RecentFileList: "}},
        {173, {"Extensions: "}},
        {175, {"Extensions: ", "Extensions: "}},
        {1, {"brelkmervane: "}},
        {2, {"brelkmervane: " + inProgram("modules\\mervane.exe")}},
        {176, {}},
        {178, {"brelkdorvask: " + inProgram("modules\\dorvask.exe")}},
        {191, {}},
        {193, {"brelkpelloquin: " + inProgram("modules\\pelloquin.exe")}},
        {137, {"DisablePasswortCaching: 0"}},
        {139, {"DisablePasswortCaching: 1"}},
        {142, {}},
        {143, {"DisableInHelp: "}},
        {145, {"DisableInHelp: cmd.exe;control.exe;msconfig.exe;attrib.exe"}},
        {146, {"AutoShareServer: "}},
        {148, {"AutoShareServer: 0"}},
        {149, {"NoTrack: "}},
        {151, {"NoTrack: 1"}},
        {152, {"AcbControl: "}},
        {154, {"AcbControl: 1"}},
        {179, {}},
        {181, {}},
    };
    return walk;
}

struct Arms : EngineFixture {
    Arms() {
        setEdit("Edit8", "http://www.brelvanto.example");
        w().c<ui::Label>("Label5").setCaption("Version 5.0");
        field("Edit5", "Surfen mit Brelk");
        field("Edit4", "Mein Rechner");
        field("Edit11", kMountFolder);
        field("Edit12", "X");
        fake.files.addDirectory(kMountFolder);
        fake.files.addDirectory(kStartMenu);
        fake.shell.specialFolders[platform::csidl::programs] = kStartMenu;
    }
    void field(const std::string& name, const std::string& text) {
        tweak_test::setDialogField(*form7, name, text);
    }
    // The category header labels: deactivate, activate.
    void clickHeaders(bool activate) {
        w().c<ui::Panel>("Panel2").show();
        for (auto [deact, act] : {std::pair{"Label167", "Label165"},
                                  {"Label168", "Label170"},
                                  {"Label171", "Label173"},
                                  {"Label174", "Label176"},
                                  {"Label177", "Label179"}})
            w().c<ui::Label>(activate ? act : deact).click();
    }
    bool checked(int button) {
        return w().c<ui::RadioButton>("RadioButton" + std::to_string(button)).checked();
    }
    // The log the walk should write for the buttons now checked.
    std::vector<std::string> expectedLog() {
        std::vector<std::string> all = {"Brelk: ", "brelkuninstall: \"" +
                                                       inProgram("uninstall.exe\" /afterrestart")};
        for (const Expected& e : expectedWalk())
            if (e.button == 0 || checked(e.button))
                all.insert(all.end(), e.lines.begin(), e.lines.end());
        return all;
    }
    std::vector<std::string> executions() {
        std::vector<std::string> out;
        for (const auto& e : fake.shell.executions)
            out.push_back(e.verb + " " + e.file + " [" + e.parameters + "] " +
                          std::to_string(e.showCommand));
        return out;
    }
    void restoreWith(std::map<int, std::string> entries) {
        w().state.restoremode = 1;
        for (auto& [k, v] : entries)
            w().state.restoretable[static_cast<std::size_t>(k)] = v;
    }
    std::vector<std::string> linesStartingWith(const std::string& prefix) {
        std::vector<std::string> out;
        for (const auto& l : log())
            if (l.rfind(prefix, 0) == 0) out.push_back(l);
        return out;
    }
};

TEST_F(Arms, EveryArmAtActivateThenAtDeactivateWritesItsLogLinesInWalkOrder) {
    fake.files.addFile(kBrelkIni, "[Options]\r\npelloquin=0\r\n");
    fake.processes.add("pelloquin.exe");
    for (bool activate : {true, false}) {
        SCOPED_TRACE(activate ? "activate" : "deactivate");
        fake.shell.executions.clear();
        clickHeaders(activate);
        int tested = 0;
        for (const Expected& e : expectedWalk())
            tested += e.button > 2 && checked(e.button);
        // Every row's activate arm; the deactivate arms but those of six one-shot rows.
        EXPECT_EQ(tested, activate ? 38 : 32);
        startRun();
        EXPECT_TRUE(h.dialogs.messages.empty());
        EXPECT_EQ(log(), expectedLog());
        EXPECT_EQ(fake.profiles.readString(kBrelkIni, "Options", "pelloquin", ""),
                  activate ? "1" : "0");
        if (activate) {
            EXPECT_EQ(executions(), (std::vector<std::string>{
                                        "open ipconfig [/flushdns] 2",
                                        "open " + inProgram("modules\\pelloquin.exe") + " [] 1",
                                        "open sfc [/scanonce] 2"}));
        } else {
            EXPECT_TRUE(executions().empty());
        }
    }
    // The start-button program was ended by both arms; its own button came back once.
    EXPECT_EQ(fake.processes.terminations.size(), 1u);
    EXPECT_EQ(fake.desktop.startButtonShown, 1);
}

// The spellings that differ from their neighbours' reach their own keys.
TEST_F(Arms, KeysKeepTheirOwnSpelling) {
    check(109);
    check(199);
    check(130);
    startRun();
    const std::string explorer = "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Clsid\\"
                                 "{20D04FE0-3AEA-1069-A2D8-08002B30309D}";
    EXPECT_EQ(text(CU, explorer + " ", ""), "Mein Rechner");
    EXPECT_FALSE(keyExists(CU, explorer)) << "the key keeps its trailing blank";
    EXPECT_EQ(
        number(LM, "Software\\Microsoft\\WindowsNT\\CurrentVersion\\Winlogon", "AllocateFloppies"),
        1);
    EXPECT_EQ(text(LM, "Software\\Microsoft\\Windows NT\\CurrentVersion\\Winlogon",
                   "DontDisplayLastUserName"),
              "2");
}

// Restore mode for each kind of restore entry: "if filled" with an empty and a filled
// entry, "always" with an empty and a filled entry, and the shortcut arrows' own rule.
TEST_F(Arms, RestoreEntriesReplaceTheData) {
    struct Case {
        int button;
        std::map<int, std::string> entries;
        std::string line;
    };
    const std::vector<Case> cases = {
        {103, {}, "PaintDesktopVersion: 1"},
        {103, {{17, "0"}}, "PaintDesktopVersion: 0"},
        {115, {{22, "0"}}, "EnableDeadGWDetect: 0"},
        {113, {{22, "1"}}, "EnableDeadGWDetect: "},
        {97, {}, ": "},
        {95, {{13, "%1"}}, ": %1"},
        {106, {}, "Window Title: "},
        {104, {{21, "Alter Titel"}}, "Window Title: Alter Titel"},
        {109, {{48, "Arbeitsplatz"}}, ": Arbeitsplatz"},
        {136, {}, "RegDone: "},
        {128, {{30, "1"}}, "DontDisplayLastUserName: 1"},
        {160, {}, "NoUpdateCheck: "},
        {158, {{34, "1"}}, "NoUpdateCheck: 1"},
        {122, {}, "Start Page: about:blank"},
        {122, {{28, "http://alt.example/"}}, "Start Page: http://alt.example/"},
        {124, {{28, "http://alt.example/"}}, "Start Page: http://alt.example/"},
        {211, {{62, "0"}}, "NoFileAssociate: 0"},
        {178, {{1, "x"}}, "brelkdorvask: " + inProgram("modules\\dorvask.exe")},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.button);
        w().state.restoretable = {};
        check(c.button);
        restoreWith(c.entries);
        startRun();
        EXPECT_TRUE(h.dialogs.messages.empty());
        ASSERT_GE(log().size(), 3u);
        auto found = std::find(log().begin(), log().end(), c.line);
        EXPECT_NE(found, log().end()) << c.line;
        presetTuningPage(w());
    }
}

TEST_F(Arms, TheStartPageRowWithoutAPrimaryServerWritesABlankPage) {
    for (const char* server : {"http://", ""}) {
        SCOPED_TRACE(server);
        presetTuningPage(w());
        w().c<ui::Edit>("Edit8").setText(server);
        check(124);
        startRun();
        EXPECT_NE(std::find(log().begin(), log().end(), "Start Page: about:blank"), log().end());
    }
}

TEST_F(Arms, ShortcutArrowsInRestoreModeFollowEntry16) {
    for (int button : {98, 100}) {
        for (const std::string& entry : {std::string("set"), std::string(), std::string("x")}) {
            SCOPED_TRACE(std::to_string(button) + " entry " + entry);
            presetTuningPage(w());
            check(button);
            restoreWith({{16, entry}});
            fake.registry.createKey(CR, "lnkfile")->writeString("ISShortcut", "");
            startRun();
            bool removed = entry == "set";
            EXPECT_EQ(text(CR, "lnkfile", "ISShortcut").has_value(), !removed);
            EXPECT_EQ(text(CR, "piffile", "ISShortcut").has_value(), !removed);
        }
    }
    // Outside restore mode the buttons decide.
    w().state.restoremode = 0;
    presetTuningPage(w());
    check(100);
    startRun();
    EXPECT_EQ(text(CR, "lnkfile", "ISShortcut"), std::nullopt);
}

TEST_F(Arms, OemLogoIsCopiedAndNamedAndRestoredFromTheFirstBackup) {
    fake.registry.createKey(LM, "SOFTWARE\\Kestovar")->writeString("logo", "C:\\Bilder\\logo.bmp");
    fake.files.addFile("C:\\Bilder\\logo.bmp", "neues Logo");
    fake.files.addFile("C:\\WINDOWS\\system\\oemlogo.bmp", "altes Logo");
    fake.files.addFile("C:\\WINDOWS\\system\\oeminfo.ini", "[general]\r\n",
                       platform::fileattr::readOnly);
    check(89);
    startRun(); // outside restore mode the deactivate arm does nothing
    EXPECT_EQ(fake.files.readFile("C:\\WINDOWS\\system\\oemlogo.bmp"), "altes Logo");

    check(91);
    startRun();
    EXPECT_EQ(fake.files.readFile("C:\\WINDOWS\\system\\oemlogo.bmp"), "neues Logo");
    const char* info = "C:\\WINDOWS\\system\\oeminfo.ini";
    EXPECT_EQ(fake.files.attributes(info), platform::fileattr::normal);
    EXPECT_EQ(fake.profiles.readString(info, "general", "Manufacturer", ""), "Brelvanto Kit 2005");
    EXPECT_EQ(fake.profiles.readString(info, "general", "Model", ""), "Version 5.0");

    // In restore mode the activate arm ends with the backed-up logo, or with none.
    restoreWith({});
    startRun();
    EXPECT_FALSE(fake.files.fileExists("C:\\WINDOWS\\system\\oemlogo.bmp"));
    fake.files.addFile("C:\\WINDOWS\\brelk\\oem.original.1\\oemlogo.bmp", "Original");
    check(89);
    startRun();
    EXPECT_EQ(fake.files.readFile("C:\\WINDOWS\\system\\oemlogo.bmp"), "Original");
}

TEST_F(Arms, ToolbarBitmapIsCopiedFromTheSkinAndRemoved) {
    fake.registry.createKey(LM, "SOFTWARE\\Kestovar")->writeString("skin", "C:\\Skins\\02.bmp");
    fake.files.addFile("C:\\Skins\\02.bmp", "Skin");
    fake.files.addFile("C:\\WINDOWS\\brelk\\bckgrnd.bmp", "alt");
    check(94);
    startRun();
    EXPECT_EQ(fake.files.readFile("C:\\WINDOWS\\brelk\\bckgrnd.bmp"), "Skin");
    EXPECT_EQ(text(CU, "Software\\Microsoft\\Internet Explorer\\Toolbar", "BackBitmap"),
              "C:\\WINDOWS\\brelk\\bckgrnd.bmp");
    // A skin value of the wrong type counts as no skin: the old bitmap is gone.
    fake.registry.createKey(LM, "SOFTWARE\\Kestovar")->writeInteger("skin", 2);
    startRun();
    EXPECT_FALSE(fake.files.fileExists("C:\\WINDOWS\\brelk\\bckgrnd.bmp"));
    fake.files.addFile("C:\\WINDOWS\\brelk\\bckgrnd.bmp", "alt");
    check(92);
    startRun();
    EXPECT_FALSE(fake.files.fileExists("C:\\WINDOWS\\brelk\\bckgrnd.bmp"));
}

// A logo or skin that is the run's target file itself stays as it is.
TEST_F(Arms, APictureThatIsItsTargetIsKept) {
    const std::pair<int, std::string> rows[] = {{91, "logo"}, {94, "skin"}};
    const std::string targets[] = {"c:\\windows\\SYSTEM\\OEMLOGO.bmp",
                                   "C:\\WINDOWS\\brelk\\bckgrnd.bmp"};
    for (std::size_t i = 0; i < 2; ++i) {
        SCOPED_TRACE(rows[i].second);
        fake.registry.createKey(LM, "SOFTWARE\\Kestovar")->writeString(rows[i].second, targets[i]);
        fake.files.addFile(targets[i], "Bild");
        check(rows[i].first);
        startRun();
        EXPECT_EQ(fake.files.readFile(targets[i]), "Bild");
    }
}

TEST_F(Arms, OfficeKeyFollowsTheInstalledWord) {
    const std::vector<std::pair<std::optional<std::string>, std::string>> cases = {
        {std::nullopt, "kein Office"},
        {"Word.Application.11", "11"},
        {"Word.Application.9", "9"},
        {"Word.Application.7", "unbekanntes Office"},
    };
    check(151);
    check(152);
    for (const auto& [curVer, version] : cases) {
        SCOPED_TRACE(version);
        if (curVer)
            fake.registry.createKey(CR, "Word.Application\\CurVer")->writeString("", *curVer);
        startRun();
        const std::string key = "Software\\Microsoft\\Office\\" + version + ".0\\Common\\General";
        EXPECT_EQ(number(CU, key, "NoTrack"), 1);
        EXPECT_TRUE(keyExists(CU, key));
    }
    // A version that is no number ends the run with the conversion error.
    fake.registry.createKey(CR, "Word.Application\\CurVer")->writeString("", "Word.Application.x");
    startRun();
    ASSERT_EQ(h.dialogs.messages.size(), 1u);
    EXPECT_EQ(h.dialogs.messages[0].text, "'x' is not a valid integer value.");
}

TEST_F(Arms, AllUsersSendsCurrentUserRowsToTheMachineButNotTheTypedAddresses) {
    check(4);
    clickHeaders(true);
    fake.registry.createKey(CU, "Software\\Microsoft\\Internet Explorer\\TypedURLs")
        ->writeString("url3", "http://geheim.example/");
    startRun();
    EXPECT_TRUE(h.dialogs.messages.empty());
    for (const auto& [key, name] : std::vector<std::pair<std::string, std::string>>{
             {"Software\\Microsoft\\Windows\\CurrentVersion\\Internet Settings",
              "DisablePasswortCaching"},
             {"Policies\\Microsoft\\Windows\\System", "DisableInHelp"},
             {"System\\CurrentControlSet\\Services\\LanmanServer\\Parameters", "AutoShareServer"},
             {kOfficeNone, "NoTrack"},
             {"Software\\Microsoft\\Windows\\CurrentVersion\\Policies\\Explorer", "NoRun"},
             {kBrowserMain, "Start Page"},
             {kRun, "brelkdorvask"},
             {kRun, "brelkpelloquin"},
             {kRun, "brelkmervane"},
             {kRunOnce, "brelkmountmgr"}}) {
        auto machine = fake.registry.openKey(LM, key, platform::KeyAccess::Read);
        EXPECT_TRUE(machine && machine->valueExists(name)) << name;
        EXPECT_FALSE(keyExists(CU, key)) << name;
    }
    // The typed addresses are always the current user's.
    auto typed = fake.registry.openKey(CU, "Software\\Microsoft\\Internet Explorer\\TypedURLs",
                                       platform::KeyAccess::Read);
    ASSERT_TRUE(typed);
    EXPECT_TRUE(typed->valueNames().empty());
}

TEST_F(Arms, StartEntriesAreDeletedForTheUserAndWithAllUsersForTheMachineToo) {
    struct Case {
        bool allUsers;
        bool machineLeft;
    };
    for (Case c : {Case{false, true}, Case{true, false}}) {
        SCOPED_TRACE(c.allUsers ? "alle Benutzer" : "angemeldeter Benutzer");
        for (auto root : {CU, LM}) {
            auto run = fake.registry.createKey(root, kRun);
            run->writeString("brelkdorvask", "d");
            run->writeString("brelkpelloquin", "p");
        }
        check(c.allUsers ? 4 : 3);
        check(176);
        check(191);
        startRun();
        EXPECT_EQ(linesStartingWith("brelkdorvask").size(), 0u) << "no log line";
        EXPECT_EQ(text(CU, kRun, "brelkdorvask"), std::nullopt);
        EXPECT_EQ(text(CU, kRun, "brelkpelloquin"), std::nullopt);
        EXPECT_EQ(text(LM, kRun, "brelkdorvask").has_value(), c.machineLeft);
        EXPECT_EQ(text(LM, kRun, "brelkpelloquin").has_value(), c.machineLeft);
    }
}

TEST_F(Arms, AntiSpyModeOnceRemovesTheStartEntryWhateverTheRows) {
    fake.registry.createKey(CU, kRun)->writeString("brelkmervane", "m");
    check(1);
    clickHeaders(true);
    startRun();
    EXPECT_EQ(text(CU, kRun, "brelkmervane"), std::nullopt);
    EXPECT_EQ(linesStartingWith("brelkmervane"), std::vector<std::string>{"brelkmervane: "});
}

// A folder below C:\Daten of the length that makes "subst X: "<folder>"" a command of that
// length, with a backslash at one place of the folder.
std::string longFolder(std::size_t commandLength, std::size_t backslashAt = 70) {
    std::string folder = "C:\\Daten\\" + std::string(commandLength - 20, 'a');
    folder[backslashAt] = '\\';
    return folder;
}

TEST_F(Arms, MountCommandOnlyForADriveLetterAndAnExistingFolder) {
    struct Case {
        int button;
        std::string letter, folder;
        std::optional<std::string> written;
        bool logsRefusal;
    };
    const std::vector<Case> cases = {
        {230, "X", kMountFolder, "subst X: \"C:\\Daten\\Eigene Bilder\"", false},
        {230, "m", kMountFolder, "subst m: \"C:\\Daten\\Eigene Bilder\"", false},
        {230, "X", "C:\\fehlt", std::nullopt, false},
        {232, "X", "C:\\fehlt", "subst X: /D", false},
        {230, "...", kMountFolder, std::nullopt, true},
        {232, "...", kMountFolder, std::nullopt, true},
        {230, "", kMountFolder, std::nullopt, true},
        {230, "1", kMountFolder, std::nullopt, true},
        {232, "\xC4", kMountFolder, std::nullopt, true},
        // The field keeps one character, so a typed "XY" mounts X:.
        {230, "XY", kMountFolder, "subst X: \"C:\\Daten\\Eigene Bilder\"", false},
        // No backslash before the closing quote, where it would escape the quote.
        {230, "X", "C:\\", "subst X: \"C:\"\\", false},
        {230, "X", "C:\\Daten\\", "subst X: \"C:\\Daten\"", false},
        // A command is written whole or not at all: 149 and 150 characters, then 151.
        {230, "X", longFolder(149), "subst X: \"" + longFolder(149) + "\"", false},
        {230, "X", longFolder(150), "subst X: \"" + longFolder(150) + "\"", false},
        {230, "X", longFolder(151), std::nullopt, false},
        // Cut to 150, this one would mount the folder's parent.
        {230, "X", longFolder(152, 139), std::nullopt, false},
    };
    for (const Case& c : cases) {
        if (c.folder != "C:\\fehlt") fake.files.addDirectory(c.folder);
        SCOPED_TRACE(std::to_string(c.button) + " '" + c.letter + "' " + c.folder);
        fake.registry.createKey(CU, kRunOnce)->deleteValue("brelkmountmgr");
        field("Edit12", c.letter);
        field("Edit11", c.folder);
        check(c.button);
        startRun();
        EXPECT_TRUE(h.dialogs.messages.empty());
        EXPECT_EQ(text(CU, kRunOnce, "brelkmountmgr"), c.written);
        auto lines = linesStartingWith("brelkmountmgr");
        if (c.folder.size() + 11 > 150) {
            EXPECT_EQ(lines,
                      std::vector<std::string>{
                          "brelkmountmgr: Befehl länger als 150 Zeichen, nichts geschrieben"});
        } else if (c.logsRefusal) {
            ASSERT_EQ(lines.size(), 1u);
            // The field keeps the first character of what is typed.
            EXPECT_EQ(lines[0], "brelkmountmgr: \"" + c.letter.substr(0, 1) +
                                    "\" ist kein Laufwerksbuchstabe (A bis Z), nichts geschrieben");
        } else {
            EXPECT_EQ(lines.size(), c.written ? 1u : 0u);
        }
    }
}

TEST_F(Arms, StartMenuShortcutsAreCreatedAndRemoved) {
    check(181);
    startRun();
    ASSERT_EQ(fake.desktop.links.size(), 2u);
    const auto& program = fake.desktop.links[std::string(kOurFolder) + "\\Brelvanto Kit 2005.lnk"];
    EXPECT_EQ(program.target, inProgram("brelk.exe"));
    EXPECT_EQ(program.description, "Brelvanto Kit 2005 starten");
    const auto& uninstall = fake.desktop.links[std::string(kOurFolder) + "\\Uninstall.lnk"];
    EXPECT_EQ(uninstall.target, inProgram("uninstall.exe"));
    EXPECT_EQ(uninstall.description, "Brelvanto Kit 2005 deinstallieren");

    check(179);
    startRun();
    EXPECT_FALSE(fake.files.directoryExists(kOurFolder));
    EXPECT_TRUE(fake.files.directoryExists(kStartMenu));

    // A folder that holds more than the two links stays.
    check(181);
    startRun();
    fake.files.addFile(std::string(kOurFolder) + "\\Liesmich.txt");
    check(179);
    startRun();
    EXPECT_TRUE(fake.files.fileExists(std::string(kOurFolder) + "\\Liesmich.txt"));
    EXPECT_FALSE(fake.files.fileExists(std::string(kOurFolder) + "\\Uninstall.lnk"));

    // Without a programs folder nothing is made relative to the current folder.
    fake.shell.specialFolders.clear();
    fake.desktop.links.clear();
    check(181);
    startRun();
    EXPECT_TRUE(fake.desktop.links.empty());
}

TEST_F(Arms, StartButtonMiddleLeavesTheOptionAloneAndMissingFileIsNoError) {
    check(193);
    startRun(); // no brelk.ini: nothing written, no error
    EXPECT_TRUE(h.dialogs.messages.empty());
    EXPECT_FALSE(fake.files.fileExists(kBrelkIni));

    fake.files.addFile(kBrelkIni, "[Options]\r\npelloquin=1\r\n", platform::fileattr::readOnly);
    check(192);
    startRun();
    EXPECT_EQ(fake.profiles.readString(kBrelkIni, "Options", "pelloquin", ""), "1");
    check(191);
    startRun();
    EXPECT_EQ(fake.profiles.readString(kBrelkIni, "Options", "pelloquin", ""), "0");
}

} // namespace
