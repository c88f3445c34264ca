#include "customise/store_values.h"

#include "customise/customise_window.h"
#include "customise/kestovar_key.h"
#include "shell/file_dialog_component.h"
#include "shell/startbutton_settings.h"
#include "ui/input_controls.h"

namespace brelk {
namespace {

constexpr const char* kStartButtonSection = "Einstellungen";

// The picture a picker took (its dialog names only one that loaded), when that file still
// exists; otherwise the stored one stays.
void picturewrite(CustomiseWindow& w, const char* dialog, const char* value) {
    const std::string& picture = w.c<FileDialogComponent>(dialog).fileName();
    if (!picture.empty() && w.ctx.platform.files.fileExists(picture)) {
        writeKestovarValue(w.ctx.platform, value, picture);
    }
}

void logowrite(CustomiseWindow& w) {
    picturewrite(w, "OpenDialog1", "logo");
}

void skinwrite(CustomiseWindow& w) {
    picturewrite(w, "OpenDialog2", "skin");
}

// Each file setting only when the file its field names exists; the caption always.
void startbuttonwrite(CustomiseWindow& w) {
    auto& profiles = w.ctx.platform.profiles;
    const std::string ini = w.ctx.modulesFile("startbutton.ini");
    for (const auto& s : startButtonFileSettings()) {
        const std::string& file = w.c<ui::Edit>(s.edit).text();
        if (!file.empty() && w.ctx.platform.files.fileExists(file)) {
            profiles.writeString(ini, kStartButtonSection, s.key, file);
        }
    }
    profiles.writeString(ini, kStartButtonSection, "buttoncaption", w.c<ui::Edit>("Edit6").text());
}

} // namespace

void kopieren(CustomiseWindow& w) {
    // Fields edited into no sound page file keep the stored values.
    storePageFileSetting(w.ctx.platform, w.c<ui::Edit>("Edit1").text(),
                         w.c<ui::Edit>("Edit2").text(), w.c<ui::Edit>("Edit3").text());
    logowrite(w);
    skinwrite(w);
    startbuttonwrite(w);
    w.hide();
}

void bindStoreHandlers(CustomiseWindow& w) {
    w.bind("kopieren", [&w](ui::Event&) { kopieren(w); });
}

} // namespace brelk
