// The export and import pages of the main window: the current choices of the tuning list and a
// few fields of the main window and the customisation dialog saved to brelksettings.ini and
// loaded again, on this or another computer.
#pragma once

#include "tweaks/settings_file.h"

namespace brelk {
class MainWindow;
}

namespace brelk::tweaks {

void bindSettingsTransferHandlers(MainWindow& w);

// The choices the windows hold now. The customisation dialog's fields must exist.
RowChoices currentRowChoices(MainWindow& w);

// exportsettings: writes the current choices into the file of SaveDialog1 and reports the
// outcome in Label115.
void exportsettings(MainWindow& w);
// importsettings: takes the choices of the file of OpenDialog1 and reports in Label114.
void importsettings(MainWindow& w);

} // namespace brelk::tweaks
