// Handlers of the application shell on the main window: start-up, pages and menu, history,
// hovers, the outside links and the end of the program.
#pragma once

namespace brelk {

class MainWindow;

void bindShellHandlers(MainWindow& w);

} // namespace brelk
