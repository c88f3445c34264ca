// TForm7, the customisation dialog: a second, non-modal window with seven panels, created hidden
// at start. Start-up fills its start-button fields; the tuning run reads its fields.
#pragma once

#include "shell/brelk_context.h"
#include "ui/form.h"

#include <array>
#include <cstdint>

namespace brelk {

class CustomiseWindow : public ui::Form {
  public:
    explicit CustomiseWindow(Context& ctx);

    Context& ctx;
    // Free bytes of the drives C: to F: as last measured; a drive that was never a hard disk
    // keeps 0. Kept for the whole program run.
    std::array<std::int64_t, 4> freeSpace{};

    template <class T> T& c(const std::string& name) const { return get<T>(name); }
};

// The dialog, when ctx.form7 is one; nothing otherwise.
CustomiseWindow* customiseWindow(Context& ctx);

// Closes the customisation dialog without storing anything.
void Form7schliessen(Context& ctx);

} // namespace brelk
