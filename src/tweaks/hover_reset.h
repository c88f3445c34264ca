// The normal look of the tuning page's and the end page's links and settings gears, which the
// main window's general hover reset restores.
#pragma once

namespace ui {
class Form;
}

namespace brelk::tweaks {

// Hides every highlight picture of these links and gears, shows their normal pictures and sets
// the link labels back to black.
void resetTuningHovers(ui::Form& w);

} // namespace brelk::tweaks
