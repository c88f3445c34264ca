// The tuning page's layout fragment (form2_tuning.dfm), generated from the tweak-row table: the
// system facts, the scan link, the six categories with their rows, the registration data, the
// user scope, and below the list the start link and the page's progress gauge.
#pragma once

#include "ui/layout_tree.h"

#include <string>

namespace brelk::tweaks {

inline constexpr const char* kTuningLayoutName = "form2_tuning.dfm";

ui::LayoutObject tuningPageLayout();
// The fragment's text as it is committed in res/layouts.
std::string tuningPageLayoutText();

} // namespace brelk::tweaks
