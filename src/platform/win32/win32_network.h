// Name lookup and TCP connections through Windows Sockets 1.1; plain HTTP downloads and requests
// over a socket of the program's own (socket_transfer.h), HTTPS through WinINet
// (inet_transfer.h); all on the calling thread, with time limits.
#pragma once

#include "platform/network.h"

namespace platform {

class Win32Network : public Network {
  public:
    std::optional<Ipv4Address> resolveHost(const std::string& host) override;
    bool connectTcp(const Ipv4Address& address, std::uint16_t port,
                    DownloadStatus* status) override;
    std::vector<Ipv4Address> localAddresses() override;
    bool downloadToFile(const std::string& url, const std::string& file, std::uint64_t maxBytes,
                        DownloadStatus* status) override;
    bool requestUrl(const std::string& url, DownloadStatus* status) override;

    // The limits of every later download (tests shorten them).
    void setDownloadLimits(const TransferLimits& limits) { downloadLimits_ = limits; }

  private:
    TransferLimits downloadLimits_;
};

} // namespace platform
