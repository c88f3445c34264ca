// The backups page: the list of saved backup slots and the save of the current settings as a
// new slot. This file holds what the shell needs of it; the slots themselves come with the
// backup subsystem, which completes both functions.
#pragma once

namespace brelk {

class MainWindow;

// Shows the backups page (id 8) with its list of slots.
void showbackup(MainWindow& w);

// Saves the current settings as the next backup slot.
void savesettings(MainWindow& w);

} // namespace brelk
