// The file dialogs placed on a window (TOpenDialog, TOpenPictureDialog, TSaveDialog): non-visual
// components that keep the dialog's settings, above all the file name last chosen or preset,
// between uses. Running one goes through the application's dialog service.
#pragma once

#include "ui/component.h"
#include "ui/dialogs.h"

#include <string>

namespace brelk {

class FileDialogComponent : public ui::Component {
  public:
    explicit FileDialogComponent(std::string className) : ui::Component(std::move(className)) {}

    const std::string& fileName() const { return options_.fileName; }
    void setFileName(std::string name) { options_.fileName = std::move(name); }
    // The settings as the dialog service takes them.
    const ui::FileDialogOptions& options() const { return options_; }

    bool applyProperty(const ui::LayoutProperty& p, ui::LoadContext& ctx) override;

  private:
    ui::FileDialogOptions options_;
};

} // namespace brelk
