// The registry backup of the main window: the registry's six main branches exported into
// REGEDIT4 files in a folder named after the day.
#pragma once

namespace brelk {

class MainWindow;

// The action behind the three "Registrierdatenbank sichern" links.
void backupreg(MainWindow& w);

} // namespace brelk
