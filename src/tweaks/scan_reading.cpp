// The reading step of the scan: one scanregvalue per table line, in the table's order, with
// the OEM logo copy and the shortcut-arrow probe between them.
#include "shell/main_window.h"
#include "tweaks/registry_primitive.h"
#include "tweaks/scan.h"
#include "tweaks/system_actions.h"
#include "tweaks/tweak_keys.h"
#include "ui/input_controls.h"

#include <span>

namespace brelk {

namespace {

using namespace keys;

constexpr const char* kCurrentVersion = "\\SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion";
constexpr const char* kTcpip = "\\SYSTEM\\CurrentControlSet\\Services\\tcpip\\Parameters";
constexpr const char* kDnsCache = "SYSTEM\\CurrentControlSet\\Services\\Dnscache\\Parameters";
constexpr const char* kIeMain = "\\Software\\Microsoft\\Internet Explorer\\Main";
constexpr const char* kRun = "\\Software\\Microsoft\\Windows\\CurrentVersion\\Run";
// The drive rows write their values under "WindowsNT" without a blank; the scan reads them
// there, so that a slot holds what those rows change.
constexpr const char* kWinlogonNt = "\\Software\\Microsoft\\WindowsNT\\CurrentVersion\\Winlogon";

// What a line's default or key is formed from at run time.
enum class Formed : std::uint8_t {
    none,
    defaultInProgramFolder, // the program folder + the default
    defaultInWindowsFolder, // the Windows folder (Edit1) + the default
    officeKey,              // the key names the installed Office version
};

// What follows a line's read.
enum class Then : std::uint8_t {
    nothing,
    ownerField,        // Edit3 takes entry 19
    organisationField, // Edit4 takes entry 20
    againForAllUsers,  // with "alle Benutzer " the value is read once more, as kind "del"
};

struct ScanRead {
    int entry;
    const char* root;
    const char* kind;
    const char* key;
    const char* name;
    const char* defaultValue;
    Formed formed = Formed::none;
    Then then = Then::nothing;
};

// Entry 11 is read twice, as the run log has always shown it.
const ScanRead kFirstReads[] = {
    {1, "lm", "int", kMemoryManagement, "LargeSystemCache", "0"},
    {2, "cu", "str", "\\Control Panel\\Desktop", "MenuShowDelay", "400"},
    {3, "lm", "int", "\\SYSTEM\\CurrentControlSet\\Services\\CDRom", "Autorun", "1"},
    {4, "lm", "int", kMemoryManagement, "DisablePagingExecutive", "1"},
    {5, "lm", "int", kMemoryManagement, "IoPageLockLimit", "512"},
    {7, "lm", "str", "\\SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Explorer", "AlwaysUnloadDLL",
     ""},
    {8, "lm", "str", "SYSTEM\\ControlSet001\\Control", "WaitToKillServiceTimeOut", "20000"},
    {9, "cu", "str", "Control Panel\\Desktop", "AutoEndTasks", "2000"},
    {10, "lm", "int", "\\SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion\\EFS",
     "KeyCacheValidationPeriod", "10800"},
    {11, "lm", "int", "\\SYSTEM\\CurrentControlSet\\Control\\FileSystem", "NtfsMftZoneReservation",
     "1"},
    {11, "lm", "int", "\\SYSTEM\\CurrentControlSet\\Control\\FileSystem", "NtfsMftZoneReservation",
     "1"},
    {14, "lm", "int", kCdfs, "Prefetch", "16384"},
    {15, "lm", "int", kCdfs, "PrefetchTail", "1024"},
};

const ScanRead kLogoReads[] = {
    {12, "cu", "str", "\\Software\\Microsoft\\Internet Explorer\\Toolbar", "BackBitmap", ""},
    {13, "cr", "str", "\\Paint.Picture\\DefaultIcon", "", "Bitmap"},
};

const ScanRead kLaterReads[] = {
    {17, "cu", "int", "\\Control Panel\\Desktop", "PaintDesktopVersion", "1"},
    {18, "cu", "str", "\\Control Panel\\Desktop\\WindowMetrics", "MinAnimate", "1"},
    {19, "lm", "str", kCurrentVersion, "RegisteredOwner", "Lizenznehmer", Formed::none,
     Then::ownerField},
    {20, "lm", "str", kCurrentVersion, "RegisteredOrganization", "Organisation", Formed::none,
     Then::organisationField},
    {21, "cu", "str", kIeMain, "Window Title", "Microsoft Internet Explorer"},
    {22, "lm", "int", kTcpip, "EnableDeadGWDetect", "0"},
    {23, "lm", "int", kTcpip, "EnablePMTUDiscovery", "0"},
    {24, "lm", "int", kDnsCache, "CacheHashTableBucketSize", "0"},
    {25, "lm", "int", kDnsCache, "CacheHashTableSize", "384"},
    {26, "lm", "int", kDnsCache, "MaxCacheEntryTtlLimit", "64000"},
    {27, "lm", "int", kDnsCache, "MaxSOACacheEntryTtlLimit", "301"},
    {28, "cu", "str", kIeMain, "Start Page", ""},
    {29, "lm", "int", kMemoryManagement, "ClearPageFileAtShutdown", "0"},
    {30, "lm", "str", kWinlogon, "DontDisplayLastUserName", "0"},
    {31, "lm", "int", "\\SYSTEM\\CurrentControlSet\\Control\\LSA", "RestrictAnonymous", "0"},
    {32, "lm", "str", kCurrentVersion, "RegDone", "0"},
    {33, "lm", "int", "\\SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Explorer\\VisualEffects",
     "checkedvalue", "1"},
    {34, "cu", "str", kIeMain, "NoUpdateCheck", "0"},
    {35, "cu", "str", kRun, "brelkmervane", "modules\\mervane.exe", Formed::defaultInProgramFolder},
    {36, "cu", "str", kRun, "brelkdorvask", "", Formed::none, Then::againForAllUsers},
    {37, "lm", "int", "Software\\Microsoft\\Windows NT\\CurrentVersion\\SystemRestore", "DisableSR",
     "0"},
    // Each port into an entry of its own; the mapping reads the second's.
    {kFirstPortEntry, "lm", "str", "Software\\Microsoft\\Windows NT\\CurrentVersion\\Ports",
     "COM1:", "9600,n,8,1"},
    {38, "lm", "str", "Software\\Microsoft\\Windows NT\\CurrentVersion\\Ports",
     "COM2:", "9600,n,8,1"},
    {39, "lm", "int", "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer", "MaxCachedIcons",
     "300"},
    {40, "cu", "int", "Software\\Microsoft\\Windows\\CurrentVersion\\Internet Settings",
     "DisablePasswortCaching", "0"},
    {41, "lm", "str", "SYSTEM\\CurrentControlSet\\Control\\WOW", "DefaultSeparateVDM", "no"},
    {42, "lm", "int", "SYSTEM\\CurrentControlSet\\Control\\PriorityControl",
     "Win32PrioritySeparation", "38"},
    {43, "lm", "del", "SYSTEM\\CurrentControlSet\\Services\\lanmanserver\\parameters", "SizRegBuf",
     "65535"},
    {44, "cu", "str", kRun, "brelkfastshutdown", ""},
    {45, "cu", "del", "\\Software\\Microsoft\\Windows\\CurrentVersion\\UnreadMail",
     "MessageExpiryDays", ""},
    {46, "cu", "del", "\\SOFTWARE\\Microsoft\\Outlook Express", "HideMessenger", ""},
    {47, "cu", "del", kExplorerPolicies, "NoLowDiskSpaceCheck", ""},
    // The key ends in one blank.
    {48, "cu", "str",
     "\\Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Clsid\\"
     "{20D04FE0-3AEA-1069-A2D8-08002B30309D} ",
     "", "Arbeitsplatz"},
    {49, "cu", "str", "\\Policies\\Microsoft\\Windows\\System", "DisableInHelp", ""},
    {50, "cu", "del", "\\System\\CurrentControlSet\\Services\\LanmanServer\\Parameters",
     "AutoShareServer", ""},
    {51, "cu", "del", "", "NoTrack", "", Formed::officeKey},
    {52, "cu", "del", "", "AcbControl", "", Formed::officeKey},
    {53, "cr", "str", "\\System\\SystemFile Associations\\.avi\\Shellex\\PropertyHandler", "",
     "{87D62D94-71B3-4b9a-9489-5FE6850DC73E}"},
    {54, "cr", "str", "\\AllFilesystemObjects\\shellex\\ContextMenuHandlers\\CoptyTo", "",
     "{C2FBB630-2971-11D1-A18C-00C04FD75D13}"},
    {55, "cr", "str", "\\Folder\\shell\\CMDPrompt\\command", "", "\\system32\\cmd.exe",
     Formed::defaultInWindowsFolder},
    {56, "lm", "str", kWinlogon, "AllocateDASD", "0"},
    {57, "cu", "del", "\\Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\CabinetState",
     "Use Search Asst", "yes"},
    {58, "cu", "del", kExplorerPolicies, "NoRun", "0"},
    {59, "lm", "del", kWinlogonNt, "AllocateFloppies", "0"},
    {60, "lm", "del", kWinlogonNt, "AllocateCDRoms", "0"},
    {61, "lm", "del",
     "\\Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Advanced\\EncryptionContextMenu",
     "EncryptionContextMenu", "0"},
    {62, "lm", "del", "\\Software\\Microsoft\\Windows\\CurrentVersion\\Policies", "NoFileAssociate",
     "0"},
};

class Reader {
  public:
    explicit Reader(MainWindow& w) : w_(w), regop_(registryPrimitiveOf(w)) {}

    void read(std::span<const ScanRead> lines) {
        for (const ScanRead& line : lines) {
            read(line, line.kind);
            then(line);
        }
    }

  private:
    void read(const ScanRead& line, const char* kind) {
        std::string key = line.key;
        std::string defaultValue = line.defaultValue;
        switch (line.formed) {
        case Formed::defaultInProgramFolder:
            defaultValue = w_.ctx.programFolder + defaultValue;
            break;
        case Formed::defaultInWindowsFolder:
            defaultValue = windowsFolder() + defaultValue;
            break;
        case Formed::officeKey:
            key = "\\Software\\Microsoft\\Office\\" + officeVersion() + ".0\\Common\\General";
            break;
        case Formed::none:
            break;
        }
        regop_.scanregvalue(key, line.name, defaultValue, line.entry, line.root, kind);
    }

    void then(const ScanRead& line) {
        const auto& table = w_.state.scantable;
        switch (line.then) {
        case Then::ownerField:
            w_.c<ui::Edit>("Edit3").setText(table[19]);
            break;
        case Then::organisationField:
            w_.c<ui::Edit>("Edit4").setText(table[20]);
            break;
        case Then::againForAllUsers:
            if (w_.c<ui::RadioButton>("RadioButton4").checked()) read(line, "del");
            break;
        case Then::nothing:
            break;
        }
    }

    const std::string& windowsFolder() const { return w_.c<ui::Edit>("Edit1").text(); }

    // Looked up once per scan, when the first Office line needs it.
    const std::string& officeVersion() {
        if (office_.empty()) officeversion(w_.ctx.platform, office_);
        return office_;
    }

    MainWindow& w_;
    RegistryPrimitive regop_;
    std::string office_;
};

std::string oemFolder(MainWindow& w, int slot) {
    return w.c<ui::Edit>("Edit1").text() + "\\brelk\\oem.original." + std::to_string(slot);
}

// The OEM logo as it is before any tuning; a copy made by an earlier scan is kept.
void copyOemLogo(MainWindow& w, int slot) {
    auto& files = w.ctx.platform.files;
    const std::string logo = w.c<ui::Edit>("Edit1").text() + "\\system\\oemlogo.bmp";
    if (files.fileExists(logo)) files.copyFile(logo, oemFolder(w, slot) + "\\oemlogo.bmp", false);
}

// Entry 16: "set" while shortcuts are shown without their arrow (no "ISShortcut" value, also
// when the key itself is not there). Only read, like every value of the scan.
void probeShortcutArrow(MainWindow& w) {
    auto key = w.ctx.platform.registry.openKey(platform::RootKey::ClassesRoot, "\\lnkfile",
                                               platform::KeyAccess::Read);
    w.state.scantable[16] = key && key->valueExists("ISShortcut") ? "" : "set";
}

} // namespace

void backup(MainWindow& w) {
    backup(w, w.state.backupcount);
}

void backup(MainWindow& w, int logoSlot) {
    w.ctx.platform.files.createDirectory(oemFolder(w, logoSlot));
    Reader reader(w);
    reader.read(kFirstReads);
    copyOemLogo(w, logoSlot);
    reader.read(kLogoReads);
    probeShortcutArrow(w);
    reader.read(kLaterReads);
}

} // namespace brelk
