// The tuning page as the engine's tests start from it, on the main window's own layouts, and
// the customisation dialog's page-file fields.
#pragma once

#include "customise/customise_window.h"
#include "platform/registry.h"
#include "shell/main_window.h"
#include "ui/class_registry.h"
#include "ui/headless.h"
#include "ui/input_controls.h"
#include "ui/standard_controls.h"

#include <memory>
#include <string>
#include <vector>

namespace tweak_test {

// The buttons of a row: deactivate, no change, activate.
struct Row {
    int deact, none, act;
};

inline const std::vector<Row>& performanceRows() {
    static const std::vector<Row> rows = [] {
        std::vector<Row> r;
        for (int n = 5; n <= 86; n += 3)
            r.push_back({n, n + 1, n + 2});
        for (int n : {185, 188, 212, 215, 233, 218, 221, 224, 227})
            r.push_back({n, n + 1, n + 2});
        return r;
    }();
    return rows;
}

// The rows of the other categories (their arms come later).
inline const std::vector<Row>& otherRows() {
    static const std::vector<Row> rows = [] {
        std::vector<Row> r;
        for (int n = 89; n <= 152; n += 3)
            r.push_back({n, n + 1, n + 2});
        for (int n : {155, 158, 164, 167, 170, 173, 176, 179, 191, 194, 197, 200, 203, 206, 209})
            r.push_back({n, n + 1, n + 2});
        r.push_back({232, 231, 230});
        return r;
    }();
    return rows;
}

// Start-up as the engine's tests need it: a Windows it accepts, with its owner, organisation
// and folder, so that showing the main window fills the tuning page with known values.
inline void registerWindows(platform::Registry& registry, const std::string& windowsFolder) {
    auto key = registry.createKey(platform::RootKey::LocalMachine,
                                  "SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion");
    key->writeString("ProductName", "Microsoft Windows XP");
    key->writeString("RegisteredOwner", "Lizenznehmer");
    key->writeString("RegisteredOrganization", "Organisation");
    key->writeString("PathName", windowsFolder);
}

// Shows the main window (start-up runs once) and puts the tuning page into the state the
// engine's tests start from: every row at no change, the memory field at 512 MB.
inline void presetTuningPage(brelk::MainWindow& w) {
    w.show();
    // Start-up ends on the backups page, which tells that no backup slot exists yet.
    if (auto* dialogs = dynamic_cast<ui::ScriptedDialogs*>(&w.app().dialogs()))
        dialogs->messages.clear();
    w.c<ui::Edit>("Edit2").setText("512");
    w.c<ui::RadioButton>("RadioButton3").setChecked(true);
    w.c<ui::RadioButton>("RadioButton2").setChecked(true);
    w.c<ui::CheckBox>("CheckBox2").setChecked(true);
    w.c<ui::CheckBox>("CheckBox3").setChecked(true);
    for (const auto* rows : {&performanceRows(), &otherRows()}) {
        for (const Row& row : *rows) {
            w.c<ui::RadioButton>("RadioButton" + std::to_string(row.none)).setChecked(true);
        }
    }
}

// The customisation dialog with its page-file fields set: minimum and maximum MB, drive letter.
inline std::unique_ptr<brelk::CustomiseWindow> pageFileDialog(brelk::Context& ctx) {
    auto form = std::make_unique<brelk::CustomiseWindow>(ctx);
    form->get<ui::Edit>("Edit1").setText("384");
    form->get<ui::Edit>("Edit2").setText("768");
    form->get<ui::Edit>("Edit3").setText("C");
    return form;
}

// Sets a field of the customisation dialog that the appearance and program-option rows read;
// a field that the dialog's layout does not hold is added for the test.
inline void setDialogField(ui::Form& form, const std::string& name, const std::string& text) {
    if (!form.find(name)) form.add(std::make_unique<ui::Edit>(), name, &form);
    form.get<ui::Edit>(name).setText(text);
}

enum class Column { deact, none, act };

inline void setRows(brelk::MainWindow& w, const std::vector<Row>& rows, Column column) {
    for (const Row& row : rows) {
        int n = column == Column::deact ? row.deact : column == Column::none ? row.none : row.act;
        w.c<ui::RadioButton>("RadioButton" + std::to_string(n)).setChecked(true);
    }
}

} // namespace tweak_test
