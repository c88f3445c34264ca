// Every registry value that a tuning run writes or deletes, row by row, on the real registry
// under Wine: all rows at activate and at deactivate, for the current user and for all users,
// outside a restore and in a restore from a full and from an empty restore table. Before each
// run every location is seeded with what the run must replace (a binary value, a key with
// contents, or no key), then read back with its root, key, value name, type and data.
//
// Rows without a registry value are not in the table: the desktop.ini deletion, the OEM logo
// and the toolbar background picture (files); the start-menu shortcuts (links); the temporary
// and prefetch files, waiting system processes, thumbnail, system-file check, DNS flush and
// start-button programs (programs started); the icon cache, colour depth, Active Desktop and
// the taskbar's start button (system actions); the start-button and companion options
// (settings file).
#include "tweak_engine_env.h"

#include <gtest/gtest.h>
#include <shlwapi.h>
#include <windows.h>

namespace {

// Own: always the current user's branch, also with "alle Benutzer ".
enum class Root { LM, CU, CR, Own };
using enum Root;

enum class Is { dword, sz, gone, kept, any, emptyKey, noKey, key };
struct Want {
    Is is;
    std::string data = {};
};
Want dw(const char* data) {
    return {Is::dword, data};
}
Want sz(const char* data) {
    return {Is::sz, data};
}
const Want gone{Is::gone}; // the value is deleted
const Want kept{Is::kept}; // the run leaves the seed alone
const Want any{Is::any};   // another row checks this side
const Want emptyKey{Is::emptyKey}, noKey{Is::noKey}, newKey{Is::key};

// How a restore replaces the data: cdfs as ifFilled, but an empty entry deletes the CDFS key;
// arrow: entry 16 "set" deletes the value, anything else writes it empty; filledOrNothing as
// ifFilled, but an empty entry leaves the value alone.
enum class Rule { none, ifFilled, always, cdfs, arrow, filledOrNothing };
struct Restore {
    int entry = 0;
    Rule rule = Rule::none;
};
Restore ifFilled(int k) {
    return {k, Rule::ifFilled};
}
Restore always(int k) {
    return {k, Rule::always};
}
Restore filledOrNothing(int k) {
    return {k, Rule::filledOrNothing};
}

struct Row {
    Root root;
    const char* key; // as the rows give it, with or without a leading backslash
    const char* name;
    Want act, deact;
    Restore restore = {};
};

constexpr const char* kMemory =
    "\\SYSTEM\\CurrentControlSet\\Control\\Session Manager\\Memory Management";
constexpr const char* kDesktop = "Control Panel\\Desktop";
constexpr const char* kFileSystem = "\\SYSTEM\\CurrentControlSet\\Control\\FileSystem";
constexpr const char* kCdfs = "\\SYSTEM\\CurrentControlSet\\Control\\FileSystem\\CDFS";
constexpr const char* kPolicyExplorer =
    "\\Software\\Microsoft\\Windows\\CurrentVersion\\Policies\\Explorer";
constexpr const char* kWinlogon = "\\Software\\Microsoft\\Windows NT\\CurrentVersion\\Winlogon";
constexpr const char* kDriveWinlogon = "\\Software\\Microsoft\\WindowsNT\\CurrentVersion\\Winlogon";
constexpr const char* kNtVersion = "\\SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion";
constexpr const char* kPorts = "Software\\Microsoft\\Windows NT\\CurrentVersion\\Ports";
constexpr const char* kTcpip = "\\SYSTEM\\CurrentControlSet\\Services\\tcpip\\Parameters";
constexpr const char* kDns = "SYSTEM\\CurrentControlSet\\Services\\Dnscache\\Parameters";
constexpr const char* kMain = "Software\\Microsoft\\Internet Explorer\\Main";
constexpr const char* kOffice = "\\Software\\Microsoft\\Office\\11.0\\Common\\General";
constexpr const char* kRun = "\\Software\\Microsoft\\Windows\\CurrentVersion\\Run";
constexpr const char* kRunOnce = "\\Software\\Microsoft\\Windows\\CurrentVersion\\RunOnce";
constexpr const char* kTypedUrls = "\\Software\\Microsoft\\Internet Explorer\\TypedURLs";

// <E> is the program folder, <W> the Windows folder.
const std::vector<Row>& rows() {
    static const std::vector<Row> all = {
        // The run's frame.
        {CU, "\\SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Brelk", "", noKey, noKey},
        {CU, kRunOnce, "brelkuninstall", sz("\"<E>uninstall.exe\" /afterrestart"),
         sz("\"<E>uninstall.exe\" /afterrestart")},
        {LM, kNtVersion, "RegisteredOwner", sz("Lizenznehmer"), sz("Lizenznehmer"), always(19)},
        {LM, kNtVersion, "RegisteredOrganization", sz("Organisation"), sz("Organisation"),
         always(20)},
        // Performance.
        {LM, kMemory, "LargeSystemCache", dw("1"), dw("0"), ifFilled(1)},
        {CU, "\\Control Panel\\Desktop", "MenuShowDelay", sz("120"), sz("400"), always(2)},
        {LM, "\\SYSTEM\\CurrentControlSet\\Services\\CDRom", "Autorun", dw("0"), dw("1"),
         ifFilled(3)},
        {LM, kMemory, "DisablePagingExecutive", dw("1"), dw("0"), ifFilled(4)},
        {LM, kMemory, "IoPageLockLimit", dw("12888"), dw("512"), ifFilled(5)},
        {LM, kMemory, "Pagingfiles", sz("C:\\pagefile.sys 384 768"), kept},
        {LM, "\\SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Explorer", "AlwaysUnloadDLL", sz(""),
         gone, always(7)},
        {LM, "SYSTEM\\ControlSet001\\Control", "WaitToKillServiceTimeOut", sz("2000"), sz("20000"),
         always(8)},
        {CU, kDesktop, "AutoEndTasks", sz("200"), sz("2000"), always(9)},
        {LM, "\\SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion\\EFS", "KeyCacheValidationPeriod",
         dw("10800"), gone, ifFilled(10)},
        {LM, kFileSystem, "NtfsMftZoneReservation", dw("2"), dw("1"), ifFilled(11)},
        {LM, kCdfs, "Prefetch", dw("16384"), noKey, {14, Rule::cdfs}},
        {LM, kCdfs, "PrefetchTail", dw("1024"), noKey, {15, Rule::cdfs}},
        {CU, "\\Control Panel\\Desktop\\WindowMetrics", "MinAnimate", sz("1"), sz("0"),
         ifFilled(18)},
        {LM, "\\SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Explorer\\VisualEffects",
         "checkedvalue", dw("0"), dw("1"), ifFilled(33)},
        {LM, "Software\\Microsoft\\Windows NT\\CurrentVersion\\SystemRestore", "DisableSR", dw("1"),
         dw("0"), ifFilled(37)},
        {LM, kPorts, "COM1:", sz("128000,n,8,1,x"), sz("9600,n,8,1"), filledOrNothing(63)},
        {LM, kPorts, "COM2:", sz("128000,n,8,1,x"), sz("9600,n,8,1"), filledOrNothing(38)},
        {LM, "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer", "MaxCachedIcons", dw("600"),
         gone, ifFilled(39)},
        {LM, "SYSTEM\\CurrentControlSet\\Control\\WOW", "DefaultSeparateVDM", sz("yes"), sz("no")},
        {LM, "SYSTEM\\CurrentControlSet\\Control\\PriorityControl", "Win32PrioritySeparation",
         dw("38"), dw("38")},
        {LM, "SYSTEM\\CurrentControlSet\\Services\\lanmanserver\\parameters", "SizRegBuf",
         dw("65535"), gone},
        {CU, "\\Software\\Microsoft\\Windows\\CurrentVersion\\UnreadMail", "MessageExpiryDays",
         dw("0"), gone},
        {CU, "\\SOFTWARE\\Microsoft\\Outlook Express", "HideMessenger", dw("1"), gone},
        {CU, kPolicyExplorer, "NoLowDiskSpaceCheck", dw("1"), gone},
        {CR, "\\System\\SystemFile Associations\\.avi\\Shellex\\PropertyHandler", "", gone,
         sz("{87D62D94-71B3-4b9a-9489-5FE6850DC73E}")},
        {CR, "\\AllFilesystemObjects\\shellex\\ContextMenuHandlers\\CoptyTo", "",
         sz("{C2FBB630-2971-11D1-A18C-00C04FD75D13}"), noKey, ifFilled(54)},
        {CR, "\\Folder\\shell\\CMDPrompt\\command", "", sz("<W>\\system32\\cmd.exe"), noKey,
         ifFilled(55)},
        {CR, "\\Folder\\shell\\CMDPrompt", "", sz("Eingabeaufforderung"), noKey},
        {CR, "\\AllFilesystemObjects\\shellex\\ContextMenuHandlers\\MoveTo", "",
         sz("{C2FBB631-2971-11D1-A18C-00C04FD75D13}"), noKey},
        {LM, kWinlogon, "AllocateDASD", sz("2"), sz("0"), ifFilled(56)},
        {CU, "\\Software\\Policies\\Microsoft\\Windows\\System\\Power",
         "**del.PromptPasswordOnResume", sz(""), gone},
        {CU, "\\Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\CabinetState",
         "Use Search Asst", sz("no"), gone, ifFilled(57)},
        // Appearance.
        {CU, "Software\\Microsoft\\Internet Explorer\\Toolbar", "BackBitmap",
         sz("<W>\\brelk\\bckgrnd.bmp"), kept},
        {CR, "\\Paint.Picture\\DefaultIcon", "", sz("%1"), sz("Bitmap"), always(13)},
        {CR, "\\lnkfile", "ISShortcut", gone, sz(""), {16, Rule::arrow}},
        {CR, "\\piffile", "ISShortcut", gone, sz(""), {16, Rule::arrow}},
        {CU, kDesktop, "PaintDesktopVersion", dw("1"), dw("0"), ifFilled(17)},
        {CU, kMain, "Window Title", sz("Surfen mit Brelk"), sz("Surfen mit Brelk"), always(21)},
        {CU,
         "\\Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Clsid\\"
         "{20D04FE0-3AEA-1069-A2D8-08002B30309D} ",
         "", sz("Mein Rechner"), sz("Mein Rechner"), always(48)},
        // Internet. The start page's addresses are the program's own choice.
        {LM, kTcpip, "EnableDeadGWDetect", dw("1"), gone, ifFilled(22)},
        {LM, kTcpip, "EnablePMTUDiscovery", dw("1"), gone, ifFilled(23)},
        {LM, kDns, "CacheHashTableBucketSize", dw("0"), dw("0"), ifFilled(24)},
        {LM, kDns, "CacheHashTableSize", dw("384"), dw("384"), ifFilled(25)},
        {LM, kDns, "MaxCacheEntryTtlLimit", dw("64000"), dw("64000"), ifFilled(26)},
        {LM, kDns, "MaxSOACacheEntryTtlLimit", dw("301"), dw("301"), ifFilled(27)},
        {CU, kMain, "Start Page", sz("http://www.brelvanto.example/"), sz("about:blank"),
         ifFilled(28)},
        // Security.
        {LM, kMemory, "ClearPageFileAtShutdown", dw("1"), gone, ifFilled(29)},
        {LM, kWinlogon, "DontDisplayLastUserName", sz("2"), sz("0"), ifFilled(30)},
        {LM, "\\SYSTEM\\CurrentControlSet\\Control\\LSA", "RestrictAnonymous", dw("1"), gone,
         ifFilled(31)},
        {LM, kNtVersion, "RegDone", sz("1"), sz(""), always(32)},
        {CU, "Software\\Microsoft\\Windows\\CurrentVersion\\Internet Settings",
         "DisablePasswortCaching", dw("1"), dw("0"), ifFilled(40)},
        {CU, "\\Policies\\Microsoft\\Windows\\System", "DisableInHelp",
         sz("cmd.exe;control.exe;msconfig.exe;attrib.exe"), gone},
        {CU, "\\System\\CurrentControlSet\\Services\\LanmanServer\\Parameters", "AutoShareServer",
         dw("0"), gone},
        {CU, kOffice, "NoTrack", dw("1"), gone},
        {CU, kOffice, "AcbControl", dw("1"), gone},
        {CU, kPolicyExplorer, "NoRun", dw("1"), gone, ifFilled(58)},
        {LM, kDriveWinlogon, "AllocateFloppies", dw("1"), gone, ifFilled(59)},
        {LM, kDriveWinlogon, "AllocateCDRoms", dw("1"), gone, ifFilled(60)},
        {LM,
         "\\Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Advanced\\"
         "EncryptionContextMenu",
         "EncryptionContextMenu", dw("1"), gone, ifFilled(61)},
        {CR, "\\piffile", "AlwaysShowExt", sz(""), gone},
        {CR, "\\piffile", "NeverShowExt", gone, sz("")},
        {LM, "\\Software\\Microsoft\\Windows\\CurrentVersion\\Policies", "NoFileAssociate", dw("1"),
         gone, ifFilled(62)},
        // Anti-spying; activate runs "dauerhaft", deactivate runs "einmalig".
        {Own, kTypedUrls, "url1", gone, kept},
        {Own, kTypedUrls, "url30", gone, kept},
        {CU,
         "\\Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\UserAssist\\"
         "{5E6AB780-7743-11CF-A12B-00AA004AE837}\\Count",
         "", emptyKey, kept},
        {CU, kMain, "NoUpdateCheck", sz("1"), sz("0"), always(34)},
        {CU, "\\Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\RecentDocs", "", emptyKey,
         kept},
        {CU, "\\Software\\Microsoft\\MediaPlayer\\Player\\RecentFileList", "", emptyKey, kept},
        {CU, "\\Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\ComDlg32\\RecentFileList",
         "", emptyKey, kept},
        {LM,
         "\\Software\\Microsoft\\Internet Explorer\\Extensions\\"
         "c95fe080-8f5d-112d-a20b-00aa003c157a\\Extensions",
         "", emptyKey, newKey},
        {CU, kRun, "brelkmervane", sz("<E>modules\\mervane.exe"), gone},
        // Program options. The mount quotes its folder, so that one with blanks stays one
        // argument.
        {CU, kRun, "brelkdorvask", sz("<E>modules\\dorvask.exe"), any},
        {Own, kRun, "brelkdorvask", any, gone},
        {CU, kRun, "brelkpelloquin", sz("<E>modules\\pelloquin.exe"), any},
        {Own, kRun, "brelkpelloquin", any, gone},
        {CU, kRunOnce, "brelkmountmgr", sz("subst X: \"<E>Eigene Bilder\""), sz("subst X: /D")},
    };
    return all;
}

enum class Mode { plain, allUsers, fullRestore, emptyRestore };

std::string entryText(int k) {
    return k == 16 ? "set" : std::to_string(1000 + k);
}

// What a row must leave after a run in that mode.
Want wanted(const Row& row, bool activate, Mode mode) {
    Want w = activate ? row.act : row.deact;
    bool full = mode == Mode::fullRestore;
    if (!full && mode != Mode::emptyRestore) return w;
    const Restore& r = row.restore;
    if (r.rule == Rule::arrow) return full ? gone : sz("");
    if (r.rule == Rule::filledOrNothing && !full) return kept;
    if (w.is != Is::dword && w.is != Is::sz) return w;
    if (full && r.rule != Rule::none) return {w.is, entryText(r.entry)};
    if (r.rule == Rule::cdfs) return gone;
    return r.rule == Rule::always ? Want{w.is, ""} : w;
}

HKEY rootOf(Root root, bool allUsers) {
    switch (root) {
    case LM:
        return HKEY_LOCAL_MACHINE;
    case CR:
        return HKEY_CLASSES_ROOT;
    case CU:
        return allUsers ? HKEY_LOCAL_MACHINE : HKEY_CURRENT_USER;
    case Own:
        break;
    }
    return HKEY_CURRENT_USER;
}

const BYTE kSeed[] = {0x5e, 0xed};

// Puts into place what the run must change; a key the run must create is removed.
void seed(HKEY root, const std::string& key, const char* name, Is is) {
    if (is == Is::any) return;
    if (is == Is::key) {
        SHDeleteKeyA(root, key.c_str());
        return;
    }
    HKEY k = nullptr;
    ASSERT_EQ(
        RegCreateKeyExA(root, key.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &k, nullptr),
        ERROR_SUCCESS)
        << key;
    RegSetValueExA(k, name, 0, REG_BINARY, kSeed, sizeof kSeed);
    HKEY child = nullptr;
    if (RegCreateKeyExA(k, "seed", 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &child, nullptr) ==
        ERROR_SUCCESS)
        RegCloseKey(child);
    RegCloseKey(k);
}

std::string expected(const Want& w) {
    switch (w.is) {
    case Is::dword:
        return "dword " + w.data;
    case Is::sz:
        return "sz \"" + w.data + "\"";
    case Is::kept:
        return "seed";
    case Is::emptyKey:
        return "empty key";
    case Is::key:
        return "key";
    case Is::gone:
    case Is::noKey:
    case Is::any:
        break;
    }
    return "nothing";
}

// The value, or for a key row the key, as expected() spells it.
std::string found(HKEY root, const std::string& key, const char* name, Is is) {
    HKEY k = nullptr;
    if (RegOpenKeyExA(root, key.c_str(), 0, KEY_READ, &k) != ERROR_SUCCESS) return "nothing";
    std::string out;
    if (is == Is::key || is == Is::emptyKey || is == Is::noKey) {
        DWORD subkeys = 0, values = 0;
        RegQueryInfoKeyA(k, nullptr, nullptr, nullptr, &subkeys, nullptr, nullptr, &values, nullptr,
                         nullptr, nullptr, nullptr);
        out = is == Is::key           ? "key"
              : subkeys + values == 0 ? "empty key"
                                      : "key with " + std::to_string(values) + " values, " +
                                            std::to_string(subkeys) + " subkeys";
    } else {
        DWORD type = 0;
        BYTE data[512] = {};
        DWORD size = sizeof data - 1;
        if (RegQueryValueExA(k, name, nullptr, &type, data, &size) != ERROR_SUCCESS) {
            out = "nothing";
        } else if (type == REG_DWORD) {
            DWORD n = 0;
            memcpy(&n, data, sizeof n);
            out = "dword " + std::to_string(static_cast<std::int32_t>(n));
        } else if (type == REG_SZ) {
            out = "sz \"" + std::string(reinterpret_cast<char*>(data)) + "\"";
        } else if (type == REG_BINARY && size == sizeof kSeed && !memcmp(data, kSeed, size)) {
            out = "seed";
        } else {
            out = "type " + std::to_string(type);
        }
    }
    RegCloseKey(k);
    return out;
}

std::string replaced(std::string text, const std::string& what, const std::string& with) {
    if (auto at = text.find(what); at != std::string::npos) text.replace(at, what.size(), with);
    return text;
}

struct Win32RegistryTable : ::testing::Test {
    tweak_test::Win32Engine e;

    Win32RegistryTable() {
        // An installed Word of version 11, which the Office rows name in their key.
        HKEY word = nullptr;
        RegCreateKeyExA(HKEY_CLASSES_ROOT, "Word.Application\\CurVer", 0, nullptr, 0,
                        KEY_ALL_ACCESS, nullptr, &word, nullptr);
        RegSetValueExA(word, "", 0, REG_SZ, reinterpret_cast<const BYTE*>("Word.Application.11"),
                       20);
        RegCloseKey(word);
        e.window->c<ui::Edit>("Edit2").setText("128");
        e.window->c<ui::Edit>("Edit8").setText("http://www.brelvanto.example");
        e.window->c<ui::TrackBar>("TrackBar1").setPosition(120);
        tweak_test::setDialogField(*e.form7, "Edit5", "Surfen mit Brelk");
        tweak_test::setDialogField(*e.form7, "Edit4", "Mein Rechner");
        tweak_test::setDialogField(*e.form7, "Edit11", e.scratch + "Eigene Bilder");
        tweak_test::setDialogField(*e.form7, "Edit12", "X");
        e.platform->files.createDirectory(e.scratch + "Eigene Bilder");
        e.shell.folders[platform::csidl::programs] = e.scratch + "Programme";
    }

    void run(bool activate, Mode mode) {
        auto& w = *e.window;
        bool allUsers = mode == Mode::allUsers;
        w.c<ui::RadioButton>(allUsers ? "RadioButton4" : "RadioButton3").setChecked(true);
        w.c<ui::RadioButton>(activate ? "RadioButton2" : "RadioButton1").setChecked(true);
        auto column = activate ? tweak_test::Column::act : tweak_test::Column::deact;
        tweak_test::setRows(w, tweak_test::performanceRows(), column);
        tweak_test::setRows(w, tweak_test::otherRows(), column);
        bool restoring = mode == Mode::fullRestore || mode == Mode::emptyRestore;
        w.state.restoremode = restoring ? 1 : 0;
        for (int k = 1; k <= 65; ++k)
            w.state.restoretable[static_cast<std::size_t>(k)] =
                mode == Mode::fullRestore ? entryText(k) : "";
        for (const Row& row : rows()) {
            const std::string key = row.key[0] == '\\' ? row.key + 1 : row.key;
            Is is = wanted(row, activate, mode).is;
            seed(rootOf(row.root, allUsers), key, row.name, is);
            if (allUsers && row.root == CU && is != Is::any)
                seed(HKEY_CURRENT_USER, key, row.name, Is::kept);
        }
        e.h.dialogs.messages.clear();
        w.show();
        w.c<ui::Panel>("Panel2").show();
        w.c<ui::Label>("Label36").click();
        w.state.restoremode = 0;
    }

    void expectRows(bool activate, Mode mode) {
        const char* names[] = {"plain", "all users", "full restore", "empty restore"};
        const std::string run =
            std::string(activate ? "activate, " : "deactivate, ") + names[static_cast<int>(mode)];
        EXPECT_TRUE(e.h.dialogs.messages.empty())
            << run << ": " << e.h.dialogs.messages.front().text;
        bool allUsers = mode == Mode::allUsers;
        for (const Row& row : rows()) {
            const std::string key = row.key[0] == '\\' ? row.key + 1 : row.key;
            Want w = wanted(row, activate, mode);
            if (w.is == Is::any) continue;
            w.data = replaced(replaced(w.data, "<E>", e.scratch), "<W>", e.scratch + "WINDOWS");
            HKEY root = rootOf(row.root, allUsers);
            const char* rootName = root == HKEY_LOCAL_MACHINE  ? "HKLM"
                                   : root == HKEY_CLASSES_ROOT ? "HKCR"
                                                               : "HKCU";
            EXPECT_EQ(found(root, key, row.name, w.is), expected(w))
                << run << ": " << rootName << "\\" << key << " [" << row.name << "]";
            if (allUsers && row.root == CU) {
                EXPECT_EQ(found(HKEY_CURRENT_USER, key, row.name, Is::kept), "seed")
                    << run << ": the current user's " << key << " [" << row.name << "]";
            }
        }
    }
};

TEST_F(Win32RegistryTable, EveryRowAtActivateAndDeactivateInEveryMode) {
    for (Mode mode : {Mode::plain, Mode::allUsers, Mode::fullRestore, Mode::emptyRestore}) {
        for (bool activate : {true, false}) {
            run(activate, mode);
            expectRows(activate, mode);
        }
    }
}

} // namespace
