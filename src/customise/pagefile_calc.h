// The page-file recommendation of the customisation dialog: a size by user profile and memory,
// and the drive with the most free space.
#pragma once

#include "shell/brelk_context.h"

namespace brelk {

// Fills the dialog's page-file fields Edit1-Edit3 and writes the three page-file values of the
// program's registry key. Does nothing while the dialog does not exist.
void pagefilecalc(Context& ctx);

} // namespace brelk
