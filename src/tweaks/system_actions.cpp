#include "tweaks/system_actions.h"

#include "shell/int_text.h"

namespace brelk {

namespace {

constexpr const char* kWindowMetricsKey = "Control Panel\\Desktop\\WindowMetrics";
constexpr const char* kShellIconSize = "Shell Icon Size";

// Writes the icon size and tells the running programs; false when the key has gone.
bool writeShellIconSize(platform::Platform& p, const std::string& size) {
    {
        auto key = p.registry.openKey(platform::RootKey::CurrentUser, kWindowMetricsKey);
        if (!key) return false;
        key->writeString(kShellIconSize, size);
    }
    broadcastsettings(p);
    return true;
}

} // namespace

void SetActiveDesktop(platform::Platform& p, bool on) {
    p.desktop.setActiveDesktop(on);
}

bool IsActiveDesktopOn(platform::Platform& p) {
    return p.desktop.activeDesktopOn();
}

void GetSpecialFolderPath(platform::Platform& p, int csidl, std::string& path) {
    auto found = p.shell.specialFolderPath(csidl);
    if (!found) return;
    path = *found;
    if (!path.empty() && path.back() != '\\') path += '\\';
}

bool CreateFolder(platform::Platform& p, const std::string& path) {
    return p.files.createDirectory(path) != platform::CreateDirResult::Failed;
}

bool CreateShortcut(platform::Platform& p, const std::string& target, const std::string& linkFile,
                    const std::string& description) {
    return p.desktop.createShortcut(target, linkFile, description);
}

void colourdepth(platform::Platform& p, std::string& text) {
    int bits = p.desktop.screen().bitsPerPixel;
    if (bits == 4 || bits == 8 || bits == 16 || bits == 24 || bits == 32)
        text = std::to_string(bits) + "-Bit";
}

void officeversion(platform::Platform& p, std::string& text) {
    std::string curVer;
    if (auto key = p.registry.openKey(platform::RootKey::ClassesRoot, "Word.Application\\CurVer",
                                      platform::KeyAccess::Read)) {
        auto read = key->readString("");
        if (read.ok()) curVer = read.value;
    }
    std::string result = "kein Office";
    if (auto dot = curVer.rfind('.'); dot != std::string::npos) {
        std::int32_t major = strToInt(curVer.substr(dot + 1));
        bool known = major == 6 || major == 8 || major == 9 || major == 10 || major == 11;
        result = known ? std::to_string(major) : std::string("unbekanntes Office");
    }
    text = std::move(result);
}

void broadcastsettings(platform::Platform& p) {
    p.desktop.broadcastSettingsChange();
}

bool refreshiconcache(platform::Platform& p) {
    std::string size;
    {
        auto key = p.registry.openKey(platform::RootKey::CurrentUser, kWindowMetricsKey);
        if (!key) return false;
        size = key->readStringOrRaise(kShellIconSize);
    }
    if (size.empty()) return false;
    std::int64_t smaller = std::int64_t{strToInt(size)} - 1;
    if (!writeShellIconSize(p, std::to_string(smaller))) return false;
    return writeShellIconSize(p, size);
}

bool setdisplaymode(platform::Platform& p, int width, int height, int bitsPerPixel,
                    int refreshRate) {
    const platform::DisplayMode wanted{
        static_cast<std::uint32_t>(width), static_cast<std::uint32_t>(height),
        static_cast<std::uint32_t>(bitsPerPixel), static_cast<std::uint32_t>(refreshRate)};
    for (std::uint32_t index = 0;; ++index) {
        auto mode = p.desktop.displayMode(index);
        if (!mode) return false;
        if (*mode != wanted) continue;
        if (p.desktop.applyDisplayMode(index)) {
            p.desktop.announceDisplayChange(*mode);
            return true;
        }
    }
}

void neueAufloesung(platform::Platform& p) {
    platform::ScreenFacts screen = p.desktop.screen();
    if (screen.bitsPerPixel <= 16) return;
    setdisplaymode(p, screen.width, screen.height, 16, screen.refreshRate);
}

} // namespace brelk
