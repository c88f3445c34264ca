// A network transfer run on a thread of its own while the calling (window) thread waits.
// The system's blocking transfer functions report through callbacks on the thread that calls
// them; letting the window process its messages from inside such a callback runs the window's
// handlers, and the system's own queued work, nested in the system's frames. So the transfer
// runs on a worker thread, and the calling thread waits outside any system code: it passes each
// report on to the status object, lets it keep the window alive, and gives up after the limits.
#pragma once

#include "platform/network.h"

#include <windows.h>

#include <chrono>
#include <cstdint>
#include <functional>
#include <mutex>
#include <string>
#include <vector>

namespace platform {

struct TransferLimits {
    // The longest time without any report of the transfer (connecting, waiting for an answer).
    std::chrono::milliseconds quiet{30000};
    // The longest time a transfer may take altogether.
    std::chrono::milliseconds overall{900000};
};

// What the worker and the waiting thread share; the worker keeps it alive after a give-up.
class TransferJob {
  public:
    TransferJob();
    ~TransferJob();
    TransferJob(const TransferJob&) = delete;
    TransferJob& operator=(const TransferJob&) = delete;

    // Worker side.
    void report(std::uint32_t progress, std::uint32_t progressMax, std::uint32_t code,
                std::string text);
    bool cancelled();
    // Runs commit unless the waiting thread gave up already (so a transfer that was reported
    // failed never replaces anything afterwards), records its result and ends the job.
    void finish(const std::function<bool()>& commit);

    // Waiting side.
    struct Report {
        std::uint32_t progress, progressMax, code;
        std::string text;
    };
    std::vector<Report> takeReports();
    bool finished();
    bool result();
    void cancel();
    HANDLE doneEvent() const { return done_; }

  private:
    std::mutex lock_;
    std::vector<Report> reports_;
    bool cancelled_ = false, finished_ = false, result_ = false;
    HANDLE done_;
};

// Runs work on a new thread and waits for it as described above. The result is the work's;
// false when a limit was reached (the work is told to stop and left to end by itself).
bool runTransfer(std::function<void(TransferJob&)> work, DownloadStatus* status,
                 const TransferLimits& limits);

} // namespace platform
