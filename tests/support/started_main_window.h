// Creates the program block's windows on a context, in its order, and shows the main window,
// which runs its start-up; the shell's neighbours fragment stands in for other subsystems.
#pragma once

#include "app/main_window_parts.h"
#include "customise/customise_window.h"
#include "shell/main_window.h"
#include "support/shell_neighbours.h"

#include <memory>

namespace testing_support {

inline brelk::MainWindow& startMainWindow(brelk::Context& ctx, const ui::ResourceStore& resources) {
    auto main = std::make_unique<brelk::MainWindow>(ctx, brelk::mainWindowParts());
    main->loadLayout(kShellNeighbours, brelk::brelkClasses(), resources);
    auto& w = ctx.app.createForm(std::move(main));
    ctx.form7 = &ctx.app.createForm(std::make_unique<brelk::CustomiseWindow>(ctx));
    w.show();
    return w;
}

} // namespace testing_support
