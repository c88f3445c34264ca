// Files and folders through the ANSI file functions.
#pragma once

#include "platform/file_system.h"

namespace platform {

class Win32FileSystem : public FileSystem {
  public:
    bool fileExists(const std::string& path) override;
    bool directoryExists(const std::string& path) override;
    std::optional<std::uint32_t> attributes(const std::string& path) override;
    bool setAttributes(const std::string& path, std::uint32_t attributes) override;
    CreateDirResult createDirectory(const std::string& path) override;
    bool deleteFile(const std::string& path) override;
    bool removeDirectory(const std::string& path) override;
    bool copyFile(const std::string& from, const std::string& to, bool overwrite) override;
    bool moveFile(const std::string& from, const std::string& to) override;
    bool canReplace(const std::string& path) override;
    std::optional<FileIdentity> fileIdentity(const std::string& path) override;
    std::optional<std::string> shortPath(const std::string& path) override;
    std::optional<std::string> readFile(const std::string& path) override;
    std::optional<std::uint64_t> fileSize(const std::string& path) override;
    bool writeFile(const std::string& path, std::string_view content) override;
    std::unique_ptr<FileWriter> createFile(const std::string& path) override;
    std::vector<DirEntry> findEntries(const std::string& pattern) override;
    std::string programFolder() override;
    std::string programPath() override;
    unsigned driveType(const std::string& root) override;
    std::optional<std::int64_t> freeBytesAvailable(const std::string& root) override;
};

// True when the file exists with the read-only attribute. Windows refuses to write such a file;
// Wine running as root would write it all the same, so writers test first.
bool isReadOnlyFile(const std::string& path);

} // namespace platform
