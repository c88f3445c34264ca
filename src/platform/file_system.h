// Files and folders. Paths are Windows paths in Windows-1252 ("C:\dir\name.ext"), compared
// without regard to case.
#pragma once

#include "ui/bitmap.h"

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace platform {

namespace fileattr {
constexpr std::uint32_t readOnly = 0x01;
constexpr std::uint32_t hidden = 0x02;
constexpr std::uint32_t system = 0x04;
constexpr std::uint32_t volumeLabel = 0x08;
constexpr std::uint32_t directory = 0x10;
constexpr std::uint32_t archive = 0x20;
constexpr std::uint32_t normal = 0x80;
// A folder link (junction, mount point) or symbolic link.
constexpr std::uint32_t reparsePoint = 0x400;
} // namespace fileattr

struct DirEntry {
    std::string name;
    std::uint32_t attributes = 0;
    std::uint64_t size = 0;
    bool isDirectory() const { return (attributes & fileattr::directory) != 0; }
};

// Drive types as the system reports them for a root path such as "C:\\".
namespace drivetype {
constexpr unsigned unknown = 0;
constexpr unsigned noRootDir = 1; // no such drive
constexpr unsigned removable = 2;
constexpr unsigned fixed = 3;
constexpr unsigned remote = 4;
constexpr unsigned cdrom = 5;
constexpr unsigned ramdisk = 6;
} // namespace drivetype

// Where a file lives: the same file reached under two spellings (a short name, a subst drive,
// a share) has one identity.
struct FileIdentity {
    std::uint32_t volume = 0;
    std::uint64_t index = 0;
    bool operator==(const FileIdentity&) const = default;
};

enum class CreateDirResult { Created, AlreadyExists, Failed };

// A file being written piece by piece; closed when the object goes away.
class FileWriter {
  public:
    virtual ~FileWriter() = default;
    // Appends the bytes; false when they could not all be written.
    virtual bool write(std::string_view bytes) = 0;
};

// The file system is also where the class library's picture loader reads pictures from
// (fileSize and readFile).
class FileSystem : public ui::PictureFiles {
  public:
    // True for an existing file, false for a folder or nothing.
    virtual bool fileExists(const std::string& path) = 0;
    virtual bool directoryExists(const std::string& path) = 0;
    virtual std::optional<std::uint32_t> attributes(const std::string& path) = 0;
    // Sets read-only, hidden, system and archive; 0 clears them all.
    virtual bool setAttributes(const std::string& path, std::uint32_t attributes) = 0;
    // Creates one folder; its parent must exist.
    virtual CreateDirResult createDirectory(const std::string& path) = 0;
    // Refused for a read-only file.
    virtual bool deleteFile(const std::string& path) = 0;
    // Removes an empty folder; refused for a folder with entries.
    virtual bool removeDirectory(const std::string& path) = 0;
    // The copy keeps the source's attributes. Refused when the target exists and overwrite is
    // false, or when the target is read-only or hidden.
    virtual bool copyFile(const std::string& from, const std::string& to, bool overwrite) = 0;
    // Puts a file in the place of another in one step, replacing it; both stay as they were
    // when that cannot be done (the target in use, read-only or a folder).
    virtual bool moveFile(const std::string& from, const std::string& to) = 0;
    // True when an existing file could be replaced now: it opens for writing and deleting (it is
    // not in use elsewhere, not read-only, not denied). False for a folder or nothing.
    virtual bool canReplace(const std::string& path) = 0;
    // The volume and index of an existing file; nothing when it cannot be opened.
    virtual std::optional<FileIdentity> fileIdentity(const std::string& path) = 0;
    // The short (8.3) spelling of an existing file or folder, as the system gives it (the path
    // itself where it has no shorter one); nothing when the path does not exist.
    virtual std::optional<std::string> shortPath(const std::string& path) = 0;
    std::optional<std::string> readFile(const std::string& path) override = 0;
    // The size of an existing file without reading it; nothing for a folder or nothing.
    std::optional<std::uint64_t> fileSize(const std::string& path) override = 0;
    // Creates the file or replaces its content, keeping its attributes; refused for a read-only
    // file or a missing folder.
    virtual bool writeFile(const std::string& path, std::string_view content) = 0;
    // Creates the file, or empties an existing one keeping its attributes, and opens it for
    // writing piece by piece; nothing where writeFile would be refused.
    virtual std::unique_ptr<FileWriter> createFile(const std::string& path) = 0;
    // The entries that match a pattern such as "C:\dir\*.*" ("*" and "?" in the last
    // component), in the order in which the file system lists them, without "." and "..".
    virtual std::vector<DirEntry> findEntries(const std::string& pattern) = 0;
    // The folder of the running program's executable, with a trailing backslash.
    virtual std::string programFolder() = 0;
    // The full path of the running program's executable.
    virtual std::string programPath() = 0;
    // The type of the drive of a root path ("C:\\"), a drivetype code.
    virtual unsigned driveType(const std::string& root) = 0;
    // The free bytes on the drive of a root path that the current user may use; nothing when
    // the system cannot tell.
    virtual std::optional<std::int64_t> freeBytesAvailable(const std::string& root) = 0;
};

} // namespace platform
