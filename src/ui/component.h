// Components: the named parts of a window. Each belongs to one form, which finds it by name
// regardless of case. A component takes its state from the layout's properties and reports
// changes to its peer, the realisation on the window system.
#pragma once

#include "ui/layout_tree.h"
#include "ui/peer.h"
#include "ui/types.h"

#include <memory>
#include <string>
#include <vector>

namespace ui {

class Form;
class LoadContext;

class Component {
  public:
    explicit Component(std::string className) : className_(std::move(className)) {}
    virtual ~Component() = default;
    Component(const Component&) = delete;
    Component& operator=(const Component&) = delete;

    const std::string& name() const { return name_; }
    const std::string& className() const { return className_; }
    Form* form() const { return form_; }

    // Applies one layout property; false when the class has no such property.
    virtual bool applyProperty(const LayoutProperty& p, LoadContext& ctx);
    // Runs after all properties of the component and of its children are read.
    virtual void loaded(LoadContext&) {}
    // Properties the component defines itself and stores when a form is written (as the
    // skin's region stream); appended after the layout's own properties.
    virtual void writeDefinedProperties(std::vector<LayoutProperty>&) const {}

    Peer* peer() const { return peer_.get(); }
    void setPeer(std::unique_ptr<Peer> p) { peer_ = std::move(p); }

    // Runs an event handler through the application, which shows an escaping exception.
    void fire(const Handler& handler, Event& e);
    void fire(const Handler& handler);

  protected:
    void notify(Change what) {
        if (peer_) peer_->changed(what);
    }

  private:
    friend class Form;
    std::string className_;
    std::string name_;
    Form* form_ = nullptr;
    std::unique_ptr<Peer> peer_;
};

} // namespace ui
