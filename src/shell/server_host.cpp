#include "shell/server_host.h"

#include "platform/text_case.h"

#include <string_view>

namespace brelk {

std::string serverHost(const std::string& text) {
    constexpr std::string_view scheme = "http://";
    const bool prefixed =
        platform::equalsIgnoreCase(std::string_view(text).substr(0, scheme.size()), scheme);
    return prefixed ? text.substr(scheme.size()) : text;
}

} // namespace brelk
