#include "tweaks/export_handlers.h"

#include "shell/main_window.h"
#include "tweaks/registry_backup.h"
#include "tweaks/restore_point.h"
#include "ui/standard_controls.h"

#include <memory>

namespace brelk {

namespace {

constexpr ui::Color kLinkHoverColor = 0x008000;

// The highlighted pictures of the two links that the backups page and the page after a
// restart both carry.
struct PageLinks {
    const char* backupPicture;
    const char* savePicture;
};
constexpr PageLinks kBackupsPage{"Image176", "Image178"};
constexpr PageLinks kAfterRestartPage{"Image314", "Image315"};

const PageLinks& linksOf(const ui::Event& e) {
    for (auto* c = dynamic_cast<ui::Control*>(e.sender); c; c = c->parent())
        if (ui::lowerCase(c->name()) == "afterrestart") return kAfterRestartPage;
    return kBackupsPage;
}

void showOnly(MainWindow& w, const char* shown, const char* hidden) {
    w.c<ui::Image>(shown).show();
    if (hidden) w.c<ui::Image>(hidden).hide();
}

} // namespace

void bindExportHandlers(MainWindow& w) {
    // The export processes messages while it runs; a click on a backup link meanwhile would
    // start a second export into the same files, so it is ignored.
    auto exporting = std::make_shared<bool>(false);
    w.bind("backupreg", [&w, exporting](ui::Event&) {
        if (*exporting) return;
        *exporting = true;
        struct Reset {
            bool& flag;
            ~Reset() { flag = false; }
        } reset{*exporting};
        backupreg(w);
    });
    w.bind("Wiederherstellungspunkt", [&w](ui::Event&) { Wiederherstellungspunkt(w); });

    w.bind("Regbackuprollover_p3", [&w](ui::Event&) {
        showOnly(w, "Image229", nullptr);
        w.c<ui::Label>("Label180").setFontColor(kLinkHoverColor);
    });
    w.bind("Backupbuttonrollover", [&w](ui::Event& e) {
        const auto& page = linksOf(e);
        showOnly(w, page.backupPicture, page.savePicture);
    });
    w.bind("Savesettingsrollover", [&w](ui::Event& e) {
        const auto& page = linksOf(e);
        showOnly(w, page.savePicture, page.backupPicture);
    });
    w.bind("Wiederherstellungspunkt_rollover", [&w](ui::Event&) {
        showOnly(w, "Image243", nullptr);
        w.c<ui::Label>("Label204").setFontColor(kLinkHoverColor);
    });
    w.bind("Label208MouseMove", [&w](ui::Event&) { showOnly(w, "Image246", "Image247"); });
}

} // namespace brelk
