// The arms of the internet rows.
#include "tweaks/tuning_run.h"
#include "tweaks/vendor_start_page.h"

namespace brelk {

namespace {

constexpr const char* kTcpip = "\\SYSTEM\\CurrentControlSet\\Services\\tcpip\\Parameters";
constexpr const char* kDnsCache = "SYSTEM\\CurrentControlSet\\Services\\Dnscache\\Parameters";
constexpr const char* kBrowserMain = "Software\\Microsoft\\Internet Explorer\\Main";

std::optional<std::string> vendorHomePage(TuningRun& run, std::string_view) {
    return vendorStartPage(run.window);
}

// The same four cache values at either outer button, each with its own restore entry.
const Arm kDnsCacheArm = {
    RegStep{"lm", "int", kDnsCache, "CacheHashTableBucketSize", "0", ifFilled(24)},
    RegStep{"lm", "int", kDnsCache, "CacheHashTableSize", "384", ifFilled(25)},
    RegStep{"lm", "int", kDnsCache, "MaxCacheEntryTtlLimit", "64000", ifFilled(26)},
    RegStep{"lm", "int", kDnsCache, "MaxSOACacheEntryTtlLimit", "301", ifFilled(27)},
};

const ArmEntry kArms[] = {
    {ArmId::flushDnsAct, {OpenStep{"ipconfig", "/flushdns", false}}},
    {ArmId::deadGatewayDeact, {RegStep{"lm", "del", kTcpip, "EnableDeadGWDetect", ""}}},
    {ArmId::deadGatewayAct,
     {RegStep{"lm", "int", kTcpip, "EnableDeadGWDetect", "1", ifFilled(22)}}},
    {ArmId::blackHoleRouterDeact, {RegStep{"lm", "del", kTcpip, "EnablePMTUDiscovery", ""}}},
    {ArmId::blackHoleRouterAct,
     {RegStep{"lm", "int", kTcpip, "EnablePMTUDiscovery", "1", ifFilled(23)}}},
    {ArmId::dnsCacheDeact, kDnsCacheArm},
    {ArmId::dnsCacheAct, kDnsCacheArm},
    // Without a start page from a backup the browser gets the empty page, never an empty
    // address.
    {ArmId::startPageDeact,
     {RegStep{"cu", "str", kBrowserMain, "Start Page", "about:blank", ifFilled(28)}}},
    {ArmId::startPageAct,
     {RegStep{"cu", "str", kBrowserMain, "Start Page", "", ifFilled(28), vendorHomePage}}},
};

} // namespace

std::span<const ArmEntry> internetArms() {
    return kArms;
}

} // namespace brelk
