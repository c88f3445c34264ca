// Windows 2000 lacks some of the settings the tuning rows change and the system restore: those
// rows and links are disabled at start.
#pragma once

namespace brelk {

class MainWindow;

void applyWindows2000Restrictions(MainWindow& w);

} // namespace brelk
