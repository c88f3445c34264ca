// The file dialogs placed on a window (TOpenDialog, TOpenPictureDialog, TSaveDialog): non-visual
// components that keep the dialog's settings, above all the file name last chosen or preset,
// between uses. Running one goes through the application's dialog service.
#pragma once

#include "ui/component.h"
#include "ui/dialogs.h"

#include <optional>
#include <string>

namespace brelk {

class FileDialogComponent : public ui::Component {
  public:
    explicit FileDialogComponent(std::string className) : ui::Component(std::move(className)) {}

    // While the dialog is shown, the file currently selected in it; else the file name last
    // chosen or preset.
    const std::string& fileName() const { return selection_ ? *selection_ : options_.fileName; }
    void setFileName(std::string name) { options_.fileName = std::move(name); }
    void setInitialDir(std::string folder) { options_.initialDir = std::move(folder); }
    // How a picture picker finds the picture its preview area shows (see FileDialogOptions).
    void setPreview(std::function<std::shared_ptr<const ui::Bitmap>(const std::string&)> p) {
        options_.preview = std::move(p);
    }
    // The settings as the dialog service takes them.
    const ui::FileDialogOptions& options() const { return options_; }

    // Shows the dialog. Each selection change runs OnSelectionChange; a chosen file becomes the
    // file name, a cancel keeps the previous one. True when a file was chosen.
    bool execute();

    ui::Handler onSelectionChange;

    bool applyProperty(const ui::LayoutProperty& p, ui::LoadContext& ctx) override;

  private:
    ui::FileDialogOptions options_;
    std::optional<std::string> selection_;
};

} // namespace brelk
