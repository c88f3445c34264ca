// The arms of the anti-spying rows and of the anti-spying mode switch.
#include "tweaks/tuning_run.h"

namespace brelk {

namespace {

constexpr const char* kTypedUrls = "Software\\Microsoft\\Internet Explorer\\TypedURLs";
constexpr int kTypedUrlCount = 30;
constexpr const char* kUserAssist = "\\Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\"
                                    "UserAssist\\{5E6AB780-7743-11CF-A12B-00AA004AE837}";
constexpr const char* kBrowserMain = "Software\\Microsoft\\Internet Explorer\\Main";
constexpr const char* kExplorer = "\\Software\\Microsoft\\Windows\\CurrentVersion\\Explorer";
constexpr const char* kMediaPlayer = "\\Software\\Microsoft\\MediaPlayer\\Player";
constexpr const char* kComDlg32 =
    "\\Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\ComDlg32";
constexpr const char* kRelatedLinks = "\\Software\\Microsoft\\Internet Explorer\\Extensions\\"
                                      "c95fe080-8f5d-112d-a20b-00aa003c157a";
constexpr const char* kRun = "\\Software\\Microsoft\\Windows\\CurrentVersion\\Run";

// The addresses typed into the browser, always the current user's and without log lines:
// each of the thirty entries is overwritten before it is deleted.
void clearTypedAddresses(TuningRun& run) {
    auto key = run.ctx.platform.registry.createKey(platform::RootKey::CurrentUser, kTypedUrls);
    if (!key) return;
    for (int n = 1; n <= kTypedUrlCount; ++n) {
        const std::string name = "url" + std::to_string(n);
        key->writeString(name, "");
        key->deleteValue(name);
    }
}

const ArmEntry kArms[] = {
    {ArmId::typedAddressesAct,
     {ActionStep{clearTypedAddresses}, RegStep{"cu", "delkey", kUserAssist, "Count", ""},
      RegStep{"cu", "createkey", kUserAssist, "Count", ""}}},
    {ArmId::browserUpdatesDeact,
     {RegStep{"cu", "str", kBrowserMain, "NoUpdateCheck", "0", always(34)}}},
    {ArmId::browserUpdatesAct,
     {RegStep{"cu", "str", kBrowserMain, "NoUpdateCheck", "1", always(34)}}},
    {ArmId::recentDocumentsAct,
     {RegStep{"cu", "delkey", kExplorer, "RecentDocs", ""},
      RegStep{"cu", "createkey", kExplorer, "RecentDocs", ""}}},
    {ArmId::mediaPlayerHistoryAct,
     {RegStep{"cu", "delkey", kMediaPlayer, "RecentFileList", ""},
      RegStep{"cu", "createkey", kMediaPlayer, "RecentFileList", ""}}},
    {ArmId::runDialogHistoryAct,
     {RegStep{"cu", "delkey", kComDlg32, "RecentFileList", ""},
      RegStep{"cu", "createkey", kComDlg32, "RecentFileList", ""}}},
    {ArmId::relatedLinksDeact, {RegStep{"lm", "createkey", kRelatedLinks, "Extensions", ""}}},
    {ArmId::relatedLinksAct,
     {RegStep{"lm", "delkey", kRelatedLinks, "Extensions", ""},
      RegStep{"lm", "createkey", kRelatedLinks, "Extensions", ""}}},
    // "einmalig": the anti-spying program does not start with Windows; "dauerhaft": it does.
    {ArmId::antiSpyOnce, {RegStep{"cu", "del", kRun, "brelkmervane", ""}}},
    {ArmId::antiSpyPermanent,
     {RegStep{"cu", "str", kRun, "brelkmervane", "modules\\mervane.exe", {}, inProgramFolder}}},
};

} // namespace

std::span<const ArmEntry> antiSpyingArms() {
    return kArms;
}

} // namespace brelk
