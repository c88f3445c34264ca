#include "tweaks/vendor_start_page.h"

#include "shell/main_window.h"
#include "shell/server_host.h"
#include "ui/input_controls.h"

namespace brelk {

std::string vendorStartPage(const MainWindow& w) {
    const std::string server = w.c<ui::Edit>("Edit8").text();
    // No primary server configured: a page that names no host.
    if (serverHost(server).empty()) return "about:blank";
    return server + "/";
}

} // namespace brelk
