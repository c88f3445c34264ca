#include "platform/fake/fake_shell.h"

#include "platform/text_case.h"

namespace platform {

namespace {

constexpr int success = 42;
constexpr int fileNotFound = 2;

bool endsWithIgnoreCase(std::string_view text, std::string_view end) {
    return text.size() >= end.size() &&
           equalsIgnoreCase(text.substr(text.size() - end.size()), end);
}

bool isAddress(std::string_view file) {
    for (std::string_view scheme : {"http://", "https://", "mailto:"})
        if (file.size() >= scheme.size() && equalsIgnoreCase(file.substr(0, scheme.size()), scheme))
            return true;
    return false;
}

} // namespace

FakeShell::FakeShell(FakeFileSystem& files, FakeProcesses& processes)
    : files_(files), processes_(processes) {}

int FakeShell::execute(const std::string& verb, const std::string& file,
                       const std::string& parameters, const std::string& directory,
                       int showCommand) {
    executions.push_back({verb, file, parameters, directory, showCommand});
    if (isAddress(file)) return success;
    if (auto failing = failingStarts.find(file); failing != failingStarts.end())
        return failing->second;
    if (!files_.fileExists(file)) return fileNotFound;
    if (endsWithIgnoreCase(file, ".exe")) processes_.add(file.substr(file.find_last_of('\\') + 1));
    return success;
}

std::optional<std::string> FakeShell::specialFolderPath(int csidl) {
    auto it = specialFolders.find(csidl);
    if (it == specialFolders.end()) return std::nullopt;
    return it->second;
}

} // namespace platform
