#include "customise/store_values.h"

#include "customise/customise_window.h"
#include "customise/kestovar_key.h"
#include "shell/file_dialog_component.h"
#include "shell/startbutton_settings.h"
#include "ui/input_controls.h"

namespace brelk {
namespace {

constexpr const char* kStartButtonSection = "Einstellungen";

// The chosen logo, only when that file exists; otherwise the stored one stays.
void logowrite(CustomiseWindow& w) {
    const std::string& logo = w.c<FileDialogComponent>("OpenDialog1").fileName();
    if (!logo.empty() && w.ctx.platform.files.fileExists(logo)) {
        writeKestovarValue(w.ctx.platform, "logo", logo);
    }
}

void skinwrite(CustomiseWindow& w) {
    writeKestovarValue(w.ctx.platform, "skin", w.c<FileDialogComponent>("OpenDialog2").fileName());
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
