#include "online/server_base.h"

#include "online/host_reachable.h"
#include "shell/main_window.h"
#include "ui/input_controls.h"

namespace brelk {

bool serverReachable(MainWindow& w, const std::string& host) {
    return IsHostReachable(w.ctx.platform.network, host, 80, [&w] { w.app().processMessages(); });
}

std::string chooseServerBase(MainWindow& w) {
    const std::string primary = w.c<ui::Edit>("Edit8").text();
    if (serverReachable(w, serverHost(primary))) return primary;
    return w.c<ui::Edit>("Edit9").text();
}

} // namespace brelk
