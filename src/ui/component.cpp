#include "ui/component.h"

#include "ui/application.h"
#include "ui/form.h"
#include "ui/property_values.h"

#include <strings.h>

namespace ui {

bool Component::applyProperty(const LayoutProperty& p, LoadContext&) {
    // Non-visual components keep their place on the design surface; it has no meaning here.
    const char* n = p.name.c_str();
    if (strcasecmp(n, "Left") == 0 || strcasecmp(n, "Top") == 0 || strcasecmp(n, "Tag") == 0) {
        propInt(p);
        return true;
    }
    return false;
}

void Component::fire(const Handler& handler, Event& e) {
    if (!handler) return;
    e.sender = this;
    if (form_) {
        form_->app().dispatch(handler, e);
    } else {
        handler(e);
    }
}

void Component::fire(const Handler& handler) {
    Event e;
    fire(handler, e);
}

} // namespace ui
