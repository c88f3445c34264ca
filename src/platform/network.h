// Name lookup and TCP connections through Windows Sockets 1.1; downloads and requests over
// HTTP.
#pragma once

#include <array>
#include <chrono>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace platform {

using Ipv4Address = std::array<std::uint8_t, 4>;

// The system's binding-status codes that a download reports.
namespace bindstatus {
constexpr std::uint32_t findingResource = 1;
constexpr std::uint32_t connecting = 2;
constexpr std::uint32_t beginDownloadData = 4;
constexpr std::uint32_t downloadingData = 5;
constexpr std::uint32_t endDownloadData = 6;
} // namespace bindstatus

// Hears what a running transfer reports; called on the calling thread between the transfer's
// blocking steps, never from inside the system's own transfer code, so it may let the window
// process its messages.
class DownloadStatus {
  public:
    virtual ~DownloadStatus() = default;
    // progressMax is 0 when the server sent no length.
    virtual void onProgress(std::uint32_t progress, std::uint32_t progressMax,
                            std::uint32_t statusCode, const std::string& statusText) = 0;
    // Called every few milliseconds while the transfer waits for the network.
    virtual void waiting() {}
    // True when the transfer is to stop at its next step (the program is ending); the transfer
    // then fails as if cut, and its temporary file is removed.
    virtual bool cancelled() { return false; }
};

// The limits of a download's blocking steps.
struct TransferLimits {
    // The longest wait for a connection to be made.
    std::chrono::milliseconds connect{4000};
    // The longest wait for the server's next piece of data (its answer, or the body's next part).
    std::chrono::milliseconds quiet{10000};
    // The longest time a whole transfer may take.
    std::chrono::milliseconds overall{900000};
};

class Network {
  public:
    virtual ~Network() = default;

    // The first IPv4 address of a host name or dotted address; nothing when it cannot be
    // resolved or the sockets library cannot start.
    virtual std::optional<Ipv4Address> resolveHost(const std::string& host) = 0;
    // Connects (for at most a few seconds) and closes again; true when it connected. status,
    // when given, hears the wait.
    virtual bool connectTcp(const Ipv4Address& address, std::uint16_t port,
                            DownloadStatus* status = nullptr) = 0;
    // The IPv4 addresses of this machine's own host name, in the order of the name lookup;
    // empty when the name does not resolve.
    virtual std::vector<Ipv4Address> localAddresses() = 0;

    // Downloads the address into the file, blocking until it ends or a time limit is reached;
    // status, when given, hears its progress. True only when the server answered with success
    // and the whole body arrived, at most maxBytes long: then the file is created or replaced.
    // On any failure (an error answer, a body whose end cannot be told, a cut or too long
    // transfer, a time limit, a cancel) the file is left as it was.
    virtual bool downloadToFile(const std::string& url, const std::string& file,
                                std::uint64_t maxBytes, DownloadStatus* status) = 0;
    // One HTTP GET of the address with a limit of a few seconds on connecting, sending and
    // receiving; only the head of the answer is read. True when the server accepted the
    // request (a success status). status, when given, hears the wait.
    virtual bool requestUrl(const std::string& url, DownloadStatus* status = nullptr) = 0;
};

} // namespace platform
