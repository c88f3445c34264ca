// The backups page: the list of saved backup slots and the save of the current settings as a
// new slot. The shell's start-up and menu reach both through its hook slots.
#pragma once

namespace brelk {

class MainWindow;

// Shows the backups page (id 8) with its list of slots.
void showbackup(MainWindow& w);

// Saves the current settings as the next backup slot.
void savesettings(MainWindow& w);

} // namespace brelk
