#include "shell/main_window.h"

#include "online/online_handlers.h"
#include "shell/file_dialog_component.h"
#include "shell/shell_handlers.h"
#include "shell/uninstall.h"
#include "sysinfo/sysinfo_handlers.h"
#include "tweaks/assistant.h"
#include "tweaks/backup_handlers.h"
#include "tweaks/export_handlers.h"
#include "tweaks/progress_handlers.h"
#include "tweaks/row_handlers.h"
#include "tweaks/tweak_engine_handlers.h"
#include "ui/class_registry.h"
#include "ui/standard_controls.h"

namespace brelk {
namespace {

// Every subsystem adds one line here.
const MainWindowPart kParts[] = {
    {bindShellHandlers, "form2.dfm"},
    {tweaks::bindTweakRowHandlers, "form2_tuning.dfm"},
    {tweaks::bindProgressHandlers, "form2_endpage.dfm"},
    {bindTweakEngineHandlers, nullptr},
    {bindExportHandlers, "form2_export.dfm"},
    {bindUninstallHandlers, "form2_uninstall.dfm"},
    {bindBackupHandlers, "form2_backups.dfm"},
    {tweaks::bindAssistantHandlers, "form2_assistant.dfm"},
    {bindOnlineHandlers, "form2_online.dfm"},
    {sysinfo::bindSysinfoHandlers, "form2_sysinfo.dfm"},
};

} // namespace

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

MainWindow::MainWindow(Context& context, const std::function<void(MainWindow&)>& bindMore)
    : ui::Form(context.app, "TForm2"), ctx(context) {
    for (const auto& part : kParts)
        part.bind(*this);
    if (bindMore) bindMore(*this);
    for (const auto& part : kParts) {
        if (part.layout) loadLayoutResource(part.layout, brelkClasses(), ctx.resources);
    }
    // The pages are the window's top-level panels; each switch shows its page over the rest.
    for (ui::Control* child : children()) {
        if (dynamic_cast<ui::Panel*>(child)) child->setRaisedWhenShown(true);
    }
}

} // namespace brelk
