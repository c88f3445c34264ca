#include "online/host_reachable.h"

#include <exception>

namespace brelk {
namespace {

// Lets the window process its messages while the connection is made.
class ConnectWait : public platform::DownloadStatus {
  public:
    explicit ConnectWait(const std::function<void()>& processMessages)
        : processMessages_(processMessages) {}
    void onProgress(std::uint32_t, std::uint32_t, std::uint32_t, const std::string&) override {}
    void waiting() override {
        if (processMessages_) processMessages_();
    }

  private:
    const std::function<void()>& processMessages_;
};

} // namespace

bool IsHostReachable(platform::Network& network, const std::string& host, unsigned port,
                     const std::function<void()>& processMessages) {
    // An empty name would resolve to this machine; a port above 65535 would be cut to another.
    if (host.empty() || port > 65535) return false;
    try {
        auto address = network.resolveHost(host);
        if (!address) return false;
        if (processMessages) processMessages();
        ConnectWait wait(processMessages);
        return network.connectTcp(*address, static_cast<std::uint16_t>(port), &wait);
    } catch (const std::exception&) {
        return false;
    }
}

} // namespace brelk
