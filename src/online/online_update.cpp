#include "online/online_update.h"

#include "online/download_names.h"
#include "online/download_status.h"
#include "online/server_choice.h"
#include "platform/text_case.h"
#include "shell/ini_integer.h"
#include "shell/main_window.h"
#include "ui/dialogs.h"
#include "ui/input_controls.h"
#include "ui/standard_controls.h"

#include <algorithm>
#include <exception>
#include <vector>

namespace brelk {
namespace {

constexpr int kShowMinimized = 2;
constexpr const char* kUpdateListPath = "/premium/2005b/dwn/update.ini";
constexpr const char* kUpdateFilesPath = "/premium/2005b/dwn/";

// A program that is to end asks nothing: a question shown then would return at once.
bool ask(MainWindow& w, const std::string& question) {
    if (programEnding(w)) return false;
    return w.app().dialogs().messageBox(question, w.app().title(),
                                        ui::mb::OkCancel | ui::mb::IconInfo) == ui::mb::IdOk;
}

void showRunStatus(MainWindow& w, const std::string& text) {
    auto& status = w.c<ui::Label>("Label145");
    status.setCaption(text);
    status.show();
}

// The names of the list, each checked before anything is fetched; nothing when one is refused.
std::optional<std::vector<std::string>> listedNames(MainWindow& w, const std::string& list,
                                                    int count) {
    std::vector<std::string> names;
    for (int n = 1; n <= count; ++n) {
        std::string name = w.ctx.platform.profiles.readString(list, "Files", std::to_string(n), "");
        if (!isSafeDownloadName(name)) {
            w.app().showMessage("Die Updateinformationen nennen einen unzulässigen Dateinamen: \"" +
                                name + "\". Das Update wird nicht durchgeführt.");
            return std::nullopt;
        }
        names.push_back(std::move(name));
    }
    return names;
}

bool fetchAll(MainWindow& w, const std::string& base, const std::vector<std::string>& names) {
    const std::string updateFolder = w.ctx.programFolder + "update\\";
    for (const auto& name : names) {
        if (programEnding(w)) return false;
        w.c<ui::Label>("Label150").setCaption(name);
        ensureFoldersOf(w, "update\\" + localPath(name));
        cDownloadStatusCallback status(
            w.c<ui::Label>("Label142"), w.c<ui::Gauge>("Gauge5"),
            [&w] { w.app().processMessages(); }, [&w] { return programEnding(w); });
        w.c<ui::Label>("Label142").setCaption("");
        w.c<ui::Gauge>("Gauge5").setPosition(0);
        bool fetched = false;
        try {
            fetched = w.ctx.platform.network.downloadToFile(base + kUpdateFilesPath + urlPath(name),
                                                            updateFolder + localPath(name),
                                                            kUpdateFileLimit, &status);
        } catch (const std::exception&) {
        }
        if (!fetched && programEnding(w)) return false;
        if (!fetched) {
            w.c<ui::Label>("Label142").setCaption("Download fehlgeschlagen...");
            showRunStatus(w, "- abgebrochen -");
            w.app().showMessage("Die Datei \"" + name +
                                "\" konnte nicht heruntergeladen werden. Das Update wurde "
                                "abgebrochen.");
            return false;
        }
    }
    return true;
}

// Removes every file below the folder but the updater itself, so that only what this update
// lists is handed over. The name of a file that stays is returned.
std::optional<std::string> emptyUpdateFolder(platform::FileSystem& files, const std::string& folder,
                                             const std::string& updater) {
    for (const auto& entry : files.findEntries(folder + "*.*")) {
        const std::string path = folder + entry.name;
        if (entry.isDirectory()) {
            if (auto stays = emptyUpdateFolder(files, path + "\\", updater)) return stays;
            continue;
        }
        if (platform::lowerCase(path) == platform::lowerCase(updater)) continue;
        files.setAttributes(path, 0);
        if (!files.deleteFile(path)) return path;
    }
    return std::nullopt;
}

void startUpdater(MainWindow& w) {
    if (programEnding(w)) return;
    const std::string updater = w.ctx.programFolder + "update\\update.exe";
    const int started = w.ctx.platform.shell.execute("open", updater, "", "", kShowMinimized);
    if (started <= 32) {
        showRunStatus(w, "- fehlgeschlagen -");
        w.app().showMessage("Das Updateprogramm \"" + updater +
                            "\" konnte nicht gestartet werden. Das Brelvanto Kit bleibt "
                            "geöffnet.");
        return;
    }
    if (const auto* quit = w.handler("beenden")) {
        ui::Event e;
        (*quit)(e);
    }
}

} // namespace

bool isNewerVersion(const std::string& offered, const std::string& installed) {
    const std::string a = offered.substr(0, kVersionLimit);
    const std::string b = installed.substr(0, kVersionLimit);
    const std::size_t common = std::min(a.size(), b.size());
    for (std::size_t i = 0; i < common; ++i) {
        const auto ca = static_cast<unsigned char>(a[i]);
        const auto cb = static_cast<unsigned char>(b[i]);
        if (ca != cb) return ca > cb;
    }
    return a.size() > b.size();
}

std::optional<int> updateFileCount(const std::string& text) {
    auto count = parseIniInteger(text);
    if (!count || *count < 0 || *count > kListEntryLimit) return std::nullopt;
    return count;
}

void Updatesuche(MainWindow& w) {
    OnlineAction action(w);
    if (!action.claimed()) return;
    ensureFolders(w,
                  {"update", "update\\modules", "update\\modules\\web", "update\\modules\\skins"});
    w.c<ui::Label>("Label145").hide();
    const std::string updateFolder = w.ctx.programFolder + "update\\";
    if (auto stays =
            emptyUpdateFolder(w.ctx.platform.files, updateFolder, updateFolder + "update.exe")) {
        w.app().showMessage("Die Datei \"" + *stays +
                            "\" eines früheren Updates konnte nicht gelöscht werden. Das "
                            "Update wird nicht durchgeführt.");
        return;
    }
    const std::string base = limitedServerBase(w);
    const std::string list = updateFolder + "update.ini";
    if (!downloadfile(w, base + kUpdateListPath, list, kListFileLimit)) {
        if (programEnding(w)) return;
        w.app().showMessage("Fehler beim Download der Updateinformationen");
        return;
    }
    if (!w.ctx.platform.files.fileExists(list)) {
        w.app().showMessage("Fehler beim Öffnen der Updateinformationen");
        return;
    }
    auto& profiles = w.ctx.platform.profiles;
    const std::string offered =
        profiles.readString(list, "Options", "Version", "").substr(0, kVersionLimit);
    const std::string filesText = profiles.readString(list, "Options", "Files", "");
    const auto count = updateFileCount(filesText);
    if (!count) {
        w.app().showMessage("Die Updateinformationen sind fehlerhaft: die Dateianzahl \"" +
                            filesText + "\" ist keine Zahl von 0 bis 20.");
        return;
    }
    const std::string installed = w.c<ui::Label>("Label5").caption().substr(0, kVersionLimit);
    if (!isNewerVersion(offered, installed)) {
        w.c<ui::Label>("Label151").show();
        w.c<ui::Label>("Label149").setCaption("kein Update verfügbar");
        return;
    }
    const auto names = listedNames(w, list, *count);
    if (!names) return;

    for (const char* name : {"Label142", "Label151", "Label152"})
        w.c<ui::Label>(name).show();
    w.c<ui::Gauge>("Gauge5").show();
    w.c<ui::Label>("Label149").setCaption(offered);
    if (!ask(w, "Möchten Sie das Brelvanto Kit von " + installed + " auf " + offered +
                    " aktualisieren?")) {
        showRunStatus(w, "- abgebrochen -");
        return;
    }
    // With no files listed there is nothing to hand over to the updater.
    if (names->empty() || !fetchAll(w, base, *names) || programEnding(w)) return;

    showRunStatus(w, "- erledigt -");
    w.c<ui::Gauge>("Gauge5").setPosition(100);
    if (!ask(w, "Das Brelvanto Kit wird nun beendet und die Updateprozedur gestartet.")) {
        showRunStatus(w, "- abgebrochen -");
        return;
    }
    startUpdater(w);
}

} // namespace brelk
