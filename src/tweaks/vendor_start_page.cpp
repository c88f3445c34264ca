#include "tweaks/vendor_start_page.h"

#include "shell/main_window.h"
#include "ui/input_controls.h"

namespace brelk {

std::string vendorStartPage(const MainWindow& w) {
    return w.c<ui::Edit>("Edit8").text() + "/";
}

} // namespace brelk
