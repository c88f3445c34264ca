// Message boxes and common dialogs of the Win32 API.
#pragma once

#include "ui/dialogs.h"

namespace ui::win32 {

class Win32Dialogs : public DialogService {
  public:
    int messageBox(const std::string& text, const std::string& caption, unsigned flags) override;
    std::optional<std::string> openFile(const FileDialogOptions& o) override;
    std::optional<std::string> saveFile(const FileDialogOptions& o) override;
    std::optional<std::string> browseFolder(const std::string& title,
                                            int root = kDesktopFolder) override;
};

} // namespace ui::win32
