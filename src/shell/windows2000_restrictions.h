// Windows 2000 lacks some of the settings the tuning rows change and the system restore: those
// rows and links are disabled at start.
#pragma once

namespace brelk {

class MainWindow;

void applyWindows2000Restrictions(MainWindow& w);

// Only the four rows that Windows 2000 lacks and that are set back to no change (the tuning
// assistant repeats them after it has set the rows).
void applyWindows2000RowRestrictions(MainWindow& w);

} // namespace brelk
