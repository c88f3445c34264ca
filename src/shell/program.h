// The program block of brelk: the application's title and windows, then the message loop.
#pragma once

#include "shell/brelk_context.h"

namespace brelk {

int runProgram(Context& ctx);

} // namespace brelk
