// Registry keys that both the tuning rows write and the scan reads, spelled as both pass them.
#pragma once

namespace brelk::keys {

constexpr const char* kMemoryManagement =
    "\\SYSTEM\\CurrentControlSet\\Control\\Session Manager\\Memory Management";
constexpr const char* kCdfs = "\\SYSTEM\\CurrentControlSet\\Control\\FileSystem\\CDFS";
constexpr const char* kWinlogon = "\\Software\\Microsoft\\Windows NT\\CurrentVersion\\Winlogon";
constexpr const char* kExplorerPolicies =
    "\\Software\\Microsoft\\Windows\\CurrentVersion\\Policies\\Explorer";

} // namespace brelk::keys
