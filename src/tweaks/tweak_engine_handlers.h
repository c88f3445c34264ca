// Handlers of the tweak engine on the main window.
#pragma once

namespace brelk {

class MainWindow;

// "tuning": the tuning run (the start link of the tuning page).
void bindTweakEngineHandlers(MainWindow& w);

} // namespace brelk
