// The customisation dialog's list of toolbar skins and its preview.
#pragma once

#include "shell/brelk_context.h"

namespace brelk {

class CustomiseWindow;

// Re-reads the skin list of modules\skins and previews its first skin. Does nothing while the
// dialog does not exist.
void labeltest2(Context& ctx);
void labeltest2(CustomiseWindow& w);

// The skin selected in the list: previewed and taken as the toolbar skin, if the file exists.
void FileListBox1Click(CustomiseWindow& w);

} // namespace brelk
