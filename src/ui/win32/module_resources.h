// Resources compiled into the running executable (RCDATA named by their file names).
#pragma once

#include "ui/resources.h"

namespace ui::win32 {

class ModuleResourceStore : public ResourceStore {
  public:
    std::optional<std::string> load(const std::string& name) const override;
};

} // namespace ui::win32
