#include "customise/skin_list.h"

#include "customise/customise_window.h"
#include "customise/preview_picture.h"
#include "shell/file_dialog_component.h"
#include "ui/input_controls.h"

namespace brelk {
namespace {

// Points the list at a folder: the files there that match its mask.
void showFolder(CustomiseWindow& w, ui::FileListBox& list, const std::string& folder) {
    std::vector<std::string> names;
    for (const auto& entry : w.ctx.platform.files.findEntries(folder + list.mask())) {
        if (!entry.isDirectory()) names.push_back(entry.name);
    }
    list.showFolder(folder, std::move(names));
}

// Previews a skin file and makes it the skin the dialog stores.
void takeSkin(CustomiseWindow& w, const std::string& path) {
    loadPreview(w.ctx, w.c<ui::Image>("Image3"), path);
    w.c<FileDialogComponent>("OpenDialog2").setFileName(path);
}

} // namespace

void labeltest2(CustomiseWindow& w) {
    auto& list = w.c<ui::FileListBox>("FileListBox1");
    showFolder(w, list, w.ctx.programFolder);
    const std::string skins = w.ctx.programFolder + "modules\\skins\\";
    showFolder(w, list, skins);
    if (list.itemIndex() < 0) return;
    const std::string first = skins + list.items().front();
    if (w.ctx.platform.files.fileExists(first)) takeSkin(w, first);
}

void labeltest2(Context& ctx) {
    if (CustomiseWindow* w = customiseWindow(ctx)) labeltest2(*w);
}

void FileListBox1Click(CustomiseWindow& w) {
    const std::string path = w.c<ui::FileListBox>("FileListBox1").selectedPath();
    if (!path.empty() && w.ctx.platform.files.fileExists(path)) takeSkin(w, path);
}

} // namespace brelk
