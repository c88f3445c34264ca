#include "shell/customise_window.h"

#include "shell/main_window.h"
#include "ui/class_registry.h"

namespace brelk {

CustomiseWindow::CustomiseWindow(Context& ctx) : ui::Form(ctx.app, "TForm7") {
    loadLayoutResource("form7.dfm", brelkClasses(), ctx.resources);
}

void Form7schliessen(Context& ctx) {
    if (ctx.form7) ctx.form7->hide();
}

} // namespace brelk
