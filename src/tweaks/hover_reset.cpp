#include "tweaks/hover_reset.h"

#include "tweaks/tweak_rows.h"
#include "ui/form.h"

namespace brelk::tweaks {
namespace {

struct Link {
    const char* label;  // nullptr: a picture link without a label
    const char* normal; // nullptr: the highlight lies over a picture that stays
    const char* highlight;
};

constexpr Link kLinks[] = {
    {"Label36", "Image72", "Image73"}, // Tuningprozedur starten (tuning page)
    {nullptr, nullptr, "Image147"},    // Einstellungen scannen
    {"Label105", nullptr, "Image5"},   // System jetzt neustarten
    {"Label92", nullptr, "Image18"},   // Tuningprozedur starten (end page)
};

void show(ui::Form& w, const char* name, bool visible) {
    if (auto* c = dynamic_cast<ui::Control*>(w.find(name))) c->setVisible(visible);
}

} // namespace

void resetTuningHovers(ui::Form& w) {
    for (const Link& link : kLinks) {
        show(w, link.highlight, false);
        if (link.normal) show(w, link.normal, true);
        if (auto* label = dynamic_cast<ui::Control*>(link.label ? w.find(link.label) : nullptr)) {
            label->setFontColor(ui::colors::Black);
        }
    }
    for (const SettingsGear& gear : settingsGears()) {
        show(w, gear.hot, false);
        show(w, gear.plain, true);
    }
}

} // namespace brelk::tweaks
