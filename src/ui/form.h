// A window: the root control of a layout. It owns its components, finds them by name
// regardless of case, and binds the event handlers its layout names.
#pragma once

#include "ui/control.h"
#include "ui/errors.h"

#include <map>
#include <memory>
#include <string>
#include <vector>

namespace ui {

class Application;
class ClassRegistry;
class ResourceStore;

enum class BorderStyle { Sizeable, None, Single, Dialog, ToolWindow };
enum class FormPosition { Designed, ScreenCenter, DesktopCenter };

class Form : public Control {
  public:
    Form(Application& app, std::string className);
    ~Form() override;

    Application& app() const { return app_; }

    // Handlers are bound before the layout is loaded; the layout names them.
    void bind(const std::string& name, Handler h);
    const Handler* handler(const std::string& name) const;

    // Reads a layout text (its root must be this form's class) and builds the components.
    // Layouts whose objects are "inherited" add to components loaded before.
    void loadLayout(const std::string& utf8Text, const ClassRegistry& classes,
                    const ResourceStore& resources);
    void loadLayoutResource(const std::string& resourceName, const ClassRegistry& classes,
                            const ResourceStore& resources);

    Component* find(const std::string& name) const;
    template <class T> T& get(const std::string& name) const {
        auto* c = dynamic_cast<T*>(find(name));
        if (!c) throw EComponentError("Component '" + name + "' not found");
        return *c;
    }
    // Components in layout order (parents before children).
    const std::vector<std::unique_ptr<Component>>& components() const { return owned_; }
    Component& add(std::unique_ptr<Component> c, const std::string& name, Control* parent);

    // One event property of a layout: the component, the event ("OnClick") and the handler
    // name the layout gave it. Recorded in load order, so the bindings can be listed.
    struct EventBinding {
        Component* component;
        std::string event;
        std::string handler;
    };
    const std::vector<EventBinding>& eventBindings() const { return eventBindings_; }

    BorderStyle borderStyle() const { return borderStyle_; }
    void setBorderStyle(BorderStyle b);
    FormPosition position() const { return position_; }
    bool alphaBlend() const { return alphaBlend_; }
    int alphaBlendValue() const { return alphaBlendValue_; }
    void setAlphaBlendValue(int v);

    void setVisible(bool v) override;
    void close() { hide(); }
    // Called by the application once the form and its components are realised.
    void created();
    void mouseWheel(ShiftState shift, int delta, int x, int y);
    // Asks the window system to drag the window while the left button is held.
    void beginSystemMove() { perform(Command::SystemMove); }
    // Raises the window above the others and activates it.
    void bringToFront() { perform(Command::BringToFront); }

    Handler onCreate, onShow, onHide, onMouseWheel, onKeyDown;

    bool applyProperty(const LayoutProperty& p, LoadContext& ctx) override;

  private:
    void buildChildren(const LayoutObject& obj, Control* parent, LoadContext& ctx);
    void applyAll(Component& c, const LayoutObject& obj, LoadContext& ctx);

    Application& app_;
    std::vector<std::unique_ptr<Component>> owned_;
    std::map<std::string, Component*> byName_; // lower-case names
    std::map<std::string, Handler> handlers_;  // lower-case names
    std::vector<EventBinding> eventBindings_;
    BorderStyle borderStyle_ = BorderStyle::Sizeable;
    FormPosition position_ = FormPosition::Designed;
    bool alphaBlend_ = false;
    int alphaBlendValue_ = 255;
};

std::string lowerCase(std::string s);

} // namespace ui
