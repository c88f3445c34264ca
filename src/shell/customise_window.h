// TForm7, the customisation dialog: created hidden at start; start-up fills some of its fields.
#pragma once

#include "shell/brelk_context.h"
#include "ui/form.h"

namespace brelk {

class CustomiseWindow : public ui::Form {
  public:
    explicit CustomiseWindow(Context& ctx);
};

} // namespace brelk
