// HTTP transfers through WinINet in its blocking mode, on the calling (window) thread.
//
// No thread is started, neither by this code nor by the system: WinINet's asynchronous mode and
// URLDownloadToFileA hand their work to worker threads of the system. Two things speak against
// them. The window's handlers must not run nested inside the system's transfer code, which a
// status callback that lets the window's messages through does. And under qemu-user emulation
// of 32-bit x86, a Wine program with a second thread stops or faults inside Wine now and then
// (ARCHITECTURE.md). So each transfer is a sequence of blocking steps, each bounded by a limit,
// and the window's messages are processed between the steps, never inside them.
#pragma once

#include "platform/network.h"

#include <chrono>
#include <string>

namespace platform {

struct TransferLimits {
    // The longest wait for a connection to be made.
    std::chrono::milliseconds connect{4000};
    // The longest wait for the server's next piece of data (its answer, or the body's next part).
    std::chrono::milliseconds quiet{10000};
    // The longest time a whole transfer may take.
    std::chrono::milliseconds overall{900000};
};

// Downloads the address into a new temporary file beside the target and puts it in the
// target's place only when a success answer arrived whole, so a failure leaves the target as
// it was. status hears the stages and the progress.
bool inetDownload(const std::string& url, const std::string& file, DownloadStatus* status,
                  const TransferLimits& limits);

// One GET of the address, of whose answer at most readLimit bytes are read; true for a success
// status. status hears the wait.
bool inetRequest(const std::string& url, DownloadStatus* status, const TransferLimits& limits,
                 unsigned long readLimit);

} // namespace platform
