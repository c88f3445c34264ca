// Helpers for tests that build forms from layout text without windows.
#pragma once

#include "ui/application.h"
#include "ui/class_registry.h"
#include "ui/form.h"
#include "ui/headless.h"
#include "ui/resources.h"

#include <map>
#include <memory>
#include <string>

namespace testing_support {

class MemoryResources : public ui::ResourceStore {
  public:
    std::optional<std::string> load(const std::string& name) const override {
        auto it = files.find(name);
        if (it == files.end()) return std::nullopt;
        return it->second;
    }
    std::map<std::string, std::string> files;
};

struct HeadlessApp {
    ui::HeadlessBackend backend;
    ui::ScriptedDialogs dialogs;
    ui::Application app{backend, dialogs};
    MemoryResources resources;
};

} // namespace testing_support
