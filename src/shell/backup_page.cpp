#include "shell/backup_page.h"

#include "shell/main_window.h"
#include "shell/pages.h"
#include "ui/standard_controls.h"

namespace brelk {

void showbackup(MainWindow& w) {
    // The list of slots is filled here once the backup subsystem stands.
    resetgauges(w);
    hidePages(w, {9, 10, 11, 12});
    w.c<ui::Panel>("Panel8").show();
    w.state.pagehistory.push(8);
    hidePages(w, {48, 49, 74, 79, 83, 84, 85, 104});
}

void savesettings(MainWindow&) {
    // Filled by the backup subsystem; until then nothing is saved and nothing fails.
}

} // namespace brelk
