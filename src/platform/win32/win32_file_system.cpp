#include "platform/win32/win32_file_system.h"

#include <windows.h>

#include <algorithm>

namespace platform {

namespace {

class FileHandle {
  public:
    explicit FileHandle(HANDLE h) : h_(h) {}
    ~FileHandle() {
        if (valid()) CloseHandle(h_);
    }
    FileHandle(const FileHandle&) = delete;
    FileHandle& operator=(const FileHandle&) = delete;
    bool valid() const { return h_ != INVALID_HANDLE_VALUE; }
    HANDLE get() const { return h_; }

  private:
    HANDLE h_;
};

std::optional<DWORD> rawAttributes(const std::string& path) {
    DWORD a = GetFileAttributesA(path.c_str());
    if (a == INVALID_FILE_ATTRIBUTES) return std::nullopt;
    return a;
}

} // namespace

bool isReadOnlyFile(const std::string& path) {
    auto a = rawAttributes(path);
    return a && (*a & FILE_ATTRIBUTE_READONLY) && !(*a & FILE_ATTRIBUTE_DIRECTORY);
}

bool Win32FileSystem::fileExists(const std::string& path) {
    auto a = rawAttributes(path);
    return a && !(*a & FILE_ATTRIBUTE_DIRECTORY);
}

bool Win32FileSystem::directoryExists(const std::string& path) {
    auto a = rawAttributes(path);
    return a && (*a & FILE_ATTRIBUTE_DIRECTORY);
}

std::optional<std::uint32_t> Win32FileSystem::attributes(const std::string& path) {
    return rawAttributes(path);
}

bool Win32FileSystem::setAttributes(const std::string& path, std::uint32_t attributes) {
    return SetFileAttributesA(path.c_str(), attributes) != 0;
}

CreateDirResult Win32FileSystem::createDirectory(const std::string& path) {
    if (CreateDirectoryA(path.c_str(), nullptr)) return CreateDirResult::Created;
    return GetLastError() == ERROR_ALREADY_EXISTS ? CreateDirResult::AlreadyExists
                                                  : CreateDirResult::Failed;
}

bool Win32FileSystem::deleteFile(const std::string& path) {
    return DeleteFileA(path.c_str()) != 0;
}

bool Win32FileSystem::removeDirectory(const std::string& path) {
    return RemoveDirectoryA(path.c_str()) != 0;
}

bool Win32FileSystem::copyFile(const std::string& from, const std::string& to, bool overwrite) {
    // Windows refuses to overwrite a read-only or hidden file; Wine as root would not.
    if (auto a = rawAttributes(to); a && (*a & (FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_HIDDEN)))
        return false;
    return CopyFileA(from.c_str(), to.c_str(), overwrite ? FALSE : TRUE) != 0;
}

bool Win32FileSystem::moveFile(const std::string& from, const std::string& to) {
    if (isReadOnlyFile(to) || directoryExists(to)) return false;
    return MoveFileExA(from.c_str(), to.c_str(), MOVEFILE_REPLACE_EXISTING) != 0;
}

bool Win32FileSystem::canReplace(const std::string& path) {
    if (!fileExists(path) || isReadOnlyFile(path)) return false;
    // Whoever holds the file open without sharing writing or deleting (a running program, an
    // editor) makes this open fail, and so would the replacement.
    FileHandle f(CreateFileA(path.c_str(), GENERIC_WRITE | DELETE,
                             FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                             OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    return f.valid();
}

std::optional<FileIdentity> Win32FileSystem::fileIdentity(const std::string& path) {
    // No access rights are needed to read the file's information, so a file in use also opens.
    FileHandle f(CreateFileA(path.c_str(), 0,
                             FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                             OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr));
    if (!f.valid()) return std::nullopt;
    BY_HANDLE_FILE_INFORMATION info{};
    if (!GetFileInformationByHandle(f.get(), &info)) return std::nullopt;
    return FileIdentity{info.dwVolumeSerialNumber,
                        (static_cast<std::uint64_t>(info.nFileIndexHigh) << 32) |
                            info.nFileIndexLow};
}

std::optional<std::string> Win32FileSystem::shortPath(const std::string& path) {
    const DWORD size = GetShortPathNameA(path.c_str(), nullptr, 0);
    if (size == 0) return std::nullopt;
    std::string shortName(size, '\0');
    const DWORD written = GetShortPathNameA(path.c_str(), shortName.data(), size);
    if (written == 0 || written >= size) return std::nullopt;
    shortName.resize(written);
    return shortName;
}

std::optional<std::string> Win32FileSystem::readFile(const std::string& path) {
    FileHandle f(CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
                             nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!f.valid()) return std::nullopt;
    std::string content;
    char buf[65536];
    for (;;) {
        DWORD got = 0;
        if (!ReadFile(f.get(), buf, sizeof buf, &got, nullptr)) return std::nullopt;
        if (got == 0) break;
        content.append(buf, got);
    }
    return content;
}

std::optional<std::uint64_t> Win32FileSystem::fileSize(const std::string& path) {
    WIN32_FILE_ATTRIBUTE_DATA data;
    if (!GetFileAttributesExA(path.c_str(), GetFileExInfoStandard, &data) ||
        (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY))
        return std::nullopt;
    return (static_cast<std::uint64_t>(data.nFileSizeHigh) << 32) | data.nFileSizeLow;
}

bool Win32FileSystem::writeFile(const std::string& path, std::string_view content) {
    auto file = createFile(path);
    return file && file->write(content);
}

namespace {

class Win32FileWriter : public FileWriter {
  public:
    explicit Win32FileWriter(HANDLE h) : file_(h) {}

    bool write(std::string_view bytes) override {
        std::size_t done = 0;
        while (done < bytes.size()) {
            DWORD chunk = static_cast<DWORD>(std::min<std::size_t>(bytes.size() - done, 1 << 20));
            DWORD written = 0;
            if (!WriteFile(file_.get(), bytes.data() + done, chunk, &written, nullptr) ||
                written == 0)
                return false;
            done += written;
        }
        return true;
    }

  private:
    FileHandle file_;
};

} // namespace

std::unique_ptr<FileWriter> Win32FileSystem::createFile(const std::string& path) {
    if (isReadOnlyFile(path)) return nullptr;
    // OPEN_ALWAYS and truncating keeps the attributes of an existing (also hidden) file.
    HANDLE h = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, OPEN_ALWAYS,
                           FILE_ATTRIBUTE_NORMAL, nullptr);
    if (h == INVALID_HANDLE_VALUE) return nullptr;
    auto writer = std::make_unique<Win32FileWriter>(h);
    if (!SetEndOfFile(h)) return nullptr;
    return writer;
}

std::vector<DirEntry> Win32FileSystem::findEntries(const std::string& pattern) {
    std::vector<DirEntry> entries;
    WIN32_FIND_DATAA data;
    HANDLE h = FindFirstFileA(pattern.c_str(), &data);
    if (h == INVALID_HANDLE_VALUE) return entries;
    do {
        std::string name = data.cFileName;
        if (name == "." || name == "..") continue;
        entries.push_back(
            {name, data.dwFileAttributes,
             (static_cast<std::uint64_t>(data.nFileSizeHigh) << 32) | data.nFileSizeLow});
    } while (FindNextFileA(h, &data));
    FindClose(h);
    return entries;
}

std::string Win32FileSystem::programPath() {
    std::string path(MAX_PATH, '\0');
    for (;;) {
        DWORD n = GetModuleFileNameA(nullptr, path.data(), static_cast<DWORD>(path.size()));
        if (n == 0) return {};
        if (n < path.size()) {
            path.resize(n);
            return path;
        }
        path.resize(path.size() * 2);
    }
}

std::string Win32FileSystem::programFolder() {
    std::string path = programPath();
    return path.substr(0, path.find_last_of('\\') + 1);
}

unsigned Win32FileSystem::driveType(const std::string& root) {
    return GetDriveTypeA(root.c_str());
}

std::optional<std::int64_t> Win32FileSystem::freeBytesAvailable(const std::string& root) {
    ULARGE_INTEGER available{}, total{}, free{};
    if (!GetDiskFreeSpaceExA(root.c_str(), &available, &total, &free)) return std::nullopt;
    return static_cast<std::int64_t>(available.QuadPart);
}

} // namespace platform
