// Reader of the text layout format (see layout_text.h).
#include "ui/cp1252.h"
#include "ui/errors.h"
#include "ui/layout_text.h"

#include <cctype>
#include <optional>

namespace ui {
namespace {

constexpr int kMaxDepth = 64; // nesting of objects and collections; deeper is a broken file

class Reader {
  public:
    explicit Reader(std::string_view text) : s_(text) {}

    LayoutObject root() {
        skipBlank();
        LayoutObject obj = object(0);
        skipBlank();
        if (pos_ < s_.size()) fail("text after the final 'end'");
        return obj;
    }

  private:
    std::string_view s_;
    size_t pos_ = 0;
    int line_ = 1;

    [[noreturn]] void fail(const std::string& what) const { throw ELayoutError(line_, what); }

    void skipBlank() {
        while (pos_ < s_.size()) {
            const char c = s_[pos_];
            if (c == '\n') {
                ++line_;
            } else if (c != ' ' && c != '\t' && c != '\r') {
                return;
            }
            ++pos_;
        }
    }

    bool atEnd() const { return pos_ >= s_.size(); }
    char peek() const { return atEnd() ? '\0' : s_[pos_]; }

    static bool identStart(char c) {
        return std::isalpha(static_cast<unsigned char>(c)) || c == '_';
    }
    static bool identChar(char c) {
        return std::isalnum(static_cast<unsigned char>(c)) || c == '_' || c == '.';
    }

    std::string ident(const char* what) {
        skipBlank();
        if (!identStart(peek())) fail(std::string("expected ") + what);
        const size_t start = pos_;
        while (!atEnd() && identChar(s_[pos_]))
            ++pos_;
        return std::string(s_.substr(start, pos_ - start));
    }

    void expect(char c) {
        skipBlank();
        if (peek() != c) fail(std::string("expected '") + c + "'");
        ++pos_;
    }

    bool isWord(std::string_view word) {
        skipBlank();
        if (s_.size() - pos_ < word.size()) return false;
        for (size_t i = 0; i < word.size(); ++i) {
            if (std::tolower(static_cast<unsigned char>(s_[pos_ + i])) != word[i]) return false;
        }
        const size_t after = pos_ + word.size();
        return after >= s_.size() || !identChar(s_[after]);
    }

    LayoutObject object(int depth) {
        if (depth > kMaxDepth) fail("objects nested too deeply");
        LayoutObject obj;
        obj.line = line_;
        if (isWord("inherited")) {
            obj.inherited = true;
            pos_ += 9;
        } else if (isWord("object")) {
            pos_ += 6;
        } else {
            fail("expected 'object'");
        }
        obj.name = ident("a component name");
        expect(':');
        obj.className = ident("a class name");
        for (;;) {
            skipBlank();
            if (atEnd()) fail("missing 'end' of '" + obj.name + "'");
            if (isWord("end")) {
                pos_ += 3;
                return obj;
            }
            if (isWord("object") || isWord("inherited")) {
                obj.children.push_back(object(depth + 1));
                continue;
            }
            if (!obj.children.empty()) fail("property after a child object");
            obj.properties.push_back(property(depth));
        }
    }

    LayoutProperty property(int depth) {
        LayoutProperty p;
        p.line = line_;
        p.name = ident("a property name");
        expect('=');
        p.value = value(depth);
        return p;
    }

    LayoutValue value(int depth) {
        skipBlank();
        const char c = peek();
        if (c == '\'' || c == '#') return LayoutValue::ofString(stringValue());
        if (c == '-' || std::isdigit(static_cast<unsigned char>(c))) return integer();
        if (c == '[') return setValue();
        if (c == '{') return binary();
        if (c == '(') return stringList();
        if (c == '<') return collection(depth);
        if (identStart(c)) return LayoutValue::ofIdent(ident("a value"));
        fail("expected a value");
    }

    LayoutValue integer() {
        const size_t start = pos_;
        if (peek() == '-') ++pos_;
        if (!std::isdigit(static_cast<unsigned char>(peek()))) fail("expected a number");
        long long v = 0;
        while (std::isdigit(static_cast<unsigned char>(peek()))) {
            v = v * 10 + (s_[pos_] - '0');
            if (v > 0x7FFFFFFFLL + 1) fail("number out of range");
            ++pos_;
        }
        if (identChar(peek())) fail("expected a number");
        if (s_[start] == '-') v = -v;
        if (v > 0x7FFFFFFFLL) fail("number out of range");
        return LayoutValue::ofInt(v);
    }

    // One string: quoted parts and #nnn codes, joined with '+' across lines.
    std::string stringValue() {
        std::string utf8;
        for (;;) {
            stringParts(utf8);
            const size_t save = pos_;
            const int saveLine = line_;
            skipBlank();
            if (peek() == '+') {
                ++pos_;
                skipBlank();
                if (peek() != '\'' && peek() != '#') fail("expected a string after '+'");
                continue;
            }
            pos_ = save;
            line_ = saveLine;
            break;
        }
        std::string text;
        if (!utf8ToCp1252(utf8, text)) fail("text that Windows-1252 cannot hold");
        return text;
    }

    void stringParts(std::string& utf8) {
        bool any = false;
        for (;;) {
            const char c = peek();
            if (c == '\'') {
                ++pos_;
                for (;;) {
                    if (atEnd() || peek() == '\n') fail("unterminated string");
                    if (s_[pos_] == '\'') {
                        if (pos_ + 1 < s_.size() && s_[pos_ + 1] == '\'') {
                            utf8.push_back('\'');
                            pos_ += 2;
                            continue;
                        }
                        ++pos_;
                        break;
                    }
                    utf8.push_back(s_[pos_++]);
                }
            } else if (c == '#') {
                ++pos_;
                int code = 0;
                if (!std::isdigit(static_cast<unsigned char>(peek())))
                    fail("expected a character code");
                while (std::isdigit(static_cast<unsigned char>(peek()))) {
                    code = code * 10 + (s_[pos_++] - '0');
                    if (code > 255) fail("character code out of range");
                }
                utf8 += cp1252ToUtf8(std::string(1, static_cast<char>(code)));
            } else {
                if (!any) fail("expected a string");
                return;
            }
            any = true;
        }
    }

    LayoutValue setValue() {
        LayoutValue v;
        v.kind = LayoutValue::Kind::Set;
        expect('[');
        skipBlank();
        if (peek() == ']') {
            ++pos_;
            return v;
        }
        for (;;) {
            v.items.push_back(ident("a set member"));
            skipBlank();
            if (peek() == ']') {
                ++pos_;
                return v;
            }
            expect(',');
        }
    }

    static int hexDigit(char c) {
        if (c >= '0' && c <= '9') return c - '0';
        if (c >= 'A' && c <= 'F') return c - 'A' + 10;
        if (c >= 'a' && c <= 'f') return c - 'a' + 10;
        return -1;
    }

    LayoutValue binary() {
        LayoutValue v;
        v.kind = LayoutValue::Kind::Binary;
        expect('{');
        int high = -1;
        for (;;) {
            skipBlank();
            if (atEnd()) fail("unterminated binary data");
            const char c = s_[pos_++];
            if (c == '}') break;
            const int d = hexDigit(c);
            if (d < 0) fail("bad character in binary data");
            if (high < 0) {
                high = d;
            } else {
                v.bytes.push_back(static_cast<std::uint8_t>(high * 16 + d));
                high = -1;
            }
        }
        if (high >= 0) fail("odd number of hex digits in binary data");
        return v;
    }

    LayoutValue stringList() {
        LayoutValue v;
        v.kind = LayoutValue::Kind::StringList;
        expect('(');
        for (;;) {
            skipBlank();
            if (peek() == ')') {
                ++pos_;
                return v;
            }
            if (peek() != '\'' && peek() != '#') fail("expected a string in the list");
            v.items.push_back(stringValue());
        }
    }

    LayoutValue collection(int depth) {
        if (depth > kMaxDepth) fail("collections nested too deeply");
        LayoutValue v;
        v.kind = LayoutValue::Kind::Collection;
        expect('<');
        for (;;) {
            skipBlank();
            if (peek() == '>') {
                ++pos_;
                return v;
            }
            if (!isWord("item")) fail("expected 'item'");
            pos_ += 4;
            std::vector<LayoutProperty> row;
            for (;;) {
                skipBlank();
                if (atEnd()) fail("missing 'end' of a collection item");
                if (isWord("end")) {
                    pos_ += 3;
                    break;
                }
                row.push_back(property(depth + 1));
            }
            v.rows.push_back(std::move(row));
        }
    }
};

} // namespace

LayoutValue LayoutValue::ofInt(long long v) {
    LayoutValue r;
    r.kind = Kind::Integer;
    r.integer = v;
    return r;
}

LayoutValue LayoutValue::ofString(std::string v) {
    LayoutValue r;
    r.kind = Kind::String;
    r.text = std::move(v);
    return r;
}

LayoutValue LayoutValue::ofIdent(std::string v) {
    LayoutValue r;
    r.kind = Kind::Identifier;
    r.text = std::move(v);
    return r;
}

LayoutValue LayoutValue::ofBinary(std::vector<std::uint8_t> v) {
    LayoutValue r;
    r.kind = Kind::Binary;
    r.bytes = std::move(v);
    return r;
}

LayoutObject parseLayout(std::string_view utf8Text) {
    if (utf8Text.substr(0, 3) == "\xEF\xBB\xBF") utf8Text.remove_prefix(3);
    return Reader(utf8Text).root();
}

} // namespace ui
