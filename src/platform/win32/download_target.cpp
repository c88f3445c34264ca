#include "platform/win32/download_target.h"

namespace platform {
namespace {

std::string folderOf(const std::string& file) {
    const std::size_t sep = file.find_last_of("\\/");
    return sep == std::string::npos ? std::string(".") : file.substr(0, sep);
}

} // namespace

DownloadTarget::DownloadTarget(const std::string& file) : target_(file) {
    char name[MAX_PATH] = {};
    if (GetTempFileNameA(folderOf(file).c_str(), "dl", 0, name) == 0) return;
    temp_ = name;
    out_ =
        CreateFileA(name, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
}

DownloadTarget::~DownloadTarget() {
    close();
    if (!temp_.empty() && !kept_) DeleteFileA(temp_.c_str());
}

void DownloadTarget::close() {
    if (out_ != INVALID_HANDLE_VALUE) CloseHandle(out_);
    out_ = INVALID_HANDLE_VALUE;
}

bool DownloadTarget::write(const std::string& bytes) {
    if (bytes.empty()) return true;
    DWORD written = 0;
    return out_ != INVALID_HANDLE_VALUE &&
           WriteFile(out_, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr) &&
           written == bytes.size();
}

bool DownloadTarget::replaceTarget() {
    if (out_ == INVALID_HANDLE_VALUE) return false;
    close();
    kept_ = MoveFileExA(temp_.c_str(), target_.c_str(), MOVEFILE_REPLACE_EXISTING) != 0;
    return kept_;
}

void reportDownload(DownloadStatus* status, std::uint64_t progress, std::uint64_t total,
                    std::uint32_t code) {
    if (!status) return;
    // The status hears 32-bit counts; a larger total is scaled down with the progress.
    while (total > 0xFFFFFFFFu) {
        total >>= 1;
        progress >>= 1;
    }
    status->onProgress(static_cast<std::uint32_t>(progress), static_cast<std::uint32_t>(total),
                       code, {});
    // Not every status processes the window's messages on a report; each does on waiting().
    status->waiting();
}

} // namespace platform
