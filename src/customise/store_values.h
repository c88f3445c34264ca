// "fortfahren >" (kopieren): stores the dialog's values where the tuning run and the start-button
// program read them, and hides the dialog.
#pragma once

namespace brelk {

class CustomiseWindow;

void kopieren(CustomiseWindow& w);
void bindStoreHandlers(CustomiseWindow& w);

} // namespace brelk
