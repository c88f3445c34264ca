// Message boxes and the common dialogs go through this one service, so that tests answer them.
#pragma once

#include <functional>
#include <memory>
#include <optional>
#include <string>

namespace ui {

struct Bitmap;

// Button and icon flags and answers, with the values of the Windows message box.
namespace mb {
constexpr unsigned Ok = 0x0, OkCancel = 0x1, YesNoCancel = 0x3, YesNo = 0x4;
constexpr unsigned IconError = 0x10, IconQuestion = 0x20, IconWarning = 0x30, IconInfo = 0x40;
constexpr int IdOk = 1, IdCancel = 2, IdYes = 6, IdNo = 7;
} // namespace mb

struct FileDialogOptions {
    std::string title;
    std::string filter; // "Bilder (*.bmp)|*.bmp|Alle Dateien (*.*)|*.*"
    std::string initialDir;
    std::string fileName; // preset file name
    std::string defaultExt;
    // Called with the selected file's full path each time the selection changes while an
    // open dialog is shown.
    std::function<void(const std::string&)> selectionChanged;
    // A picture picker's: the picture of the selected file, which the dialog shows in a
    // preview area beside its list while the selection stands; nothing for a file that is no
    // picture it can show. Without it the dialog has no preview area.
    std::function<std::shared_ptr<const Bitmap>(const std::string&)> preview;
};

// The shell's special folder that a folder browser starts from by default: the desktop.
constexpr int kDesktopFolder = 0;

class DialogService {
  public:
    virtual ~DialogService() = default;
    virtual int messageBox(const std::string& text, const std::string& caption, unsigned flags) = 0;
    virtual std::optional<std::string> openFile(const FileDialogOptions& o) = 0;
    virtual std::optional<std::string> saveFile(const FileDialogOptions& o) = 0;
    // Only file-system folders can be picked, below the special folder `root` (a shell folder
    // id such as 17 for My Computer). Nothing when cancelled, when the root cannot be resolved
    // or when the picked folder has no file-system path.
    virtual std::optional<std::string> browseFolder(const std::string& title,
                                                    int root = kDesktopFolder) = 0;
};

} // namespace ui
