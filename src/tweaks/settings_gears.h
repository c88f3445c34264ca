// The settings gears beside seven rows: hovering a gear shows its clickable twin, which opens
// the customisation dialog on the row's panel.
#pragma once

namespace brelk {
class MainWindow;
}

namespace brelk::tweaks {

void bindSettingsGearHandlers(MainWindow& w);

// Shows the customisation dialog (Form7) with its panel number `panel` (1..7) and hides its
// other six panels; the main window's page stays as it is.
void showForm7Panel(MainWindow& w, int panel);

} // namespace brelk::tweaks
