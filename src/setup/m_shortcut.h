// TmShortcut: a non-visual component that holds the settings of a program shortcut (the
// program, its parameters, the caption and where the link belongs). It keeps them only; it
// makes no link itself.
#pragma once

#include "ui/component.h"

#include <string>

namespace setup {

enum class ShortcutDest { DeskTop, StartMenu, Folder, All };

class TmShortcut : public ui::Component {
  public:
    TmShortcut();

    std::string fullExePath, shortcutFolder, exeParameters, shortcutCaption;

    ShortcutDest destination() const { return destination_; }
    // A folder or "all" destination needs the folder: without one the user is warned and the
    // desktop is taken instead.
    void setDestination(ShortcutDest d);
    const std::string& about() const { return about_; }

    bool applyProperty(const ui::LayoutProperty& p, ui::LoadContext& ctx) override;

  private:
    ShortcutDest destination_ = ShortcutDest::DeskTop;
    std::string about_;
};

} // namespace setup
