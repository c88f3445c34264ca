#include "tweaks/backup_page.h"

#include "shell/main_window.h"
#include "shell/pages.h"
#include "tweaks/backup_slots.h"
#include "tweaks/scan.h"
#include "ui/input_controls.h"
#include "ui/standard_controls.h"

namespace brelk {

namespace {

constexpr const char* kAllSlotsUsed =
    "Alle Speicherstellen, die für Backups zur Verfügung stehen, sind bereits belegt.";
constexpr const char* kCheckAfterRestart =
    "Bitte kontrollieren Sie, ob sich das System im Ursprungszustand befindet. Andernfalls "
    "spielen Sie ein, vom Brelvanto Kit erstelltes Registrierdatenbank-Backup ein oder "
    "deaktivieren sämtliche Tuningoptionen und starten die Tuningprozedur erneut.";

void showAfterRestartPage(MainWindow& w) {
    showPage(w, "afterrestart");
    w.c<ui::Label>("brelkdeletestartlab").hide();
    auto& picture = w.c<ui::Image>("brelkdeleteimgnormal");
    picture.setEnabled(false);
    picture.hide();
    w.app().showMessage(kCheckAfterRestart);
}

} // namespace

void showbackup(MainWindow& w) {
    auto& files = w.ctx.platform.files;
    const std::string ini = w.ctx.modulesFile("brelk.ini");
    if (files.fileExists(ini)) {
        files.setAttributes(ini, 0);
        w.state.backupcount = storedSlotCount(w.ctx.platform.profiles, ini);
        fillSlotList(w);
    }
    resetgauges(w);
    openPage(w, 8);
    if (noSlotListed(w)) w.app().showMessage(kNoBackupsMessage);
    if (!w.ctx.params.empty() && w.ctx.params.front() == "/afterrestart") showAfterRestartPage(w);
}

void savesettings(MainWindow& w) {
    auto& status = w.c<ui::Label>("Label135");
    status.setCaption("... bitte warten ...");
    status.show();
    SlotWriter slot(w);
    const bool room = slot.open();
    if (!room) w.app().showMessage(kAllSlotsUsed);
    try {
        backup(w, slot.logoSlot());
    } catch (...) {
        // Nothing of the slot is written yet; the error itself is shown by the application.
        status.setCaption("... fehlgeschlagen ...");
        throw;
    }
    if (room && !slot.write()) {
        status.setCaption("... fehlgeschlagen ...");
        w.app().showMessage(kSlotNotSavedMessage + std::string("Die Datei ") + slot.file() +
                            " kann nicht geschrieben werden.");
        return;
    }
    fillSlotList(w);
    status.setCaption("... erledigt ...");
}

} // namespace brelk
