#include "shell/shell_handlers.h"

#include "shell/main_window.h"

namespace brelk {

void bindShellHandlers(MainWindow& w) {
    w.bind("beenden", [&w](ui::Event&) { w.app().terminate(); });
    w.bind("rollover", [](ui::Event&) {});
    w.bind("FormCreate", [](ui::Event&) {});
    w.bind("iniread", [](ui::Event&) {});
}

} // namespace brelk
