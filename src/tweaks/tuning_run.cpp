#include "tweaks/tuning_run.h"

#include "platform/path_text.h"
#include "shell/int_text.h"
#include "shell/main_window.h"
#include "tweaks/walk_order.h"
#include "ui/input_controls.h"
#include "ui/standard_controls.h"

namespace brelk {

namespace {

constexpr const char* kUninstallKey = "\\SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Uninstall";
constexpr const char* kRunOnceKey = "\\Software\\Microsoft\\Windows\\CurrentVersion\\RunOnce";
constexpr const char* kUninstallValue = "brelkuninstall";

std::string cut(std::string text) {
    if (text.size() > kOperationTextLength) text.resize(kOperationTextLength);
    return text;
}

std::string radioButtonName(int number) {
    return "RadioButton" + std::to_string(number);
}

void startProgressDisplay(MainWindow& w) {
    for (const char* name : {"Gauge1", "Gauge2", "Gauge3"}) {
        auto& gauge = w.c<ui::Gauge>(name);
        gauge.setVisible(true);
        gauge.setPosition(0);
    }
    w.c<ui::Timer>("Timer1").setEnabled(true);
}

} // namespace

std::string cutToOperationLength(std::string text) {
    return cut(std::move(text));
}

void writeSettings(MainWindow& w, const char* section,
                   std::initializer_list<std::pair<const char*, const char*>> keys) {
    platform::Platform& p = w.ctx.platform;
    const std::string ini = w.ctx.modulesFile("brelk.ini");
    if (!p.files.fileExists(ini)) return;
    p.files.setAttributes(ini, 0);
    for (const auto& [key, value] : keys)
        p.profiles.writeString(ini, section, key, value);
}

namespace {

// The options that the companion program dorvask reads.
void writeCompanionOptions(MainWindow& w) {
    auto flag = [&w](const char* box) { return w.c<ui::CheckBox>(box).checked() ? "1" : "0"; };
    writeSettings(w, "Dorvask", {{"freemem", flag("CheckBox2")}, {"mervane", flag("CheckBox3")}});
}

} // namespace

TuningRun::TuningRun(MainWindow& w) : window(w), ctx(w.ctx), regop(registryPrimitiveOf(w)) {}

bool TuningRun::restoring() const {
    return window.state.restoremode == 1;
}

const std::string& TuningRun::restoreEntry(int entry) const {
    return window.state.restoretable.at(static_cast<std::size_t>(entry));
}

const std::string& TuningRun::editText(const std::string& name) const {
    return window.c<ui::Edit>(name).text();
}

const std::string& TuningRun::form7Text(const std::string& name) const {
    if (!ctx.form7) throw ui::EComponentError("Component 'Form7' not found");
    return ctx.form7->get<ui::Edit>(name).text();
}

bool TuningRun::allUsers() const {
    return window.c<ui::RadioButton>("RadioButton4").checked();
}

void TuningRun::log(const std::string& line) {
    window.c<ui::Memo>("Memo3").addLine(line);
}

void TuningRun::perform(const Arm& arm) {
    for (const ArmStep& step : arm) {
        if (auto* reg = std::get_if<RegStep>(&step)) {
            apply(*reg);
        } else if (auto* program = std::get_if<OpenStep>(&step)) {
            open(*program);
        } else {
            std::get<ActionStep>(step)(*this);
        }
    }
}

void TuningRun::apply(const RegStep& step) {
    const RestoreRule rule = restoring() ? step.restore.rule : RestoreRule::none;
    const bool filled = rule != RestoreRule::none && !restoreEntry(step.restore.entry).empty();
    if (rule == RestoreRule::filledOrNothing && !filled) return;
    const bool replaced = rule == RestoreRule::always || (rule != RestoreRule::none && filled);
    // The run-time data is formed only when it is written: forming it may log why it cannot be.
    std::optional<std::string> data;
    if (!replaced) data = step.from ? step.from(*this, step.text) : step.text;
    if (replaced) {
        data = restoreEntry(step.restore.entry);
        // One entry that is no number (a value missing at the save, a slot edited by hand) must
        // not end the restore half way: that value is left as it is, the other rows go on.
        if (std::string_view(step.kind) == "int" && !parseIntText(*data)) {
            log(std::string(step.name) + ": '" + *data +
                "' ist keine Zahl, der Wert bleibt unverändert");
            return;
        }
    }
    if (!data) return;
    std::string key = step.keyFrom ? step.keyFrom(*this, step.key) : std::string(step.key);
    regop.applyregop(cut(std::move(key)), cut(step.name), cut(*data), step.root, step.kind);
}

void TuningRun::open(const OpenStep& step) {
    std::string file = step.inProgramFolder ? ctx.programFolder + step.file : step.file;
    ctx.platform.shell.execute("open", file, step.parameters, "", step.showCommand);
}

bool commandFits(TuningRun& run, const std::string& valueName, const std::string& command) {
    if (command.size() <= kOperationTextLength) return true;
    run.log(valueName + ": Befehl länger als " + std::to_string(kOperationTextLength) +
            " Zeichen, nichts geschrieben");
    return false;
}

std::optional<std::string>
programFolderCommand(TuningRun& run, const std::string& valueName,
                     const std::function<std::string(const std::string& folder)>& commandIn) {
    const std::string& folder = run.ctx.programFolder;
    std::string command = commandIn(folder);
    if (command.size() > kOperationTextLength) {
        if (auto shortFolder =
                run.ctx.platform.files.shortPath(platform::withoutTrailingBackslash(folder)))
            command = commandIn(platform::withoutTrailingBackslash(*shortFolder) + "\\");
    }
    if (!commandFits(run, valueName, command)) return std::nullopt;
    return command;
}

namespace {

std::string uninstallCommandIn(const std::string& folder) {
    // The path is quoted: Windows would otherwise try "C:\Program.exe" and the like first for
    // a program folder with blanks.
    return "\"" + folder + "uninstall.exe\" /afterrestart";
}

// Registers the uninstall program for the next logon.
void registerUninstall(TuningRun& run) {
    if (auto command = programFolderCommand(run, kUninstallValue, uninstallCommandIn))
        run.regop.applyregop(kRunOnceKey, kUninstallValue, *command, "cu", "str");
}

} // namespace

void tuning(MainWindow& w) {
    w.c<ui::Memo>("Memo3").clear();
    startProgressDisplay(w);

    TuningRun run(w);
    run.regop.applyregop(kUninstallKey, "Brelk", "", "cu", "delkey");
    if (w.ctx.params.empty() || w.ctx.params.front() != "/afterrestart") registerUninstall(run);

    for (const WalkEntry& entry : walkOrder()) {
        const Arm& arm = armFor(entry.arm);
        // A button without work is not looked at, so rows still to come need no controls.
        if (arm.empty()) continue;
        if (entry.button != 0 && !w.c<ui::RadioButton>(radioButtonName(entry.button)).checked())
            continue;
        run.perform(arm);
    }

    writeCompanionOptions(w);
}

} // namespace brelk
