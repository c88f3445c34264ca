#include "tweaks/restore_point.h"

#include "shell/main_window.h"
#include "ui/standard_controls.h"

#include <string>

namespace brelk {

namespace {

constexpr const char* kStatusLabels[] = {"Label205", "Label209"};
constexpr const char* kFailed =
    "Das Erstellen eines Systemwiederherstellungspunktes ist fehlgeschlagen. Möglicherweise ist "
    "diese Funktion deaktiviert. Bitte aktivieren Sie die Systemwiederherstellung von Windows "
    "über das Startmenü\\Programme\\Zubehör\\System.";

void setStatus(MainWindow& w, const std::string& text) {
    for (const char* name : kStatusLabels)
        w.c<ui::Label>(name).setCaption(text);
}

} // namespace

void Wiederherstellungspunkt(MainWindow& w) {
    for (const char* name : kStatusLabels)
        w.c<ui::Label>(name).show();
    // The type 0 announces an application installation, the event 100 the beginning of a
    // system change.
    std::int32_t result = -1;
    std::string reason;
    try {
        result = w.ctx.platform.scripts.evaluateAndCall(
            "VBScript", R"(getobject("winmgmts:\\.\root\default:Systemrestore"))",
            "CreateRestorePoint", {std::string("Automatic Restore Point"), 0, 100});
    } catch (const platform::ScriptError& e) {
        // Without the management service or its system-restore class the call cannot be made
        // at all; the user learns that, and why, instead of a bare error code.
        reason = e.what();
    }
    if (result == 0) {
        setStatus(w, "... erledigt ...");
        return;
    }
    setStatus(w, "... fehlgeschlagen ...");
    std::string message = kFailed;
    if (!reason.empty()) message += "\r\n\r\n" + reason;
    w.app().showMessage(message);
}

} // namespace brelk
