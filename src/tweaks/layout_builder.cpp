#include "tweaks/layout_builder.h"

#include "ui/cp1252.h"
#include "ui/property_values.h"

namespace brelk::tweaks {

LayoutNode::LayoutNode(std::string name, std::string className, bool inherited) {
    obj_.inherited = inherited;
    obj_.name = std::move(name);
    obj_.className = std::move(className);
}

LayoutNode& LayoutNode::put(const char* property, ui::LayoutValue value) {
    obj_.properties.push_back({property, std::move(value), 0});
    return *this;
}

LayoutNode& LayoutNode::num(const char* property, long long value) {
    return put(property, ui::LayoutValue::ofInt(value));
}

LayoutNode& LayoutNode::text(const char* property, std::string_view literal) {
    return put(property, ui::LayoutValue::ofString(ui::ansiText(literal)));
}

LayoutNode& LayoutNode::ident(const char* property, std::string name) {
    return put(property, ui::LayoutValue::ofIdent(std::move(name)));
}

LayoutNode& LayoutNode::flag(const char* property, bool value) {
    return ident(property, value ? "True" : "False");
}

LayoutNode& LayoutNode::color(const char* property, ui::Color value) {
    return put(property, ui::colorValue(value));
}

LayoutNode& LayoutNode::set(const char* property, std::initializer_list<const char*> members) {
    ui::LayoutValue v;
    v.kind = ui::LayoutValue::Kind::Set;
    for (const char* m : members)
        v.items.emplace_back(m);
    return put(property, std::move(v));
}

LayoutNode& LayoutNode::bounds(int left, int top, int width, int height) {
    return num("Left", left).num("Top", top).num("Width", width).num("Height", height);
}

LayoutNode& LayoutNode::add(LayoutNode child) {
    obj_.children.push_back(child.take());
    return *this;
}

} // namespace brelk::tweaks
