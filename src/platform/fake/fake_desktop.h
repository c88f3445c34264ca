// A desktop for tests: Active Desktop as a flag, shell links as small files in the fake file
// system, a display with a list of modes that records the mode changes and broadcasts.
#pragma once

#include "platform/desktop.h"
#include "platform/fake/fake_file_system.h"

#include <functional>
#include <map>
#include <vector>

namespace platform {

class FakeDesktop : public Desktop {
  public:
    explicit FakeDesktop(FakeFileSystem& files) : files_(files) {}

    void setActiveDesktop(bool on) override;
    bool activeDesktopOn() override;
    bool createShortcut(const std::string& target, const std::string& linkFile,
                        const std::string& description) override;
    bool showStartButton() override {
        ++startButtonShown;
        return true;
    }
    ScreenFacts screen() override { return screenFacts; }
    std::optional<DisplayMode> displayMode(std::uint32_t index) override;
    bool applyDisplayMode(std::uint32_t index) override;
    void announceDisplayChange(const DisplayMode& mode) override { announced.push_back(mode); }
    void broadcastSettingsChange() override {
        ++settingsBroadcasts;
        if (onSettingsBroadcast) onSettingsBroadcast();
    }

    // Test setup: without it the Active Desktop object cannot be created.
    bool activeDesktopAvailable = true;
    bool activeDesktop = false;
    int activeDesktopApplies = 0;

    // Test setup: without it the shell link object cannot be created.
    bool shellLinksAvailable = true;
    struct Link {
        std::string target, description;
    };
    // The links saved, by link file path (a link is saved only into an existing folder).
    std::map<std::string, Link> links;

    int startButtonShown = 0;

    ScreenFacts screenFacts{32, 1024, 768, 75};
    std::vector<DisplayMode> modes;
    // Indexes of modes that the display refuses to switch to.
    std::vector<std::uint32_t> refusedModes;
    std::vector<std::uint32_t> appliedModes;
    std::vector<DisplayMode> announced;
    int settingsBroadcasts = 0;
    // Test setup: runs at each settings broadcast.
    std::function<void()> onSettingsBroadcast;

  private:
    FakeFileSystem& files_;
};

} // namespace platform
