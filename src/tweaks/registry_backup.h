// The registry backup of the main window: the registry's six main branches exported into
// REGEDIT4 files in a folder named after the day.
#pragma once

#include <string>

namespace brelk {

class MainWindow;

// The action behind the three "Registrierdatenbank sichern" links.
void backupreg(MainWindow& w);

// The day's backup folder below the program folder, named "Backup " + the date. Characters
// that a folder name cannot hold (the "/" of many short date formats) become "-".
std::string backupFolder(const std::string& programFolder, const std::string& shortDate);

} // namespace brelk
