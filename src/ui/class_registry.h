// Creates components by the class names that layouts give ("TLabel", "TCoolForm").
#pragma once

#include "ui/component.h"

#include <functional>
#include <map>
#include <memory>
#include <string>

namespace ui {

class ClassRegistry {
  public:
    using Factory = std::function<std::unique_ptr<Component>()>;

    // The class library's own controls.
    static const ClassRegistry& standard();

    void add(const std::string& className, Factory f);
    template <class T> void add(const std::string& className) {
        add(className, [] { return std::make_unique<T>(); });
    }
    // Nullptr for a class the registry does not know.
    std::unique_ptr<Component> create(const std::string& className) const;

  private:
    std::map<std::string, Factory> factories_; // lower-case class names
};

} // namespace ui
