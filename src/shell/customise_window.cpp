#include "shell/customise_window.h"

#include "ui/class_registry.h"

namespace brelk {

CustomiseWindow::CustomiseWindow(Context& ctx) : ui::Form(ctx.app, "TForm7") {
    loadLayoutResource("form7.dfm", ui::ClassRegistry::standard(), ctx.resources);
}

} // namespace brelk
