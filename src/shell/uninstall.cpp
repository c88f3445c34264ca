#include "shell/uninstall.h"

#include "platform/file_identity.h"
#include "platform/keep_alive.h"
#include "platform/path_text.h"
#include "platform/text_case.h"
#include "shell/main_window.h"
#include "shell/windows_helpers.h"
#include "ui/dialogs.h"
#include "ui/input_controls.h"
#include "ui/standard_controls.h"

#include <algorithm>
#include <string_view>

namespace brelk {

namespace {

constexpr int kMaxBackupSlots = 20;
constexpr const char* kWarning = "Die aufgeführten Dateien werden nun entfernt.";
constexpr const char* kEnding = "Uninstall wird nun beendet um den Vorgang abzuschließen...";
constexpr const char* kNotStarted =
    "Die Batchdatei des Uninstall konnte nicht gestartet werden (Fehler %d). Das Programm "
    "läuft weiter; die Dateien, die noch da sind, bleiben.";
constexpr const char* kNoOemPath =
    "Der Pfad \"%s\" enthält Zeichen, die die Eingabeaufforderung nicht lesen kann. Die "
    "Batchdatei des Uninstall wird nicht geschrieben; die übrigen Dateien und Ordner bleiben.";

// The folders of the system that the uninstall never removes, nor a folder that holds one.
constexpr int kProtectedFolders[] = {platform::csidl::windows, platform::csidl::system,
                                     platform::csidl::programFiles,
                                     platform::csidl::programFilesX86, platform::csidl::profile};

// What the program puts into the work folder: a copy of the OEM logo in one numbered folder
// per backup ("oem.original." + a number from 0 to the most slots).
constexpr const char* kOemFolderPrefix = "oem.original.";
constexpr const char* kOemLogo = "oemlogo.bmp";

// Program-folder sub folders that the batch removes in this order.
constexpr const char* kProgramFolders[] = {"modules\\skins", "modules\\web", "modules",
                                           "update\\modules", "update"};

std::string oemFolder(const std::string& workFolder, int n) {
    return workFolder + "\\" + kOemFolderPrefix + std::to_string(n);
}

bool isOemFolderName(std::string_view name) {
    const std::string_view prefix = kOemFolderPrefix;
    if (name.size() <= prefix.size() ||
        !platform::equalsIgnoreCase(name.substr(0, prefix.size()), prefix))
        return false;
    for (int n = 0; n <= kMaxBackupSlots; ++n)
        if (name.substr(prefix.size()) == std::to_string(n)) return true;
    return false;
}

// The last component of a path and the folder that holds it.
std::pair<std::string, std::string> splitLast(const std::string& path) {
    const std::size_t slash = path.find_last_of('\\');
    if (slash == std::string::npos) return {{}, path};
    return {path.substr(0, slash), path.substr(slash + 1)};
}

// The fixed folders of the batch, in their order.
std::vector<std::string> fixedFolders(const UninstallBatch& b) {
    std::vector<std::string> folders;
    if (!b.programFolder.empty()) {
        for (const char* sub : kProgramFolders)
            folders.push_back(b.programFolder + sub);
    }
    if (!b.workFolder.empty()) {
        for (int n = 0; n <= std::clamp(b.backupcount, 0, kMaxBackupSlots); ++n)
            folders.push_back(oemFolder(b.workFolder, n));
        folders.push_back(b.workFolder);
    }
    return folders;
}

// The pattern with its one placeholder ("%s" or "%d") replaced by the value.
std::string filled(std::string_view pattern, std::string_view placeholder,
                   const std::string& value) {
    const std::size_t at = pattern.find(placeholder);
    return std::string(pattern.substr(0, at)) + value +
           std::string(pattern.substr(at + placeholder.size()));
}

// A path in double quotes; a percent sign is doubled so that cmd does not expand it.
std::string quoted(const std::string& path) {
    std::string text = "\"";
    for (char c : path)
        text += c == '%' ? std::string("%%") : std::string(1, c);
    return text + "\"";
}

// The folder that holds a folder, with its trailing backslash; empty for a root.
std::string parentOf(const std::string& folder) {
    const std::string f = platform::withoutTrailingBackslash(folder);
    if (f.size() <= platform::pathRoot(f).size()) return {};
    return f.substr(0, f.find_last_of('\\') + 1);
}

void subfoldersDeepestFirst(platform::FileSystem& files, const std::string& folder,
                            std::vector<std::string>& out) {
    for (const auto& entry : files.findEntries(folder + "\\*.*")) {
        if (!entry.isDirectory()) continue;
        // A folder link is removed as a link; what it leads to is never entered.
        if (!(entry.attributes & platform::fileattr::reparsePoint))
            subfoldersDeepestFirst(files, folder + "\\" + entry.name, out);
        out.push_back(folder + "\\" + entry.name);
    }
}

// The numbered OEM-logo folders in the work folder, as the folder lists them; a folder link of
// such a name is not the program's.
std::vector<std::string> oemFoldersIn(platform::FileSystem& files, const std::string& work) {
    std::vector<std::string> found;
    for (const auto& entry : files.findEntries(work + "\\*.*")) {
        if (entry.isDirectory() && !(entry.attributes & platform::fileattr::reparsePoint) &&
            isOemFolderName(entry.name))
            found.push_back(work + "\\" + entry.name);
    }
    return found;
}

struct Uninstall {
    MainWindow& w;
    platform::Platform& p;
    UninstallBatch batch;

    explicit Uninstall(MainWindow& window) : w(window), p(window.ctx.platform) {
        batch.programFile = p.files.programPath();
        batch.batchFile = batchFileFor(batch.programFile);
        if (isOwnFolder(w.ctx.programFolder) &&
            p.files.fileExists(platform::withoutTrailingBackslash(w.ctx.programFolder) +
                               "\\modules\\brelk.ini"))
            batch.programFolder = w.ctx.programFolder;
        // The Windows folder field can be edited: its work folder is taken only as a folder of
        // its own, and only what the program put there goes.
        const std::string windows =
            platform::withoutTrailingBackslash(w.c<ui::Edit>("Edit1").text());
        if (platform::isFolderBelowRoot(windows) && isOwnFolder(windows + "\\brelk"))
            batch.workFolder = windows + "\\brelk";
        batch.backupcount = w.state.backupcount;
    }

    // A folder of the system itself, or one that holds such a folder, under whatever spelling
    // either has (a short name, another drive letter for the same volume).
    bool isProtected(const std::string& folder) const {
        std::vector<std::string> system = {p.system.windowsFolder()};
        for (int id : kProtectedFolders)
            if (auto path = p.shell.specialFolderPath(id)) system.push_back(*path);
        return std::any_of(system.begin(), system.end(), [&](const std::string& s) {
            return !s.empty() && (platform::sameFileOrFolder(p.files, s, folder) ||
                                  platform::liesInside(p.files, s, folder));
        });
    }

    // A folder below a root that the uninstall may enter: no folder of the system, none that
    // holds one, and no folder link, whose files lie wherever it leads.
    bool isOwnFolder(const std::string& folder) const {
        return platform::isFolderBelowRoot(folder) && !platform::isFolderLink(p.files, folder) &&
               !isProtected(folder);
    }

    // A file the program put into the work folder: an OEM-logo copy in a numbered folder.
    bool isWorkFile(const std::string& path) const {
        const auto [oem, name] = splitLast(path);
        const auto [work, oemName] = splitLast(oem);
        return !batch.workFolder.empty() && platform::equalsIgnoreCase(name, kOemLogo) &&
               isOemFolderName(oemName) && !platform::isFolderLink(p.files, oem) &&
               platform::sameFileOrFolder(p.files, work, batch.workFolder);
    }

    bool mayDelete(const std::string& path) const {
        return (!batch.programFolder.empty() &&
                platform::liesInside(p.files, path, batch.programFolder)) ||
               isWorkFile(path);
    }

    void list(ui::ListBox& box) {
        std::vector<std::string> found;
        platform::SteadyClock clock;
        platform::KeepAlive keepAlive([this] { w.app().processMessages(); }, clock);
        if (!batch.programFolder.empty())
            FindFiles(p.files, platform::withoutTrailingBackslash(batch.programFolder), "*.*",
                      found, true, keepAlive);
        if (!batch.workFolder.empty()) {
            for (const auto& oem : oemFoldersIn(p.files, batch.workFolder))
                FindFiles(p.files, oem, kOemLogo, found, false, keepAlive);
        }
        for (auto& path : found)
            box.addItem(std::move(path));
    }

    void deleteListed(const std::vector<std::string>& items) {
        try {
            for (const auto& path : items) {
                if (!mayDelete(path) || !p.files.fileExists(path)) continue;
                // A read-only, hidden or system file would refuse to go.
                p.files.setAttributes(path, 0);
                p.files.deleteFile(path);
            }
        } catch (const std::exception&) {
            // The loop ends here; the batch still finishes the work.
        }
        for (const auto& path : items) {
            if (mayDelete(path) && !platform::samePath(path, batch.programFile) &&
                p.files.fileExists(path) &&
                std::find(batch.leftovers.begin(), batch.leftovers.end(), path) ==
                    batch.leftovers.end())
                batch.leftovers.push_back(path);
        }
    }

    void collectOtherFolders() {
        const auto fixed = fixedFolders(batch);
        std::vector<std::string> found;
        if (!batch.programFolder.empty())
            subfoldersDeepestFirst(p.files, platform::withoutTrailingBackslash(batch.programFolder),
                                   found);
        if (!batch.workFolder.empty()) {
            const auto oem = oemFoldersIn(p.files, batch.workFolder);
            found.insert(found.end(), oem.begin(), oem.end());
        }
        for (const auto& folder : found) {
            bool isFixed = std::any_of(fixed.begin(), fixed.end(), [&](const std::string& f) {
                return platform::samePath(f, folder);
            });
            if (!isFixed) batch.otherFolders.push_back(folder);
        }
    }

    // False, after saying which path, when the batch cannot name every path it holds so far
    // in the code page that the command interpreter reads it in.
    bool batchCanNameItsPaths() {
        for (const auto& path : uninstallBatchPaths(batch)) {
            if (p.system.oemText(path)) continue;
            w.app().showMessage(filled(kNoOemPath, "%s", path));
            return false;
        }
        return true;
    }

    bool writeBatch() {
        if (!batchCanNameItsPaths()) return false;
        const auto text = p.system.oemText(uninstallBatchText(batch));
        if (!text || !p.files.writeFile(batch.batchFile, *text))
            throw ui::Exception("Cannot create file \"" + batch.batchFile + "\"");
        return true;
    }
};

// Marks the uninstall as running while it lives.
class RunningUninstall {
  public:
    explicit RunningUninstall(bool& flag) : flag_(flag) { flag_ = true; }
    ~RunningUninstall() { flag_ = false; }
    RunningUninstall(const RunningUninstall&) = delete;
    RunningUninstall& operator=(const RunningUninstall&) = delete;

  private:
    bool& flag_;
};

void deletebrelkbuttonClick(MainWindow& w) {
    // The listing lets messages through: a second click meanwhile does nothing.
    if (w.state.uninstallRunning) return;
    RunningUninstall running(w.state.uninstallRunning);
    Uninstall u(w);
    auto& box = w.c<ui::ListBox>("brelkdeletelistbox");
    u.list(box);
    // Without a batch that can name the program's own folders nothing is deleted.
    if (!u.batchCanNameItsPaths()) return;
    if (w.app().dialogs().messageBox(kWarning, w.app().title(),
                                     ui::mb::OkCancel | ui::mb::IconWarning) != ui::mb::IdOk)
        return;
    u.deleteListed(box.items());
    KillProcessByName(u.p.processes, "dorvask.exe");
    u.collectOtherFolders();
    if (!u.writeBatch()) return;
    w.app().showMessage(kEnding);
    const std::string& bat = u.batch.batchFile;
    const int started = u.p.shell.execute(
        "open", bat, "", bat.substr(0, bat.find_last_of('\\') + 1), platform::showcmd::hide);
    // The program file stays in use until the program ends; end only for a batch that waits.
    if (started <= 32) {
        w.app().showMessage(filled(kNotStarted, "%d", std::to_string(started)));
        return;
    }
    w.app().terminate();
}

void brelkdeleteimgnormalMouseMove(MainWindow& w) {
    w.c<ui::Image>("brelkdeleteimgnormal").hide();
    w.c<ui::Image>("brelkdeleteimgover").show();
}

} // namespace

std::string batchFileFor(const std::string& programFile) {
    const std::size_t slash = programFile.find_last_of('\\');
    const std::string folder = slash == std::string::npos ? "" : programFile.substr(0, slash);
    std::string name = programFile.substr(slash + 1);
    if (const std::size_t dot = name.find_last_of('.'); dot != std::string::npos) name.erase(dot);
    std::string in = parentOf(folder + "\\");
    if (in.empty() && !folder.empty()) in = folder + "\\"; // a program in a drive root
    return in + name + ".bat";
}

std::string uninstallBatchText(const UninstallBatch& b) {
    const std::string program = quoted(b.programFile);
    const std::string tries = std::to_string(b.eraseTries);
    // The wait: while the program runs its file cannot be erased. Each failed try waits about a
    // second (ping sends one echo a second); after the last one the batch goes on and leaves
    // what it cannot remove, so it never runs for ever.
    std::vector<std::string> lines = {"set brelktries=0", ":1"};
    // A hidden or system file is not erased by name, and Windows keeps a read-only folder as it
    // keeps a read-only file: what is still there after the first attempt has its attributes
    // cleared and is tried again. attrib is a program of its own, so it is started only then.
    // probe is the path as "If exist" asks for it: a folder with a trailing backslash.
    auto retried = [&lines](const std::string& remove, const std::string& path,
                            const std::string& probe) {
        lines.push_back(remove + path);
        lines.push_back("If exist " + probe + " attrib -r -s -h " + path);
        lines.push_back("If exist " + probe + " " + remove + path);
    };
    retried("Erase /f /q ", program, program);
    lines.insert(lines.end(), {
                                  "If not exist " + program + " Goto 2",
                                  "set /a brelktries=brelktries+1",
                                  "If %brelktries% GEQ " + tries + " Goto 2",
                                  "ping -n 2 127.0.0.1 > nul",
                                  "Goto 1",
                                  ":2",
                              });
    for (const auto& file : b.leftovers)
        retried("Erase /f /q ", quoted(file), quoted(file));
    auto removeFolder = [&retried](const std::string& folder) {
        retried("rmdir ", quoted(folder), quoted(folder + "\\"));
    };
    for (const auto& folder : b.otherFolders)
        removeFolder(folder);
    for (const auto& folder : fixedFolders(b))
        removeFolder(folder);
    if (!b.programFolder.empty()) removeFolder(platform::withoutTrailingBackslash(b.programFolder));
    // The last line: once the batch file is gone, nothing more can be read from it.
    lines.push_back("Erase " + quoted(b.batchFile));
    std::string text;
    for (const auto& line : lines)
        text += line + "\r\n";
    return text;
}

std::vector<std::string> uninstallBatchPaths(const UninstallBatch& b) {
    std::vector<std::string> paths = {b.programFile};
    paths.insert(paths.end(), b.leftovers.begin(), b.leftovers.end());
    paths.insert(paths.end(), b.otherFolders.begin(), b.otherFolders.end());
    for (const auto& folder : fixedFolders(b))
        paths.push_back(folder);
    if (!b.programFolder.empty()) paths.push_back(b.programFolder);
    paths.push_back(b.batchFile);
    return paths;
}

void bindUninstallHandlers(MainWindow& w) {
    w.bind("deletebrelkbuttonClick", [&w](ui::Event&) { deletebrelkbuttonClick(w); });
    w.bind("brelkdeleteimgnormalMouseMove", [&w](ui::Event&) { brelkdeleteimgnormalMouseMove(w); });
}

} // namespace brelk
