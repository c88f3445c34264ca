// The looks that hovering gives the main window's links, menu labels and edit fields, and
// their normal looks, which the general hover reset puts back.
#pragma once

#include "ui/input_controls.h"
#include "ui/types.h"

namespace brelk::look {

constexpr ui::Color kLinkHover = 0x008000;
constexpr ui::Color kLinkNormal = 0x000000;
constexpr ui::Color kMenuHover = 0xF5EEE9;
constexpr ui::Color kMenuNormal = 0xFFFFFF;

constexpr ui::Color kEditHoverBack = 0xD3F1D3;
constexpr ui::Color kEditHoverText = 0x319B31;
constexpr ui::Color kEditBack = 0xCAE4FF;
constexpr ui::Color kEditText = 0x3D79DE;

inline void editHovered(ui::Edit& e) {
    e.setColor(kEditHoverBack);
    e.setFontColor(kEditHoverText);
}

inline void editNormal(ui::Edit& e) {
    e.setColor(kEditBack);
    e.setFontColor(kEditText);
}

} // namespace brelk::look
