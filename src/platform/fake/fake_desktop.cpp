#include "platform/fake/fake_desktop.h"

#include <algorithm>

namespace platform {

void FakeDesktop::setActiveDesktop(bool on) {
    if (!activeDesktopAvailable) throw OleError("Class not registered");
    activeDesktop = on;
    ++activeDesktopApplies;
}

bool FakeDesktop::activeDesktopOn() {
    return activeDesktopAvailable && activeDesktop;
}

bool FakeDesktop::createShortcut(const std::string& target, const std::string& linkFile,
                                 const std::string& description) {
    if (!shellLinksAvailable) return false;
    // Saving fails silently when the folder is missing, as the link object's does.
    if (files_.writeFile(linkFile, "link to " + target)) links[linkFile] = {target, description};
    return true;
}

std::optional<DisplayMode> FakeDesktop::displayMode(std::uint32_t index) {
    if (index >= modes.size()) return std::nullopt;
    return modes[index];
}

bool FakeDesktop::applyDisplayMode(std::uint32_t index) {
    if (index >= modes.size()) return false;
    if (std::find(refusedModes.begin(), refusedModes.end(), index) != refusedModes.end())
        return false;
    appliedModes.push_back(index);
    const DisplayMode& m = modes[index];
    screenFacts = {static_cast<int>(m.bitsPerPixel), static_cast<int>(m.width),
                   static_cast<int>(m.height), static_cast<int>(m.frequency)};
    return true;
}

} // namespace platform
