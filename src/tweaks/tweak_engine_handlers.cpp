#include "tweaks/tweak_engine_handlers.h"

#include "shell/main_window.h"
#include "tweaks/tuning_run.h"

namespace brelk {

void bindTweakEngineHandlers(MainWindow& w) {
    w.bind("tuning", [&w](ui::Event&) { tuning(w); });
}

} // namespace brelk
