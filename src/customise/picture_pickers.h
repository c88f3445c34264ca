// The dialog's file pickers: the OEM logo and the toolbar skin with their live previews, and
// the start button's pictures and sound, whose fields follow the picker's selection.
#pragma once

namespace brelk {

class CustomiseWindow;

void bindPictureHandlers(CustomiseWindow& w);

} // namespace brelk
