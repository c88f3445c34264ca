// The start-button settings of modules\startbutton.ini, loaded at start into the customisation
// dialog's fields and the file names of its pickers. A picture or sound file that does not
// exist is replaced by the shipped default, which is written back to the file.
#pragma once

namespace brelk {

class MainWindow;

void loadStartButtonSettings(MainWindow& w);

} // namespace brelk
