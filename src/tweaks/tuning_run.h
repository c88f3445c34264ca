// The tuning run: clears the run log, starts the progress display, removes the program's
// uninstall entry, registers the uninstall program for the next start, walks every tweak row
// in the fixed order doing the work of its checked outer button, and records the companion
// program's options. In restore mode the arms write the values of the loaded backup slot.
#pragma once

#include "shell/brelk_context.h"
#include "tweaks/registry_primitive.h"
#include "tweaks/tuning_arms.h"

#include <functional>
#include <initializer_list>
#include <optional>
#include <string>
#include <utility>

namespace brelk {

class MainWindow;

// Runs the whole tuning. An error of an arm (a text that is not a number where one is
// needed, a refused registry write) ends the run there and escapes to the caller; the
// progress display has been started by then.
void tuning(MainWindow& w);

// Writes keys into one section of the settings file modules\brelk.ini, whose file attributes
// are cleared first; nothing when the file does not exist.
void writeSettings(MainWindow& w, const char* section,
                   std::initializer_list<std::pair<const char*, const char*>> keys);

// What a registry operation of the run takes; texts formed at run time are cut to it.
inline constexpr std::size_t kOperationTextLength = 150;

// A text formed at run time, cut to what a registry operation takes.
std::string cutToOperationLength(std::string text);

// What the arms of one run work with.
class TuningRun {
  public:
    explicit TuningRun(MainWindow& w);

    MainWindow& window;
    Context& ctx;
    RegistryPrimitive regop;

    bool restoring() const;
    // Whether "alle Benutzer " is checked.
    bool allUsers() const;
    // Appends a line to the run log.
    void log(const std::string& line);
    // restoretable[entry].
    const std::string& restoreEntry(int entry) const;
    // The text of an edit field of the main window.
    const std::string& editText(const std::string& name) const;
    // The text of an edit field of the customisation dialog (Form7).
    const std::string& form7Text(const std::string& name) const;

    void perform(const Arm& arm);
    // One registry operation: the data formed, replaced in restore mode as the step's restore
    // rule says, the texts cut to their first 150 characters.
    void apply(const RegStep& step);
    void open(const OpenStep& step);
};

// True when a command that Windows is to run fits a registry operation whole. A command is
// never cut: cut, it would leave an open quote or name a parent of its folder. When it does not
// fit, the run log says so under the value's name, and nothing is to be written.
bool commandFits(TuningRun& run, const std::string& valueName, const std::string& command);

// A command in the program folder, formed by commandIn from the folder's name: whole when it
// fits, else from the folder's short (8.3) form when that fits, else nothing (logged).
std::optional<std::string>
programFolderCommand(TuningRun& run, const std::string& valueName,
                     const std::function<std::string(const std::string& folder)>& commandIn);

} // namespace brelk
