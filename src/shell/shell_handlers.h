// Handlers of the application shell on the main window: start-up, pages, menu, history.
#pragma once

namespace brelk {

class MainWindow;

void bindShellHandlers(MainWindow& w);

} // namespace brelk
