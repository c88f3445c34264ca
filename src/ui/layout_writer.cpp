// Writer of the canonical layout text (see layout_text.h).
#include "ui/cp1252.h"
#include "ui/layout_text.h"

namespace ui {
namespace {

constexpr size_t kHexPerLine = 64;

void quoted(std::string& out, const std::string& text) {
    if (text.empty()) {
        out += "''";
        return;
    }
    bool inQuote = false;
    for (char ch : text) {
        const auto b = static_cast<unsigned char>(ch);
        if (b < 32) {
            if (inQuote) out.push_back('\'');
            inQuote = false;
            out += '#' + std::to_string(b);
            continue;
        }
        if (!inQuote) out.push_back('\'');
        inQuote = true;
        if (ch == '\'') {
            out += "''";
        } else {
            out += cp1252ToUtf8(std::string_view(&ch, 1));
        }
    }
    if (inQuote) out.push_back('\'');
}

void properties(std::string& out, const std::vector<LayoutProperty>& props, size_t indent);

void value(std::string& out, const LayoutValue& v, size_t indent) {
    const std::string inner(indent + 2, ' ');
    switch (v.kind) {
    case LayoutValue::Kind::Integer:
        out += std::to_string(v.integer);
        break;
    case LayoutValue::Kind::String:
        quoted(out, v.text);
        break;
    case LayoutValue::Kind::Identifier:
        out += v.text;
        break;
    case LayoutValue::Kind::Set:
        out.push_back('[');
        for (size_t i = 0; i < v.items.size(); ++i) {
            if (i) out += ", ";
            out += v.items[i];
        }
        out.push_back(']');
        break;
    case LayoutValue::Kind::Binary: {
        static const char* kHex = "0123456789ABCDEF";
        out.push_back('{');
        for (size_t i = 0; i < v.bytes.size(); ++i) {
            if (i % (kHexPerLine / 2) == 0) out += "\n" + inner;
            out.push_back(kHex[v.bytes[i] >> 4]);
            out.push_back(kHex[v.bytes[i] & 15]);
        }
        out.push_back('}');
        break;
    }
    case LayoutValue::Kind::StringList:
        out.push_back('(');
        for (const auto& item : v.items) {
            out += "\n" + inner;
            quoted(out, item);
        }
        out.push_back(')');
        break;
    case LayoutValue::Kind::Collection:
        out.push_back('<');
        for (const auto& row : v.rows) {
            out += "\n" + inner + "item\n";
            properties(out, row, indent + 4);
            out += inner + "end";
        }
        out.push_back('>');
        break;
    }
}

void properties(std::string& out, const std::vector<LayoutProperty>& props, size_t indent) {
    for (const auto& p : props) {
        out += std::string(indent, ' ') + p.name + " = ";
        value(out, p.value, indent);
        out.push_back('\n');
    }
}

void object(std::string& out, const LayoutObject& obj, size_t indent) {
    const std::string pad(indent, ' ');
    out +=
        pad + (obj.inherited ? "inherited " : "object ") + obj.name + ": " + obj.className + "\n";
    properties(out, obj.properties, indent + 2);
    for (const auto& child : obj.children)
        object(out, child, indent + 2);
    out += pad + "end\n";
}

} // namespace

std::string writeLayout(const LayoutObject& root) {
    std::string out;
    object(out, root, 0);
    return out;
}

} // namespace ui
