// What a component needs while it reads its layout properties: the handlers the window binds
// by name and the resources (pictures) the layout names.
#pragma once

#include "ui/layout_tree.h"
#include "ui/types.h"

#include <string>

namespace ui {

class Form;
class ResourceStore;
class ClassRegistry;

class LoadContext {
  public:
    LoadContext(Form& form, const ClassRegistry& classes, const ResourceStore& resources)
        : form_(form), classes_(classes), resources_(resources) {}

    Form& form() const { return form_; }
    const ClassRegistry& classes() const { return classes_; }
    const ResourceStore& resources() const { return resources_; }
    // The handler named by an event property's value; a name the window has not bound is a
    // load error naming the line.
    Handler handler(const LayoutProperty& p) const;

  private:
    Form& form_;
    const ClassRegistry& classes_;
    const ResourceStore& resources_;
};

} // namespace ui
