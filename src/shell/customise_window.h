// TForm7, the customisation dialog: created hidden at start; start-up fills the start-button
// fields and the file names of their pickers.
#pragma once

#include "shell/brelk_context.h"
#include "ui/form.h"

namespace brelk {

class CustomiseWindow : public ui::Form {
  public:
    explicit CustomiseWindow(Context& ctx);
};

// Closes the customisation dialog without storing anything.
void Form7schliessen(Context& ctx);

} // namespace brelk
