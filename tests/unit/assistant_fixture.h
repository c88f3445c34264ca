// The real main window with the assistant, export and import pages, and a customisation dialog
// that holds every field these pages use. Handlers of the dialog's radio buttons are replaced
// by recorders, so the tests see which of them ran.
#pragma once

#include "support/customise_dialog_fields.h"
#include "support/tuning_window.h"
#include "tweaks/settings_file.h"
#include "ui/input_controls.h"
#include "ui/standard_controls.h"

#include <gtest/gtest.h>

#include <map>
#include <memory>
#include <set>
#include <string>

namespace assistant_test {

using testing_support::TuningWindow;

// One program run: the windows started, the memory known, no message shown yet.
struct AssistantRun {
    TuningWindow t;
    std::map<std::string, int> dialogClicks;

    AssistantRun() {
        testing_support::completeDialog(*t.form7);
        for (int i = 1; i <= 5; ++i) {
            const std::string name = "RadioButton" + std::to_string(i);
            t.form7->get<ui::RadioButton>(name).onClick = [this, name](ui::Event&) {
                ++dialogClicks[name];
            };
        }
        t.fake.files.addDirectory(std::string(TuningWindow::kProgramFolder) + "modules");
        t.w().show();
        t.w().c<ui::Edit>("Edit2").setText("512"); // memory in MB, as start-up reads it
        t.h.dialogs.messages.clear();
    }

    brelk::MainWindow& w() { return t.w(); }
    void run(const char* handler) {
        ui::Event e;
        t.h.app.dispatch(*w().handler(handler), e);
    }
    ui::RadioButton& button(int n) {
        return w().c<ui::RadioButton>("RadioButton" + std::to_string(n));
    }
    ui::CheckBox& box(int n) { return w().c<ui::CheckBox>("CheckBox" + std::to_string(n)); }
    ui::Edit& edit(const std::string& name) { return w().c<ui::Edit>(name); }
    ui::Edit& dialogEdit(int n) { return t.form7->get<ui::Edit>("Edit" + std::to_string(n)); }
    ui::RadioButton& dialogButton(int n) {
        return t.form7->get<ui::RadioButton>("RadioButton" + std::to_string(n));
    }
    bool visible(const std::string& name) { return w().c<ui::Control>(name).visible(); }
    const std::string& caption(const std::string& name) {
        return w().c<ui::Control>(name).caption();
    }

    // Checked radio buttons of the main window, RadioButton1..235 without the risk levels.
    std::set<int> checkedButtons() {
        std::set<int> checked;
        for (int n = 1; n <= 235; ++n) {
            if (n >= 182 && n <= 184) continue;
            auto* b = dynamic_cast<ui::RadioButton*>(w().find("RadioButton" + std::to_string(n)));
            if (b && b->checked()) checked.insert(n);
        }
        return checked;
    }
    std::vector<std::string> messages() {
        std::vector<std::string> texts;
        for (const auto& m : t.h.dialogs.messages)
            texts.push_back(m.text);
        return texts;
    }
};

struct AssistantWindow : ::testing::Test, AssistantRun {};

} // namespace assistant_test
