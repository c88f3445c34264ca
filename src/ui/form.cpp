#include "ui/form.h"

#include "ui/application.h"
#include "ui/class_registry.h"
#include "ui/layout_text.h"
#include "ui/load_context.h"
#include "ui/property_values.h"
#include "ui/resources.h"

#include <algorithm>
#include <cctype>
#include <strings.h>

namespace ui {
namespace {

// Event properties name a handler: "OnClick = tuning".
bool isEventProperty(const LayoutProperty& p) {
    return p.value.kind == LayoutValue::Kind::Identifier && p.name.size() > 2 &&
           p.name.compare(0, 2, "On") == 0 && std::isupper(static_cast<unsigned char>(p.name[2]));
}

} // namespace

std::string lowerCase(std::string s) {
    std::transform(s.begin(), s.end(), s.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return s;
}

Form::Form(Application& app, std::string className)
    : Control(std::move(className), true), app_(app) {
    Component::form_ = this;
    acceptCaption();
    setVisible(false);
    setColor(colors::BtnFace);
}

Form::~Form() {
    // Peers of the components go first, while the components they show still exist.
    for (auto it = owned_.rbegin(); it != owned_.rend(); ++it)
        (*it)->setPeer(nullptr);
    setPeer(nullptr);
}

void Form::bind(const std::string& name, Handler h) {
    handlers_[lowerCase(name)] = std::move(h);
}

const Handler* Form::handler(const std::string& name) const {
    auto it = handlers_.find(lowerCase(name));
    return it == handlers_.end() ? nullptr : &it->second;
}

Handler LoadContext::handler(const LayoutProperty& p) const {
    if (p.value.kind != LayoutValue::Kind::Identifier) {
        throw ELayoutError(p.line, "event '" + p.name + "' needs a handler name");
    }
    const Handler* h = form_.handler(p.value.text);
    if (!h) throw ELayoutError(p.line, "handler '" + p.value.text + "' is not bound");
    return *h;
}

Component* Form::find(const std::string& name) const {
    auto it = byName_.find(lowerCase(name));
    return it == byName_.end() ? nullptr : it->second;
}

Component& Form::add(std::unique_ptr<Component> c, const std::string& name, Control* parent) {
    const std::string key = lowerCase(name);
    if (byName_.count(key)) throw EComponentError("A component named " + name + " already exists");
    c->name_ = name;
    c->form_ = this;
    Component& ref = *c;
    byName_[key] = &ref;
    owned_.push_back(std::move(c));
    if (auto* ctl = dynamic_cast<Control*>(&ref)) ctl->setParent(parent ? parent : this);
    return ref;
}

void Form::loadLayoutResource(const std::string& resourceName, const ClassRegistry& classes,
                              const ResourceStore& resources) {
    auto text = resources.load(resourceName);
    if (!text) throw ELayoutError(0, "layout '" + resourceName + "' not found");
    try {
        loadLayout(*text, classes, resources);
    } catch (const ELayoutError& e) {
        throw ELayoutError(0, resourceName + ": " + e.what());
    }
}

void Form::loadLayout(const std::string& utf8Text, const ClassRegistry& classes,
                      const ResourceStore& resources) {
    const LayoutObject root = parseLayout(utf8Text);
    LoadContext ctx(*this, classes, resources);
    const size_t firstNew = owned_.size();
    if (root.inherited) {
        if (strcasecmp(root.name.c_str(), name().c_str()) != 0) {
            throw ELayoutError(root.line, "'" + root.name + "' is not the window '" + name() + "'");
        }
    } else {
        if (strcasecmp(root.className.c_str(), className().c_str()) != 0) {
            throw ELayoutError(root.line,
                               "the window is a " + className() + ", not a " + root.className);
        }
        Component::name_ = root.name;
        Component::form_ = this;
        acceptCaption();
    }
    applyAll(*this, root, ctx);
    buildChildren(root, this, ctx);
    for (size_t i = firstNew; i < owned_.size(); ++i)
        owned_[i]->loaded(ctx);
    loaded(ctx);
}

void Form::applyAll(Component& c, const LayoutObject& obj, LoadContext& ctx) {
    for (const auto& p : obj.properties) {
        if (!c.applyProperty(p, ctx)) {
            throw ELayoutError(p.line, "unknown property '" + p.name + "' of " + obj.name);
        }
        if (isEventProperty(p)) eventBindings_.push_back({&c, p.name, p.value.text});
    }
}

void Form::buildChildren(const LayoutObject& obj, Control* parent, LoadContext& ctx) {
    for (const auto& child : obj.children) {
        Component* existing = find(child.name);
        if (child.inherited) {
            auto* ctl = dynamic_cast<Control*>(existing);
            if (!ctl || strcasecmp(existing->className().c_str(), child.className.c_str()) != 0) {
                throw ELayoutError(child.line, "no " + child.className + " named '" + child.name +
                                                   "' to change");
            }
            applyAll(*ctl, child, ctx);
            buildChildren(child, ctl, ctx);
            continue;
        }
        if (existing) {
            throw ELayoutError(child.line, "duplicate component name '" + child.name + "'");
        }
        auto made = ctx.classes().create(child.className);
        if (!made) throw ELayoutError(child.line, "unknown class '" + child.className + "'");
        if (!child.children.empty() && !dynamic_cast<Control*>(made.get())) {
            throw ELayoutError(child.line, "'" + child.name + "' cannot hold components");
        }
        Component& c = add(std::move(made), child.name, parent);
        applyAll(c, child, ctx);
        if (auto* ctl = dynamic_cast<Control*>(&c)) buildChildren(child, ctl, ctx);
    }
}

void Form::setBorderStyle(BorderStyle b) {
    if (borderStyle_ == b) return;
    borderStyle_ = b;
    notify(Change::Style);
}

void Form::setAlphaBlendValue(int v) {
    v = std::clamp(v, 0, 255);
    if (alphaBlendValue_ == v) return;
    alphaBlendValue_ = v;
    notify(Change::Alpha);
}

void Form::setVisible(bool v) {
    if (v == visible()) return;
    // The show handler runs before the window appears, the hide handler after it has gone.
    if (v) fire(onShow);
    Control::setVisible(v);
    if (!v) fire(onHide);
}

void Form::created() {
    fire(onCreate);
}

void Form::mouseWheel(ShiftState shift, int delta, int x, int y) {
    if (!onMouseWheel) return;
    Event e;
    e.shift = shift;
    e.wheelDelta = delta;
    e.x = x;
    e.y = y;
    fire(onMouseWheel, e);
}

bool Form::applyProperty(const LayoutProperty& p, LoadContext& ctx) {
    const char* n = p.name.c_str();
    auto is = [n](const char* name) { return strcasecmp(n, name) == 0; };
    if (is("ClientWidth")) {
        setWidth(propInt(p));
    } else if (is("ClientHeight")) {
        setHeight(propInt(p));
    } else if (is("BorderStyle")) {
        static const std::pair<const char*, BorderStyle> kStyles[] = {
            {"bsSizeable", BorderStyle::Sizeable},
            {"bsNone", BorderStyle::None},
            {"bsSingle", BorderStyle::Single},
            {"bsDialog", BorderStyle::Dialog},
            {"bsToolWindow", BorderStyle::ToolWindow}};
        const std::string& v = propIdent(p);
        auto it = std::find_if(std::begin(kStyles), std::end(kStyles),
                               [&](const auto& s) { return strcasecmp(s.first, v.c_str()) == 0; });
        if (it == std::end(kStyles)) throw ELayoutError(p.line, "unknown border style " + v);
        borderStyle_ = it->second;
    } else if (is("Position")) {
        const std::string& v = propIdent(p);
        if (strcasecmp(v.c_str(), "poScreenCenter") == 0) {
            position_ = FormPosition::ScreenCenter;
        } else if (strcasecmp(v.c_str(), "poDesktopCenter") == 0) {
            position_ = FormPosition::DesktopCenter;
        } else if (strcasecmp(v.c_str(), "poDesigned") == 0) {
            position_ = FormPosition::Designed;
        } else {
            throw ELayoutError(p.line, "unknown window position " + v);
        }
    } else if (is("AlphaBlend")) {
        alphaBlend_ = propBool(p);
    } else if (is("AlphaBlendValue")) {
        alphaBlendValue_ = std::clamp(propInt(p), 0, 255);
    } else if (is("OnCreate")) {
        onCreate = ctx.handler(p);
    } else if (is("OnShow")) {
        onShow = ctx.handler(p);
    } else if (is("OnHide")) {
        onHide = ctx.handler(p);
    } else if (is("OnMouseWheel")) {
        onMouseWheel = ctx.handler(p);
    } else if (is("OnKeyDown")) {
        onKeyDown = ctx.handler(p);
    } else if (is("PixelsPerInch") || is("TextHeight")) {
        propInt(p);
    } else if (is("OldCreateOrder") || is("KeyPreview") || is("Scaled")) {
        propBool(p);
    } else {
        return Control::applyProperty(p, ctx);
    }
    return true;
}

} // namespace ui
