// A small fluent builder of layout objects, for layouts generated from tables. Texts are source
// literals and become the program's Windows-1252 text.
#pragma once

#include "ui/layout_tree.h"
#include "ui/types.h"

#include <initializer_list>
#include <string>

namespace brelk::tweaks {

class LayoutNode {
  public:
    LayoutNode(std::string name, std::string className, bool inherited = false);

    LayoutNode& num(const char* property, long long value);
    LayoutNode& text(const char* property, std::string_view literal);
    LayoutNode& ident(const char* property, std::string name);
    LayoutNode& flag(const char* property, bool value);
    LayoutNode& color(const char* property, ui::Color value);
    LayoutNode& set(const char* property, std::initializer_list<const char*> members);
    LayoutNode& bounds(int left, int top, int width, int height);
    LayoutNode& add(LayoutNode child);

    const ui::LayoutObject& object() const { return obj_; }
    ui::LayoutObject take() { return std::move(obj_); }

  private:
    LayoutNode& put(const char* property, ui::LayoutValue value);
    ui::LayoutObject obj_;
};

} // namespace brelk::tweaks
