// Small value types shared by the class library: colours, fonts, mouse and key state, events.
#pragma once

#include <cstdint>
#include <functional>
#include <string>

namespace ui {

class Component;

// A colour as the layouts store it: 0x00BBGGRR, or a system colour 0xFF0000nn (nn = the
// Windows system-colour index), resolved when painted.
using Color = std::uint32_t;

namespace colors {
constexpr Color Black = 0x000000, White = 0xFFFFFF, Gray = 0x808080, Silver = 0xC0C0C0,
                Green = 0x008000, Red = 0x0000FF, Blue = 0xFF0000, Navy = 0x800000,
                Maroon = 0x000080, Yellow = 0x00FFFF, Lime = 0x00FF00, Teal = 0x808000,
                Olive = 0x008080, Purple = 0x800080, Fuchsia = 0xFF00FF, Aqua = 0xFFFF00;
constexpr Color System = 0xFF000000;
constexpr Color BtnFace = System | 15, Window = System | 5, WindowText = System | 8,
                InfoBk = System | 24, InfoText = System | 23, Highlight = System | 13,
                HighlightText = System | 14, GrayText = System | 17;
} // namespace colors

inline bool isSystemColor(Color c) {
    return (c & 0xFF000000u) == colors::System;
}

struct Font {
    std::string name = "Tahoma";
    int height = -11; // pixels; negative = character height, as the layouts store it
    Color color = colors::WindowText;
    bool bold = false, italic = false, underline = false, strikeOut = false;
    bool operator==(const Font&) const = default;
};

enum class MouseButton { Left, Right, Middle };

struct ShiftState {
    bool shift = false, ctrl = false, alt = false;
    bool left = false, right = false, middle = false;
};

enum class Cursor { Default, Arrow, HandPoint, IBeam, Wait, SizeAll };

enum class Align { None, Top, Bottom, Left, Right, Client };

// The arguments of every event. Handlers read the fields that their event fills.
struct Event {
    Component* sender = nullptr;
    MouseButton button = MouseButton::Left;
    ShiftState shift;
    int x = 0, y = 0;
    int wheelDelta = 0;
    bool handled = false;
    int key = 0;
    // A click of the user (click()), not a change made by code that runs the same handler.
    bool byUser = false;
};

using Handler = std::function<void(Event&)>;

} // namespace ui
