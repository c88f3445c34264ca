#include "setup/m_shortcut.h"

#include "ui/application.h"
#include "ui/dialogs.h"
#include "ui/errors.h"
#include "ui/form.h"
#include "ui/property_values.h"

#include <strings.h>

namespace setup {

namespace {

constexpr const char* kFolderWarning = "You must specify a folder for the shortcut !";

struct DestName {
    const char* name;
    ShortcutDest dest;
};
constexpr DestName kDestNames[] = {{"sdDeskTop", ShortcutDest::DeskTop},
                                   {"sdStartMenu", ShortcutDest::StartMenu},
                                   {"sdFolder", ShortcutDest::Folder},
                                   {"sdAll", ShortcutDest::All}};

} // namespace

TmShortcut::TmShortcut()
    : ui::Component("TmShortcut"),
      about_("TmShortcut: program shortcuts on the desktop, in the start menu or in a folder") {}

void TmShortcut::setDestination(ShortcutDest d) {
    if ((d == ShortcutDest::Folder || d == ShortcutDest::All) && shortcutFolder.empty()) {
        if (form())
            form()->app().dialogs().messageBox(kFolderWarning, "Warning", ui::mb::IconWarning);
        d = ShortcutDest::DeskTop;
    }
    destination_ = d;
}

bool TmShortcut::applyProperty(const ui::LayoutProperty& p, ui::LoadContext& ctx) {
    const struct {
        const char* name;
        std::string TmShortcut::*field;
    } kTexts[] = {{"FullExePath", &TmShortcut::fullExePath},
                  {"ShortcutFolder", &TmShortcut::shortcutFolder},
                  {"ExeParameters", &TmShortcut::exeParameters},
                  {"ShortcutCaption", &TmShortcut::shortcutCaption}};
    for (const auto& t : kTexts) {
        if (strcasecmp(p.name.c_str(), t.name) != 0) continue;
        this->*t.field = ui::propString(p);
        return true;
    }
    if (strcasecmp(p.name.c_str(), "About") == 0) {
        ui::propString(p); // the text is fixed: a stored one changes nothing
        return true;
    }
    if (strcasecmp(p.name.c_str(), "Destination") != 0) return ui::Component::applyProperty(p, ctx);
    const std::string& name = ui::propIdent(p);
    for (const auto& d : kDestNames) {
        if (strcasecmp(name.c_str(), d.name) != 0) continue;
        setDestination(d.dest);
        return true;
    }
    throw ui::ELayoutError(p.line, "property 'Destination' needs a shortcut destination");
}

} // namespace setup
