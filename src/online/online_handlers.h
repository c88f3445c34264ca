// The online services' handlers on the main window: settings, update, archives, browser pages
// and bug report, with their page switches and hovers.
#pragma once

namespace brelk {

class MainWindow;

void bindOnlineHandlers(MainWindow& w);

} // namespace brelk
