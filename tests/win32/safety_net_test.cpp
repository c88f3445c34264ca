// The safety net on the real registry under Wine: slot 1 is saved, every performance row and
// every row of the other categories that has a restore entry is tuned, slot 1 is restored, and
// every registry value that a slot covers is compared with its value before the tuning. This
// runs on a machine in a realistic state and on one with every covered value set, each tuned
// at activate and at deactivate, so that every restoring step runs with a filled entry at least
// once. A value that does not come back must be one of the known losses below, named by its
// entry and the value it must then hold, each with its reason; every other value must come back
// exactly. Neighbouring entries hold different values, so that a row restoring from a
// neighbour's entry shows as a wrong value.
#include "tweak_engine_env.h"
#include "tweaks/backup_page.h"
#include "tweaks/backup_slots.h"
#include "tweaks/scan.h"
#include "tweaks/tuning_arms.h"
#include "tweaks/walk_order.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <map>
#include <variant>

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
// by its scan entry, with what a realistic machine holds before the save, and the type the
// scan reads it as. Where Windows XP ships a value, it is that value unless it would equal a
// neighbour's; the others are set as a user or an earlier tool might have left them, each
// different from its neighbours' entries.
struct Covered {
    int entry;
    RootKey root;
    const char* key;
    const char* name;
    Before before;
    char type; // 'n' read as a number, 's' as a text
};
const Covered kCovered[] = {
    {1, LM, kMemory, "LargeSystemCache", number("0"), 'n'},
    {2, CU, kDesktop, "MenuShowDelay", text("400"), 's'},
    {3, LM, "SYSTEM\\CurrentControlSet\\Services\\CDRom", "Autorun", number("1"), 'n'},
    {4, LM, kMemory, "DisablePagingExecutive", number("0"), 'n'},
    {5, LM, kMemory, "IoPageLockLimit", missing, 'n'},
    {7, LM, "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Explorer", "AlwaysUnloadDLL", missing,
     's'},
    {8, LM, "SYSTEM\\ControlSet001\\Control", "WaitToKillServiceTimeOut", text("20000"), 's'},
    {9, CU, kDesktop, "AutoEndTasks", text("0"), 's'},
    {10, LM, "SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion\\EFS", "KeyCacheValidationPeriod",
     missing, 'n'},
    {11, LM, "SYSTEM\\CurrentControlSet\\Control\\FileSystem", "NtfsMftZoneReservation",
     number("1"), 'n'},
    {12, CU, "Software\\Microsoft\\Internet Explorer\\Toolbar", "BackBitmap", missing, 's'},
    {13, CR, "Paint.Picture\\DefaultIcon", "", text("%SystemRoot%\\System32\\shimgvw.dll,1"), 's'},
    {14, LM, "SYSTEM\\CurrentControlSet\\Control\\FileSystem\\CDFS", "Prefetch", missing, 'n'},
    {15, LM, "SYSTEM\\CurrentControlSet\\Control\\FileSystem\\CDFS", "PrefetchTail", missing, 'n'},
    {17, CU, kDesktop, "PaintDesktopVersion", number("0"), 'n'},
    {18, CU, "Control Panel\\Desktop\\WindowMetrics", "MinAnimate", text("1"), 's'},
    {19, LM, kCurrentVersion, "RegisteredOwner", text("Lizenznehmer"), 's'},
    {20, LM, kCurrentVersion, "RegisteredOrganization", text("Organisation"), 's'},
    {21, CU, kIeMain, "Window Title", text("Microsoft Internet Explorer"), 's'},
    {22, LM, kTcpip, "EnableDeadGWDetect", number("0"), 'n'},
    {23, LM, kTcpip, "EnablePMTUDiscovery", number("1"), 'n'},
    {24, LM, kDns, "CacheHashTableBucketSize", number("4"), 'n'},
    {25, LM, kDns, "CacheHashTableSize", number("512"), 'n'},
    {26, LM, kDns, "MaxCacheEntryTtlLimit", number("86400"), 'n'},
    {27, LM, kDns, "MaxSOACacheEntryTtlLimit", number("120"), 'n'},
    {28, CU, kIeMain, "Start Page", text("http://www.example.com/"), 's'},
    {29, LM, kMemory, "ClearPageFileAtShutdown", number("0"), 'n'},
    {30, LM, kWinlogon, "DontDisplayLastUserName", text("1"), 's'},
    {31, LM, "SYSTEM\\CurrentControlSet\\Control\\LSA", "RestrictAnonymous", number("0"), 'n'},
    {32, LM, kCurrentVersion, "RegDone", text("1"), 's'},
    {33, LM, "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Explorer\\VisualEffects",
     "checkedvalue", missing, 'n'},
    {34, CU, kIeMain, "NoUpdateCheck", text("1"), 's'},
    {35, CU, kRun, "brelkmervane", missing, 's'},
    {36, CU, kRun, "brelkdorvask", missing, 's'},
    {37, LM, "Software\\Microsoft\\Windows NT\\CurrentVersion\\SystemRestore", "DisableSR",
     number("0"), 'n'},
    {63, LM, kPorts, "COM1:", text("9600,n,8,1"), 's'},
    {38, LM, kPorts, "COM2:", text("9600,n,8,1"), 's'},
    {39, LM, "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer", "MaxCachedIcons",
     number("500"), 'n'},
    {40, CU, "Software\\Microsoft\\Windows\\CurrentVersion\\Internet Settings",
     "DisablePasswortCaching", number("0"), 'n'},
    {41, LM, "SYSTEM\\CurrentControlSet\\Control\\WOW", "DefaultSeparateVDM", text("no"), 's'},
    {42, LM, "SYSTEM\\CurrentControlSet\\Control\\PriorityControl", "Win32PrioritySeparation",
     number("2"), 'n'},
    {43, LM, "SYSTEM\\CurrentControlSet\\Services\\lanmanserver\\parameters", "SizRegBuf", missing,
     'n'},
    {44, CU, kRun, "brelkfastshutdown", missing, 's'},
    {45, CU, "Software\\Microsoft\\Windows\\CurrentVersion\\UnreadMail", "MessageExpiryDays",
     missing, 'n'},
    {46, CU, "SOFTWARE\\Microsoft\\Outlook Express", "HideMessenger", missing, 'n'},
    {47, CU, kPolicies, "NoLowDiskSpaceCheck", missing, 'n'},
    {48, CU,
     "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Clsid\\"
     "{20D04FE0-3AEA-1069-A2D8-08002B30309D} ",
     "", text("Arbeitsplatz"), 's'},
    {49, CU, "Policies\\Microsoft\\Windows\\System", "DisableInHelp", text("0"), 's'},
    {50, CU, "System\\CurrentControlSet\\Services\\LanmanServer\\Parameters", "AutoShareServer",
     missing, 'n'},
    {51, CU, kOffice, "NoTrack", missing, 'n'},
    {52, CU, kOffice, "AcbControl", missing, 'n'},
    {53, CR, "System\\SystemFile Associations\\.avi\\Shellex\\PropertyHandler", "",
     text("{87D62D94-71B3-4b9a-9489-5FE6850DC73E}"), 's'},
    {54, CR, "AllFilesystemObjects\\shellex\\ContextMenuHandlers\\CoptyTo", "", missing, 's'},
    {55, CR, "Folder\\shell\\CMDPrompt\\command", "", missing, 's'},
    {56, LM, kWinlogon, "AllocateDASD", text("0"), 's'},
    // Windows keeps it as a text, the scan reads it as a number.
    {57, CU, "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\CabinetState",
     "Use Search Asst", text("yes"), 'n'},
    {58, CU, kPolicies, "NoRun", number("0"), 'n'},
    {59, LM, kWinlogonNt, "AllocateFloppies", number("2"), 'n'},
    {60, LM, kWinlogonNt, "AllocateCDRoms", number("3"), 'n'},
    {61, LM,
     "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Advanced\\EncryptionContextMenu",
     "EncryptionContextMenu", number("0"), 'n'},
    {62, LM, "Software\\Microsoft\\Windows\\CurrentVersion\\Policies", "NoFileAssociate",
     number("0"), 'n'},
};

// The four tunings between save and restore: the realistic machine and one on which every
// covered value is set (so that every restore entry is filled), each tuned at activate and at
// deactivate. A wrong entry then writes a neighbour's value, or the arm's own data, and fails.
enum RunBit : unsigned { realAct = 1, realDeact = 2, setAct = 4, setDeact = 8, allRuns = 15 };
struct Tuning {
    const char* name;
    bool everyValueSet;
    tweak_test::Column column;
    RunBit bit;
};
constexpr Tuning kTunings[] = {
    {"realistic machine, activate", false, tweak_test::Column::act, realAct},
    {"realistic machine, deactivate", false, tweak_test::Column::deact, realDeact},
    {"every value set, activate", true, tweak_test::Column::act, setAct},
    {"every value set, deactivate", true, tweak_test::Column::deact, setDeact},
};

// On the machine with every value set, each value is unlike every other entry's and every
// arm's own data.
std::optional<RegistryValue> valueBefore(const Covered& c, bool everyValueSet) {
    if (!everyValueSet) {
        if (c.before.kind == 'n') return RegistryValue::fromInteger(std::atoi(c.before.text));
        if (c.before.kind == 's') return RegistryValue::fromString(c.before.text);
        return std::nullopt;
    }
    if (c.type == 'n') return RegistryValue::fromInteger(7000 + c.entry);
    return RegistryValue::fromString("Wert " + std::to_string(c.entry));
}

// The registry steps of an arm whose data a restore replaces from an entry a slot fills.
std::vector<const brelk::RegStep*> restoringSteps(brelk::ArmId arm) {
    std::vector<const brelk::RegStep*> steps;
    for (const brelk::ArmStep& step : brelk::armFor(arm)) {
        const auto* reg = std::get_if<brelk::RegStep>(&step);
        if (!reg || reg->restore.rule == brelk::RestoreRule::none) continue;
        const std::string_view kind = reg->kind;
        if (kind == "int" || kind == "str") steps.push_back(reg);
    }
    return steps;
}

// The rows outside the performance category that have a restore entry in one of their arms
// (appearance, internet, security, anti-spying; the program's own rows have none).
std::vector<tweak_test::Row> restoringOtherRows() {
    auto restores = [](int button) {
        for (const brelk::WalkEntry& entry : brelk::walkOrder())
            if (entry.button == button && !restoringSteps(entry.arm).empty()) return true;
        return false;
    };
    std::vector<tweak_test::Row> rows;
    for (const tweak_test::Row& row : tweak_test::otherRows())
        if (restores(row.act) || restores(row.deact)) rows.push_back(row);
    return rows;
}

// A value that does not come back in the tunings named: its entry and value name, what it
// holds after the restore (`asTuned`: what the tuning wrote), and why.
struct Loss {
    int entry;
    const char* name;
    unsigned runs;
    std::optional<RegistryValue> after;
    bool asTuned;
    const char* reason;
};
Loss tuned(int entry, const char* name, unsigned runs, const char* reason) {
    return {entry, name, runs, std::nullopt, true, reason};
}
Loss holds(int entry, const char* name, unsigned runs, std::optional<RegistryValue> after,
           const char* reason) {
    return {entry, name, runs, std::move(after), false, reason};
}

// Most stem from one rule: a value missing at the save leaves its entry empty (the scan only
// reads), and an empty entry makes an "if filled" arm keep its own data; a slot cannot say
// "no value". Others belong to rows that have no restore entry at all, or to arms that delete
// a value, which a restore deletes again.
std::vector<Loss> knownLosses(const std::string& windowsFolder) {
    auto str = RegistryValue::fromString;
    constexpr unsigned real = realAct | realDeact, act = realAct | setAct,
                       deact = realDeact | setDeact;
    constexpr const char* noEntry = "the row has no restore entry";
    constexpr const char* deletes =
        "the deactivate arm deletes the value, and so does the restore: a slot cannot bring "
        "back a value that an arm deletes";
    return {
        tuned(5, "IoPageLockLimit", real,
              "missing before the save: entry 5 stays empty, so the "
              "restore (if filled) keeps the tuned value"),
        holds(7, "AlwaysUnloadDLL", realAct, str(""),
              "missing before: a slot cannot say 'no value', the "
              "restore (always) writes the empty entry 7"),
        tuned(7, "AlwaysUnloadDLL", setDeact, deletes),
        tuned(10, "KeyCacheValidationPeriod", realAct,
              "missing before the save: entry 10 stays empty, "
              "the restore (if filled) keeps 10800"),
        tuned(10, "KeyCacheValidationPeriod", setDeact, deletes),
        tuned(14, "Prefetch", setDeact,
              "the deactivate arm deletes the key, without restore entry"),
        tuned(15, "PrefetchTail", setDeact,
              "the deactivate arm deletes the key, without restore entry"),
        tuned(33, "checkedvalue", real,
              "missing before the save: entry 33 stays empty, the "
              "restore (if filled) keeps the tuned value"),
        tuned(35, "brelkmervane", allRuns,
              "every run walks the anti-spying mode, and \"dauerhaft\" "
              "(checked in the form) writes the start entry, the restore too"),
        tuned(41, "DefaultSeparateVDM", act | setDeact, noEntry),
        tuned(42, "Win32PrioritySeparation", allRuns, noEntry),
        tuned(43, "SizRegBuf", realAct | setAct | setDeact, noEntry),
        tuned(45, "MessageExpiryDays", realAct | setAct | setDeact, noEntry),
        tuned(46, "HideMessenger", realAct | setAct | setDeact, noEntry),
        tuned(47, "NoLowDiskSpaceCheck", realAct | setAct | setDeact, noEntry),
        tuned(53, "", act | setDeact, noEntry),
        holds(54, "", realAct, str("{C2FBB630-2971-11D1-A18C-00C04FD75D13}"),
              "missing before: entry 54 empty, the restore (if filled) keeps the arm's value"),
        tuned(54, "", setDeact, deletes),
        holds(55, "", realAct, str(windowsFolder + "\\system32\\cmd.exe"),
              "missing before: entry 55 empty, the restore (if filled) keeps the arm's value"),
        tuned(55, "", setDeact, deletes),
        holds(57, "Use Search Asst", realAct, str("no"),
              "a text where the scan reads a number: entry 57 "
              "stays empty, the restore keeps \"no\""),
        tuned(57, "Use Search Asst", deact, deletes),
        holds(57, "Use Search Asst", setAct, str("7057"),
              "the scan reads a number, the row writes it back as a text"),
        tuned(22, "EnableDeadGWDetect", deact, deletes),
        tuned(23, "EnablePMTUDiscovery", deact, deletes),
        tuned(29, "ClearPageFileAtShutdown", deact, deletes),
        tuned(31, "RestrictAnonymous", deact, deletes),
        tuned(39, "MaxCachedIcons", deact, deletes),
        tuned(58, "NoRun", deact, deletes),
        tuned(59, "AllocateFloppies", deact, deletes),
        tuned(60, "AllocateCDRoms", deact, deletes),
        tuned(61, "EncryptionContextMenu", act, "a slot holds entries 1 to 60 only"),
        tuned(61, "EncryptionContextMenu", deact, deletes),
        tuned(62, "NoFileAssociate", act, "a slot holds entries 1 to 60 only"),
        tuned(62, "NoFileAssociate", deact, deletes),
    };
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
    void prepareMachine(bool everyValueSet) {
        for (const Covered& c : kCovered) {
            if (auto v = valueBefore(c, everyValueSet)) {
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
    auto& w = *e.window;
    const std::string ini = e.scratch + "modules\\brelk.ini";
    const auto losses = knownLosses(w.c<ui::Edit>("Edit1").text());
    const auto others = restoringOtherRows();
    // Every registry step that restores data from an entry a slot fills, and whether one of
    // the tunings ran it with that entry filled.
    std::map<const brelk::RegStep*, bool> filledOnce;
    for (const brelk::WalkEntry& entry : brelk::walkOrder())
        for (const brelk::RegStep* step : restoringSteps(entry.arm))
            if (step->restore.entry <= brelk::kSlotEntries ||
                step->restore.entry == brelk::kFirstPortEntry)
                filledOnce[step] = false;

    for (const Tuning& t : kTunings) {
        prepareMachine(t.everyValueSet);
        e.platform->files.deleteFile(ini);
        e.platform->profiles.writeString(ini, "Options", "version", "5.0");
        e.platform->profiles.writeString(ini, "Backup", "number", "0");
        std::vector<std::optional<RegistryValue>> original;
        for (const Covered& c : kCovered)
            original.push_back(valueBefore(c, t.everyValueSet));

        e.h.dialogs.messages.clear();
        brelk::savesettings(w);
        ASSERT_EQ(e.platform->profiles.readString(ini, "Backup", "number", ""), "1") << t.name;
        const auto beforeTuning = snapshot();

        tweak_test::setRows(w, tweak_test::performanceRows(), t.column);
        tweak_test::setRows(w, others, t.column);
        w.c<ui::Panel>("Panel2").show();
        w.c<ui::Label>("Label36").click();
        EXPECT_TRUE(e.h.dialogs.messages.empty()) << t.name;
        const auto tuned = snapshot();

        e.h.dialogs.messages.clear();
        brelk::showbackup(w);
        w.c<ui::Label>("Label55").click();
        EXPECT_TRUE(e.h.dialogs.messages.empty()) << t.name;
        EXPECT_EQ(w.state.restoremode, 0) << t.name;
        const auto restored = snapshot();

        for (const brelk::WalkEntry& entry : brelk::walkOrder()) {
            const std::string button = "RadioButton" + std::to_string(entry.button);
            if (entry.button != 0 && !w.c<ui::RadioButton>(button).checked()) continue;
            for (const brelk::RegStep* step : restoringSteps(entry.arm))
                if (!w.state.restoretable[static_cast<std::size_t>(step->restore.entry)].empty())
                    filledOnce[step] = true;
        }

        std::vector<bool> lossSeen(losses.size());
        int exact = 0, changedByTuning = 0, createdByTheSave = 0, asBeforeTheSave = 0;
        std::string report;
        for (std::size_t i = 0; i < std::size(kCovered); ++i) {
            const Covered& c = kCovered[i];
            EXPECT_EQ(beforeTuning[i], original[i]) << t.name << ": entry " << c.entry << " "
                                                    << c.name << " changed by the save's scan";
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
                if (!(loss.runs & t.bit) || loss.entry != c.entry ||
                    std::string(loss.name) != c.name)
                    continue;
                if ((loss.asTuned ? tuned[i] : loss.after) != restored[i]) continue;
                lossSeen[l] = true;
                reason = loss.reason;
            }
            const std::string name = c.name[0] ? c.name : "(default)";
            report += "  entry " + std::to_string(c.entry) + " " + c.key + "\\" + name +
                      ": before " + describe(beforeTuning[i]) + ", after " + describe(restored[i]) +
                      " -- " + reason + "\n";
            EXPECT_STRNE(reason, "UNEXPECTED")
                << t.name << ": entry " << c.entry << " " << name << " before "
                << describe(beforeTuning[i]) << ", tuned " << describe(tuned[i]) << ", after "
                << describe(restored[i]);
        }
        for (std::size_t l = 0; l < losses.size(); ++l) {
            if (!(losses[l].runs & t.bit)) continue;
            EXPECT_TRUE(lossSeen[l])
                << t.name << ": entry " << losses[l].entry << " " << losses[l].name
                << " is no longer lost as listed: " << losses[l].reason;
        }
        std::printf("safety net, %s: %zu covered values, %d changed by the tuning, %d came back "
                    "exactly as before the tuning; %d written by the save's scan itself, %d as "
                    "before the save\n%s",
                    t.name, std::size(kCovered), changedByTuning, exact, createdByTheSave,
                    asBeforeTheSave, report.c_str());
    }
    std::printf("safety net: %zu restoring steps\n", filledOnce.size());
    for (const auto& [step, filled] : filledOnce)
        EXPECT_TRUE(filled) << step->name << " (entry " << step->restore.entry
                            << ") never ran with a filled entry";
}

// Each scanned value is read from its own root: the same key and value name under the other
// roots hold other values, and the entry must take its root's.
TEST_F(SafetyNet, TheScanReadsEachValueFromItsOwnRoot) {
    auto& w = *e.window;
    w.c<ui::RadioButton>("RadioButton3").setChecked(true); // the current user only
    // The text the scan stores for the value under that root.
    auto textIn = [](const Covered& c, RootKey root) {
        const int offset = root == c.root ? 0 : root == LM ? 1000 : root == CU ? 2000 : 3000;
        if (c.type == 'n') return std::to_string(7000 + offset + c.entry);
        return (root == c.root ? "richtig " : "falsch " + std::to_string(offset) + " ") +
               std::to_string(c.entry);
    };
    for (const Covered& c : kCovered) {
        for (RootKey root : {LM, CU, CR}) {
            const std::string text = textIn(c, root);
            put(root, c.key, c.name,
                c.type == 'n' ? RegistryValue::fromInteger(std::stoi(text))
                              : RegistryValue::fromString(text));
        }
    }
    w.state.scantable = {};
    brelk::backup(w);
    for (const Covered& c : kCovered) {
        EXPECT_EQ(w.state.scantable[static_cast<std::size_t>(c.entry)], textIn(c, c.root))
            << "entry " << c.entry << " " << c.key << "\\" << c.name;
    }
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

// A count below the slots that are there, on the real profile functions: the save goes after
// them, and the restore of the new slot gives the first port its own value and creates no
// second one.
TEST_F(SafetyNet, ALowCountAndAMissingPortOnTheRealProfileFunctions) {
    const std::string ini = e.scratch + "modules\\brelk.ini";
    auto& profiles = e.platform->profiles;
    auto& w = *e.window;
    profiles.writeString(ini, "Backup", "number", "0");
    for (const char* slot : {"1", "2"}) {
        profiles.writeString(ini, slot, "Date", slot[0] == '1' ? "Originalzustand" : "01.01.2026");
        profiles.writeString(ini, slot, "19", std::string("Besitzer ") + slot);
    }
    put(LM, kPorts, "COM1:", RegistryValue::fromString("19200,n,8,1"));
    if (auto ports = reg.openKey(LM, kPorts)) ports->deleteValue("COM2:");
    brelk::savesettings(w);
    EXPECT_EQ(profiles.readString(ini, "Backup", "number", ""), "3");
    EXPECT_EQ(profiles.readString(ini, "1", "19", ""), "Besitzer 1");
    EXPECT_EQ(profiles.readString(ini, "2", "19", ""), "Besitzer 2");
    EXPECT_EQ(w.c<ui::RadioGroup>("RadioGroup1").items().size(), 3u);

    put(LM, kPorts, "COM1:", RegistryValue::fromString("1200,n,8,1"));
    w.c<ui::RadioButton>("RadioButton61").setChecked(true);
    w.c<ui::RadioGroup>("RadioGroup1").userSelected(2);
    e.h.dialogs.messages.clear();
    w.c<ui::Panel>("Panel8").show();
    w.c<ui::Label>("Label55").click();
    EXPECT_TRUE(e.h.dialogs.messages.empty());
    auto ports = reg.openKey(LM, kPorts, platform::KeyAccess::Read);
    ASSERT_TRUE(ports);
    EXPECT_EQ(ports->value("COM1:"), RegistryValue::fromString("19200,n,8,1"));
    EXPECT_EQ(ports->value("COM2:"), std::nullopt);
}

} // namespace
