// The desktop through the shell's COM objects (Active Desktop, shell links) and the display
// functions of the window system.
#pragma once

#include "platform/desktop.h"

namespace platform {

// Whether display mode changes are carried out or only checked with the driver (for tests:
// nothing on the machine changes, and no change is announced).
enum class DisplayChanges { Apply, TestOnly };

class Win32Desktop : public Desktop {
  public:
    explicit Win32Desktop(DisplayChanges changes = DisplayChanges::Apply) : changes_(changes) {}

    void setActiveDesktop(bool on) override;
    bool activeDesktopOn() override;
    bool createShortcut(const std::string& target, const std::string& linkFile,
                        const std::string& description) override;
    bool showStartButton() override;
    ScreenFacts screen() override;
    std::optional<DisplayMode> displayMode(std::uint32_t index) override;
    bool applyDisplayMode(std::uint32_t index) override;
    void announceDisplayChange(const DisplayMode& mode) override;
    void broadcastSettingsChange() override;

  private:
    DisplayChanges changes_;
};

} // namespace platform
