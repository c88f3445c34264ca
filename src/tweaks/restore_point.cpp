#include "tweaks/restore_point.h"

#include "shell/main_window.h"
#include "ui/standard_controls.h"

namespace brelk {

namespace {

constexpr const char* kStatusLabels[] = {"Label205", "Label209"};

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
    std::int32_t result = w.ctx.platform.scripts.evaluateAndCall(
        "VBScript", R"(getobject("winmgmts:\\.\root\default:Systemrestore"))", "CreateRestorePoint",
        {std::string("Automatic Restore Point"), 0, 100});
    if (result == 0) {
        setStatus(w, "... erledigt ...");
        return;
    }
    setStatus(w, "... fehlgeschlagen ...");
    w.app().showMessage(
        "Das Erstellen eines Systemwiederherstellungspunktes ist fehlgeschlagen. Möglicherweise "
        "ist diese Funktion deaktiviert. Bitte aktivieren Sie die Systemwiederherstellung von "
        "Windows über das Startmenü\\Programme\\Zubehör\\System.");
}

} // namespace brelk
