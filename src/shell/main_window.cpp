#include "shell/main_window.h"

#include "shell/file_dialog_component.h"
#include "ui/class_registry.h"
#include "ui/standard_controls.h"

namespace brelk {

const ui::ClassRegistry& brelkClasses() {
    static const ui::ClassRegistry classes = [] {
        ui::ClassRegistry r = ui::ClassRegistry::standard();
        for (const char* name : {"TOpenDialog", "TOpenPictureDialog", "TSaveDialog"}) {
            r.add(name, [name] { return std::make_unique<FileDialogComponent>(name); });
        }
        return r;
    }();
    return classes;
}

MainWindow::MainWindow(Context& context, std::span<const MainWindowPart> parts,
                       const std::function<void(MainWindow&)>& bindMore)
    : ui::Form(context.app, "TForm2"), ctx(context) {
    for (const auto& part : parts)
        part.bind(*this);
    if (bindMore) bindMore(*this);
    for (const auto& part : parts) {
        if (part.layout) loadLayoutResource(part.layout, brelkClasses(), ctx.resources);
    }
    // The pages are the window's top-level panels; each switch shows its page over the rest.
    for (ui::Control* child : children()) {
        if (dynamic_cast<ui::Panel*>(child)) child->setRaisedWhenShown(true);
    }
}

void MainWindow::setVisible(bool v) {
    ui::Form::setVisible(v);
    // Only now, with the start-up done and the window on screen: the start-up's messages run
    // modal loops in which a ticking timer would put a gauge's report over the splash, with no
    // main window to own it.
    if (v && visible() && hooks.startGauges) hooks.startGauges(*this);
}

} // namespace brelk
