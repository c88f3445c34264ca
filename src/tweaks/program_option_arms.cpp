// The arms of the program's own rows: the companion program at start-up, the start-menu
// shortcuts, the start-button program and a folder mounted as a drive.
#include "platform/path_text.h"
#include "shell/windows_helpers.h"
#include "tweaks/system_actions.h"
#include "tweaks/tuning_run.h"

namespace brelk {

namespace {

constexpr const char* kRun = "\\Software\\Microsoft\\Windows\\CurrentVersion\\Run";
constexpr const char* kRunOnce = "\\Software\\Microsoft\\Windows\\CurrentVersion\\RunOnce";
constexpr const char* kMountValue = "brelkmountmgr";
constexpr const char* kStartButtonProgram = "pelloquin.exe";
constexpr const char* kProgramLink = "\\Brelvanto Kit 2005.lnk";
constexpr const char* kUninstallLink = "\\Uninstall.lnk";

// Removes a start-up value of the program's own. The deletion always reaches the current
// user; with "alle Benutzer " the machine's value, where the arms put it then, goes too.
void deleteRunValue(TuningRun& run, const char* name) {
    platform::Registry& registry = run.ctx.platform.registry;
    if (auto key = registry.createKey(platform::RootKey::CurrentUser, kRun)) key->deleteValue(name);
    if (!run.allUsers()) return;
    if (auto key = registry.openKey(platform::RootKey::LocalMachine, kRun)) key->deleteValue(name);
}

void removeDorvaskStart(TuningRun& run) {
    deleteRunValue(run, "brelkdorvask");
}

void endStartButtonProgram(TuningRun& run) {
    KillProcessByName(run.ctx.platform.processes, kStartButtonProgram);
}

// The start-button program is ended and no longer started, and the taskbar shows its own
// button again.
void removeStartButtonProgram(TuningRun& run) {
    deleteRunValue(run, "brelkpelloquin");
    endStartButtonProgram(run);
    run.ctx.platform.desktop.showStartButton();
}

void startButtonOptionOff(TuningRun& run) {
    writeSettings(run.window, "Options", {{"pelloquin", "0"}});
}
void startButtonOptionOn(TuningRun& run) {
    writeSettings(run.window, "Options", {{"pelloquin", "1"}});
}

// The program's folder in the start menu's programs; nothing when the system does not know
// the programs folder, so that no folder is made or emptied relative to the current one.
std::optional<std::string> startMenuFolder(TuningRun& run) {
    std::string programs;
    GetSpecialFolderPath(run.ctx.platform, platform::csidl::programs, programs);
    if (programs.empty()) return std::nullopt;
    return programs + "Brelvanto Kit";
}

// Each step asks for the folder anew.
void createStartMenuShortcuts(TuningRun& run) {
    platform::Platform& p = run.ctx.platform;
    const std::string& program = run.ctx.programFolder;
    if (auto folder = startMenuFolder(run)) CreateFolder(p, *folder);
    if (auto folder = startMenuFolder(run))
        CreateShortcut(p, program + "brelk.exe", *folder + kProgramLink,
                       "Brelvanto Kit 2005 starten");
    if (auto folder = startMenuFolder(run))
        CreateShortcut(p, program + "uninstall.exe", *folder + kUninstallLink,
                       "Brelvanto Kit 2005 deinstallieren");
}

void removeStartMenuShortcuts(TuningRun& run) {
    platform::FileSystem& files = run.ctx.platform.files;
    if (auto folder = startMenuFolder(run)) files.deleteFile(*folder + kProgramLink);
    if (auto folder = startMenuFolder(run)) files.deleteFile(*folder + kUninstallLink);
    if (auto folder = startMenuFolder(run)) files.removeDirectory(*folder);
}

// The drive letter of the folder mount (the customisation dialog's field); nothing, with the
// reason in the run log, unless it is a single letter A to Z.
std::optional<std::string> mountDriveLetter(TuningRun& run) {
    const std::string& letter = run.form7Text("Edit12");
    char c = letter.size() == 1 ? letter[0] : '\0';
    if ((c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z')) return letter;
    run.log(std::string(kMountValue) + ": \"" + letter +
            "\" ist kein Laufwerksbuchstabe (A bis Z), nichts geschrieben");
    return std::nullopt;
}

// The subst command that Windows runs once at the next logon, whole or not at all. A refused
// write does not stop the run.
void writeMountCommand(TuningRun& run, const std::string& command) {
    if (!commandFits(run, kMountValue, command)) return;
    try {
        run.regop.applyregop(kRunOnce, kMountValue, command, "cu", "str");
    } catch (const ui::Exception&) {
    }
}

// The folder as one quoted argument. A backslash right before the closing quote would escape
// it, so none stands there: a folder loses its trailing backslash, and a drive root ("C:")
// keeps its backslash after the quotes ("C:"\), where it still belongs to the argument.
std::string quotedFolder(const std::string& folder) {
    std::string plain = platform::withoutTrailingBackslash(folder);
    const bool root = !plain.empty() && plain.back() == '\\';
    if (root) plain.pop_back();
    std::string quoted = "\""; // appended piece by piece: GCC 12 warns on the concatenation
    quoted += plain;
    quoted += root ? "\"\\" : "\"";
    return quoted;
}

void mountFolder(TuningRun& run) {
    auto letter = mountDriveLetter(run);
    if (!letter) return;
    const std::string& folder = run.form7Text("Edit11");
    if (!run.ctx.platform.files.directoryExists(folder)) return;
    writeMountCommand(run, "subst " + *letter + ": " + quotedFolder(folder));
}

void unmountFolder(TuningRun& run) {
    if (auto letter = mountDriveLetter(run)) writeMountCommand(run, "subst " + *letter + ": /D");
}

const ArmEntry kArms[] = {
    {ArmId::dorvaskDeact, {ActionStep{removeDorvaskStart}}},
    {ArmId::dorvaskAct,
     {RegStep{"cu", "str", kRun, "brelkdorvask", "modules\\dorvask.exe", {}, inProgramFolder}}},
    {ArmId::startButtonDeact, {ActionStep{removeStartButtonProgram}}},
    // A running copy is ended and started anew.
    {ArmId::startButtonAct,
     {RegStep{"cu", "str", kRun, "brelkpelloquin", "modules\\pelloquin.exe", {}, inProgramFolder},
      ActionStep{endStartButtonProgram},
      OpenStep{"modules\\pelloquin.exe", "", true, kShowNormal}}},
    {ArmId::startButtonOptionOff, {ActionStep{startButtonOptionOff}}},
    {ArmId::startButtonOptionOn, {ActionStep{startButtonOptionOn}}},
    {ArmId::startMenuShortcutsDeact, {ActionStep{removeStartMenuShortcuts}}},
    {ArmId::startMenuShortcutsAct, {ActionStep{createStartMenuShortcuts}}},
    {ArmId::mountAct, {ActionStep{mountFolder}}},
    {ArmId::mountDeact, {ActionStep{unmountFolder}}},
};

} // namespace

std::span<const ArmEntry> programOptionArms() {
    return kArms;
}

} // namespace brelk
