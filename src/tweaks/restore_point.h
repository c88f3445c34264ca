// A Windows system restore point, set through the script control and the management
// interface's system-restore class.
#pragma once

namespace brelk {

class MainWindow;

// The action behind the restore-point links. A refused restore point, and a call that cannot
// be made (no management service), set both status labels to "... fehlgeschlagen ..." and
// show the failure message, in the second case with the system's reason after it.
void Wiederherstellungspunkt(MainWindow& w);

} // namespace brelk
