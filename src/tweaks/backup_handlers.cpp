#include "tweaks/backup_handlers.h"

#include "shell/hover_look.h"
#include "shell/main_window.h"
#include "tweaks/backup_page.h"
#include "tweaks/backup_slots.h"
#include "tweaks/scan.h"
#include "ui/standard_controls.h"

namespace brelk {

void bindBackupHandlers(MainWindow& w) {
    w.bind("scansettings", [&w](ui::Event&) { scansettings(w); });
    w.bind("savesettings", [&w](ui::Event&) { savesettings(w); });
    w.bind("backstartp8", [&w](ui::Event&) { backstartp8(w); });
    w.bind("Backrolloverp8", [&w](ui::Event&) {
        w.c<ui::Image>("Image81").show();
        w.c<ui::Label>("Label55").setFontColor(look::kLinkHover);
    });
}

} // namespace brelk
