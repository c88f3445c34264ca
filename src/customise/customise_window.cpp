#include "customise/customise_window.h"

#include "customise/dialog_handlers.h"
#include "customise/folder_drive.h"
#include "customise/picture_pickers.h"
#include "customise/store_values.h"
#include "shell/main_window.h"

namespace brelk {

CustomiseWindow::CustomiseWindow(Context& context) : ui::Form(context.app, "TForm7"), ctx(context) {
    bindDialogHandlers(*this);
    bindPictureHandlers(*this);
    bindFolderDriveHandlers(*this);
    bindStoreHandlers(*this);
    loadLayoutResource("form7.dfm", brelkClasses(), ctx.resources);
}

CustomiseWindow* customiseWindow(Context& ctx) {
    return dynamic_cast<CustomiseWindow*>(ctx.form7);
}

void Form7schliessen(Context& ctx) {
    if (ctx.form7) ctx.form7->hide();
}

} // namespace brelk
