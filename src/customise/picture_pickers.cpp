#include "customise/picture_pickers.h"

#include "customise/customise_window.h"
#include "customise/preview_picture.h"
#include "customise/skin_list.h"
#include "shell/file_dialog_component.h"
#include "ui/bitmap.h"
#include "ui/input_controls.h"

#include <memory>

namespace brelk {
namespace {

// A picker with a preview: its dialog starts in a folder of the program, each selection is
// previewed while it is open, and afterwards the chosen file (or the shipped default) is shown.
struct PreviewPicker {
    const char* handler;          // click of the link radio button
    const char* selectionHandler; // selection change inside the dialog
    const char* dialog;
    const char* startFolder; // below the program folder
    const char* image;
    const char* fallback; // below the program folder
};

constexpr PreviewPicker kPreviewPickers[] = {
    {"labeltest", "OpenDialog1SelectionChange", "OpenDialog1", "modules", "Image1",
     "modules\\oemlogo.bmp"},
    {"openskin", "OpenDialog2SelectionChange", "OpenDialog2", "modules\\skins", "Image3",
     "modules\\skins\\01.bmp"},
};

// A start-button picker: each selection change writes the selected path into its field; the
// picture pickers also preview the selected picture inside the dialog.
struct FieldPicker {
    const char* handler;
    const char* selectionHandler;
    const char* dialog;
    const char* edit;
    bool picture;
};

constexpr FieldPicker kFieldPickers[] = {
    {"Button1Click", "OpenPictureDialog1SelectionChange", "OpenPictureDialog1", "Edit7", true},
    {"Button2Click", "OpenPictureDialog2SelectionChange", "OpenPictureDialog2", "Edit8", true},
    {"Button4Click", "OpenPictureDialog3SelectionChange", "OpenPictureDialog3", "Edit10", true},
    {"Button3Click", "OpenDialog3SelectionChange", "OpenDialog3", "Edit9", false},
};

// The picture a picker's preview area shows, read through the size-checked loader; nothing
// for a file that is missing or no picture (the area stays empty, no message interrupts the
// choosing).
std::shared_ptr<const ui::Bitmap> previewOf(CustomiseWindow& w, const std::string& path) {
    try {
        return std::make_shared<const ui::Bitmap>(ui::loadPictureFile(path, w.ctx.platform.files));
    } catch (const std::exception&) {
        return nullptr;
    }
}

// The dialog's file name is what "fortfahren >" stores, so it names only a picture that loaded:
// the one the preview now shows (the chosen file, or the shipped default when the chosen one
// does not exist). A picture that does not load leaves preview and name as they were.
void runPreviewPicker(CustomiseWindow& w, const PreviewPicker& p) {
    auto& dialog = w.c<FileDialogComponent>(p.dialog);
    const std::string before = dialog.fileName();
    dialog.setInitialDir(w.ctx.programFolder + p.startFolder);
    dialog.execute();
    const std::string chosen = dialog.fileName();
    const bool exists = !chosen.empty() && w.ctx.platform.files.fileExists(chosen);
    const std::string shown = exists ? chosen : w.ctx.programFolder + p.fallback;
    try {
        loadPreview(w.ctx, w.c<ui::Image>(p.image), shown);
    } catch (...) {
        dialog.setFileName(before);
        throw;
    }
    dialog.setFileName(shown);
}

void previewSelection(CustomiseWindow& w, const PreviewPicker& p) {
    const std::string& selected = w.c<FileDialogComponent>(p.dialog).fileName();
    if (!selected.empty() && w.ctx.platform.files.fileExists(selected)) {
        loadPreview(w.ctx, w.c<ui::Image>(p.image), selected);
    }
}

} // namespace

void bindPictureHandlers(CustomiseWindow& w) {
    for (const PreviewPicker& p : kPreviewPickers) {
        w.bind(p.handler, [&w, &p](ui::Event&) { runPreviewPicker(w, p); });
        w.bind(p.selectionHandler, [&w, &p](ui::Event&) { previewSelection(w, p); });
    }
    for (const FieldPicker& p : kFieldPickers) {
        w.bind(p.handler, [&w, &p](ui::Event&) {
            auto& dialog = w.c<FileDialogComponent>(p.dialog);
            if (p.picture)
                dialog.setPreview([&w](const std::string& path) { return previewOf(w, path); });
            dialog.execute();
        });
        w.bind(p.selectionHandler, [&w, &p](ui::Event&) {
            w.c<ui::Edit>(p.edit).setText(w.c<FileDialogComponent>(p.dialog).fileName());
        });
    }
    w.bind("FileListBox1Click", [&w](ui::Event&) { FileListBox1Click(w); });
}

} // namespace brelk
