#include "online/host_reachable.h"

#include <exception>

namespace brelk {

bool IsHostReachable(platform::Network& network, const std::string& host, unsigned port,
                     const std::function<void()>& processMessages) {
    // An empty name would resolve to this machine; a port above 65535 would be cut to another.
    if (host.empty() || port > 65535) return false;
    try {
        auto address = network.resolveHost(host);
        if (!address) return false;
        if (processMessages) processMessages();
        return network.connectTcp(*address, static_cast<std::uint16_t>(port));
    } catch (const std::exception&) {
        return false;
    }
}

} // namespace brelk
