// The arms of the security rows.
#include "tweaks/system_actions.h"
#include "tweaks/tuning_run.h"

namespace brelk {

namespace {

constexpr const char* kMemoryManagement =
    "\\SYSTEM\\CurrentControlSet\\Control\\Session Manager\\Memory Management";
constexpr const char* kWinlogon = "\\Software\\Microsoft\\Windows NT\\CurrentVersion\\Winlogon";
// The drive rows' key is spelt without the blank in "Windows NT".
constexpr const char* kDriveWinlogon = "\\Software\\Microsoft\\WindowsNT\\CurrentVersion\\Winlogon";
constexpr const char* kLsa = "\\SYSTEM\\CurrentControlSet\\Control\\LSA";
constexpr const char* kCurrentVersion = "\\SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion";
constexpr const char* kInternetSettings =
    "Software\\Microsoft\\Windows\\CurrentVersion\\Internet Settings";
constexpr const char* kSystemPolicies = "\\Policies\\Microsoft\\Windows\\System";
constexpr const char* kLanmanServer =
    "\\System\\CurrentControlSet\\Services\\LanmanServer\\Parameters";
constexpr const char* kOfficeGeneral = ".0\\Common\\General";
constexpr const char* kExplorerPolicies =
    "\\Software\\Microsoft\\Windows\\CurrentVersion\\Policies\\Explorer";
constexpr const char* kEncryptionMenu =
    "\\Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Advanced\\EncryptionContextMenu";
constexpr const char* kPolicies = "\\Software\\Microsoft\\Windows\\CurrentVersion\\Policies";
constexpr const char* kHelpPrograms = "cmd.exe;control.exe;msconfig.exe;attrib.exe";

// The installed Office's general settings, asked afresh for every step; without Word the
// key holds "kein Office" in place of the version.
std::string officeKey(TuningRun& run, std::string_view rest) {
    std::string version;
    officeversion(run.ctx.platform, version);
    return "\\Software\\Microsoft\\Office\\" + version + std::string(rest);
}

const ArmEntry kArms[] = {
    {ArmId::clearPageFileDeact,
     {RegStep{"lm", "del", kMemoryManagement, "ClearPageFileAtShutdown", ""}}},
    {ArmId::clearPageFileAct,
     {RegStep{"lm", "int", kMemoryManagement, "ClearPageFileAtShutdown", "1", ifFilled(29)}}},
    {ArmId::lastUserNameDeact,
     {RegStep{"lm", "str", kWinlogon, "DontDisplayLastUserName", "0", ifFilled(30)}}},
    {ArmId::lastUserNameAct,
     {RegStep{"lm", "str", kWinlogon, "DontDisplayLastUserName", "2", ifFilled(30)}}},
    {ArmId::restrictAnonymousDeact, {RegStep{"lm", "del", kLsa, "RestrictAnonymous", ""}}},
    {ArmId::restrictAnonymousAct,
     {RegStep{"lm", "int", kLsa, "RestrictAnonymous", "1", ifFilled(31)}}},
    {ArmId::registryScanDeact, {RegStep{"lm", "str", kCurrentVersion, "RegDone", "", always(32)}}},
    {ArmId::registryScanAct, {RegStep{"lm", "str", kCurrentVersion, "RegDone", "1", always(32)}}},
    {ArmId::passwordCachingDeact,
     {RegStep{"cu", "int", kInternetSettings, "DisablePasswortCaching", "0", ifFilled(40)}}},
    {ArmId::passwordCachingAct,
     {RegStep{"cu", "int", kInternetSettings, "DisablePasswortCaching", "1", ifFilled(40)}}},
    {ArmId::systemFileCheckAct, {OpenStep{"sfc", "/scanonce", false}}},
    {ArmId::helpProgramsDeact, {RegStep{"cu", "del", kSystemPolicies, "DisableInHelp", ""}}},
    {ArmId::helpProgramsAct,
     {RegStep{"cu", "str", kSystemPolicies, "DisableInHelp", kHelpPrograms}}},
    {ArmId::adminSharesDeact, {RegStep{"cu", "del", kLanmanServer, "AutoShareServer", ""}}},
    {ArmId::adminSharesAct, {RegStep{"cu", "int", kLanmanServer, "AutoShareServer", "0"}}},
    {ArmId::officeTrackingDeact,
     {RegStep{"cu", "del", kOfficeGeneral, "NoTrack", "", {}, nullptr, officeKey}}},
    {ArmId::officeTrackingAct,
     {RegStep{"cu", "int", kOfficeGeneral, "NoTrack", "1", {}, nullptr, officeKey}}},
    {ArmId::officeClipboardDeact,
     {RegStep{"cu", "del", kOfficeGeneral, "AcbControl", "", {}, nullptr, officeKey}}},
    {ArmId::officeClipboardAct,
     {RegStep{"cu", "int", kOfficeGeneral, "AcbControl", "1", {}, nullptr, officeKey}}},
    {ArmId::runMenuDeact, {RegStep{"cu", "del", kExplorerPolicies, "NoRun", ""}}},
    {ArmId::runMenuAct, {RegStep{"cu", "int", kExplorerPolicies, "NoRun", "1", ifFilled(58)}}},
    {ArmId::floppyAccessDeact, {RegStep{"lm", "del", kDriveWinlogon, "AllocateFloppies", ""}}},
    {ArmId::floppyAccessAct,
     {RegStep{"lm", "int", kDriveWinlogon, "AllocateFloppies", "1", ifFilled(59)}}},
    {ArmId::cdRomAccessDeact, {RegStep{"lm", "del", kDriveWinlogon, "AllocateCDRoms", ""}}},
    {ArmId::cdRomAccessAct,
     {RegStep{"lm", "int", kDriveWinlogon, "AllocateCDRoms", "1", ifFilled(60)}}},
    {ArmId::encryptMenuDeact, {RegStep{"lm", "del", kEncryptionMenu, "EncryptionContextMenu", ""}}},
    {ArmId::encryptMenuAct,
     {RegStep{"lm", "int", kEncryptionMenu, "EncryptionContextMenu", "1", ifFilled(61)}}},
    // Exactly one of the two extension values stays on the program-information files.
    {ArmId::pifProtectionDeact,
     {RegStep{"cr", "del", "\\piffile", "AlwaysShowExt", ""},
      RegStep{"cr", "str", "\\piffile", "NeverShowExt", ""}}},
    {ArmId::pifProtectionAct,
     {RegStep{"cr", "del", "\\piffile", "NeverShowExt", ""},
      RegStep{"cr", "str", "\\piffile", "AlwaysShowExt", ""}}},
    {ArmId::fileAssociationsDeact, {RegStep{"lm", "del", kPolicies, "NoFileAssociate", ""}}},
    {ArmId::fileAssociationsAct,
     {RegStep{"lm", "int", kPolicies, "NoFileAssociate", "1", ifFilled(62)}}},
};

} // namespace

std::span<const ArmEntry> securityArms() {
    return kArms;
}

} // namespace brelk
