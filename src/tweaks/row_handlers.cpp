#include "tweaks/row_handlers.h"

#include "shell/main_window.h"
#include "tweaks/settings_gears.h"
#include "ui/cp1252.h"
#include "ui/input_controls.h"
#include "ui/standard_controls.h"

#include <string>

namespace brelk::tweaks {
namespace {

constexpr ui::Color kLinkHover = 0x008000;

// The start-menu delay text, shown on the row's caption and on the milliseconds label.
constexpr const char* kMenuDelayHint =
    "Windows® wird angewiesen, beim Aufklappen der Untermenüs benutzerdefinierte\r\n"
    " Wartezeiten zu verwenden. Der Standardwert entspricht dem Maximum\r\n"
    "auf der Skala";
constexpr const char* kDiskCacheHint =
    "Windows® wird angewiesen,  einen großen Zwischenspeicher\r\n"
    "für Datentransfers auf sämtlichen Laufwerken zu nutzen";

// A row button by number; rows and their buttons are looked up by name, a missing one skipped.
ui::RadioButton* button(ui::Form& w, const TweakRow& row, Column column) {
    return dynamic_cast<ui::RadioButton*>(w.find(buttonName(row, column)));
}

// "dauerhaft": every anti-spying row is held at activate.
void holdAntiSpyingRows(ui::Form& w) {
    for (const TweakRow& row : tweakRows()) {
        if (row.category != CategoryId::AntiSpying) continue;
        ui::RadioButton* deactivate = button(w, row, Deactivate);
        ui::RadioButton* activate = button(w, row, Activate);
        if (!deactivate || !activate) continue;
        deactivate->setChecked(false);
        activate->setChecked(true);
        deactivate->setEnabled(false);
        activate->setEnabled(false);
    }
}

// "einmalig": the anti-spying rows are free again, keeping their choice.
void releaseAntiSpyingRows(ui::Form& w) {
    for (const TweakRow& row : tweakRows()) {
        if (row.category != CategoryId::AntiSpying) continue;
        for (Column column : {Deactivate, Activate}) {
            if (ui::RadioButton* b = button(w, row, column)) b->setEnabled(true);
        }
    }
}

void bindHintOnHover(MainWindow& w, const char* handler, const char* control, const char* text) {
    w.bind(handler, [&w, control, hint = ui::ansiText(text)](ui::Event&) {
        w.c<ui::Control>(control).setHint(hint);
    });
}

} // namespace

void checkCategoryColumn(ui::Form& w, CategoryId id, Column column) {
    for (const TweakRow& row : tweakRows()) {
        if (row.category != id) continue;
        if (ui::RadioButton* b = button(w, row, column)) b->setChecked(true);
    }
}

void bindTweakRowHandlers(MainWindow& w) {
    for (const Category& c : categories()) {
        for (Column column : {Deactivate, NoChange, Activate}) {
            w.bind(c.handlers[column],
                   [&w, id = c.id, column](ui::Event&) { checkCategoryColumn(w, id, column); });
        }
    }
    w.bind("RadioButton2Click", [&w](ui::Event&) { holdAntiSpyingRows(w); });
    w.bind("RadioButton1Click", [&w](ui::Event&) { releaseAntiSpyingRows(w); });

    w.bind("trackstatus", [&w](ui::Event&) {
        w.c<ui::Label>("Label2").setCaption(
            std::to_string(w.c<ui::TrackBar>("TrackBar1").position()) + " ms");
    });
    bindHintOnHover(w, "Showhintlabel29", "Label29", kMenuDelayHint);
    bindHintOnHover(w, "Showhintlabel2", "Label2", kMenuDelayHint);
    bindHintOnHover(w, "Showhintlabel27", "Label27", kDiskCacheHint);

    w.bind("tuningrolloverp2", [&w](ui::Event&) {
        w.c<ui::Image>("Image72").hide();
        w.c<ui::Image>("Image73").show();
        w.c<ui::Label>("Label36").setFontColor(kLinkHover);
    });

    w.bind("Image142MouseMove", [&w](ui::Event&) { w.c<ui::Image>("Image147").show(); });

    bindSettingsGearHandlers(w);
}

} // namespace brelk::tweaks
