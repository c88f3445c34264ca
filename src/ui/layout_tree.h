// The parsed form of a window layout: objects with their properties and children, exactly as
// written in the layout text. The reader turns text into this tree, the writer turns it back
// into text, and the loader builds components from it.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace ui {

struct LayoutProperty;

struct LayoutValue {
    enum class Kind { Integer, String, Identifier, Set, Binary, StringList, Collection };
    Kind kind = Kind::Integer;
    long long integer = 0;
    std::string text;                              // String (Windows-1252) or Identifier
    std::vector<std::string> items;                // Set members or StringList entries
    std::vector<std::uint8_t> bytes;               // Binary
    std::vector<std::vector<LayoutProperty>> rows; // Collection items

    static LayoutValue ofInt(long long v);
    static LayoutValue ofString(std::string v);
    static LayoutValue ofIdent(std::string v);
    static LayoutValue ofBinary(std::vector<std::uint8_t> v);
    bool operator==(const LayoutValue&) const = default;
};

struct LayoutProperty {
    std::string name;
    LayoutValue value;
    int line = 0;
    bool operator==(const LayoutProperty& o) const { return name == o.name && value == o.value; }
};

struct LayoutObject {
    bool inherited = false; // "inherited Name: TClass": changes a component that already exists
    std::string name;
    std::string className;
    int line = 0;
    std::vector<LayoutProperty> properties;
    std::vector<LayoutObject> children;
};

} // namespace ui
