// The arms of the appearance rows.
#include "platform/path_text.h"
#include "shell/main_window.h"
#include "tweaks/tuning_run.h"
#include "ui/standard_controls.h"

namespace brelk {

namespace {

constexpr const char* kSettingsKey = "\\SOFTWARE\\Kestovar";
constexpr const char* kOemLogo = "\\system\\oemlogo.bmp";
constexpr const char* kOemInfo = "\\system\\oeminfo.ini";
// The logo as the first backup slot's scan kept it.
constexpr const char* kOriginalOemLogo = "\\brelk\\oem.original.1\\oemlogo.bmp";
constexpr const char* kToolbarBitmap = "\\brelk\\bckgrnd.bmp";
constexpr const char* kToolbar = "Software\\Microsoft\\Internet Explorer\\Toolbar";
constexpr const char* kBrowserMain = "Software\\Microsoft\\Internet Explorer\\Main";
constexpr const char* kPaintIcon = "\\Paint.Picture\\DefaultIcon";
constexpr const char* kDesktop = "Control Panel\\Desktop";
// The label of My Computer, spelt as the scan reads it: with a blank after the closing brace.
constexpr const char* kComputerLabel = "\\Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\"
                                       "Clsid\\{20D04FE0-3AEA-1069-A2D8-08002B30309D} ";

std::string windowsFile(TuningRun& run, const char* name) {
    return run.editText("Edit1") + name;
}

// A picture path that the customisation dialog keeps in the program's settings key; empty
// when the value is missing or is no string.
std::string settingsPicture(TuningRun& run, const char* value) {
    auto key = run.ctx.platform.registry.createKey(platform::RootKey::LocalMachine, kSettingsKey);
    if (!key) return {};
    auto read = key->readString(value);
    return read.ok() ? read.value : std::string();
}

// Puts a picture in place of a file: the old file goes, the picture is copied in. A missing
// picture leaves no file. A picture that is the file itself stays: deleted first, it would be
// lost.
void replaceFile(TuningRun& run, const std::string& picture, const std::string& target) {
    if (platform::samePath(picture, target)) return;
    platform::FileSystem& files = run.ctx.platform.files;
    files.deleteFile(target);
    files.copyFile(picture, target, true);
}

// In restore mode the logo goes back to the one the first backup kept, or away without one.
void restoreOemLogo(TuningRun& run) {
    if (!run.restoring()) return;
    platform::FileSystem& files = run.ctx.platform.files;
    const std::string original = windowsFile(run, kOriginalOemLogo);
    const std::string logo = windowsFile(run, kOemLogo);
    if (files.fileExists(original)) {
        files.copyFile(original, logo, true);
    } else {
        files.deleteFile(logo);
    }
}

// The chosen logo into the system information, with the program as its manufacturer.
void installOemLogo(TuningRun& run) {
    platform::Platform& p = run.ctx.platform;
    replaceFile(run, settingsPicture(run, "logo"), windowsFile(run, kOemLogo));
    const std::string info = windowsFile(run, kOemInfo);
    if (p.files.fileExists(info)) p.files.setAttributes(info, 0);
    const std::string& version = run.window.c<ui::Label>("Label5").caption();
    // The information file is a nicety: a refused write does not stop the run.
    p.profiles.writeString(info, "general", "Manufacturer", "Brelvanto Kit 2005");
    p.profiles.writeString(info, "general", "Model", version);
    restoreOemLogo(run);
}

void removeToolbarBitmap(TuningRun& run) {
    run.ctx.platform.files.deleteFile(windowsFile(run, kToolbarBitmap));
}

void copyToolbarBitmap(TuningRun& run) {
    replaceFile(run, settingsPicture(run, "skin"), windowsFile(run, kToolbarBitmap));
}

// The arrow on shortcuts: shown while the link classes carry an empty "ISShortcut" value,
// hidden without it. In restore mode both arms bring back what the backup found: entry 16
// is "set" when the arrow was hidden then.
void setShortcutArrows(TuningRun& run, bool shown) {
    if (run.restoring()) shown = run.restoreEntry(16) != "set";
    for (const char* key : {"\\lnkfile", "\\piffile"})
        run.apply({"cr", shown ? "str" : "del", key, "ISShortcut", ""});
}
void showShortcutArrows(TuningRun& run) {
    setShortcutArrows(run, true);
}
void hideShortcutArrows(TuningRun& run) {
    setShortcutArrows(run, false);
}

const ArmEntry kArms[] = {
    {ArmId::oemLogoDeact, {ActionStep{restoreOemLogo}}},
    {ArmId::oemLogoAct, {ActionStep{installOemLogo}}},
    {ArmId::toolbarBitmapDeact, {ActionStep{removeToolbarBitmap}}},
    {ArmId::toolbarBitmapAct,
     {ActionStep{copyToolbarBitmap},
      RegStep{"cu", "str", kToolbar, "BackBitmap", kToolbarBitmap, {}, inWindowsFolder}}},
    {ArmId::bitmapIconDeact, {RegStep{"cr", "str", kPaintIcon, "", "Bitmap", always(13)}}},
    {ArmId::bitmapIconAct, {RegStep{"cr", "str", kPaintIcon, "", "%1", always(13)}}},
    {ArmId::shortcutArrowDeact, {ActionStep{showShortcutArrows}}},
    {ArmId::shortcutArrowAct, {ActionStep{hideShortcutArrows}}},
    {ArmId::buildNumberDeact,
     {RegStep{"cu", "int", kDesktop, "PaintDesktopVersion", "0", ifFilled(17)}}},
    {ArmId::buildNumberAct,
     {RegStep{"cu", "int", kDesktop, "PaintDesktopVersion", "1", ifFilled(17)}}},
    // Title and label are the dialog's texts whichever outer button is checked.
    {ArmId::browserTitleDeact,
     {RegStep{"cu", "str", kBrowserMain, "Window Title", "Edit5", always(21), form7EditText}}},
    {ArmId::browserTitleAct,
     {RegStep{"cu", "str", kBrowserMain, "Window Title", "Edit5", always(21), form7EditText}}},
    {ArmId::computerLabelDeact,
     {RegStep{"cu", "str", kComputerLabel, "", "Edit4", always(48), form7EditText}}},
    {ArmId::computerLabelAct,
     {RegStep{"cu", "str", kComputerLabel, "", "Edit4", always(48), form7EditText}}},
};

} // namespace

std::span<const ArmEntry> appearanceArms() {
    return kArms;
}

} // namespace brelk
