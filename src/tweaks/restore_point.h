// A Windows system restore point, set through the script control and the management
// interface's system-restore class.
#pragma once

namespace brelk {

class MainWindow;

// The action behind the restore-point links. Errors of the script control or of the call
// escape to the application's error display, leaving the status labels as they are.
void Wiederherstellungspunkt(MainWindow& w);

} // namespace brelk
