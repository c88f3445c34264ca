// The arms of the performance rows.
#include "shell/int_text.h"
#include "shell/main_window.h"
#include "shell/page_file_setting.h"
#include "tweaks/scan.h"
#include "tweaks/system_actions.h"
#include "tweaks/tuning_run.h"
#include "tweaks/tweak_keys.h"
#include "ui/input_controls.h"

namespace brelk {

namespace {

using namespace keys;

constexpr const char* kDesktop = "\\Control Panel\\Desktop";
constexpr const char* kCdRom = "\\SYSTEM\\CurrentControlSet\\Services\\CDRom";
constexpr const char* kExplorerLm = "\\SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Explorer";
constexpr const char* kEfs = "\\SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion\\EFS";
constexpr const char* kFileSystem = "\\SYSTEM\\CurrentControlSet\\Control\\FileSystem";
constexpr const char* kWindowMetrics = "\\Control Panel\\Desktop\\WindowMetrics";
constexpr const char* kVisualEffects =
    "\\SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Explorer\\VisualEffects";
constexpr const char* kSystemRestore =
    "Software\\Microsoft\\Windows NT\\CurrentVersion\\SystemRestore";
constexpr const char* kPorts = "Software\\Microsoft\\Windows NT\\CurrentVersion\\Ports";
constexpr const char* kExplorerIcons = "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer";
constexpr const char* kWow = "SYSTEM\\CurrentControlSet\\Control\\WOW";
constexpr const char* kPriority = "SYSTEM\\CurrentControlSet\\Control\\PriorityControl";
constexpr const char* kLanmanServer =
    "SYSTEM\\CurrentControlSet\\Services\\lanmanserver\\parameters";
constexpr const char* kUnreadMail = "\\Software\\Microsoft\\Windows\\CurrentVersion\\UnreadMail";
constexpr const char* kOutlookExpress = "\\SOFTWARE\\Microsoft\\Outlook Express";
constexpr const char* kAviProperties =
    "\\System\\SystemFile Associations\\.avi\\Shellex\\PropertyHandler";
constexpr const char* kContextMenuHandlers = "\\AllFilesystemObjects\\shellex\\ContextMenuHandlers";
constexpr const char* kCopyTo = "\\AllFilesystemObjects\\shellex\\ContextMenuHandlers\\CoptyTo";
constexpr const char* kMoveTo = "\\AllFilesystemObjects\\shellex\\ContextMenuHandlers\\MoveTo";
constexpr const char* kPower = "\\Software\\Policies\\Microsoft\\Windows\\System\\Power";
constexpr const char* kCabinetState =
    "\\Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\CabinetState";

// IoPageLockLimit by physical memory in MB, from the lowest size of each band. Above the last
// band the largest value stays; below the first nothing is written.
struct MemoryBand {
    int fromMegabytes;
    const char* limit;
};
constexpr MemoryBand kMemoryBands[] = {
    {512, "131072"}, {256, "65536"}, {192, "16384"}, {128, "12888"},
    {96, "8192"},    {64, "6144"},   {32, "4096"},
};

// The memory size shown in Edit2 decides the IoPageLockLimit.
std::optional<std::string> ioPageLockLimit(TuningRun& run, std::string_view) {
    std::int32_t megabytes = strToInt(run.editText("Edit2"));
    for (const auto& band : kMemoryBands)
        if (megabytes >= band.fromMegabytes) return band.limit;
    return std::nullopt;
}

std::optional<std::string> menuDelayBar(TuningRun& run, std::string_view) {
    return std::to_string(run.window.c<ui::TrackBar>("TrackBar1").position());
}

// The page file as the customisation dialog sets it: drive letter, minimum and maximum MB.
// Fields that make no sound setting (no drive letter, a size that is no whole number, a minimum
// above the maximum) would give the system a page file it cannot use, so nothing is written and
// the log says why.
std::optional<std::string> pageFileSetting(TuningRun& run, std::string_view) {
    const PageFileSetting setting = checkPageFileSetting(
        run.form7Text("Edit1"), run.form7Text("Edit2"), run.form7Text("Edit3"));
    if (setting.ok()) return setting.pagingFiles;
    run.log("Pagingfiles: " + setting.problem + ", nichts geschrieben");
    return std::nullopt;
}

void deleteDesktopIni(TuningRun& run) {
    platform::FileSystem& files = run.ctx.platform.files;
    const std::string& windows = run.editText("Edit1");
    for (const std::string& path : {windows + "\\desktop.ini", windows + "\\system32\\desktop.ini",
                                    run.window.state.programFilesDir + "\\desktop.ini"}) {
        if (files.fileExists(path)) files.deleteFile(path);
    }
}

// In restore mode the CD file system settings go back to the slot's: its prefetch values, or
// no settings key at all when the slot had none.
void restoreCdfs(TuningRun& run) {
    if (!run.restoring()) return;
    if (run.restoreEntry(14).empty()) {
        run.apply({"lm", "delkey", kFileSystem, "CDFS", ""});
    } else {
        run.apply({"lm", "int", kCdfs, "Prefetch", "", always(14)});
        run.apply({"lm", "int", kCdfs, "PrefetchTail", "", always(15)});
    }
}

void refreshIconCache(TuningRun& run) {
    refreshiconcache(run.ctx.platform);
}
void reduceColourDepth(TuningRun& run) {
    neueAufloesung(run.ctx.platform);
}
void activeDesktopOn(TuningRun& run) {
    SetActiveDesktop(run.ctx.platform, true);
}
void activeDesktopOff(TuningRun& run) {
    SetActiveDesktop(run.ctx.platform, false);
}

const ArmEntry kArms[] = {
    {ArmId::diskCacheDeact,
     {RegStep{"lm", "int", kMemoryManagement, "LargeSystemCache", "0", ifFilled(1)}}},
    {ArmId::diskCacheAct,
     {RegStep{"lm", "int", kMemoryManagement, "LargeSystemCache", "1", ifFilled(1)}}},
    {ArmId::menuDelayDeact, {RegStep{"cu", "str", kDesktop, "MenuShowDelay", "400", always(2)}}},
    {ArmId::menuDelayAct,
     {RegStep{"cu", "str", kDesktop, "MenuShowDelay", "", always(2), menuDelayBar}}},
    {ArmId::cdAutorunDeact, {RegStep{"lm", "int", kCdRom, "Autorun", "1", ifFilled(3)}}},
    {ArmId::cdAutorunAct, {RegStep{"lm", "int", kCdRom, "Autorun", "0", ifFilled(3)}}},
    {ArmId::kernelPagingDeact,
     {RegStep{"lm", "int", kMemoryManagement, "DisablePagingExecutive", "0", ifFilled(4)}}},
    {ArmId::kernelPagingAct,
     {RegStep{"lm", "int", kMemoryManagement, "DisablePagingExecutive", "1", ifFilled(4)}}},
    {ArmId::ioPageLockDeact,
     {RegStep{"lm", "int", kMemoryManagement, "IoPageLockLimit", "512", ifFilled(5)}}},
    {ArmId::ioPageLockAct,
     {RegStep{"lm", "int", kMemoryManagement, "IoPageLockLimit", "", ifFilled(5),
              ioPageLockLimit}}},
    {ArmId::folderWarningsAct, {ActionStep{deleteDesktopIni}}},
    {ArmId::pageFileAct,
     {RegStep{"lm", "str", kMemoryManagement, "Pagingfiles", "", {}, pageFileSetting}}},
    {ArmId::unloadDllsDeact, {RegStep{"lm", "del", kExplorerLm, "AlwaysUnloadDLL", "", always(7)}}},
    {ArmId::unloadDllsAct, {RegStep{"lm", "str", kExplorerLm, "AlwaysUnloadDLL", "", always(7)}}},
    {ArmId::shutdownDeact,
     {RegStep{"lm", "str", "SYSTEM\\ControlSet001\\Control", "WaitToKillServiceTimeOut", "20000",
              always(8)},
      RegStep{"cu", "str", "Control Panel\\Desktop", "AutoEndTasks", "2000", always(9)}}},
    {ArmId::shutdownAct,
     {RegStep{"lm", "str", "SYSTEM\\ControlSet001\\Control", "WaitToKillServiceTimeOut", "2000",
              always(8)},
      RegStep{"cu", "str", "Control Panel\\Desktop", "AutoEndTasks", "200", always(9)}}},
    {ArmId::efsCacheDeact,
     {RegStep{"lm", "del", kEfs, "KeyCacheValidationPeriod", "10800", always(10)}}},
    {ArmId::efsCacheAct,
     {RegStep{"lm", "int", kEfs, "KeyCacheValidationPeriod", "10800", ifFilled(10)}}},
    {ArmId::mftZoneDeact,
     {RegStep{"lm", "int", kFileSystem, "NtfsMftZoneReservation", "1", ifFilled(11)}}},
    {ArmId::mftZoneAct,
     {RegStep{"lm", "int", kFileSystem, "NtfsMftZoneReservation", "2", ifFilled(11)}}},
    {ArmId::tempFilesAct, {OpenStep{"modules\\fennock.exe", "", true}}},
    {ArmId::prefetchFilesAct, {OpenStep{"modules\\grisolt.exe", "", true}}},
    {ArmId::cdfsDeact, {RegStep{"lm", "delkey", kFileSystem, "CDFS", ""}}},
    {ArmId::cdfsAct,
     {RegStep{"lm", "int", kCdfs, "Prefetch", "16384"},
      RegStep{"lm", "int", kCdfs, "PrefetchTail", "1024"}, ActionStep{restoreCdfs}}},
    {ArmId::minAnimateDeact,
     {RegStep{"cu", "str", kWindowMetrics, "MinAnimate", "0", ifFilled(18)}}},
    {ArmId::minAnimateAct, {RegStep{"cu", "str", kWindowMetrics, "MinAnimate", "1", ifFilled(18)}}},
    {ArmId::idleTasksAct, {OpenStep{"Rundll32.exe", "advapi32.dll", false}}},
    {ArmId::visualEffectsDeact,
     {RegStep{"lm", "int", kVisualEffects, "checkedvalue", "1", ifFilled(33)}}},
    {ArmId::visualEffectsAct,
     {RegStep{"lm", "int", kVisualEffects, "checkedvalue", "0", ifFilled(33)}}},
    {ArmId::systemRestoreDeact,
     {RegStep{"lm", "int", kSystemRestore, "DisableSR", "0", ifFilled(37)}}},
    {ArmId::systemRestoreAct,
     {RegStep{"lm", "int", kSystemRestore, "DisableSR", "1", ifFilled(37)}}},
    // A port that had no value at the save (or an empty one) keeps what the run wrote: a
    // restore neither creates a port nor gives it an empty setting.
    {ArmId::serialPortsDeact,
     {RegStep{"lm", "str", kPorts, "COM1:", "9600,n,8,1", filledOrNothing(kFirstPortEntry)},
      RegStep{"lm", "str", kPorts, "COM2:", "9600,n,8,1", filledOrNothing(38)}}},
    {ArmId::serialPortsAct,
     {RegStep{"lm", "str", kPorts, "COM1:", "128000,n,8,1,x", filledOrNothing(kFirstPortEntry)},
      RegStep{"lm", "str", kPorts, "COM2:", "128000,n,8,1,x", filledOrNothing(38)}}},
    {ArmId::iconCacheSizeDeact,
     {RegStep{"lm", "del", kExplorerIcons, "MaxCachedIcons", "300", always(39)}}},
    {ArmId::iconCacheSizeAct,
     {RegStep{"lm", "int", kExplorerIcons, "MaxCachedIcons", "600", ifFilled(39)}}},
    {ArmId::iconCacheRefreshAct, {ActionStep{refreshIconCache}}},
    {ArmId::separateVdmDeact, {RegStep{"lm", "str", kWow, "DefaultSeparateVDM", "no"}}},
    {ArmId::separateVdmAct, {RegStep{"lm", "str", kWow, "DefaultSeparateVDM", "yes"}}},
    {ArmId::cpuPriorityDeact, {RegStep{"lm", "int", kPriority, "Win32PrioritySeparation", "38"}}},
    {ArmId::cpuPriorityAct, {RegStep{"lm", "int", kPriority, "Win32PrioritySeparation", "38"}}},
    {ArmId::networkSearchDeact, {RegStep{"lm", "del", kLanmanServer, "SizRegBuf", "65535"}}},
    {ArmId::networkSearchAct, {RegStep{"lm", "int", kLanmanServer, "SizRegBuf", "65535"}}},
    {ArmId::colourDepthAct, {ActionStep{reduceColourDepth}}},
    {ArmId::unreadMailDeact, {RegStep{"cu", "del", kUnreadMail, "MessageExpiryDays", ""}}},
    {ArmId::unreadMailAct, {RegStep{"cu", "int", kUnreadMail, "MessageExpiryDays", "0"}}},
    {ArmId::messengerDeact, {RegStep{"cu", "del", kOutlookExpress, "HideMessenger", ""}}},
    {ArmId::messengerAct, {RegStep{"cu", "int", kOutlookExpress, "HideMessenger", "1"}}},
    {ArmId::lowDiskCheckDeact,
     {RegStep{"cu", "del", kExplorerPolicies, "NoLowDiskSpaceCheck", ""}}},
    {ArmId::lowDiskCheckAct, {RegStep{"cu", "int", kExplorerPolicies, "NoLowDiskSpaceCheck", "1"}}},
    {ArmId::aviPreviewDeact,
     {RegStep{"cr", "str", kAviProperties, "", "{87D62D94-71B3-4b9a-9489-5FE6850DC73E}"}}},
    {ArmId::aviPreviewAct, {RegStep{"cr", "del", kAviProperties, "", ""}}},
    {ArmId::activeDesktopDeact, {ActionStep{activeDesktopOn}}},
    {ArmId::activeDesktopAct, {ActionStep{activeDesktopOff}}},
    {ArmId::copyToDeact,
     {RegStep{"cr", "delkey", kContextMenuHandlers, "CoptyTo", "", ifFilled(54)}}},
    {ArmId::copyToAct,
     {RegStep{"cr", "str", kCopyTo, "", "{C2FBB630-2971-11D1-A18C-00C04FD75D13}", ifFilled(54)}}},
    // The buttons of the row captioned for the move-to entry manage the command prompt entry,
    // and the next row's the move-to entry; the scan pairs them the same way.
    {ArmId::commandPromptDeact,
     {RegStep{"cr", "delkey", "\\Folder\\shell", "CMDPrompt", "", ifFilled(55)}}},
    {ArmId::commandPromptAct,
     {RegStep{"cr", "str", "\\Folder\\shell\\CMDPrompt\\command", "", "\\system32\\cmd.exe",
              ifFilled(55), inWindowsFolder},
      RegStep{"cr", "str", "\\Folder\\shell\\CMDPrompt", "", "Eingabeaufforderung"}}},
    {ArmId::moveToDeact, {RegStep{"cr", "delkey", kContextMenuHandlers, "MoveTo", ""}}},
    {ArmId::moveToAct,
     {RegStep{"cr", "str", kMoveTo, "", "{C2FBB631-2971-11D1-A18C-00C04FD75D13}"}}},
    {ArmId::cdBurningDeact, {RegStep{"lm", "str", kWinlogon, "AllocateDASD", "0", ifFilled(56)}}},
    {ArmId::cdBurningAct, {RegStep{"lm", "str", kWinlogon, "AllocateDASD", "2", ifFilled(56)}}},
    {ArmId::resumePasswordDeact,
     {RegStep{"cu", "del", kPower, "**del.PromptPasswordOnResume", ""}}},
    {ArmId::resumePasswordAct, {RegStep{"cu", "str", kPower, "**del.PromptPasswordOnResume", ""}}},
    {ArmId::searchAssistantDeact,
     {RegStep{"cu", "del", kCabinetState, "Use Search Asst", "yes", ifFilled(57)}}},
    {ArmId::searchAssistantAct,
     {RegStep{"cu", "str", kCabinetState, "Use Search Asst", "no", ifFilled(57)}}},
    {ArmId::thumbnailsDeact, {OpenStep{"Rundll32.exe", "regsvr32 /s shimgvw.dll ", false}}},
    {ArmId::thumbnailsAct, {OpenStep{"Rundll32.exe", "regsvr32 /s /u shimgvw.dll ", false}}},
};

} // namespace

std::span<const ArmEntry> performanceArms() {
    return kArms;
}

} // namespace brelk
