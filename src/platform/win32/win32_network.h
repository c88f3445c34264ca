// Name lookup and TCP connections through Windows Sockets 1.1; downloads and requests through
// WinINet's blocking mode on the calling thread, with time limits (see inet_transfer.h).
#pragma once

#include "platform/network.h"
#include "platform/win32/inet_transfer.h"

namespace platform {

class Win32Network : public Network {
  public:
    std::optional<Ipv4Address> resolveHost(const std::string& host) override;
    bool connectTcp(const Ipv4Address& address, std::uint16_t port) override;
    std::vector<Ipv4Address> localAddresses() override;
    bool downloadToFile(const std::string& url, const std::string& file,
                        DownloadStatus* status) override;
    bool requestUrl(const std::string& url, DownloadStatus* status) override;

    // The limits of every later download (tests shorten them).
    void setDownloadLimits(const TransferLimits& limits) { downloadLimits_ = limits; }

  private:
    TransferLimits downloadLimits_;
};

} // namespace platform
