#include "shell/main_window.h"

#include "shell/shell_handlers.h"
#include "tweaks/export_handlers.h"
#include "ui/class_registry.h"

namespace brelk {
namespace {

// Every subsystem adds one line here.
const MainWindowPart kParts[] = {
    {bindShellHandlers, "form2.dfm"},
    {bindExportHandlers, "form2_export.dfm"},
};

} // namespace

const ui::ClassRegistry& brelkClasses() {
    return ui::ClassRegistry::standard();
}

MainWindow::MainWindow(Context& context) : ui::Form(context.app, "TForm2"), ctx(context) {
    for (const auto& part : kParts)
        part.bind(*this);
    for (const auto& part : kParts) {
        if (part.layout) loadLayoutResource(part.layout, brelkClasses(), ctx.resources);
    }
}

} // namespace brelk
