// The scan of the current settings: the reading step fills the scan table from the registry
// (through scanregvalue, so every read is logged; nothing is written), the
// mapping step sets each tweak row to its deactivate or activate button from the table and a
// few probes of the machine. It never checks a row's middle button.
#pragma once

namespace brelk {

class MainWindow;

// The entry that keeps the first serial port's own value. Entry 38 holds the second's, as the
// rows have always read it; with each port in an entry of its own, a restore puts back each
// port's value instead of giving both the second's.
constexpr int kFirstPortEntry = 63;

// The reading step: scan table entries 1 to 5 and 7 to 63, the copy of the OEM logo into the
// folder of the next backup slot, the owner and organisation fields. The rows stay as they are.
void backup(MainWindow& w);
// The same, with the logo copied into the folder of the given slot (a save's new slot).
void backup(MainWindow& w, int logoSlot);

// The mapping step. An entry 2 that is not a whole number raises the conversion error; the
// rows after that step keep their state.
void showscanstate(MainWindow& w);

// The scan link: the status label, the reading step, the mapping step.
void scansettings(MainWindow& w);

} // namespace brelk
