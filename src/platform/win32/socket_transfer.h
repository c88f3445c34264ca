// HTTP over a connection of the program's own, on the calling (window) thread: a non-blocking
// socket whose every wait is cut into slices of 50 ms, between which the window processes its
// messages. An answer that cannot count is closed the moment its head says so, however much
// it announces; nothing of a body is read past its end or its limit.
#pragma once

#include "platform/http_address.h"
#include "platform/network.h"

#include <cstdint>
#include <string>

namespace platform {

// Downloads into a temporary file beside the target, which takes the target's place only when
// the answer counts (AnswerReader's rule).
bool socketDownload(const HttpAddress& address, const std::string& file, std::uint64_t maxBytes,
                    DownloadStatus* status, const TransferLimits& limits);

// One GET whose answer is read up to its head; true for a success status.
bool socketRequest(const HttpAddress& address, DownloadStatus* status,
                   const TransferLimits& limits);

} // namespace platform
