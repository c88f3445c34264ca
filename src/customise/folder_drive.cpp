#include "customise/folder_drive.h"

#include "customise/customise_window.h"
#include "ui/dialogs.h"
#include "ui/input_controls.h"

namespace brelk {
namespace {

constexpr const char* kPlaceholder = "...";

// Clicking into a field that still shows the placeholder empties it.
void clearPlaceholder(ui::Edit& edit) {
    if (edit.text() == kPlaceholder) edit.setText("");
}

} // namespace

std::string selectfolder(Context& ctx, int rootFolder, const std::string& title) {
    return ctx.app.dialogs().browseFolder(title, rootFolder).value_or("");
}

void bindFolderDriveHandlers(CustomiseWindow& w) {
    w.bind("Button5Click", [&w](ui::Event&) {
        w.c<ui::Edit>("Edit11").setText(selectfolder(w.ctx, kMyComputerFolder, "Ordner wählen"));
    });
    w.bind("Edit12Change", [&w](ui::Event&) {
        auto& edit = w.c<ui::Edit>("Edit12");
        if (edit.text().size() > 1) edit.setText(edit.text().substr(0, 1));
    });
    w.bind("Edit11Click", [&w](ui::Event&) { clearPlaceholder(w.c<ui::Edit>("Edit11")); });
    w.bind("Edit12Click", [&w](ui::Event&) { clearPlaceholder(w.c<ui::Edit>("Edit12")); });
}

} // namespace brelk
