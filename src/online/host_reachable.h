// The reachability test of the online servers.
#pragma once

#include "platform/network.h"

#include <functional>
#include <string>

namespace brelk {

// True when a TCP connection to the host on the port can be opened. processMessages lets the
// window process its pending messages before the blocking connect.
bool IsHostReachable(platform::Network& network, const std::string& host, unsigned port,
                     const std::function<void()>& processMessages = {});

} // namespace brelk
