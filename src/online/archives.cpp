#include "online/archives.h"

#include "online/download_names.h"
#include "online/server_base.h"
#include "online/server_choice.h"
#include "shell/ini_integer.h"
#include "shell/main_window.h"
#include "ui/input_controls.h"
#include "ui/standard_controls.h"

#include <algorithm>
#include <exception>
#include <memory>

namespace brelk {
namespace {

void setWaiting(MainWindow& w, const Archive& a) {
    auto& status = w.c<ui::Label>(a.statusLabel);
    status.setCaption("- bitte warten -");
    status.show();
}

int listedCount(MainWindow& w, const Archive& a) {
    const auto count = parseIniInteger(w.ctx.platform.profiles.readString(
        w.ctx.programFolder + a.listFile, "Options", a.countKey, "0"));
    return std::clamp(count.value_or(0), 0, kListEntryLimit);
}

} // namespace

const Archive& skinArchive() {
    static const Archive a{
        "Label157",
        "ListBox3",
        "WebBrowser2",
        "Image290",
        "Bevel10",
        "/premium/2005b/skins/oskins.ini",
        "modules\\oskins.ini",
        "skins",
        "Skins",
        "/premium/2005b/skins/",
        "update\\modules\\skins",
        "modules\\skins\\",
        true,
        "Fehler beim Download der Skinarchiv - Informationen",
        "Fehler beim Öffnen der Skinarchiv - Informationsdatei",
        "Skin wurde erfolgreich importiert.",
        "Skin konnte nicht importiert werden. Möglicherweise ist das soeben heruntergeladene "
        "Skin bereits vorhanden oder aber der Datenstrom brach während des Herunterladens ab.",
    };
    return a;
}

const Archive& startButtonArchive() {
    static const Archive a{
        "Label235",
        "ListBox4",
        "WebBrowser4",
        "Image301",
        "Bevel3",
        "/premium/2005b/startbuttons/osbuttons.ini",
        "modules\\osbuttons.ini",
        "startbuttons",
        "startbuttons",
        "/premium/2005b/startbuttons/",
        "update\\modules\\startbuttons",
        "modules\\startbuttons\\",
        false,
        "Fehler beim Download der Startbutton - Informationen",
        "Fehler beim Öffnen der Startbutton - Informationsdatei",
        "Startbutton wurde erfolgreich importiert.",
        "Startbutton konnte nicht importiert werden. Möglicherweise ist der soeben "
        "heruntergeladene Startbutton bereits vorhanden oder aber der Datenstrom brach während "
        "des Herunterladens ab.",
    };
    return a;
}

namespace {

// Shows the entry selected in the archive's list in its preview browser.
void showPreview(MainWindow& w, const Archive& a) {
    auto& list = w.c<ui::ListBox>(a.listBox);
    if (list.items().empty()) return;
    const std::string base = a.previewBaseLimited ? limitedServerBase(w) : chooseServerBase(w);
    w.app().processMessages();
    w.c<ui::Image>(a.downloadImage).show();
    const int index = list.itemIndex();
    if (index < 0 || index >= static_cast<int>(list.items().size())) return;
    try {
        w.c<ui::WebBrowser>(a.previewBrowser)
            .navigate(base + a.serverFolder + list.items()[static_cast<std::size_t>(index)]);
    } catch (const std::exception&) {
        // The preview shows whatever the browser got; nothing is reported.
    }
}

// Tells a failure; the status label stops saying that something is going on.
void searchFailed(MainWindow& w, const Archive& a, const std::string& message) {
    w.c<ui::Label>(a.statusLabel).hide();
    if (!programEnding(w)) w.app().showMessage(message);
}

} // namespace

void searchArchive(MainWindow& w, const Archive& a, std::vector<std::string>& table) {
    OnlineAction action(w);
    if (!action.claimed()) return;
    setWaiting(w, a);
    auto& list = w.c<ui::ListBox>(a.listBox);
    list.show();
    ensureFolders(w, {"update\\modules", a.updateSubFolder});
    const std::string base = limitedServerBase(w);
    w.app().processMessages();
    const std::string listFile = w.ctx.programFolder + a.listFile;
    if (!downloadfile(w, base + a.listServerPath, listFile, kListFileLimit)) {
        searchFailed(w, a, a.listDownloadFailed);
        return;
    }
    if (!w.ctx.platform.files.fileExists(listFile)) {
        searchFailed(w, a, a.listFileMissing);
        return;
    }
    list.clear();
    table.clear();
    auto& profiles = w.ctx.platform.profiles;
    const int count = listedCount(w, a);
    for (int i = 1; i <= count; ++i) {
        const std::string key = std::to_string(i);
        // A count above the entries the file holds gives no empty lines.
        std::string file = profiles.readString(listFile, a.entriesSection, key, "");
        std::string thumb = profiles.readString(listFile, "Thumbs", key, "");
        if (file.empty() || thumb.empty()) continue;
        table.push_back(std::move(file));
        list.addItem(std::move(thumb));
    }
    w.c<ui::Label>(a.statusLabel).hide();
    if (!list.items().empty()) list.setItemIndex(0);
    showPreview(w, a);
    w.c<ui::Bevel>(a.line).show();
}

void previewArchiveEntry(MainWindow& w, const Archive& a) {
    OnlineAction action(w);
    if (action.claimed()) showPreview(w, a);
}

void downloadArchiveEntry(MainWindow& w, const Archive& a, const std::vector<std::string>& table) {
    OnlineAction action(w);
    if (!action.claimed()) return;
    setWaiting(w, a);
    auto& image = w.c<ui::Image>(a.downloadImage);
    image.setCursor(ui::Cursor::Wait);
    const std::string base = limitedServerBase(w);
    const int index = w.c<ui::ListBox>(a.listBox).itemIndex();
    if (index >= 0 && index < static_cast<int>(table.size())) {
        const std::string& name = table[static_cast<std::size_t>(index)];
        if (!isSafeDownloadName(name)) {
            w.app().showMessage("Das Archiv nennt einen unzulässigen Dateinamen: \"" + name +
                                "\". Es wurde nichts heruntergeladen.");
        } else {
            const std::string target = w.ctx.programFolder + a.targetFolder + localPath(name);
            ensureFoldersOf(w, a.targetFolder + localPath(name));
            const bool fetched =
                downloadfile(w, base + a.serverFolder + urlPath(name), target, kArchiveFileLimit) &&
                w.ctx.platform.files.fileExists(target);
            if (!programEnding(w)) w.app().showMessage(fetched ? a.imported : a.importFailed);
            w.hooks.refreshSkinList(w.ctx);
        }
    }
    w.c<ui::Label>(a.statusLabel).hide();
    image.setCursor(ui::Cursor::HandPoint);
    w.hooks.refreshSkinList(w.ctx);
}

void bindArchiveHandlers(MainWindow& w) {
    struct Handlers {
        const Archive& archive;
        const char* search;
        const char* preview;
        const char* download;
    };
    const Handlers handlers[] = {
        {skinArchive(), "Skinsuche", "FileListBox1Click", "Skindownload"},
        {startButtonArchive(), "Startbuttonsuche", "ListBox4Click", "Image301Click"},
    };
    for (const auto& h : handlers) {
        auto table = std::make_shared<std::vector<std::string>>();
        const Archive* a = &h.archive;
        w.bind(h.search, [&w, a, table](ui::Event&) { searchArchive(w, *a, *table); });
        w.bind(h.preview, [&w, a](ui::Event&) { previewArchiveEntry(w, *a); });
        w.bind(h.download, [&w, a, table](ui::Event&) { downloadArchiveEntry(w, *a, *table); });
    }
}

} // namespace brelk
