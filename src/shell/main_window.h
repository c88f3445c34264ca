// TForm2, the main window. Its handlers come from the subsystems of the program; each binds
// its own by name and adds its part of the window's layout.
#pragma once

#include "shell/brelk_context.h"
#include "shell/brelk_state.h"
#include "shell/shell_hooks.h"
#include "ui/form.h"

#include <functional>
#include <span>

namespace brelk {

struct MainWindowPart;

class MainWindow : public ui::Form {
  public:
    // parts: the subsystems' handlers and layouts, listed by the program's composition above
    // the shell. bindMore runs after the parts have bound their handlers and before the layouts
    // load: tests bind stand-ins there for handlers of subsystems they leave out.
    MainWindow(Context& ctx, std::span<const MainWindowPart> parts,
               const std::function<void(MainWindow&)>& bindMore = {});

    Context& ctx;
    BrelkState state;
    ShellHooks hooks;

    template <class T> T& c(const std::string& name) const { return get<T>(name); }

    // Showing runs the start-up (the show handler) and then lets the gauges tick.
    void setVisible(bool v) override;
};

// One subsystem's contribution to the main window: its handlers and its layout parts, loaded
// in the order of the subsystem table after the window's base layout.
struct MainWindowPart {
    void (*bind)(MainWindow&);
    const char* layout; // a layout resource, or nullptr
};

// The classes the program's layouts use: the class library's standard ones and the file
// dialogs placed on a window (TOpenDialog, TOpenPictureDialog, TSaveDialog).
const ui::ClassRegistry& brelkClasses();

} // namespace brelk
