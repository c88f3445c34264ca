#include "online/server_base.h"

#include "online/host_reachable.h"
#include "platform/text_case.h"
#include "shell/main_window.h"
#include "ui/input_controls.h"

namespace brelk {

std::string serverHost(const std::string& text) {
    constexpr std::string_view scheme = "http://";
    const bool prefixed =
        platform::equalsIgnoreCase(std::string_view(text).substr(0, scheme.size()), scheme);
    return prefixed ? text.substr(scheme.size()) : text;
}

bool serverReachable(MainWindow& w, const std::string& host) {
    return IsHostReachable(w.ctx.platform.network, host, 80, [&w] { w.app().processMessages(); });
}

std::string chooseServerBase(MainWindow& w) {
    const std::string primary = w.c<ui::Edit>("Edit8").text();
    if (serverReachable(w, serverHost(primary))) return primary;
    return w.c<ui::Edit>("Edit9").text();
}

} // namespace brelk
