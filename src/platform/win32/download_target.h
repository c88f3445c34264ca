// The file a download writes: a new temporary file beside the target, which takes the target's
// place only when the whole body arrived, and is removed on every other way out.
#pragma once

#include "platform/network.h"

#include <windows.h>

#include <cstdint>
#include <string>

namespace platform {

class DownloadTarget {
  public:
    explicit DownloadTarget(const std::string& file);
    ~DownloadTarget();
    DownloadTarget(const DownloadTarget&) = delete;
    DownloadTarget& operator=(const DownloadTarget&) = delete;

    // False when the temporary file could not be made.
    bool opened() const { return out_ != INVALID_HANDLE_VALUE; }
    bool write(const std::string& bytes);
    // Closes the temporary file and puts it in the target's place.
    bool replaceTarget();

  private:
    void close();

    std::string target_, temp_;
    HANDLE out_ = INVALID_HANDLE_VALUE;
    bool kept_ = false;
};

// Tells the status a stage or the progress of a download and lets it keep the window alive.
void reportDownload(DownloadStatus* status, std::uint64_t progress, std::uint64_t total,
                    std::uint32_t code);

} // namespace platform
