#include "app/main_window_parts.h"

#include "app/hover_reset.h"
#include "customise/skin_list.h"
#include "online/online_handlers.h"
#include "online/server_base.h"
#include "shell/shell_handlers.h"
#include "shell/uninstall.h"
#include "sysinfo/gauges.h"
#include "sysinfo/sysinfo_handlers.h"
#include "tweaks/assistant.h"
#include "tweaks/backup_handlers.h"
#include "tweaks/backup_page.h"
#include "tweaks/export_handlers.h"
#include "tweaks/progress_handlers.h"
#include "tweaks/row_handlers.h"
#include "tweaks/tweak_engine_handlers.h"

namespace brelk {
namespace {

// What the shell and the subsystems reach of each other through the shell's slots.
void fillShellHooks(MainWindow& w) {
    w.hooks.showBackups = [](MainWindow& m) { showbackup(m); };
    w.hooks.saveSettings = [](MainWindow& m) { savesettings(m); };
    w.hooks.serverAnswers = [](MainWindow& m, const std::string& server) {
        return serverReachable(m, serverHost(server));
    };
    w.hooks.serverBase = [](MainWindow& m) { return chooseServerBase(m); };
    w.hooks.refreshSkinList = [](Context& ctx) { labeltest2(ctx); };
    w.hooks.startGauges = [](MainWindow& m) { sysinfo::startGauges(m); };
}

// Every subsystem adds one line here.
const MainWindowPart kParts[] = {
    {fillShellHooks, nullptr},
    {bindShellHandlers, "form2.dfm"},
    {bindHoverReset, nullptr},
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

std::span<const MainWindowPart> mainWindowParts() {
    return kParts;
}

} // namespace brelk
