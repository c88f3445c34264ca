// What the shell's pages and start-up, and the subsystems among themselves, ask of the parts
// that sit above the shell. The program's composition fills these slots when the main window
// binds its handlers; a slot left empty raises std::bad_function_call, which the application
// shows like any other error of a handler.
#pragma once

#include "shell/brelk_context.h"

#include <functional>
#include <string>

namespace brelk {

class MainWindow;

struct ShellHooks {
    // The backups page with its list of saved slots (start-up, menu).
    std::function<void(MainWindow&)> showBackups;
    // Keeps the current settings as the next backup slot.
    std::function<void(MainWindow&)> saveSettings;
    // True when the host of a server field or setting answers.
    std::function<bool(MainWindow&, const std::string& server)> serverAnswers;
    // The server base of a request: the primary server when it answers, else the fallback.
    std::function<std::string(MainWindow&)> serverBase;
    // Re-reads the customisation dialog's list of toolbar skins.
    std::function<void(Context&)> refreshSkinList;
    // Lets the memory and processor-load gauges tick; the main window calls it once it is on
    // screen, after its start-up.
    std::function<void(MainWindow&)> startGauges;
};

} // namespace brelk
