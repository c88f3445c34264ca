// Reading and writing the text layout format:
//
//   object Form1: TForm1
//     Left = 0
//     Caption = 'Brelvanto Kit 2005'
//     Mask2 = {
//       20060000...}
//     object Label5: TLabel
//       ...
//     end
//   end
//
// Strings are in single quotes ('' for a quote) and may be joined with '+' across lines or
// contain #nnn character codes; the file is UTF-8 and strings are converted to Windows-1252.
// The writer produces the canonical text, which the reader reads back to the same tree.
#pragma once

#include "ui/layout_tree.h"

#include <string>
#include <string_view>

namespace ui {

// Throws ELayoutError naming the line of the first fault.
LayoutObject parseLayout(std::string_view utf8Text);

std::string writeLayout(const LayoutObject& root);

} // namespace ui
