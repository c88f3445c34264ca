// The safety net on the real registry under Wine: slot 1 is saved on a machine in a realistic
// state, every performance row and every row of the other categories that has a restore entry
// is run at activate, slot 1 is restored, and every registry value that a slot covers is
// compared with its value before the tuning. A value that does not come back must be one of
// the known losses below, named by its entry and the value it must then hold, each with its
// reason; every other value must come back exactly. Neighbouring entries hold different values,
// so that a row restoring from a neighbour's entry shows as a wrong value.
#include "tweak_engine_env.h"
#include "tweaks/backup_page.h"
#include "tweaks/backup_slots.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <set>

namespace {

using platform::RegistryValue;
using platform::RootKey;

constexpr auto LM = RootKey::LocalMachine;
constexpr auto CU = RootKey::CurrentUser;
constexpr auto CR = RootKey::ClassesRoot;

constexpr const char* kMemory =
    "SYSTEM\\CurrentControlSet\\Control\\Session Manager\\Memory Management";
constexpr const char* kDesktop = "Control Panel\\Desktop";
constexpr const char* kCurrentVersion = "SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion";
constexpr const char* kTcpip = "SYSTEM\\CurrentControlSet\\Services\\tcpip\\Parameters";
constexpr const char* kDns = "SYSTEM\\CurrentControlSet\\Services\\Dnscache\\Parameters";
constexpr const char* kIeMain = "Software\\Microsoft\\Internet Explorer\\Main";
constexpr const char* kWinlogon = "Software\\Microsoft\\Windows NT\\CurrentVersion\\Winlogon";
constexpr const char* kWinlogonNt = "Software\\Microsoft\\WindowsNT\\CurrentVersion\\Winlogon";
constexpr const char* kRun = "Software\\Microsoft\\Windows\\CurrentVersion\\Run";
constexpr const char* kPolicies =
    "Software\\Microsoft\\Windows\\CurrentVersion\\Policies\\Explorer";
constexpr const char* kOffice = "Software\\Microsoft\\Office\\kein Office.0\\Common\\General";
constexpr const char* kPorts = "Software\\Microsoft\\Windows NT\\CurrentVersion\\Ports";

// What a value holds before the save: a number, a text, or nothing.
struct Before {
    char kind; // 'n' number, 's' text, '-' missing
    const char* text = "";
};
constexpr Before number(const char* text) {
    return {'n', text};
}
constexpr Before text(const char* text) {
    return {'s', text};
}
constexpr Before missing{'-'};

// A registry value that a slot covers (or, for entries 61 and 62, that a restore row names),
// by its scan entry, with what the machine holds before the save. Where Windows XP ships a
// value, it is that value unless it would equal a neighbour's; the others are set as a user
// or an earlier tool might have left them, each different from its neighbours' entries.
struct Covered {
    int entry;
    RootKey root;
    const char* key;
    const char* name;
    Before before;
};
const Covered kCovered[] = {
    {1, LM, kMemory, "LargeSystemCache", number("0")},
    {2, CU, kDesktop, "MenuShowDelay", text("400")},
    {3, LM, "SYSTEM\\CurrentControlSet\\Services\\CDRom", "Autorun", number("1")},
    {4, LM, kMemory, "DisablePagingExecutive", number("0")},
    {5, LM, kMemory, "IoPageLockLimit", missing},
    {7, LM, "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Explorer", "AlwaysUnloadDLL", missing},
    {8, LM, "SYSTEM\\ControlSet001\\Control", "WaitToKillServiceTimeOut", text("20000")},
    {9, CU, kDesktop, "AutoEndTasks", text("0")},
    {10, LM, "SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion\\EFS", "KeyCacheValidationPeriod",
     missing},
    {11, LM, "SYSTEM\\CurrentControlSet\\Control\\FileSystem", "NtfsMftZoneReservation",
     number("1")},
    {12, CU, "Software\\Microsoft\\Internet Explorer\\Toolbar", "BackBitmap", missing},
    {13, CR, "Paint.Picture\\DefaultIcon", "", text("%SystemRoot%\\System32\\shimgvw.dll,1")},
    {14, LM, "SYSTEM\\CurrentControlSet\\Control\\FileSystem\\CDFS", "Prefetch", missing},
    {15, LM, "SYSTEM\\CurrentControlSet\\Control\\FileSystem\\CDFS", "PrefetchTail", missing},
    {17, CU, kDesktop, "PaintDesktopVersion", number("0")},
    {18, CU, "Control Panel\\Desktop\\WindowMetrics", "MinAnimate", text("1")},
    {19, LM, kCurrentVersion, "RegisteredOwner", text("Lizenznehmer")},
    {20, LM, kCurrentVersion, "RegisteredOrganization", text("Organisation")},
    {21, CU, kIeMain, "Window Title", text("Microsoft Internet Explorer")},
    {22, LM, kTcpip, "EnableDeadGWDetect", number("0")},
    {23, LM, kTcpip, "EnablePMTUDiscovery", number("1")},
    {24, LM, kDns, "CacheHashTableBucketSize", number("4")},
    {25, LM, kDns, "CacheHashTableSize", number("512")},
    {26, LM, kDns, "MaxCacheEntryTtlLimit", number("86400")},
    {27, LM, kDns, "MaxSOACacheEntryTtlLimit", number("120")},
    {28, CU, kIeMain, "Start Page", text("http://www.example.com/")},
    {29, LM, kMemory, "ClearPageFileAtShutdown", number("0")},
    {30, LM, kWinlogon, "DontDisplayLastUserName", text("1")},
    {31, LM, "SYSTEM\\CurrentControlSet\\Control\\LSA", "RestrictAnonymous", number("0")},
    {32, LM, kCurrentVersion, "RegDone", text("1")},
    {33, LM, "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Explorer\\VisualEffects",
     "checkedvalue", missing},
    {34, CU, kIeMain, "NoUpdateCheck", text("1")},
    {35, CU, kRun, "brelkmervane", missing},
    {36, CU, kRun, "brelkdorvask", missing},
    {37, LM, "Software\\Microsoft\\Windows NT\\CurrentVersion\\SystemRestore", "DisableSR",
     number("0")},
    {38, LM, kPorts, "COM1:", text("9600,n,8,1")},
    {38, LM, kPorts, "COM2:", text("9600,n,8,1")},
    {39, LM, "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer", "MaxCachedIcons",
     number("500")},
    {40, CU, "Software\\Microsoft\\Windows\\CurrentVersion\\Internet Settings",
     "DisablePasswortCaching", number("0")},
    {41, LM, "SYSTEM\\CurrentControlSet\\Control\\WOW", "DefaultSeparateVDM", text("no")},
    {42, LM, "SYSTEM\\CurrentControlSet\\Control\\PriorityControl", "Win32PrioritySeparation",
     number("2")},
    {43, LM, "SYSTEM\\CurrentControlSet\\Services\\lanmanserver\\parameters", "SizRegBuf", missing},
    {44, CU, kRun, "brelkfastshutdown", missing},
    {45, CU, "Software\\Microsoft\\Windows\\CurrentVersion\\UnreadMail", "MessageExpiryDays",
     missing},
    {46, CU, "SOFTWARE\\Microsoft\\Outlook Express", "HideMessenger", missing},
    {47, CU, kPolicies, "NoLowDiskSpaceCheck", missing},
    {48, CU,
     "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Clsid\\"
     "{20D04FE0-3AEA-1069-A2D8-08002B30309D} ",
     "", text("Arbeitsplatz")},
    {49, CU, "Policies\\Microsoft\\Windows\\System", "DisableInHelp", text("0")},
    {50, CU, "System\\CurrentControlSet\\Services\\LanmanServer\\Parameters", "AutoShareServer",
     missing},
    {51, CU, kOffice, "NoTrack", missing},
    {52, CU, kOffice, "AcbControl", missing},
    {53, CR, "System\\SystemFile Associations\\.avi\\Shellex\\PropertyHandler", "",
     text("{87D62D94-71B3-4b9a-9489-5FE6850DC73E}")},
    {54, CR, "AllFilesystemObjects\\shellex\\ContextMenuHandlers\\CoptyTo", "", missing},
    {55, CR, "Folder\\shell\\CMDPrompt\\command", "", missing},
    {56, LM, kWinlogon, "AllocateDASD", text("0")},
    // Windows keeps it as a text, the scan reads it as a number.
    {57, CU, "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\CabinetState",
     "Use Search Asst", text("yes")},
    {58, CU, kPolicies, "NoRun", number("0")},
    {59, LM, kWinlogonNt, "AllocateFloppies", number("2")},
    {60, LM, kWinlogonNt, "AllocateCDRoms", number("3")},
    {61, LM,
     "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Advanced\\EncryptionContextMenu",
     "EncryptionContextMenu", number("0")},
    {62, LM, "Software\\Microsoft\\Windows\\CurrentVersion\\Policies", "NoFileAssociate",
     number("0")},
};

// The activate buttons of the rows outside the performance category that have a restore
// entry (appearance, internet, security, anti-spying; the program's own rows have none).
const std::set<int> kRestoringRows = {97,  103, 106, 109, 115, 118, 121, 124, 127, 130,
                                      133, 136, 139, 160, 196, 199, 202, 205, 211};

// A value that does not come back: its entry and value name, what it holds after the restore
// (`asTuned`: what the tuning wrote), and why.
struct Loss {
    int entry;
    const char* name;
    std::optional<RegistryValue> after;
    bool asTuned;
    const char* reason;
};
Loss tuned(int entry, const char* name, const char* reason) {
    return {entry, name, std::nullopt, true, reason};
}
Loss holds(int entry, const char* name, std::optional<RegistryValue> after, const char* reason) {
    return {entry, name, std::move(after), false, reason};
}

// Most stem from one rule: a value missing at the save leaves its entry empty (the scan only
// reads), and an empty entry makes an "if filled" arm keep its own data; a slot cannot say
// "no value". The rest belong to rows that have no restore entry at all.
std::vector<Loss> knownLosses(const std::string& windowsFolder) {
    auto str = RegistryValue::fromString;
    auto dword = RegistryValue::fromInteger;
    return {
        tuned(5, "IoPageLockLimit",
              "missing before the save: entry 5 stays empty, so the "
              "restore (if filled) keeps the tuned value"),
        holds(7, "AlwaysUnloadDLL", str(""),
              "missing before: a slot cannot say 'no value', the "
              "restore (always) writes the empty entry 7"),
        tuned(10, "KeyCacheValidationPeriod",
              "missing before the save: entry 10 stays empty, "
              "the restore (if filled) keeps 10800"),
        holds(33, "checkedvalue", dword(0),
              "missing before the save: entry 33 stays empty, the "
              "restore (if filled) keeps the tuned 0"),
        tuned(35, "brelkmervane",
              "every run walks the anti-spying mode, and \"dauerhaft\" "
              "(checked in the form) writes the start entry, the restore too"),
        holds(41, "DefaultSeparateVDM", str("yes"), "the row has no restore entry"),
        holds(42, "Win32PrioritySeparation", dword(38), "the row has no restore entry"),
        holds(43, "SizRegBuf", dword(65535), "the row has no restore entry"),
        holds(45, "MessageExpiryDays", dword(0), "the row has no restore entry"),
        holds(46, "HideMessenger", dword(1), "the row has no restore entry"),
        holds(47, "NoLowDiskSpaceCheck", dword(1), "the row has no restore entry"),
        holds(53, "", std::nullopt, "the activate arm deletes it and the row has no restore entry"),
        holds(54, "", str("{C2FBB630-2971-11D1-A18C-00C04FD75D13}"),
              "missing before: entry 54 empty, the restore (if filled) keeps the arm's value"),
        holds(55, "", str(windowsFolder + "\\system32\\cmd.exe"),
              "missing before: entry 55 empty, the restore (if filled) keeps the arm's value"),
        holds(57, "Use Search Asst", str("no"),
              "a text where the scan reads a number: entry 57 "
              "stays empty, the restore keeps \"no\""),
        holds(61, "EncryptionContextMenu", dword(1), "a slot holds entries 1 to 60 only"),
        holds(62, "NoFileAssociate", dword(1), "a slot holds entries 1 to 60 only"),
    };
}

std::optional<RegistryValue> valueOf(const Before& before) {
    if (before.kind == 'n') return RegistryValue::fromInteger(std::atoi(before.text));
    if (before.kind == 's') return RegistryValue::fromString(before.text);
    return std::nullopt;
}

std::string describe(const std::optional<RegistryValue>& v) {
    if (!v) return "(absent)";
    std::string text = "type " + std::to_string(v->type) + " [";
    for (std::uint8_t b : v->data) {
        char hex[4];
        std::snprintf(hex, sizeof hex, "%02x", b);
        text += hex;
    }
    return text + "]";
}

struct SafetyNet : ::testing::Test {
    tweak_test::Win32Engine e;
    platform::Registry& reg = e.platform->registry;

    void put(RootKey root, const char* key, const char* name, const RegistryValue& v) {
        ASSERT_TRUE(reg.createKey(root, key)->setValue(name, v)) << key << "\\" << name;
    }
    // The machine before the save: every covered value as listed, and the page file.
    void realisticMachine() {
        for (const Covered& c : kCovered) {
            if (auto v = valueOf(c.before)) {
                put(c.root, c.key, c.name, *v);
            } else if (auto key = reg.openKey(c.root, c.key)) {
                key->deleteValue(c.name);
            }
        }
        put(LM, kMemory, "Pagingfiles", RegistryValue::fromString("C:\\pagefile.sys 768 1536"));
    }
    std::optional<RegistryValue> value(const Covered& c) {
        auto key = reg.openKey(c.root, c.key, platform::KeyAccess::Read);
        return key ? key->value(c.name) : std::nullopt;
    }
    std::vector<std::optional<RegistryValue>> snapshot() {
        std::vector<std::optional<RegistryValue>> values;
        for (const Covered& c : kCovered)
            values.push_back(value(c));
        return values;
    }
};

TEST_F(SafetyNet, SaveTuneEveryRestoringRowAndRestoreSlotOne) {
    realisticMachine();
    const std::string ini = e.scratch + "modules\\brelk.ini";
    e.platform->profiles.writeString(ini, "Options", "version", "5.0");
    e.platform->profiles.writeString(ini, "Backup", "number", "0");
    auto& w = *e.window;
    const auto original = snapshot();

    brelk::savesettings(w);
    ASSERT_EQ(e.platform->profiles.readString(ini, "Backup", "number", ""), "1");
    const auto beforeTuning = snapshot();

    tweak_test::setRows(w, tweak_test::performanceRows(), tweak_test::Column::act);
    std::vector<tweak_test::Row> others;
    for (const tweak_test::Row& row : tweak_test::otherRows())
        if (kRestoringRows.count(row.act)) others.push_back(row);
    ASSERT_EQ(others.size(), kRestoringRows.size());
    tweak_test::setRows(w, others, tweak_test::Column::act);
    w.c<ui::Panel>("Panel2").show();
    w.c<ui::Label>("Label36").click();
    EXPECT_TRUE(e.h.dialogs.messages.empty());
    const auto tuned = snapshot();

    e.h.dialogs.messages.clear();
    brelk::showbackup(w);
    w.c<ui::Label>("Label55").click();
    EXPECT_TRUE(e.h.dialogs.messages.empty());
    EXPECT_EQ(w.state.restoremode, 0);
    const auto restored = snapshot();

    const auto losses = knownLosses(w.c<ui::Edit>("Edit1").text());
    std::vector<bool> lossSeen(losses.size());
    int exact = 0, changedByTuning = 0, createdByTheSave = 0, asBeforeTheSave = 0;
    std::string report;
    for (std::size_t i = 0; i < std::size(kCovered); ++i) {
        const Covered& c = kCovered[i];
        EXPECT_EQ(original[i], valueOf(c.before)) << "entry " << c.entry << " " << c.name;
        if (original[i] != beforeTuning[i]) ++createdByTheSave;
        if (tuned[i] != beforeTuning[i]) ++changedByTuning;
        if (restored[i] == original[i]) ++asBeforeTheSave;
        if (restored[i] == beforeTuning[i]) {
            ++exact;
            continue;
        }
        const char* reason = "UNEXPECTED";
        for (std::size_t l = 0; l < losses.size(); ++l) {
            const Loss& loss = losses[l];
            if (loss.entry != c.entry || std::string(loss.name) != c.name) continue;
            if ((loss.asTuned ? tuned[i] : loss.after) != restored[i]) continue;
            lossSeen[l] = true;
            reason = loss.reason;
        }
        const std::string name = c.name[0] ? c.name : "(default)";
        report += "  entry " + std::to_string(c.entry) + " " + c.key + "\\" + name + ": before " +
                  describe(beforeTuning[i]) + ", after " + describe(restored[i]) + " -- " + reason +
                  "\n";
        EXPECT_STRNE(reason, "UNEXPECTED")
            << "entry " << c.entry << " " << name << " before " << describe(beforeTuning[i])
            << ", tuned " << describe(tuned[i]) << ", after " << describe(restored[i]);
    }
    for (std::size_t l = 0; l < losses.size(); ++l)
        EXPECT_TRUE(lossSeen[l]) << "entry " << losses[l].entry << " " << losses[l].name
                                 << " is no longer lost as listed: " << losses[l].reason;
    EXPECT_EQ(createdByTheSave, 0) << "the save's scan changed the machine";
    std::printf("safety net: %zu covered values, %d changed by the tuning, %d came back exactly "
                "as before the tuning; %d written by the save's scan itself, %d as before the "
                "save\n%s",
                std::size(kCovered), changedByTuning, exact, createdByTheSave, asBeforeTheSave,
                report.c_str());
}

} // namespace

namespace {

// The slot's own promises on the real profile functions: values read back byte for byte, a
// slot that lacks a key is refused with nothing written, and a save into a folder that is gone
// fails visibly and counts nothing.
TEST_F(SafetyNet, SlotsOnTheRealProfileFunctions) {
    const std::string ini = e.scratch + "modules\\brelk.ini";
    auto& profiles = e.platform->profiles;
    profiles.writeString(ini, "Backup", "number", "0");
    auto& w = *e.window;
    put(CU, kDesktop, "MenuShowDelay", RegistryValue::fromString("zwei\r\nZeilen"));
    put(CU, kDesktop, "AutoEndTasks", RegistryValue::fromString("  umrandet  "));
    put(CU, kIeMain, "Window Title", RegistryValue::fromString("\"in Anführung\""));
    put(CU, kIeMain, "Start Page", RegistryValue::fromString("100% und %0D"));
    brelk::savesettings(w);
    ASSERT_EQ(profiles.readString(ini, "Backup", "number", ""), "1");
    ASSERT_TRUE(brelk::loadbackupslot(w));
    EXPECT_EQ(w.state.restoretable[2], "zwei\r\nZeilen");
    EXPECT_EQ(w.state.restoretable[9], "  umrandet  ");
    EXPECT_EQ(w.state.restoretable[21], "\"in Anführung\"");
    EXPECT_EQ(w.state.restoretable[28], "100% und %0D");

    // Key 19 gone: the restore is refused and the owner stays.
    put(LM, kCurrentVersion, "RegisteredOwner", RegistryValue::fromString("Besitzer"));
    WritePrivateProfileStringA("1", "19", nullptr, ini.c_str());
    e.h.dialogs.messages.clear();
    w.c<ui::Panel>("Panel8").show();
    w.c<ui::Label>("Label55").click();
    ASSERT_EQ(e.h.dialogs.messages.size(), 1u);
    EXPECT_EQ(e.h.dialogs.messages[0].text, brelk::kIncompleteSlotMessage);
    EXPECT_EQ(reg.openKey(LM, kCurrentVersion)->readString("RegisteredOwner").value, "Besitzer");

    // The modules folder removed since the start: the save fails and counts nothing.
    ASSERT_TRUE(MoveFileA((e.scratch + "modules").c_str(), (e.scratch + "modules.moved").c_str()));
    e.h.dialogs.messages.clear();
    brelk::savesettings(w);
    EXPECT_EQ(w.c<ui::Label>("Label135").caption(), "... fehlgeschlagen ...");
    EXPECT_EQ(w.state.backupcount, 0);
    ASSERT_EQ(e.h.dialogs.messages.size(), 1u);
    EXPECT_EQ(e.h.dialogs.messages[0].text.rfind(brelk::kSlotNotSavedMessage, 0), 0u);
    EXPECT_EQ(GetFileAttributesA(ini.c_str()), INVALID_FILE_ATTRIBUTES);
}

} // namespace
