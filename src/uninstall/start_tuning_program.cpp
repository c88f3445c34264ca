#include "uninstall/start_tuning_program.h"

namespace uninstall {

namespace {

// The system's instance codes of a failed start that a user can act on.
std::string reasonOf(int code) {
    switch (code) {
    case 2:
    case 3:
        return "Die Datei wurde nicht gefunden.";
    case 5:
        return "Der Zugriff wurde verweigert.";
    case 8:
        return "Der Arbeitsspeicher reicht nicht aus.";
    case 11:
        return "Die Datei ist kein gültiges Programm.";
    default:
        return "Fehler " + std::to_string(code) + ".";
    }
}

} // namespace

std::string argumentsOf(std::string_view commandLine) {
    std::size_t at = commandLine.find_first_not_of(" \t");
    if (at == std::string_view::npos) return {};
    if (commandLine[at] == '"') {
        const std::size_t close = commandLine.find('"', at + 1);
        at = close == std::string_view::npos ? commandLine.size() : close + 1;
    }
    // The name goes on up to the first blank (also right after a closing quote).
    while (at < commandLine.size() && commandLine[at] != ' ' && commandLine[at] != '\t')
        ++at;
    at = commandLine.find_first_not_of(" \t", at);
    return at == std::string_view::npos ? std::string() : std::string(commandLine.substr(at));
}

int startTuningProgram(platform::Shell& shell, const std::string& programFolder,
                       const std::string& arguments,
                       const std::function<void(const std::string&)>& tell) {
    const std::string program = programFolder + "brelk.exe";
    const int code =
        shell.execute("open", program, arguments, programFolder, platform::showcmd::normal);
    if (code > 32) return 0;
    tell("Brelvanto Kit konnte nicht gestartet werden:\r\n" + program + "\r\n" + reasonOf(code));
    return 1;
}

} // namespace uninstall
