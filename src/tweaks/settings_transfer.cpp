#include "tweaks/settings_transfer.h"

#include "shell/file_dialog_component.h"
#include "shell/hover_look.h"
#include "shell/main_window.h"
#include "shell/pages.h"
#include "ui/dialogs.h"
#include "ui/input_controls.h"
#include "ui/standard_controls.h"

namespace brelk::tweaks {
namespace {

constexpr const char* kSettingsFile = "brelksettings.ini";

ui::Form& customiseDialog(MainWindow& w) {
    if (!w.ctx.form7) throw ui::EComponentError("Component 'Form7' not found");
    return *w.ctx.form7;
}

template <class T> T* numbered(ui::Form& form, const char* prefix, int number) {
    return dynamic_cast<T*>(form.find(prefix + std::to_string(number)));
}

FileDialogComponent& dialog(MainWindow& w, const char* name) {
    return w.c<FileDialogComponent>(name);
}

// Runs a file dialog; a chosen file becomes its file name, a cancel keeps the one it had.
void runDialog(MainWindow& w, FileDialogComponent& d, bool save) {
    ui::DialogService& dialogs = w.app().dialogs();
    auto chosen = save ? dialogs.saveFile(d.options()) : dialogs.openFile(d.options());
    if (chosen) d.setFileName(*chosen);
}

void report(MainWindow& w, const char* label, const char* text) {
    auto& status = w.c<ui::Label>(label);
    status.setCaption(text);
    status.show();
}

void exportshow(MainWindow& w) {
    auto& save = dialog(w, "SaveDialog1");
    save.setFileName(w.ctx.modulesFile(kSettingsFile));
    save.setInitialDir(w.ctx.programFolder + "modules");
    w.c<ui::Edit>("Edit6").setText(save.fileName());
    w.c<ui::Label>("Label115").hide();
    showPage(w, "Panel11");
}

void importshow(MainWindow& w) {
    const std::string file = w.ctx.modulesFile(kSettingsFile);
    if (w.ctx.platform.files.fileExists(file)) {
        auto& open = dialog(w, "OpenDialog1");
        open.setFileName(file);
        open.setInitialDir(w.ctx.programFolder + "modules");
        w.c<ui::Edit>("Edit5").setText(file);
    }
    w.c<ui::Label>("Label114").hide();
    showPage(w, "Panel12");
}

// The browse buttons start in the modules folder; the edits keep showing the earlier names.
void browseExport(MainWindow& w) {
    auto& save = dialog(w, "SaveDialog1");
    save.setInitialDir(w.ctx.programFolder + "\\modules");
    runDialog(w, save, true);
    dialog(w, "OpenDialog1").setFileName(w.ctx.programFolder + "\\modules\\" + kSettingsFile);
}

void browseImport(MainWindow& w) {
    auto& open = dialog(w, "OpenDialog1");
    open.setFileName(w.ctx.programFolder + "\\modules\\" + kSettingsFile);
    open.setInitialDir(w.ctx.programFolder + "\\modules");
    runDialog(w, open, false);
}

void applyRowChoices(MainWindow& w, const RowChoices& taken) {
    for (int number : taken.buttons) {
        if (auto* b = numbered<ui::RadioButton>(w, "Radiobutton", number)) b->setChecked(true);
    }
    for (const auto& [number, text] : taken.mainEdits) {
        if (auto* e = numbered<ui::Edit>(w, "Edit", number)) e->setText(text);
    }
    ui::Form& form7 = customiseDialog(w);
    for (int i = 1; i <= kFileDialogFields; ++i) {
        form7.get<ui::Edit>("Edit" + std::to_string(i))
            .setText(taken.dialogEdits[static_cast<std::size_t>(i - 1)]);
    }
    // Checking a profile button recomputes the page file; the picture buttons open pickers.
    for (int number : taken.dialogButtons) {
        form7.get<ui::RadioButton>("RadioButton" + std::to_string(number)).setChecked(true);
    }
}

struct LinkHover {
    const char* handler;
    const char* picture;
    const char* label;
};

constexpr LinkHover kLinkHovers[] = {
    {"exportstartrollover", "Image10", "Label110"},
    {"Importrollover", "Image59", "Label113"},
};

} // namespace

RowChoices currentRowChoices(MainWindow& w) {
    RowChoices choices;
    for (int i = 1; i <= kFileButtons; ++i) {
        auto* b = numbered<ui::RadioButton>(w, "Radiobutton", i);
        if (b && b->checked()) choices.buttons.insert(i);
    }
    for (int i = 1; i <= kFileMainEdits; ++i) {
        if (auto* e = numbered<ui::Edit>(w, "Edit", i)) choices.mainEdits[i] = e->text();
    }
    ui::Form& form7 = customiseDialog(w);
    for (int i = 1; i <= kFileDialogFields; ++i) {
        choices.dialogEdits[static_cast<std::size_t>(i - 1)] =
            form7.get<ui::Edit>("Edit" + std::to_string(i)).text();
        if (form7.get<ui::RadioButton>("RadioButton" + std::to_string(i)).checked()) {
            choices.dialogButtons.insert(i);
        }
    }
    return choices;
}

void exportsettings(MainWindow& w) {
    w.c<ui::Label>("Label115").hide();
    const RowChoices choices = currentRowChoices(w);
    const bool written =
        writeRowChoices(w.ctx.platform.profiles, dialog(w, "SaveDialog1").fileName(), choices);
    report(w, "Label115",
           written ? "Einstellungen erfolgreich exportiert..." : "Fehler beim Export");
}

void importsettings(MainWindow& w) {
    w.c<ui::Label>("Label114").hide();
    const std::string file = dialog(w, "OpenDialog1").fileName();
    if (!w.ctx.platform.files.fileExists(file)) {
        report(w, "Label114", "Fehler beim Import");
        return;
    }
    // The current choices are read first: a field missing from the windows stops the import
    // before anything has changed.
    const RowChoices current = currentRowChoices(w);
    applyRowChoices(w, readRowChoices(w.ctx.platform.profiles, file, current));
    report(w, "Label114", "Einstellungen erfolgreich importiert...");
}

void bindSettingsTransferHandlers(MainWindow& w) {
    w.bind("exportshow", [&w](ui::Event&) { exportshow(w); });
    w.bind("importshow", [&w](ui::Event&) { importshow(w); });
    w.bind("Button2Click", [&w](ui::Event&) { browseExport(w); });
    w.bind("Button1Click", [&w](ui::Event&) { browseImport(w); });
    w.bind("exportsettings", [&w](ui::Event&) { exportsettings(w); });
    w.bind("importsettings", [&w](ui::Event&) { importsettings(w); });
    for (const LinkHover& h : kLinkHovers) {
        w.bind(h.handler, [&w, &h](ui::Event&) {
            w.c<ui::Image>(h.picture).show();
            w.c<ui::Label>(h.label).setFontColor(look::kLinkHover);
        });
    }
    w.bind("exportrollover",
           [&w](ui::Event&) { w.c<ui::Label>("Label107").setFontColor(look::kMenuHover); });
    for (const char* edit : {"Edit5", "Edit6"}) {
        w.bind(std::string(edit) + "MouseMove",
               [&w, edit](ui::Event&) { look::editHovered(w.c<ui::Edit>(edit)); });
    }
}

} // namespace brelk::tweaks
