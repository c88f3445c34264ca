#include "setup/install_job.h"

#include "platform/file_identity.h"
#include "platform/path_text.h"
#include "platform/text_case.h"
#include "setup/settings_merge.h"
#include "shell/windows_helpers.h"

#include <cstdint>
#include <optional>

namespace setup {

const std::array<const char*, kSourceFolderCount> kSourceSubfolders = {
    "", "modules\\", "modules\\skins\\", "modules\\web\\"};

namespace {

constexpr std::size_t kVersionLength = 20;
constexpr std::size_t kFailuresShown = 3;
// The name a file is copied to beside its target before it takes the target's place.
constexpr const char* kStagedSuffix = ".setup-neu";
// The name the old file keeps beside its target until every new file is in place.
constexpr const char* kKeptSuffix = ".setup-alt";
// The attributes a job clears on a target and gives back when it fails.
constexpr std::uint32_t kClearedAttributes =
    platform::fileattr::readOnly | platform::fileattr::hidden | platform::fileattr::system |
    platform::fileattr::archive;

// The folders the job prepares below the target, after the target itself.
constexpr const char* kTargetFolders[] = {
    "modules", "modules\\skins",  "modules\\web",           "modules\\startbuttons",
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

// One file of the job: staged beside its target, then put in its place.
struct Placement {
    std::string from, to;
    // The settings file's name when the target's settings are kept and the shipped file adds
    // missing keys; empty otherwise.
    std::string mergedSettings;
    // The target's attributes before the job cleared them; nothing when there was no target.
    std::optional<std::uint32_t> attributesBefore;
    bool oldKept = false; // the old file waits under the kept name
    bool placed = false;  // the new file is in the target's place
    std::string staged() const { return to + kStagedSuffix; }
    std::string kept() const { return to + kKeptSuffix; }
};

class Job {
  public:
    Job(platform::Platform& p, std::string target) : p_(p), target_(std::move(target)) {}

    void createFolder(const std::string& folder) {
        // "Already exists" may also mean a file of that name.
        p_.files.createDirectory(folder);
        if (!p_.files.directoryExists(folder)) fail(folder + "\\");
    }

    // Plans one file; nothing for a missing source or a source that is its own target, which
    // setup started from the installation (under any spelling) would otherwise destroy.
    void plan(const std::string& from, const std::string& to, const std::string& settingsName) {
        if (!p_.files.fileExists(from)) return;
        if (platform::sameFileOrFolder(p_.files, from, to)) return;
        Placement& f = placements_.emplace_back();
        f.from = from;
        f.to = to;
        if (p_.files.fileExists(to)) f.mergedSettings = settingsName;
    }

    // Stages and puts in place every planned file, or, when one of them fails (or an error is
    // raised on the way), leaves every target as it was: the old files, their attributes, and no
    // staged or kept copy.
    bool run() {
        try {
            if (checkTargets() && stage() && commit()) return true;
        } catch (...) {
            abandon();
            throw;
        }
        abandon();
        return false;
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
    // Before anything is copied: every existing target must be replaceable, so that a job that
    // has to fail fails before it changes a file.
    bool checkTargets() {
        for (auto& f : placements_) {
            if (!p_.files.fileExists(f.to) && !p_.files.directoryExists(f.to)) continue;
            f.attributesBefore = p_.files.attributes(f.to);
            p_.files.setAttributes(f.to, 0);
            if (!p_.files.canReplace(f.to)) fail(f.to);
        }
        return report.failed.empty();
    }

    // Copies every file beside its target.
    bool stage() {
        for (const auto& f : placements_) {
            if (!stageOne(f)) fail(f.to);
        }
        return report.failed.empty();
    }

    bool stageOne(const Placement& f) {
        removeFile(f.staged());
        // Files from read-only media keep that attribute in a copy; the copy is cleared below.
        p_.files.setAttributes(f.from, 0);
        const bool merge = !f.mergedSettings.empty();
        if (!p_.files.copyFile(merge ? f.to : f.from, f.staged(), true)) return false;
        p_.files.setAttributes(f.staged(), 0);
        return !merge || addMissingSettings(p_, f.mergedSettings, f.from, f.staged());
    }

    // Puts each staged copy in its target's place: the old file moves aside under the kept name
    // and the copy takes its place, each in one step. The old files go only once every new file
    // is in place, so that a replacement that fails (a file taken into use since the check)
    // leaves no mix of old and new files.
    bool commit() {
        for (auto& f : placements_) {
            if (f.attributesBefore) {
                removeFile(f.kept());
                if (!p_.files.moveFile(f.to, f.kept())) {
                    fail(f.to);
                    return false;
                }
                f.oldKept = true;
            }
            if (!p_.files.moveFile(f.staged(), f.to)) {
                fail(f.to);
                return false;
            }
            f.placed = true;
        }
        for (auto& f : placements_) {
            p_.files.setAttributes(f.to, 0);
            // An old file that cannot go now (a program still runs from it) stays under the kept
            // name; the next job removes it before it keeps another.
            if (f.oldKept && removeFile(f.kept())) f.oldKept = false;
        }
        return true;
    }

    // Undoes whatever the job did, newest first: each old file back in its place with its
    // attributes, each file that was not there before removed, no staged copy left.
    void abandon() {
        for (auto it = placements_.rbegin(); it != placements_.rend(); ++it) {
            Placement& f = *it;
            if (f.oldKept) {
                // The old file replaces the new one in one step; when it cannot, it stays under
                // its kept name rather than being lost.
                if (p_.files.moveFile(f.kept(), f.to)) {
                    f.oldKept = false;
                    f.placed = false;
                } else {
                    fail(f.kept());
                }
            } else if (f.placed) {
                if (removeFile(f.to))
                    f.placed = false;
                else
                    fail(f.to);
            }
            removeFile(f.staged());
            if (f.attributesBefore && !f.placed)
                p_.files.setAttributes(f.to, *f.attributesBefore & kClearedAttributes);
        }
    }

    // True when the file is not there (any more).
    bool removeFile(const std::string& path) {
        if (!p_.files.fileExists(path)) return true;
        p_.files.setAttributes(path, 0);
        return p_.files.deleteFile(path);
    }

    platform::Platform& p_;
    std::string target_;
    std::vector<Placement> placements_;
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
            const std::string to = f == 0 && name == "update.exe"
                                       ? join(t, "update\\update.exe")
                                       : join(t, kSourceSubfolders[f] + name);
            job.plan(list.paths[i], to, f == 1 && isKeptSettingsFile(name) ? name : "");
        }
    }
    if (!job.report.failed.empty() || !job.run()) return job.report;

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
    // Each path on a line of its own, so that a long one does not break in the middle of others.
    std::string text = "Installation fehlgeschlagen. Nicht übernommen:";
    const auto& failed = report->failed;
    for (std::size_t i = 0; i < failed.size() && i < kFailuresShown; ++i)
        text += "\r\n" + failed[i];
    if (failed.size() > kFailuresShown)
        text += "\r\nund " + std::to_string(failed.size() - kFailuresShown) + " weitere";
    return text;
}

} // namespace setup
