// The arms of the tuning run: what one outer button of a tweak row does when it is checked.
// An arm is a list of steps, each a registry operation, a program started through the shell
// or an action of its own; the walk order (walk_order.h) names arms by their id.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace brelk {

class TuningRun;

enum class ArmId : std::uint16_t {
    none, // no arm
    ownerAndOrganisation,
    // Performance
    diskCacheDeact,
    diskCacheAct,
    menuDelayDeact,
    menuDelayAct,
    cdAutorunDeact,
    cdAutorunAct,
    kernelPagingDeact,
    kernelPagingAct,
    ioPageLockDeact,
    ioPageLockAct,
    folderWarningsAct,
    pageFileAct,
    unloadDllsDeact,
    unloadDllsAct,
    shutdownDeact,
    shutdownAct,
    efsCacheDeact,
    efsCacheAct,
    mftZoneDeact,
    mftZoneAct,
    tempFilesAct,
    prefetchFilesAct,
    cdfsDeact,
    cdfsAct,
    minAnimateDeact,
    minAnimateAct,
    idleTasksAct,
    visualEffectsDeact,
    visualEffectsAct,
    systemRestoreDeact,
    systemRestoreAct,
    serialPortsDeact,
    serialPortsAct,
    iconCacheSizeDeact,
    iconCacheSizeAct,
    iconCacheRefreshAct,
    separateVdmDeact,
    separateVdmAct,
    cpuPriorityDeact,
    cpuPriorityAct,
    networkSearchDeact,
    networkSearchAct,
    colourDepthAct,
    unreadMailDeact,
    unreadMailAct,
    messengerDeact,
    messengerAct,
    lowDiskCheckDeact,
    lowDiskCheckAct,
    aviPreviewDeact,
    aviPreviewAct,
    activeDesktopDeact,
    activeDesktopAct,
    copyToDeact,
    copyToAct,
    commandPromptDeact,
    commandPromptAct,
    moveToDeact,
    moveToAct,
    cdBurningDeact,
    cdBurningAct,
    resumePasswordDeact,
    resumePasswordAct,
    searchAssistantDeact,
    searchAssistantAct,
    thumbnailsDeact,
    thumbnailsAct,
    // Appearance
    oemLogoDeact,
    oemLogoAct,
    toolbarBitmapDeact,
    toolbarBitmapAct,
    bitmapIconDeact,
    bitmapIconAct,
    shortcutArrowDeact,
    shortcutArrowAct,
    buildNumberDeact,
    buildNumberAct,
    browserTitleDeact,
    browserTitleAct,
    computerLabelDeact,
    computerLabelAct,
    // Internet
    flushDnsAct,
    deadGatewayDeact,
    deadGatewayAct,
    blackHoleRouterDeact,
    blackHoleRouterAct,
    dnsCacheDeact,
    dnsCacheAct,
    startPageDeact,
    startPageAct,
    // Security
    clearPageFileDeact,
    clearPageFileAct,
    lastUserNameDeact,
    lastUserNameAct,
    restrictAnonymousDeact,
    restrictAnonymousAct,
    registryScanDeact,
    registryScanAct,
    passwordCachingDeact,
    passwordCachingAct,
    systemFileCheckAct,
    helpProgramsDeact,
    helpProgramsAct,
    adminSharesDeact,
    adminSharesAct,
    officeTrackingDeact,
    officeTrackingAct,
    officeClipboardDeact,
    officeClipboardAct,
    runMenuDeact,
    runMenuAct,
    floppyAccessDeact,
    floppyAccessAct,
    cdRomAccessDeact,
    cdRomAccessAct,
    encryptMenuDeact,
    encryptMenuAct,
    pifProtectionDeact,
    pifProtectionAct,
    fileAssociationsDeact,
    fileAssociationsAct,
    // Anti-spying
    typedAddressesAct,
    browserUpdatesDeact,
    browserUpdatesAct,
    recentDocumentsAct,
    mediaPlayerHistoryAct,
    runDialogHistoryAct,
    relatedLinksDeact,
    relatedLinksAct,
    antiSpyOnce,
    antiSpyPermanent,
    // Program options
    dorvaskDeact,
    dorvaskAct,
    startButtonDeact,
    startButtonAct,
    startButtonOptionOff,
    startButtonOptionOn,
    startMenuShortcutsDeact,
    startMenuShortcutsAct,
    mountAct,
    mountDeact,
    count
};

// Whether a restore replaces a step's data text with restoretable[entry]: only when that
// entry is not empty, or always (an empty entry then writes an empty text); or, for a value
// that must never be written empty nor created by a restore, only when the entry is not empty,
// the step doing nothing at all otherwise.
enum class RestoreRule : std::uint8_t { none, ifFilled, always, filledOrNothing };
struct Restore {
    int entry = 0;
    RestoreRule rule = RestoreRule::none;
};
constexpr Restore ifFilled(int entry) {
    return {entry, RestoreRule::ifFilled};
}
constexpr Restore always(int entry) {
    return {entry, RestoreRule::always};
}
constexpr Restore filledOrNothing(int entry) {
    return {entry, RestoreRule::filledOrNothing};
}

// Forms a data text at run time from the step's text; nothing when the step has nothing to
// write.
using DataFn = std::optional<std::string> (*)(TuningRun& run, std::string_view text);
// Forms a key at run time from the step's key text.
using KeyFn = std::string (*)(TuningRun& run, std::string_view key);

// One registry operation through the primitive (root code, kind, key, value name, data).
struct RegStep {
    const char* root;
    const char* kind;
    const char* key; // the key, or what `keyFrom` forms it from
    const char* name;
    const char* text; // the data, or what `from` forms it from
    Restore restore{};
    DataFn from = nullptr;
    KeyFn keyFrom = nullptr;
};

constexpr int kShowNormal = 1;
constexpr int kShowMinimized = 2;

// A program opened through the shell, without waiting for it; shown minimised unless the
// step says otherwise.
struct OpenStep {
    const char* file;
    const char* parameters;
    bool inProgramFolder; // file is relative to the program folder
    int showCommand = kShowMinimized;
};

using ActionStep = void (*)(TuningRun& run);

using ArmStep = std::variant<RegStep, OpenStep, ActionStep>;
using Arm = std::vector<ArmStep>;

struct ArmEntry {
    ArmId id;
    Arm arm;
};

// The arms of each category.
std::span<const ArmEntry> frameArms();
std::span<const ArmEntry> performanceArms();
std::span<const ArmEntry> appearanceArms();
std::span<const ArmEntry> internetArms();
std::span<const ArmEntry> securityArms();
std::span<const ArmEntry> antiSpyingArms();
std::span<const ArmEntry> programOptionArms();

// Data texts formed at run time, shared by the categories: the text of a main-window edit
// field named by the step's text; of a customisation-dialog field; the Windows folder or the
// program folder followed by the step's text.
std::optional<std::string> mainEditText(TuningRun& run, std::string_view edit);
std::optional<std::string> form7EditText(TuningRun& run, std::string_view edit);
std::optional<std::string> inWindowsFolder(TuningRun& run, std::string_view text);
std::optional<std::string> inProgramFolder(TuningRun& run, std::string_view text);

// The arm with that id; the empty arm for ArmId::none and for ids without an arm.
const Arm& armFor(ArmId id);

} // namespace brelk
