// An in-memory file system with drive-letter paths. Folders list their entries in the order
// in which they were created.
#pragma once

#include "platform/file_system.h"

#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

namespace platform {

class FakeFileSystem : public FileSystem {
  public:
    explicit FakeFileSystem(std::string programFolder = "C:\\Program Files\\Brelvanto\\");

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
    // The writer appends to the file's node, which must outlive it.
    std::unique_ptr<FileWriter> createFile(const std::string& path) override;
    std::vector<DirEntry> findEntries(const std::string& pattern) override;
    std::string programFolder() override { return programFolder_; }
    std::string programPath() override { return programFolder_ + programFileName; }
    unsigned driveType(const std::string& root) override;
    std::optional<std::int64_t> freeBytesAvailable(const std::string& root) override;

    // Test setup: the drives by upper-case letter; a letter not listed has no drive. C: is a
    // hard disk with 8 GB free at start. Only a root path ("C:\\") names a drive.
    struct Drive {
        unsigned type = drivetype::fixed;
        std::optional<std::int64_t> freeBytes;
    };
    std::map<char, Drive> drives;

    // Test setup: a file with its missing folders.
    void addFile(const std::string& path, std::string_view content = {},
                 std::uint32_t attributes = fileattr::archive);
    // Test setup: a file of `size` bytes that begins with `start` and holds zeros after it,
    // kept without its zeros until it is read.
    void addLargeFile(const std::string& path, std::string_view start, std::uint64_t size);
    // Test setup: a folder with its missing parents.
    void addDirectory(const std::string& path);

    // Test setup: a second spelling of a folder, as a subst drive or a short name gives one:
    // paths that start with alias ("S:\\") name what lies in folder.
    void addAlias(const std::string& alias, const std::string& folder);
    // Test setup: the short (8.3) spelling of an existing folder, which shortPath gives for it
    // and for what lies below it, and which names the folder as an alias does.
    void addShortName(const std::string& folder, const std::string& shortName);
    // Test setup: a file held open by another program without sharing; it can be neither
    // deleted, replaced nor written (until it is unlocked).
    void lock(const std::string& path, bool locked = true);
    // Test setup: a folder link (junction) to nowhere else, holding what the test adds below.
    void addFolderLink(const std::string& path);
    // Test setup: runs at each search, as a slow disk would take its time there.
    std::function<void()> onFindEntries;
    // Test setup: runs before each copy and move, where another program may take a file into
    // use (lock) or the system raise an error.
    std::function<void(const std::string& from, const std::string& to)> beforeTransfer;
    // Test setup: after this many more copies the disk is full and every copy fails.
    std::optional<int> copiesBeforeDiskFull;

    // The running program's file name in its folder.
    std::string programFileName = "brelk.exe";
    // Files another process holds open: they cannot be deleted (paths as given, any case).
    std::vector<std::string> filesInUse;

    struct Node {
        std::string name;
        bool isDirectory = false;
        std::uint32_t attributes = 0;
        bool locked = false;
        std::string content;
        std::uint64_t zeros = 0; // after the content, see addLargeFile
        std::uint64_t size() const { return content.size() + zeros; }
        std::vector<std::unique_ptr<Node>> children;
    };

  private:
    const Drive* drive(const std::string& root) const;
    Node* find(const std::string& path);
    // The folder that holds path and the name of the last component; no folder when missing.
    std::pair<Node*, std::string> parentOf(const std::string& path);
    // The path with an alias replaced by the folder it names.
    std::string resolve(const std::string& path) const;

    std::string programFolder_;
    Node drives_;
    std::vector<std::pair<std::string, std::string>> aliases_;
    std::vector<std::pair<std::string, std::string>> shortNames_; // folder, its short name
};

// Matches a file name against a mask with "*" and "?" as Windows does ("*.*" matches every name,
// also one without a dot), without regard to case.
bool matchesFileMask(std::string_view name, std::string_view mask);

} // namespace platform
