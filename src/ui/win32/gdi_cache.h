// GDI objects shared by the windows of a program: fonts, brushes and bitmaps, created on
// first use and kept until the program ends.
#pragma once

#include "ui/bitmap.h"
#include "ui/types.h"

#include <windows.h>

namespace ui::win32 {

COLORREF resolveColor(Color c);
HFONT fontFor(const Font& f);
HBRUSH brushFor(Color c);
// A new device-independent bitmap of the picture; the caller deletes it.
HBITMAP makeDib(const Bitmap& b);

} // namespace ui::win32
