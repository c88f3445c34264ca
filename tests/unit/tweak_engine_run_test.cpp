// The tuning run: its frame, the walk order as the run log shows it, restore mode and the
// performance arms.
#include "tweak_engine_fixture.h"
#include "tweaks/tuning_run.h"
#include "tweaks/walk_order.h"

#include <algorithm>
#include <map>
#include <set>

using tweak_test::Column;
using tweak_test::EngineFixture;

namespace {

constexpr const char* kMemory =
    "SYSTEM\\CurrentControlSet\\Control\\Session Manager\\Memory Management";
constexpr const char* kCurrentVersion = "SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion";
constexpr const char* kCdfs = "SYSTEM\\CurrentControlSet\\Control\\FileSystem\\CDFS";
constexpr const char* kDesktop = "Control Panel\\Desktop";
constexpr const char* kUninstall = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Uninstall";
constexpr const char* kRunOnce = "Software\\Microsoft\\Windows\\CurrentVersion\\RunOnce";
constexpr const char* kBrelkIni = "C:\\Program Files\\Brelvanto\\modules\\brelk.ini";

const std::vector<std::string> kFrameStart = {
    "Brelk: ", "brelkuninstall: \"C:\\Program Files\\Brelvanto\\uninstall.exe\" /afterrestart"};
const std::vector<std::string> kOwner = {"RegisteredOwner: Lizenznehmer",
                                         "RegisteredOrganization: Organisation"};
// The anti-spying program is started with Windows while "dauerhaft" is checked.
const std::string kAntiSpyStart =
    "brelkmervane: C:\\Program Files\\Brelvanto\\modules\\mervane.exe";

std::vector<std::string> joined(std::initializer_list<std::vector<std::string>> parts) {
    std::vector<std::string> all;
    for (const auto& p : parts)
        all.insert(all.end(), p.begin(), p.end());
    return all;
}

struct Run : EngineFixture {
    void setAll(Column column) { tweak_test::setRows(w(), tweak_test::performanceRows(), column); }
    void restoreWith(std::map<int, std::string> entries) {
        w().state.restoremode = 1;
        for (auto& [k, v] : entries)
            w().state.restoretable[static_cast<std::size_t>(k)] = v;
    }
    std::vector<std::string> executions() {
        std::vector<std::string> out;
        for (const auto& e : fake.shell.executions)
            out.push_back(e.verb + " " + e.file + " [" + e.parameters + "] " +
                          std::to_string(e.showCommand));
        return out;
    }
};

TEST(WalkOrder, VisitsEveryPositionOnceInOrderAndUsesEveryArmOnce) {
    std::vector<int> positions;
    std::set<brelk::ArmId> used;
    for (const auto& entry : brelk::walkOrder()) {
        if (positions.empty() || positions.back() != entry.position)
            positions.push_back(entry.position);
        if (entry.arm == brelk::ArmId::none) continue;
        EXPECT_TRUE(used.insert(entry.arm).second) << "arm used twice at " << entry.position;
        EXPECT_FALSE(brelk::armFor(entry.arm).empty()) << "no arm at " << entry.position;
    }
    ASSERT_EQ(positions.size(), 78u);
    for (int i = 0; i < 78; ++i)
        EXPECT_EQ(positions[static_cast<std::size_t>(i)], i + 1);
    std::size_t arms = 0;
    for (auto table : {brelk::frameArms(), brelk::performanceArms(), brelk::appearanceArms(),
                       brelk::internetArms(), brelk::securityArms(), brelk::antiSpyingArms(),
                       brelk::programOptionArms()})
        arms += table.size();
    EXPECT_EQ(used.size(), arms);
}

TEST_F(Run, NoChangeRunStillDoesTheFrameAndTheOwnerStep) {
    fake.registry.createKey(CU, std::string(kUninstall) + "\\Brelk\\Sub");
    fake.files.addFile(kBrelkIni, "[Options]\r\nversion=5\r\n",
                       platform::fileattr::readOnly | platform::fileattr::hidden);
    w().c<ui::CheckBox>("CheckBox3").setChecked(false);
    setEdit("Edit3", "Erika Muster");
    setEdit("Edit4", "Muster GmbH");
    startRun();

    EXPECT_TRUE(h.dialogs.messages.empty());
    EXPECT_EQ(log(), joined({kFrameStart,
                             {"RegisteredOwner: Erika Muster",
                              "RegisteredOrganization: Muster GmbH", kAntiSpyStart}}));
    EXPECT_FALSE(keyExists(CU, std::string(kUninstall) + "\\Brelk"));
    EXPECT_EQ(text(CU, kRunOnce, "brelkuninstall"),
              "\"C:\\Program Files\\Brelvanto\\uninstall.exe\" /afterrestart");
    EXPECT_EQ(text(LM, kCurrentVersion, "RegisteredOwner"), "Erika Muster");
    EXPECT_EQ(text(LM, kCurrentVersion, "RegisteredOrganization"), "Muster GmbH");
    EXPECT_EQ(fake.profiles.readString(kBrelkIni, "Dorvask", "freemem", ""), "1");
    EXPECT_EQ(fake.profiles.readString(kBrelkIni, "Dorvask", "mervane", ""), "0");
    EXPECT_EQ(fake.profiles.readString(kBrelkIni, "Options", "version", ""), "5");
    EXPECT_TRUE(fake.shell.executions.empty());

    // The progress display is started for the timer to drive.
    for (const char* gauge : {"Gauge1", "Gauge2", "Gauge3"}) {
        EXPECT_TRUE(w().c<ui::Gauge>(gauge).visible());
        EXPECT_EQ(w().c<ui::Gauge>(gauge).position(), 0);
    }
    EXPECT_TRUE(w().c<ui::Timer>("Timer1").enabled());
}

TEST_F(Run, AfterRestartNoRunOnceValueAndNoSettingsFileNoOptions) {
    ctx.params = {"/afterrestart"};
    w().c<ui::Memo>("Memo3").addLine("left from before");
    w().c<ui::Gauge>("Gauge2").setPosition(70);
    startRun();
    EXPECT_EQ(log(), joined({{"Brelk: "}, kOwner, {kAntiSpyStart}}));
    EXPECT_EQ(text(CU, kRunOnce, "brelkuninstall"), std::nullopt);
    EXPECT_EQ(w().c<ui::Gauge>("Gauge2").position(), 0);
    EXPECT_FALSE(fake.files.fileExists(kBrelkIni));
}

// The commands Windows starts at logon (the uninstall's run-once value, the anti-spying
// program's run value) are written whole, never cut: a program folder too long for them is named
// by its short form when that fits, else nothing is written and the log says why.
TEST_F(Run, LogonCommandsAreWrittenWholeOrNotAtAll) {
    // A folder of the given length with its trailing backslash; the uninstall command is 29
    // longer, the anti-spying one 19.
    auto folderOf = [](std::size_t length) {
        return "C:\\L\\" + std::string(length - 6, 'a') + "\\";
    };
    const std::string refused = "Befehl länger als 150 Zeichen, nichts geschrieben";
    const char* kRun = "Software\\Microsoft\\Windows\\CurrentVersion\\Run";
    const struct {
        std::string folder;
        const char* shortName; // its short form, if the system has one
        bool exists;
        std::optional<std::string> uninstall;
        std::optional<std::string> antiSpy;
    } cases[] = {
        {folderOf(121), nullptr, true, "\"" + folderOf(121) + "uninstall.exe\" /afterrestart",
         folderOf(121) + "modules\\mervane.exe"},
        {folderOf(122), "C:\\L\\AAAAAA~1", true, "\"C:\\L\\AAAAAA~1\\uninstall.exe\" /afterrestart",
         folderOf(122) + "modules\\mervane.exe"},
        {folderOf(132), "C:\\L\\AAAAAA~1", true, "\"C:\\L\\AAAAAA~1\\uninstall.exe\" /afterrestart",
         "C:\\L\\AAAAAA~1\\modules\\mervane.exe"},
        {folderOf(166), "C:\\L\\AAAAAA~2", true, "\"C:\\L\\AAAAAA~2\\uninstall.exe\" /afterrestart",
         "C:\\L\\AAAAAA~2\\modules\\mervane.exe"},
        {folderOf(166), nullptr, true, std::nullopt, std::nullopt}, // its short form is as long
        {folderOf(166), nullptr, false, std::nullopt, std::nullopt},
    };
    auto logHas = [this](const std::string& line) {
        return std::find(log().begin(), log().end(), line) != log().end();
    };
    for (const auto& k : cases) {
        SCOPED_TRACE(k.folder.size());
        fake.files = platform::FakeFileSystem(k.exists ? k.folder : "C:\\Kit\\");
        if (k.shortName) fake.files.addShortName(k.folder, k.shortName);
        fake.registry.createKey(CU, kRunOnce)->deleteValue("brelkuninstall");
        fake.registry.createKey(CU, kRun)->deleteValue("brelkmervane");
        ctx.programFolder = k.folder;
        startRun();
        EXPECT_EQ(text(CU, kRunOnce, "brelkuninstall"), k.uninstall);
        ASSERT_GE(log().size(), 2u);
        EXPECT_EQ(log()[1], "brelkuninstall: " + k.uninstall.value_or(refused));
        EXPECT_EQ(text(CU, kRun, "brelkmervane"), k.antiSpy);
        EXPECT_TRUE(
            logHas(k.antiSpy ? "brelkmervane: " + *k.antiSpy : "modules\\mervane.exe: " + refused));
        EXPECT_TRUE(h.dialogs.messages.empty());
    }
}

const std::vector<std::string> kActivateLog = {
    "LargeSystemCache: 1",
    "MenuShowDelay: 250",
    "Autorun: 0",
    "DisablePagingExecutive: 1",
    "IoPageLockLimit: 131072",
    "Pagingfiles: C:\\pagefile.sys 384 768",
    "AlwaysUnloadDLL: ",
    "WaitToKillServiceTimeOut: 2000",
    "AutoEndTasks: 200",
    "KeyCacheValidationPeriod: 10800",
    "NtfsMftZoneReservation: 2",
    "Prefetch: 16384",
    "PrefetchTail: 1024",
    "MinAnimate: 1",
    ": {C2FBB630-2971-11D1-A18C-00C04FD75D13}",
    ": {C2FBB631-2971-11D1-A18C-00C04FD75D13}",
    ": C:\\WINDOWS\\system32\\cmd.exe",
    ": Eingabeaufforderung",
    "AllocateDASD: 2",
    "**del.PromptPasswordOnResume: ",
    "Use Search Asst: no",
    "RegisteredOwner: Lizenznehmer",
    "RegisteredOrganization: Organisation",
    "checkedvalue: 0",
    kAntiSpyStart,
    "DisableSR: 1",
    "COM1:: 128000,n,8,1,x",
    "COM2:: 128000,n,8,1,x",
    "MaxCachedIcons: 600",
    "DefaultSeparateVDM: yes",
    "Win32PrioritySeparation: 38",
    "SizRegBuf: 65535",
    "MessageExpiryDays: 0",
    ": ",
    "HideMessenger: 1",
    "NoLowDiskSpaceCheck: 1",
};

TEST_F(Run, EverythingAtActivateWalksInTheFixedOrder) {
    w().c<ui::TrackBar>("TrackBar1").setPosition(250);
    fake.registry.createKey(CU, "Control Panel\\Desktop\\WindowMetrics")
        ->writeString("Shell Icon Size", "32");
    fake.desktop.activeDesktop = true;
    fake.desktop.modes = {{1024, 768, 16, 75}};
    setAll(Column::act);
    startRun();

    EXPECT_TRUE(h.dialogs.messages.empty());
    EXPECT_EQ(log(), joined({kFrameStart, kActivateLog}));
    EXPECT_EQ(executions(), (std::vector<std::string>{
                                "open C:\\Program Files\\Brelvanto\\modules\\fennock.exe [] 2",
                                "open C:\\Program Files\\Brelvanto\\modules\\grisolt.exe [] 2",
                                "open Rundll32.exe [regsvr32 /s /u shimgvw.dll ] 2",
                                "open Rundll32.exe [advapi32.dll] 2"}));
    EXPECT_EQ(fake.desktop.settingsBroadcasts, 2);
    EXPECT_EQ(fake.desktop.appliedModes, std::vector<std::uint32_t>{0});
    EXPECT_FALSE(fake.desktop.activeDesktop);

    EXPECT_EQ(number(LM, kMemory, "LargeSystemCache"), 1);
    EXPECT_EQ(text(CU, kDesktop, "MenuShowDelay"), "250");
    EXPECT_EQ(text(LM, kMemory, "Pagingfiles"), "C:\\pagefile.sys 384 768");
    EXPECT_EQ(text(LM, "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Explorer", "AlwaysUnloadDLL"),
              "");
    EXPECT_EQ(number(LM, kCdfs, "PrefetchTail"), 1024);
    EXPECT_EQ(text(CR, "Folder\\shell\\CMDPrompt\\command", ""), "C:\\WINDOWS\\system32\\cmd.exe");
    EXPECT_EQ(text(CR, "Folder\\shell\\CMDPrompt", ""), "Eingabeaufforderung");
    EXPECT_EQ(number(CU, "Software\\Microsoft\\Outlook Express", "HideMessenger"), 1);
    EXPECT_EQ(text(CU, "Control Panel\\Desktop\\WindowMetrics", "Shell Icon Size"), "32");
}

const std::vector<std::string> kDeactivateLog = {
    "LargeSystemCache: 0",
    "MenuShowDelay: 400",
    "Autorun: 1",
    "DisablePagingExecutive: 0",
    "IoPageLockLimit: 512",
    "AlwaysUnloadDLL: ",
    "WaitToKillServiceTimeOut: 20000",
    "AutoEndTasks: 2000",
    "KeyCacheValidationPeriod: 10800",
    "NtfsMftZoneReservation: 1",
    "CDFS: ",
    "MinAnimate: 0",
    "CoptyTo: ",
    "MoveTo: ",
    "CMDPrompt: ",
    "AllocateDASD: 0",
    "**del.PromptPasswordOnResume: ",
    "Use Search Asst: yes",
    "RegisteredOwner: Lizenznehmer",
    "RegisteredOrganization: Organisation",
    "checkedvalue: 1",
    kAntiSpyStart,
    "DisableSR: 0",
    "COM1:: 9600,n,8,1",
    "COM2:: 9600,n,8,1",
    "MaxCachedIcons: 300",
    "DefaultSeparateVDM: no",
    "Win32PrioritySeparation: 38",
    "SizRegBuf: 65535",
    "MessageExpiryDays: ",
    ": {87D62D94-71B3-4b9a-9489-5FE6850DC73E}",
    "HideMessenger: ",
    "NoLowDiskSpaceCheck: ",
};

TEST_F(Run, EverythingAtDeactivateWritesTheDefaultsAndLeavesOneShotRowsAlone) {
    fake.registry.createKey(CR, "Folder\\shell\\CMDPrompt\\command");
    fake.registry.createKey(LM, kCdfs)->writeInteger("Prefetch", 16384);
    fake.registry.createKey(CU, "Software\\Microsoft\\Outlook Express")
        ->writeInteger("HideMessenger", 1);
    fake.registry.createKey(CU, "Control Panel\\Desktop\\WindowMetrics")
        ->writeString("Shell Icon Size", "32");
    fake.desktop.modes = {{1024, 768, 16, 75}};
    setAll(Column::deact);
    startRun();

    EXPECT_TRUE(h.dialogs.messages.empty());
    EXPECT_EQ(log(), joined({kFrameStart, kDeactivateLog}));
    EXPECT_EQ(executions(),
              std::vector<std::string>{"open Rundll32.exe [regsvr32 /s shimgvw.dll ] 2"});
    EXPECT_EQ(fake.desktop.settingsBroadcasts, 0);
    EXPECT_TRUE(fake.desktop.appliedModes.empty());
    EXPECT_TRUE(fake.desktop.activeDesktop);
    EXPECT_FALSE(keyExists(CR, "Folder\\shell\\CMDPrompt"));
    EXPECT_FALSE(keyExists(LM, kCdfs));
    EXPECT_EQ(number(CU, "Software\\Microsoft\\Outlook Express", "HideMessenger"), std::nullopt);
    EXPECT_EQ(number(LM, kMemory, "IoPageLockLimit"), 512);
}

TEST_F(Run, AllUsersSwitchSendsCurrentUserArmsToTheMachineBranch) {
    check(4);
    setAll(Column::act);
    fake.registry.createKey(LM, std::string(kUninstall) + "\\Brelk");
    startRun();
    EXPECT_EQ(text(LM, kDesktop, "MenuShowDelay"), "0");
    EXPECT_EQ(text(LM, "Control Panel\\Desktop\\WindowMetrics", "MinAnimate"), "1");
    EXPECT_EQ(number(LM, "Software\\Microsoft\\Outlook Express", "HideMessenger"), 1);
    EXPECT_EQ(text(LM, kRunOnce, "brelkuninstall"),
              "\"C:\\Program Files\\Brelvanto\\uninstall.exe\" /afterrestart");
    EXPECT_FALSE(keyExists(LM, std::string(kUninstall) + "\\Brelk"));
    EXPECT_FALSE(keyExists(CU, kDesktop));
    EXPECT_FALSE(keyExists(CU, kRunOnce));
}

TEST_F(Run, IoPageLockLimitFollowsTheMemoryTable) {
    check(19);
    const std::vector<std::pair<std::string, std::optional<int>>> cases = {
        {"31", std::nullopt}, {"32", 4096},    {"63", 4096},    {"64", 6144},    {"127", 8192},
        {"128", 12888},       {"191", 12888},  {"192", 16384},  {"256", 65536},  {"511", 65536},
        {"512", 131072},      {"600", 131072}, {"601", 131072}, {"4096", 131072}};
    for (const auto& [megabytes, limit] : cases) {
        fake.registry.createKey(LM, kMemory)->deleteValue("IoPageLockLimit");
        setEdit("Edit2", megabytes);
        startRun();
        EXPECT_EQ(number(LM, kMemory, "IoPageLockLimit"), limit) << megabytes << " MB";
        bool logged = std::any_of(log().begin(), log().end(), [](const std::string& l) {
            return l.rfind("IoPageLockLimit", 0) == 0;
        });
        EXPECT_EQ(logged, limit.has_value()) << megabytes << " MB";
    }
}

TEST_F(Run, RestoredIoPageLockLimitIsWrittenWhateverTheMemory) {
    check(19);
    setEdit("Edit2", "31");
    restoreWith({{5, "777"}});
    startRun();
    EXPECT_EQ(number(LM, kMemory, "IoPageLockLimit"), 777);
}

TEST_F(Run, NonNumberEndsTheRunAtThatArmAndTheProgressGoesOn) {
    fake.files.addFile(kBrelkIni);
    setAll(Column::act);
    setEdit("Edit2", "abc");
    setEdit("Edit3", "Neuer Besitzer");
    startRun();

    ASSERT_EQ(h.dialogs.messages.size(), 1u);
    EXPECT_EQ(h.dialogs.messages[0].text, "'abc' is not a valid integer value.");
    EXPECT_EQ(log(), joined({kFrameStart,
                             {"LargeSystemCache: 1", "MenuShowDelay: 0", "Autorun: 0",
                              "DisablePagingExecutive: 1"}}));
    EXPECT_EQ(number(LM, kMemory, "DisablePagingExecutive"), 1);
    EXPECT_EQ(text(LM, kCurrentVersion, "RegisteredOwner"), "Lizenznehmer") << "not reached";
    EXPECT_EQ(fake.profiles.readString(kBrelkIni, "Dorvask", "freemem", "none"), "none");
    EXPECT_TRUE(w().c<ui::Timer>("Timer1").enabled());
    EXPECT_TRUE(w().c<ui::Gauge>("Gauge3").visible());
}

// An entry that is no number where a number belongs skips that one value with a log line;
// the restore goes on to its end (owner, organisation, the companion's options).
TEST_F(Run, RestoreEntryThatIsNoNumberIsSkippedAndTheRunGoesOn) {
    struct Case {
        const char* what;
        int button;
        std::map<int, std::string> entries;
        const char* line; // the log line of the skipped value
        const char* key;
        const char* name;
        int kept; // the value the skipped operation leaves
    };
    const Case cases[] = {
        {"if filled",
         7,
         {{1, "viel"}},
         "LargeSystemCache: 'viel' ist keine Zahl, der Wert bleibt "
         "unverändert",
         kMemory,
         "LargeSystemCache",
         5},
        {"CDFS entry 15 empty",
         46,
         {{14, "111"}, {15, ""}},
         "PrefetchTail: '' ist keine Zahl, der "
         "Wert bleibt unverändert",
         kCdfs,
         "PrefetchTail",
         1024},
        {"if filled, with blanks",
         127,
         {{29, " 1 "}},
         "ClearPageFileAtShutdown: ' 1 ' ist keine "
         "Zahl, der Wert bleibt unverändert",
         kMemory,
         "ClearPageFileAtShutdown",
         5},
    };
    for (const Case& c : cases) {
        fake.registry.createKey(LM, kMemory)->writeInteger("LargeSystemCache", 5);
        fake.registry.createKey(LM, kMemory)->writeInteger("ClearPageFileAtShutdown", 5);
        fake.files.addFile(kBrelkIni);
        w().state.restoretable = {};
        restoreWith(c.entries);
        restoreWith({{19, "Alt"}, {20, "Firma"}});
        for (int b : {5, 44, 125})
            check(b + 1); // the middle buttons of the rows of the cases
        check(c.button);
        h.dialogs.messages.clear();
        startRun();
        EXPECT_TRUE(h.dialogs.messages.empty()) << c.what;
        EXPECT_NE(std::find(log().begin(), log().end(), c.line), log().end()) << c.what;
        EXPECT_EQ(number(LM, c.key, c.name), c.kept) << c.what;
        EXPECT_EQ(text(LM, kCurrentVersion, "RegisteredOwner"), "Alt") << c.what;
        EXPECT_EQ(text(LM, kCurrentVersion, "RegisteredOrganization"), "Firma") << c.what;
        EXPECT_EQ(fake.profiles.readString(kBrelkIni, "Dorvask", "freemem", "none"), "1") << c.what;
    }
    EXPECT_EQ(number(LM, kCdfs, "Prefetch"), 111);
}

TEST_F(Run, RestoreReplacesIfFilledEntriesOnlyWhenFilledAndAlwaysEntriesAlways) {
    setAll(Column::act);
    restoreWith({});
    startRun();
    EXPECT_TRUE(h.dialogs.messages.empty());
    // If filled: an empty entry keeps the arm's own data.
    EXPECT_EQ(number(LM, kMemory, "LargeSystemCache"), 1);
    EXPECT_EQ(number(LM, kMemory, "IoPageLockLimit"), 131072);
    // Always: an empty entry writes an empty text.
    EXPECT_EQ(text(CU, kDesktop, "MenuShowDelay"), "");
    EXPECT_EQ(text(CU, kDesktop, "AutoEndTasks"), "");
    // A port is neither created nor written empty.
    EXPECT_FALSE(text(LM, "Software\\Microsoft\\Windows NT\\CurrentVersion\\Ports", "COM1:"));
    EXPECT_FALSE(text(LM, "Software\\Microsoft\\Windows NT\\CurrentVersion\\Ports", "COM2:"));
    EXPECT_EQ(text(LM, kCurrentVersion, "RegisteredOwner"), "");
    EXPECT_EQ(text(LM, kCurrentVersion, "RegisteredOrganization"), "");
    // Without restore entry: the arm's own data.
    EXPECT_EQ(text(CR, "Folder\\shell\\CMDPrompt", ""), "Eingabeaufforderung");
    // The CD file system settings of a slot without them end deleted.
    EXPECT_FALSE(keyExists(LM, kCdfs));
    EXPECT_EQ(log()[13], "Prefetch: 16384");
    EXPECT_EQ(log()[15], "CDFS: ");
}

TEST_F(Run, RestoreWritesTheSlotValues) {
    setAll(Column::act);
    restoreWith({{1, "0"},
                 {2, "123"},
                 {5, "2048"},
                 {14, "111"},
                 {15, "22"},
                 {19, "Alt"},
                 {20, "Firma"},
                 {55, "C:\\WINNT\\system32\\cmd.exe"}});
    startRun();
    EXPECT_EQ(number(LM, kMemory, "LargeSystemCache"), 0);
    EXPECT_EQ(text(CU, kDesktop, "MenuShowDelay"), "123");
    EXPECT_EQ(number(LM, kMemory, "IoPageLockLimit"), 2048);
    EXPECT_EQ(number(LM, kCdfs, "Prefetch"), 111);
    EXPECT_EQ(number(LM, kCdfs, "PrefetchTail"), 22);
    EXPECT_EQ(text(LM, kCurrentVersion, "RegisteredOwner"), "Alt");
    EXPECT_EQ(text(LM, kCurrentVersion, "RegisteredOrganization"), "Firma");
    EXPECT_EQ(text(CR, "Folder\\shell\\CMDPrompt\\command", ""), "C:\\WINNT\\system32\\cmd.exe");
    EXPECT_EQ(w().state.restoremode, 1);

    // The same table outside restore mode is not used.
    w().state.restoremode = 0;
    startRun();
    EXPECT_EQ(number(LM, kMemory, "LargeSystemCache"), 1);
    EXPECT_EQ(text(LM, kCurrentVersion, "RegisteredOwner"), "Lizenznehmer");
    EXPECT_EQ(number(LM, kCdfs, "Prefetch"), 16384);
}

TEST_F(Run, LongRunTimeTextsAreCutTo150Characters) {
    const std::string owner(200, 'o');
    setEdit("Edit3", owner);
    setEdit("Edit1", "C:\\" + std::string(160, 'w'));
    check(217);
    startRun();
    EXPECT_EQ(text(LM, kCurrentVersion, "RegisteredOwner"), owner.substr(0, 150));
    EXPECT_EQ(text(CR, "Folder\\shell\\CMDPrompt\\command", "")->size(), 150u);
    EXPECT_EQ(log()[2], ": " + ("C:\\" + std::string(160, 'w')).substr(0, 150));
}

TEST_F(Run, FolderWarningsArmDeletesTheDesktopIniFilesThatExist) {
    w().state.programFilesDir = "C:\\Programme";
    fake.files.addFile("C:\\WINDOWS\\desktop.ini");
    fake.files.addFile("C:\\Programme\\desktop.ini");
    fake.files.addFile("C:\\WINDOWS\\system32\\other.ini");
    check(22);
    startRun();
    EXPECT_TRUE(h.dialogs.messages.empty());
    EXPECT_FALSE(fake.files.fileExists("C:\\WINDOWS\\desktop.ini"));
    EXPECT_FALSE(fake.files.fileExists("C:\\Programme\\desktop.ini"));
    EXPECT_TRUE(fake.files.fileExists("C:\\WINDOWS\\system32\\other.ini"));
}

TEST_F(Run, MissingActiveDesktopEndsTheRunAtTheLastRow) {
    fake.files.addFile(kBrelkIni);
    fake.desktop.activeDesktopAvailable = false;
    check(190);
    startRun();
    ASSERT_EQ(h.dialogs.messages.size(), 1u);
    EXPECT_EQ(h.dialogs.messages[0].text, "Class not registered.");
    EXPECT_EQ(log(), joined({kFrameStart, kOwner, {kAntiSpyStart}}));
    EXPECT_EQ(fake.profiles.readString(kBrelkIni, "Dorvask", "freemem", "none"), "none");
}

TEST_F(Run, PageFileArmNeedsTheCustomisationDialog) {
    ctx.form7 = nullptr;
    check(25);
    startRun();
    ASSERT_EQ(h.dialogs.messages.size(), 1u);
    EXPECT_EQ(h.dialogs.messages[0].text, "Component 'Form7' not found.");
}

} // namespace
