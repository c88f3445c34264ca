#include "shell/uninstall.h"

#include "platform/keep_alive.h"
#include "platform/path_text.h"
#include "platform/text_case.h"
#include "shell/main_window.h"
#include "shell/windows_helpers.h"
#include "ui/dialogs.h"
#include "ui/input_controls.h"
#include "ui/standard_controls.h"

#include <algorithm>

namespace brelk {

namespace {

constexpr int kMaxBackupSlots = 20;
constexpr const char* kWarning = "Die aufgeführten Dateien werden nun entfernt.";
constexpr const char* kEnding = "Uninstall wird nun beendet um den Vorgang abzuschließen...";

// Program-folder sub folders that the batch removes in this order.
constexpr const char* kProgramFolders[] = {"modules\\skins", "modules\\web", "modules",
                                           "update\\modules", "update"};

std::string oemFolder(const std::string& workFolder, int n) {
    return workFolder + "\\oem.original." + std::to_string(n);
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
        subfoldersDeepestFirst(files, folder + "\\" + entry.name, out);
        out.push_back(folder + "\\" + entry.name);
    }
}

struct Uninstall {
    MainWindow& w;
    platform::Platform& p;
    UninstallBatch batch;

    explicit Uninstall(MainWindow& window) : w(window), p(window.ctx.platform) {
        batch.programFile = p.files.programPath();
        batch.batchFile = batchFileFor(batch.programFile);
        if (platform::isFolderBelowRoot(w.ctx.programFolder))
            batch.programFolder = w.ctx.programFolder;
        const std::string windows =
            platform::withoutTrailingBackslash(w.c<ui::Edit>("Edit1").text());
        if (platform::isFolderBelowRoot(windows)) batch.workFolder = windows + "\\brelk";
        batch.backupcount = w.state.backupcount;
    }

    bool mayDelete(const std::string& path) const {
        return (!batch.programFolder.empty() &&
                platform::isInsideFolder(path, batch.programFolder)) ||
               (!batch.workFolder.empty() && platform::isInsideFolder(path, batch.workFolder));
    }

    std::vector<std::string> folders() const {
        std::vector<std::string> roots;
        if (!batch.programFolder.empty())
            roots.push_back(platform::withoutTrailingBackslash(batch.programFolder));
        if (!batch.workFolder.empty()) roots.push_back(batch.workFolder);
        return roots;
    }

    void list(ui::ListBox& box) {
        std::vector<std::string> found;
        platform::SteadyClock clock;
        platform::KeepAlive keepAlive([this] { w.app().processMessages(); }, clock);
        for (const auto& folder : folders())
            FindFiles(p.files, folder, "*.*", found, true, keepAlive);
        for (auto& path : found)
            box.addItem(std::move(path));
    }

    void deleteListed(const std::vector<std::string>& items) {
        try {
            for (const auto& path : items) {
                if (mayDelete(path) && p.files.fileExists(path)) p.files.deleteFile(path);
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
        for (const auto& folder : folders())
            subfoldersDeepestFirst(p.files, folder, found);
        for (const auto& folder : found) {
            bool isFixed = std::any_of(fixed.begin(), fixed.end(), [&](const std::string& f) {
                return platform::samePath(f, folder);
            });
            if (!isFixed) batch.otherFolders.push_back(folder);
        }
    }

    void writeBatch() {
        if (!p.files.writeFile(batch.batchFile, uninstallBatchText(batch)))
            throw ui::Exception("Cannot create file \"" + batch.batchFile + "\"");
    }
};

void deletebrelkbuttonClick(MainWindow& w) {
    Uninstall u(w);
    auto& box = w.c<ui::ListBox>("brelkdeletelistbox");
    u.list(box);
    if (w.app().dialogs().messageBox(kWarning, w.app().title(),
                                     ui::mb::OkCancel | ui::mb::IconWarning) != ui::mb::IdOk)
        return;
    u.deleteListed(box.items());
    KillProcessByName(u.p.processes, "dorvask.exe");
    u.collectOtherFolders();
    u.writeBatch();
    w.app().showMessage(kEnding);
    const std::string& bat = u.batch.batchFile;
    u.p.shell.execute("open", bat, "", bat.substr(0, bat.find_last_of('\\') + 1),
                      platform::showcmd::hide);
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
    std::vector<std::string> lines = {
        ":1",
        "Erase " + quoted(b.programFile),
        "If exist " + quoted(b.programFile) + " Goto 1",
    };
    for (const auto& file : b.leftovers)
        lines.push_back("Erase " + quoted(file));
    for (const auto& folder : b.otherFolders)
        lines.push_back("rmdir " + quoted(folder));
    for (const auto& folder : fixedFolders(b))
        lines.push_back("rmdir " + quoted(folder));
    if (!b.programFolder.empty())
        lines.push_back("rmdir " + quoted(platform::withoutTrailingBackslash(b.programFolder)));
    // The last line: once the batch file is gone, nothing more can be read from it.
    lines.push_back("Erase " + quoted(b.batchFile));
    std::string text;
    for (const auto& line : lines)
        text += line + "\r\n";
    return text;
}

void bindUninstallHandlers(MainWindow& w) {
    w.bind("deletebrelkbuttonClick", [&w](ui::Event&) { deletebrelkbuttonClick(w); });
    w.bind("brelkdeleteimgnormalMouseMove", [&w](ui::Event&) { brelkdeleteimgnormalMouseMove(w); });
}

} // namespace brelk
