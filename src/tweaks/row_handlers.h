// Handlers of the tuning page's rows: the category header buttons, the anti-spying mode
// switch, the start-menu delay bar, the hints set on hover, the start link's hover and the
// settings gears.
#pragma once

#include "tweaks/tweak_rows.h"

namespace ui {
class Form;
}

namespace brelk {
class MainWindow;
}

namespace brelk::tweaks {

void bindTweakRowHandlers(MainWindow& w);

// Checks one column in every row of a category, disabled rows included (what the header
// buttons do; the assistant calls it for the no-change column).
void checkCategoryColumn(ui::Form& w, CategoryId id, Column column);

} // namespace brelk::tweaks
