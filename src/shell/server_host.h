// The host part of a server field or setting, as the online pages and the start-page row see it.
#pragma once

#include <string>

namespace brelk {

// The host of a server field or setting: the text without a leading "http://".
std::string serverHost(const std::string& text);

} // namespace brelk
