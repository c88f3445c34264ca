// The preview area of a picture picker: a child dialog template that the file dialog takes,
// with its standard controls on the left and an area to their right that shows the selected
// picture scaled to fit.
#pragma once

#include "ui/bitmap.h"

#include <windows.h>

namespace ui::win32 {

// The template, in fixed global memory for OPENFILENAME's hInstance; the caller frees it.
HGLOBAL previewTemplate();

// Shows a picture in the hook dialog's preview area (nothing: the area is emptied).
void showPreview(HWND hook, const Bitmap* picture);
// Paints the area; false for another control's drawing request.
bool drawPreview(HWND hook, const DRAWITEMSTRUCT& item);
// Frees the picture shown; called when the hook dialog goes.
void endPreview(HWND hook);

} // namespace ui::win32
