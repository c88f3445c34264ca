#include "customise/dialog_handlers.h"

#include "customise/customise_window.h"
#include "customise/drive_type.h"
#include "customise/kestovar_key.h"
#include "customise/pagefile_calc.h"
#include "customise/preview_picture.h"
#include "customise/skin_list.h"
#include "ui/backend.h"
#include "ui/input_controls.h"

namespace brelk {
namespace {

constexpr int kEscapeKey = 0x1B;
constexpr int kLeft = 30, kTop = 50;
constexpr ui::Color kLinkHover = 0x008000, kCloseHover = 0xF5EEE9;

constexpr const char* kCdRomNotice =
    "Sie starten das Brelvanto Kit von einem CD-ROM Laufwerk. Beachten Sie, das dieses Laufwerk "
    "nur Lesezugriff besitzt.";

// A string value into an edit field; a missing value empties it. The field keeps its text
// when the key cannot be opened or the value is not a string.
void readIntoEdit(CustomiseWindow& w, platform::RootKey root, const char* path, const char* value,
                  const char* edit) {
    auto key = w.ctx.platform.registry.createKey(root, path);
    if (!key) return;
    const auto read = key->readString(value);
    if (read.status == platform::ReadStatus::WrongType) return;
    w.c<ui::Edit>(edit).setText(read.ok() ? read.value : "");
}

void setFontColor(CustomiseWindow& w, const char* label, ui::Color color) {
    w.c<ui::Label>(label).setFontColor(color);
}

void rollover(CustomiseWindow& w) {
    w.c<ui::Image>("Image5").hide();
    w.c<ui::Image>("Image2").show();
    setFontColor(w, "Label5", kLinkHover);
}

void rollover2(CustomiseWindow& w) {
    if (w.app().backend().keyDown(kEscapeKey)) Form7schliessen(w.ctx);
    setFontColor(w, "Label10", ui::colors::White);
    w.c<ui::Image>("Image2").hide();
    w.c<ui::Image>("Image5").show();
    setFontColor(w, "Label5", ui::colors::Black);
}

} // namespace

void ini_read(CustomiseWindow& w) {
    Context& ctx = w.ctx;
    if (drivetypename(ctx.platform, ctx.programFolder.substr(0, 3)) == kCdRomDrive) {
        ctx.app.showMessage(kCdRomNotice);
    }
    readIntoEdit(w, platform::RootKey::CurrentUser, "Software\\Microsoft\\Internet Explorer\\Main",
                 "Window Title", "Edit5");
    readIntoEdit(w, platform::RootKey::ClassesRoot, "CLSID\\{20D04FE0-3AEA-1069-A2D8-08002B30309D}",
                 "", "Edit4");
    pagefilecalc(w);
    w.setBounds(kLeft, kTop, w.width(), w.height());
    writeKestovarValue(ctx.platform, "path", ctx.programFolder);
    writeKestovarValue(ctx.platform, "logo", ctx.programFolder + "modules\\oemlogo.bmp");
    writeKestovarValue(ctx.platform, "skin", ctx.programFolder + "modules\\skins\\01.bmp");
    // A missing or bad logo ends the creation here, with the error shown once.
    loadPreview(ctx, w.c<ui::Image>("Image1"), ctx.programFolder + "modules\\oemlogo.bmp");
    labeltest2(w);
}

void pagefileactive(CustomiseWindow& w) {
    pagefilecalc(w);
    auto& list = w.c<ui::FileListBox>("FileListBox1");
    if (!list.items().empty()) list.setItemIndex(0);
    FileListBox1Click(w);
}

void bindDialogHandlers(CustomiseWindow& w) {
    w.bind("ini_read", [&w](ui::Event&) { ini_read(w); });
    w.bind("pagefileactive", [&w](ui::Event&) { pagefileactive(w); });
    for (const char* profile : {"RadioButton2Click", "RadioButton3Click", "RadioButton4Click"}) {
        w.bind(profile, [&w](ui::Event&) { pagefilecalc(w); });
    }
    w.bind("rollover", [&w](ui::Event&) { rollover(w); });
    w.bind("rollover2", [&w](ui::Event&) { rollover2(w); });
    w.bind("Label10MouseMove", [&w](ui::Event&) { setFontColor(w, "Label10", kCloseHover); });
    w.bind("Form7schliessen", [&w](ui::Event&) { w.hide(); });
}

} // namespace brelk
