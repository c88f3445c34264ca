#include "ui/property_values.h"

#include "ui/errors.h"

#include <array>
#include <strings.h>
#include <utility>

namespace ui {
namespace {

struct NamedColor {
    const char* name;
    Color value;
};

constexpr std::array<NamedColor, 24> kColors = {{
    {"clBlack", colors::Black},
    {"clWhite", colors::White},
    {"clGray", colors::Gray},
    {"clSilver", colors::Silver},
    {"clGreen", colors::Green},
    {"clRed", colors::Red},
    {"clBlue", colors::Blue},
    {"clNavy", colors::Navy},
    {"clMaroon", colors::Maroon},
    {"clYellow", colors::Yellow},
    {"clLime", colors::Lime},
    {"clTeal", colors::Teal},
    {"clOlive", colors::Olive},
    {"clPurple", colors::Purple},
    {"clFuchsia", colors::Fuchsia},
    {"clAqua", colors::Aqua},
    {"clBtnFace", colors::BtnFace},
    {"clWindow", colors::Window},
    {"clWindowText", colors::WindowText},
    {"clInfoBk", colors::InfoBk},
    {"clInfoText", colors::InfoText},
    {"clHighlight", colors::Highlight},
    {"clHighlightText", colors::HighlightText},
    {"clGrayText", colors::GrayText},
}};

[[noreturn]] void wrong(const LayoutProperty& p, const char* what) {
    throw ELayoutError(p.line, "property '" + p.name + "' needs " + what);
}

bool same(const std::string& a, const char* b) {
    return strcasecmp(a.c_str(), b) == 0;
}

} // namespace

int propInt(const LayoutProperty& p) {
    if (p.value.kind != LayoutValue::Kind::Integer) wrong(p, "a number");
    return static_cast<int>(p.value.integer);
}

bool propBool(const LayoutProperty& p) {
    if (p.value.kind == LayoutValue::Kind::Identifier) {
        if (same(p.value.text, "True")) return true;
        if (same(p.value.text, "False")) return false;
    }
    wrong(p, "True or False");
}

const std::string& propString(const LayoutProperty& p) {
    if (p.value.kind != LayoutValue::Kind::String) wrong(p, "a string");
    return p.value.text;
}

const std::string& propIdent(const LayoutProperty& p) {
    if (p.value.kind != LayoutValue::Kind::Identifier) wrong(p, "a name");
    return p.value.text;
}

Color propColor(const LayoutProperty& p) {
    if (p.value.kind == LayoutValue::Kind::Integer) {
        if (p.value.integer < 0) {
            // System colours are written as negative numbers, as 32-bit signed values.
            return static_cast<Color>(static_cast<std::int32_t>(p.value.integer));
        }
        return static_cast<Color>(p.value.integer);
    }
    if (p.value.kind == LayoutValue::Kind::Identifier) {
        for (const auto& c : kColors) {
            if (same(p.value.text, c.name)) return c.value;
        }
    }
    wrong(p, "a colour");
}

LayoutValue colorValue(Color c) {
    for (const auto& named : kColors) {
        if (named.value == c) return LayoutValue::ofIdent(named.name);
    }
    return LayoutValue::ofInt(static_cast<long long>(c));
}

Cursor propCursor(const LayoutProperty& p) {
    static const std::pair<const char*, Cursor> kCursors[] = {
        {"crDefault", Cursor::Default},     {"crArrow", Cursor::Arrow},
        {"crHandPoint", Cursor::HandPoint}, {"crIBeam", Cursor::IBeam},
        {"crHourGlass", Cursor::Wait},      {"crSizeAll", Cursor::SizeAll}};
    const std::string& name = propIdent(p);
    for (const auto& [n, c] : kCursors) {
        if (same(name, n)) return c;
    }
    wrong(p, "a cursor name");
}

Align propAlign(const LayoutProperty& p) {
    static const std::pair<const char*, Align> kAligns[] = {
        {"alNone", Align::None}, {"alTop", Align::Top},     {"alBottom", Align::Bottom},
        {"alLeft", Align::Left}, {"alRight", Align::Right}, {"alClient", Align::Client}};
    const std::string& name = propIdent(p);
    for (const auto& [n, a] : kAligns) {
        if (same(name, n)) return a;
    }
    wrong(p, "an alignment");
}

bool applyFontProperty(Font& font, const LayoutProperty& p) {
    const std::string& n = p.name;
    if (same(n, "Font.Name")) {
        font.name = propString(p);
    } else if (same(n, "Font.Height")) {
        font.height = propInt(p);
    } else if (same(n, "Font.Size")) {
        font.height = -(propInt(p) * 96 + 36) / 72;
    } else if (same(n, "Font.Color")) {
        font.color = propColor(p);
    } else if (same(n, "Font.Style")) {
        if (p.value.kind != LayoutValue::Kind::Set) wrong(p, "a set of styles");
        font.bold = font.italic = font.underline = font.strikeOut = false;
        for (const auto& s : p.value.items) {
            if (same(s, "fsBold")) {
                font.bold = true;
            } else if (same(s, "fsItalic")) {
                font.italic = true;
            } else if (same(s, "fsUnderline")) {
                font.underline = true;
            } else if (same(s, "fsStrikeOut")) {
                font.strikeOut = true;
            } else {
                wrong(p, "font styles");
            }
        }
    } else if (same(n, "Font.Charset")) {
        propIdent(p); // the programs always draw Windows-1252 text
    } else {
        return false;
    }
    return true;
}

} // namespace ui
