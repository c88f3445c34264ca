// HTTPS transfers through WinINet in its blocking mode, on the calling (window) thread. Plain
// HTTP goes over a socket of the program's own (socket_transfer.h), whose waits let the window
// process its messages; WinINet's blocking steps do not, so here the window waits up to the
// quiet limit, and Wine reads the rest of an error answer's body when its request is closed.
//
// No thread is started, neither by this code nor by the system: WinINet's asynchronous mode and
// URLDownloadToFileA hand their work to worker threads of the system. Two things speak against
// them. The window's handlers must not run nested inside the system's transfer code, which a
// status callback that lets the window's messages through does. And under qemu-user emulation
// of 32-bit x86, a Wine program with a second thread stops or faults inside Wine now and then
// (ARCHITECTURE.md). So each transfer is a sequence of blocking steps, each bounded by a limit,
// and the window's messages are processed between the steps, never inside them.
#pragma once

#include "platform/http_address.h"
#include "platform/network.h"

#include <cstdint>
#include <string>

namespace platform {

// Downloads into a new temporary file beside the target and puts it in the target's place
// only when the answer counts (AnswerReader's rule; WinINet hides the chunks of a chunked
// answer, so such an answer fails). status hears the stages and the progress.
bool inetDownload(const HttpAddress& address, const std::string& file, std::uint64_t maxBytes,
                  DownloadStatus* status, const TransferLimits& limits);

// One GET of the address; true for a success status. status hears the wait.
bool inetRequest(const HttpAddress& address, DownloadStatus* status, const TransferLimits& limits);

} // namespace platform
