// The Windows desktop as the tuning run changes it: Active Desktop, shell links, the display's
// colour depth and mode, and the broadcasts that tell running programs about a change.
#pragma once

#include "ui/errors.h"

#include <cstdint>
#include <optional>
#include <string>

namespace platform {

// A failed COM call, with the system's text for its result code ("Class not registered").
class OleError : public ui::Exception {
  public:
    using ui::Exception::Exception;
};

// Device facts of the screen: bits per pixel, width and height in pixels, refresh rate in Hz.
struct ScreenFacts {
    int bitsPerPixel = 0;
    int width = 0;
    int height = 0;
    int refreshRate = 0;
};

// One display mode as the display driver lists it.
struct DisplayMode {
    std::uint32_t width = 0;
    std::uint32_t height = 0;
    std::uint32_t bitsPerPixel = 0;
    std::uint32_t frequency = 0;
    bool operator==(const DisplayMode&) const = default;
};

class Desktop {
  public:
    virtual ~Desktop() = default;

    // Switches Active Desktop on or off and applies the change (saved, regenerated, refreshed,
    // forced); the component setting stays as it is. Raises OleError when the shell's Active
    // Desktop object or its interface is missing.
    virtual void setActiveDesktop(bool on) = 0;
    // True when Active Desktop is on; false also when its object is missing.
    virtual bool activeDesktopOn() = 0;

    // Writes a shell link file to target with a description (no arguments, working folder or
    // icon). False when the link object or its file interface is missing; whether the file
    // could be saved is not reported.
    virtual bool createShortcut(const std::string& target, const std::string& linkFile,
                                const std::string& description) = 0;

    // Shows the taskbar's own start button again (the first "Button" child of the taskbar
    // window "Shell_TrayWnd"); false when there is no such window.
    virtual bool showStartButton() = 0;

    // The screen's current facts.
    virtual ScreenFacts screen() = 0;
    // The display modes of the current display by index from 0; nothing past the last.
    virtual std::optional<DisplayMode> displayMode(std::uint32_t index) = 0;
    // Switches the display to the listed mode with that index and records it for later
    // sessions; true when the system reports success.
    virtual bool applyDisplayMode(std::uint32_t index) = 0;
    // Tells every top-level window that the display now has this mode.
    virtual void announceDisplayChange(const DisplayMode& mode) = 0;
    // Tells every top-level window that the window metrics changed, waiting at most ten
    // seconds for each and skipping hung ones.
    virtual void broadcastSettingsChange() = 0;
};

} // namespace platform
