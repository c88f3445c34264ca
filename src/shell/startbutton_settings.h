// The start-button settings of modules\startbutton.ini, loaded at start into the customisation
// dialog's fields and the file names of its pickers. A picture or sound file that does not
// exist is replaced by the shipped default, which is written back to the file.
#pragma once

#include <span>

namespace brelk {

class MainWindow;

enum class DefaultBase { ProgramFolder, WindowsFolder };

// A file setting of startbutton.ini, in the file's order: the dialog field and picker that
// hold it and the shipped default.
struct StartButtonFileSetting {
    const char* key;
    const char* edit;   // field of the customisation dialog
    const char* picker; // its file dialog
    DefaultBase base;
    const char* defaultName;
};

std::span<const StartButtonFileSetting> startButtonFileSettings();

void loadStartButtonSettings(MainWindow& w);

} // namespace brelk
