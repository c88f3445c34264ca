#include "setup/install_job.h"

#include "platform/path_text.h"
#include "shell/windows_helpers.h"

namespace setup {

const std::array<const char*, kSourceFolderCount> kSourceSubfolders = {
    "", "modules\\", "modules\\skins\\", "modules\\web\\"};

namespace {

constexpr std::size_t kVersionLength = 20;
constexpr std::size_t kFailuresShown = 3;

// The folders the job prepares below the target, after the target itself.
constexpr const char* kTargetFolders[] = {
    "modules", "modules\\skins",  "modules\\web",
    "update",  "update\\modules", "update\\modules\\skins",
};

std::string join(const std::string& folder, const std::string& name) {
    if (folder.empty() || folder.back() == '\\') return folder + name;
    return folder + "\\" + name;
}

std::string readRegistryString(platform::Registry& registry, const char* key, const char* value) {
    auto k = registry.createKey(platform::RootKey::LocalMachine, key);
    if (!k) return {};
    auto read = k->readString(value);
    return read.ok() ? read.value : std::string();
}

class Job {
  public:
    Job(platform::Platform& p, std::string target) : p_(p), target_(std::move(target)) {}

    void createFolder(const std::string& folder) {
        // "Already exists" may also mean a file of that name.
        p_.files.createDirectory(folder);
        if (!p_.files.directoryExists(folder)) fail(folder + "\\");
    }

    // Copies one file over its target; deleteFirst also removes a hidden old target, which a
    // copy could not replace.
    void copy(const std::string& from, const std::string& to, bool deleteFirst) {
        if (!p_.files.fileExists(from) || platform::samePath(from, to)) return;
        p_.files.setAttributes(from, 0);
        if (deleteFirst) p_.files.deleteFile(to);
        if (!p_.files.copyFile(from, to, true)) fail(to);
    }

    void writeVersion(const std::string& file, const char* section, const char* key,
                      const std::string& version, bool mustSucceed) {
        if (!p_.files.fileExists(file)) return;
        p_.files.setAttributes(file, 0);
        if (!p_.profiles.writeString(file, section, key, version) && mustSucceed) fail(file);
    }

    void fail(const std::string& path) {
        report.failed.push_back(
            platform::isInsideFolder(path, target_) ? path.substr(target_.size() + 1) : path);
    }

    InstallReport report;

  private:
    platform::Platform& p_;
    std::string target_;
};

} // namespace

std::array<SourceFiles, kSourceFolderCount> listSources(platform::FileSystem& files,
                                                        const std::string& sourceFolder,
                                                        platform::KeepAlive& keepAlive) {
    std::array<SourceFiles, kSourceFolderCount> lists;
    for (std::size_t i = 0; i < kSourceFolderCount; ++i) {
        const std::string folder = sourceFolder + kSourceSubfolders[i];
        brelk::FindFiles(files, folder, "*.*", lists[i].paths, false, keepAlive);
        brelk::FindFileNames(files, folder, "*.*", lists[i].names, false, keepAlive);
    }
    return lists;
}

InstallReport runInstall(platform::Platform& p, const std::string& sourceFolder,
                         const std::string& target,
                         const std::array<SourceFiles, kSourceFolderCount>& sources) {
    const std::string t = platform::withoutTrailingBackslash(target);
    Job job(p, t);
    if (!platform::isFolderBelowRoot(t)) {
        job.report.targetUsable = false;
        return job.report;
    }
    const std::string windows = readRegistryString(
        p.registry, "\\Software\\Microsoft\\Windows NT\\CurrentVersion", "SystemRoot");
    const std::string installed = readRegistryString(p.registry, "\\Software\\Kestovar", "path");
    std::string version;
    if (p.files.fileExists(sourceFolder + "update.ini"))
        version = p.profiles.readString(sourceFolder + "update.ini", "Options", "version", "")
                      .substr(0, kVersionLength);

    for (const auto& folder : platform::ancestorFolders(t))
        job.createFolder(folder);
    job.createFolder(t);
    for (const char* folder : kTargetFolders)
        job.createFolder(join(t, folder));

    for (std::size_t f = 0; f < kSourceFolderCount; ++f) {
        const auto& list = sources[f];
        for (std::size_t i = 0; i < list.paths.size() && i < list.names.size(); ++i) {
            const std::string& name = list.names[i];
            // The updater itself goes to the update folder (the name compared exactly).
            if (f == 0 && name == "update.exe") {
                job.copy(list.paths[i], join(t, "update\\update.exe"), false);
            } else {
                job.copy(list.paths[i], join(t, kSourceSubfolders[f] + name), true);
            }
        }
    }

    // The version is recorded only for a complete copy, so that an interrupted update is
    // offered again.
    if (version.empty() || !job.report.failed.empty()) return job.report;
    if (!windows.empty())
        job.writeVersion(join(windows, "system\\oeminfo.ini"), "general", "Model", version, false);
    if (!installed.empty())
        job.writeVersion(join(installed, "modules\\brelk.ini"), "Options", "version", version,
                         true);
    return job.report;
}

std::string outcomeText(const InstallReport* report) {
    if (!report) return "Installation fehlgeschlagen.";
    if (!report->targetUsable) return "Installation fehlgeschlagen: kein gültiges Verzeichnis.";
    if (report->complete()) return "Installation erfolgreich";
    std::string text = "Installation fehlgeschlagen. Nicht übernommen: ";
    const auto& failed = report->failed;
    for (std::size_t i = 0; i < failed.size() && i < kFailuresShown; ++i)
        text += (i ? ", " : "") + failed[i];
    if (failed.size() > kFailuresShown)
        text += " und " + std::to_string(failed.size() - kFailuresShown) + " weitere";
    return text;
}

} // namespace setup
