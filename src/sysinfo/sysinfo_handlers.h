// The system-information part of the main window: the frame's live gauges, the menu page,
// the hardware summary, the listings with their two buttons, and the hovers of their links.
#pragma once

namespace brelk {
class MainWindow;
}

namespace brelk::sysinfo {

void bindSysinfoHandlers(MainWindow& w);

// Ends the selected process by its file name, then lists the processes again.
void Button3Click(MainWindow& w);
// Saves the run log to a file the user chooses, starting in the program folder.
void Button4Click(MainWindow& w);

} // namespace brelk::sysinfo
