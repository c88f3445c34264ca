// Conversions of layout values to the types components use; each throws ELayoutError naming
// the property's line when the value has the wrong kind.
#pragma once

#include "ui/layout_tree.h"
#include "ui/types.h"

#include <string>

namespace ui {

int propInt(const LayoutProperty& p);
bool propBool(const LayoutProperty& p);
const std::string& propString(const LayoutProperty& p);
const std::string& propIdent(const LayoutProperty& p);
Color propColor(const LayoutProperty& p);
Cursor propCursor(const LayoutProperty& p);
Align propAlign(const LayoutProperty& p);
// Applies a Font.* property; false when the name is not one.
bool applyFontProperty(Font& font, const LayoutProperty& p);

// Names of colours for the writer and for messages ("clWhite"), or the number.
LayoutValue colorValue(Color c);

} // namespace ui
