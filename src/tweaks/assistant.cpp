#include "tweaks/assistant.h"

#include "shell/hover_look.h"
#include "shell/main_window.h"
#include "shell/pages.h"
#include "shell/windows2000_restrictions.h"
#include "tweaks/backup_page.h"
#include "tweaks/row_handlers.h"
#include "tweaks/settings_transfer.h"
#include "tweaks/tuning_run.h"
#include "ui/input_controls.h"
#include "ui/standard_controls.h"

#include <algorithm>
#include <memory>
#include <vector>

namespace brelk::tweaks {
namespace {

constexpr int kAssistantPage = 9;
// The reset unchecks RadioButton1..187 except the level buttons, which keep the user's choice.
constexpr int kLastResetButton = 187;
constexpr int kLowRisk = 182, kMediumRisk = 183, kHighRisk = 184;

// Usage answers and the customisation dialog's profile button each selects; a later answer
// wins over an earlier one.
constexpr std::pair<const char*, const char*> kUsage[] = {
    {"CheckBox42", "RadioButton2"}, // office work: "Durchschnittsnutzer"
    {"CheckBox43", "RadioButton3"}, // graphics and video: "Power User"
    {"CheckBox44", "RadioButton4"}, // games: "Spieler"
};

// A goal sets the activate button of every row of its category but the excluded ones; at low
// or medium risk it then sets some rows back to no change or to deactivate. High risk keeps
// the goal's whole list.
struct Goal {
    const char* checkBox;
    CategoryId category;
    std::vector<int> excluded;
    std::vector<int> lowRisk;
    std::vector<int> mediumRisk;
};

const std::vector<Goal>& goals() {
    static const std::vector<Goal> table = {
        {"CheckBox45", // "Geschwindigkeit": all but "Active Desktop deaktivieren"
         CategoryId::Performance,
         {190},
         {6, 15, 18, 24, 27, 30, 39, 51, 57, 60, 66, 69, 72, 221, 224, 227},
         {6, 18, 24, 30, 57, 227}},
        {"CheckBox46", CategoryId::Appearance, {}, {90, 93}, {}}, // "Optik"
        {"CheckBox47", // "Internet/Netzwerk": the start page stays
         CategoryId::Internet,
         {124},
         {111, 120, 123},
         {}},
        {"CheckBox48", // "Sicherheit": no system-file check
         CategoryId::Security,
         {142},
         {126, 129, 138, 141, 144, 147},
         {126}},
        {"CheckBox49", CategoryId::AntiSpying, {}, {156, 165, 174}, {}}, // "Spionageschutz"
    };
    return table;
}

// Set whatever the answers: the companion program at system start, the start-menu shortcut,
// the start page left alone, the folder mounted as a drive and the start button.
constexpr int kAlwaysChecked[] = {178, 181, 123, 230, 193};

constexpr const char* kWindows2000 = "Microsoft Windows 2000";

ui::RadioButton& rowButton(MainWindow& w, int number) {
    return w.c<ui::RadioButton>("RadioButton" + std::to_string(number));
}

bool ticked(MainWindow& w, const char* box) {
    return w.c<ui::CheckBox>(box).checked();
}

void checkAll(MainWindow& w, const std::vector<int>& numbers) {
    for (int n : numbers)
        rowButton(w, n).setChecked(true);
}

void resetRowButtons(MainWindow& w) {
    for (int i = 1; i <= kLastResetButton; ++i) {
        if (i >= kLowRisk && i <= kHighRisk) continue;
        if (auto* b = dynamic_cast<ui::RadioButton*>(w.find("Radiobutton" + std::to_string(i)))) {
            b->setChecked(false);
        }
    }
}

void applyUsage(MainWindow& w) {
    for (const auto& [box, profile] : kUsage) {
        if (!ticked(w, box)) continue;
        if (!w.ctx.form7) throw ui::EComponentError("Component 'Form7' not found");
        // Checking a profile button that was not checked recomputes the page file.
        w.ctx.form7->get<ui::RadioButton>(profile).setChecked(true);
    }
}

void applyGoal(MainWindow& w, const Goal& goal) {
    for (const TweakRow& row : tweakRows()) {
        const int activate = row.buttons[Activate];
        if (row.category != goal.category) continue;
        if (std::find(goal.excluded.begin(), goal.excluded.end(), activate) != goal.excluded.end())
            continue;
        rowButton(w, activate).setChecked(true);
    }
    if (rowButton(w, kLowRisk).checked()) checkAll(w, goal.lowRisk);
    if (rowButton(w, kMediumRisk).checked()) checkAll(w, goal.mediumRisk);
}

void runHandler(MainWindow& w, const char* name) {
    const ui::Handler* handler = w.handler(name);
    if (!handler) throw ui::EComponentError(std::string("Handler '") + name + "' not bound");
    ui::Event e;
    e.sender = &w;
    (*handler)(e);
}

// The two answers to "genauere Einstellungen vornehmen?" exclude each other, but only for the
// user's click: a change made by code (also the ones made here) runs the handlers too and is
// left alone.
void bindExclusiveAnswers(MainWindow& w) {
    const std::pair<const char*, const char*> answers[] = {{"CheckBox88", "CheckBox89"},
                                                           {"CheckBox89", "CheckBox88"}};
    for (const auto& answer : answers) {
        const char* box = answer.first;
        const char* other = answer.second;
        w.bind(std::string(box) + "Click", [&w, box, other](ui::Event& e) {
            if (!e.byUser) return;
            w.c<ui::CheckBox>(box).setChecked(true);
            auto& otherBox = w.c<ui::CheckBox>(other);
            if (otherBox.checked()) otherBox.setChecked(false);
        });
    }
}

} // namespace

void showwizard(MainWindow& w) {
    if (w.state.firststartflag == "1" && w.state.backupcount == 0) savesettings(w);
    resetgauges(w);
    openPage(w, kAssistantPage);
}

void wizardstart(MainWindow& w) {
    resetRowButtons(w);
    applyUsage(w);
    for (const Category& c : categories())
        checkCategoryColumn(w, c.id, NoChange);
    for (const Goal& goal : goals()) {
        if (ticked(w, goal.checkBox)) applyGoal(w, goal);
    }
    for (int n : kAlwaysChecked)
        rowButton(w, n).setChecked(true);
    if (w.c<ui::Edit>("Edit7").text() == kWindows2000) applyWindows2000RowRestrictions(w);
    if (ticked(w, "CheckBox88")) {
        runHandler(w, "classicstart");
    } else {
        tuning(w);
    }
}

void bindAssistantHandlers(MainWindow& w) {
    w.bind("showwizard", [&w](ui::Event&) { showwizard(w); });
    w.bind("wizardstart", [&w](ui::Event&) { wizardstart(w); });
    w.bind("Wizardrolloverp9", [&w](ui::Event&) {
        w.c<ui::Image>("Image29").show();
        w.c<ui::Label>("Label44").setFontColor(look::kLinkHover);
    });
    bindExclusiveAnswers(w);
    bindSettingsTransferHandlers(w);
}

} // namespace brelk::tweaks
