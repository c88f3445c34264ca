// The main window's start-up: its creation handler and `iniread`, which runs when the window
// is shown and loads the settings files, the registry values and the Windows version data that
// the other subsystems rely on.
#pragma once

namespace brelk {

class MainWindow;

// The pages as the program leaves them when it cannot work on this machine: only the end page,
// without its start link.
void applyRefusalLayout(MainWindow& w);

void bindStartupHandlers(MainWindow& w);

} // namespace brelk
