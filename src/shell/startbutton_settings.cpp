#include "shell/startbutton_settings.h"

#include "shell/file_dialog_component.h"
#include "shell/main_window.h"
#include "ui/errors.h"
#include "ui/input_controls.h"

#include <string>

namespace brelk {
namespace {

constexpr const char* kSection = "Einstellungen";

constexpr StartButtonFileSetting kFileSettings[] = {
    {"buttonimgnormal", "Edit7", "OpenPictureDialog1", DefaultBase::ProgramFolder,
     "modules\\startbuttons\\glass_blue_normal.bmp"},
    {"buttonimgover", "Edit8", "OpenPictureDialog2", DefaultBase::ProgramFolder,
     "modules\\startbuttons\\glass_blue_over.bmp"},
    {"buttonicon", "Edit10", "OpenPictureDialog3", DefaultBase::ProgramFolder,
     "modules\\startbuttons\\icon.bmp"},
    {"sound", "Edit9", "OpenDialog3", DefaultBase::WindowsFolder, "\\media\\chimes.wav"},
};

std::string defaultFile(MainWindow& w, const StartButtonFileSetting& s) {
    const std::string base = s.base == DefaultBase::ProgramFolder
                                 ? w.ctx.programFolder
                                 : w.c<ui::Edit>("Edit1").text(); // the Windows folder
    return base + s.defaultName;
}

} // namespace

std::span<const StartButtonFileSetting> startButtonFileSettings() {
    return kFileSettings;
}

void loadStartButtonSettings(MainWindow& w) {
    if (!w.ctx.form7) throw ui::EComponentError("Component 'Form7' not found");
    ui::Form& dialog = *w.ctx.form7;
    auto& profiles = w.ctx.platform.profiles;
    const std::string ini = w.ctx.modulesFile("startbutton.ini");
    for (const auto& s : kFileSettings) {
        std::string file = profiles.readString(ini, kSection, s.key, "");
        // A missing key reads as empty and so counts as a missing file.
        if (file.empty() || !w.ctx.platform.files.fileExists(file)) {
            file = defaultFile(w, s);
            profiles.writeString(ini, kSection, s.key, file);
        }
        dialog.get<ui::Edit>(s.edit).setText(file);
        dialog.get<FileDialogComponent>(s.picker).setFileName(file);
    }
    const std::string caption = profiles.readString(ini, kSection, "buttoncaption", "");
    if (!caption.empty()) dialog.get<ui::Edit>("Edit6").setText(caption);
}

} // namespace brelk
