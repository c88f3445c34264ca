// The customisation dialog's list of toolbar skins and its preview.
#pragma once

#include "shell/brelk_context.h"

namespace brelk {

// Re-reads the skin list of modules\skins and previews its first skin. Does nothing while the
// dialog does not exist.
void labeltest2(Context& ctx);

} // namespace brelk
