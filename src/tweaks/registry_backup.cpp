#include "tweaks/registry_backup.h"

#include "platform/clock.h"
#include "platform/keep_alive.h"
#include "shell/main_window.h"
#include "tweaks/registry_export.h"
#include "ui/dialogs.h"
#include "ui/standard_controls.h"

#include <string_view>

namespace brelk {

namespace {

using platform::RootKey;

struct BranchFile {
    RootKey root;
    const char* path;
    const char* file;
};

// In the order of export.
constexpr BranchFile kBranches[] = {
    {RootKey::ClassesRoot, "\\", "HK_CR.reg"},
    {RootKey::CurrentUser, "\\", "HK_CU.reg"},
    {RootKey::LocalMachine, "Software", "HK_LM_Software.reg"},
    {RootKey::LocalMachine, "System\\CurrentControlSet", "HK_LM_System_CurrentControlSet.reg"},
    {RootKey::Users, "\\", "HK_US.reg"},
    {RootKey::CurrentConfig, "\\", "HK_CC.reg"},
};

// The file whose presence means the day's backup was made before.
constexpr const char* kMarkerFile = "HK_LM_Software.reg";

// The status labels of the backups page and of the terms page.
void setStatus(MainWindow& w, const std::string& text) {
    for (const char* name : {"Label134", "Label181"}) {
        auto& label = w.c<ui::Label>(name);
        label.setCaption(text);
        label.show();
    }
}

bool allowedInFolderName(char c) {
    return static_cast<unsigned char>(c) >= 32 &&
           std::string_view("\\/:*?\"<>|").find(c) == std::string_view::npos;
}

// The day's folder below the program folder, named "Backup " + the date. Characters that a
// folder name cannot hold (the "/" of many short date formats) become "-", so that the
// backup is written at all.
std::string backupFolder(const std::string& programFolder, const std::string& shortDate) {
    std::string date = shortDate;
    for (char& c : date)
        if (!allowedInFolderName(c)) c = '-';
    return programFolder + "Backups\\Backup " + date;
}

} // namespace

void backupreg(MainWindow& w) {
    auto& files = w.ctx.platform.files;
    setStatus(w, "... bitte warten ...");
    // Failures are ignored: an existing folder is reused, and a missing one makes every
    // file fail alone.
    files.createDirectory(w.ctx.programFolder + "Backups");
    const std::string folder = backupFolder(w.ctx.programFolder, w.ctx.platform.system.shortDate());
    files.createDirectory(folder);
    if (files.fileExists(folder + "\\" + kMarkerFile)) {
        int answer =
            w.app().dialogs().messageBox("Vorherige Backups werden überschrieben.", w.app().title(),
                                         ui::mb::OkCancel | ui::mb::IconWarning);
        if (answer == ui::mb::IdCancel) {
            setStatus(w, "... abgebrochen ...");
            return;
        }
    }
    platform::SteadyClock clock;
    platform::KeepAlive keepAlive([&w] { w.app().processMessages(); }, clock);
    for (const auto& branch : kBranches)
        exportregistry(w.ctx.platform.registry, files, branch.root, branch.path,
                       folder + "\\" + branch.file, keepAlive);
    setStatus(w, "... erledigt ...");
}

} // namespace brelk
