#include "tweaks/settings_gears.h"

#include "shell/main_window.h"
#include "tweaks/tweak_rows.h"

#include <string>

namespace brelk::tweaks {
namespace {

constexpr int kForm7Panels = 7;

void setVisible(ui::Form& form, const char* name, bool visible) {
    if (auto* c = dynamic_cast<ui::Control*>(form.find(name))) c->setVisible(visible);
}

} // namespace

void showForm7Panel(MainWindow& w, int panel) {
    ui::Form* dialog = w.ctx.form7;
    if (!dialog) return;
    dialog->show();
    // Also when it was open already: it may lie behind the main window.
    dialog->bringToFront();
    for (int i = 1; i <= kForm7Panels; ++i) {
        const std::string name = "Panel" + std::to_string(i);
        if (i != panel) setVisible(*dialog, name.c_str(), false);
    }
    setVisible(*dialog, ("Panel" + std::to_string(panel)).c_str(), true);
}

void bindSettingsGearHandlers(MainWindow& w) {
    for (const SettingsGear& gear : settingsGears()) {
        w.bind(gear.hoverHandler, [&w, &gear](ui::Event&) {
            for (const char* other : gear.hoverHides) {
                if (other) setVisible(w, other, false);
            }
            setVisible(w, gear.hot, true);
        });
        w.bind(gear.openHandler, [&w, &gear](ui::Event&) { showForm7Panel(w, gear.form7Panel); });
    }
}

} // namespace brelk::tweaks
