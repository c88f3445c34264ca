#include "tweaks/regedit4_format.h"

namespace brelk {

namespace {

namespace regtype = platform::regtype;

constexpr char kHexDigits[] = "0123456789ABCDEF";
constexpr std::string_view kLineEnd = "\r\n";
// The first line of a hex value holds bytes 0..25, each further line 25 bytes.
constexpr std::size_t kBytesPerLine = 25;

void appendByte(std::string& out, std::uint8_t b) {
    out += kHexDigits[b >> 4];
    out += kHexDigits[b & 15];
}

void appendHexBytes(std::string& out, std::span<const std::uint8_t> data) {
    for (std::size_t i = 0; i < data.size(); ++i) {
        appendByte(out, data[i]);
        if (i + 1 == data.size()) break;
        out += ',';
        if (i % kBytesPerLine == 0 && i > 0) {
            out += '\\';
            out += kLineEnd;
        }
    }
}

// "hex:" for binary data, "hex(N):" with N in lower-case hex for any other type.
void appendHexPrefix(std::string& out, std::uint32_t type) {
    if (type == regtype::binary) {
        out += "hex:";
        return;
    }
    out += "hex(";
    char digits[8];
    int n = 0;
    do {
        digits[n++] = "0123456789abcdef"[type & 15];
        type >>= 4;
    } while (type != 0);
    while (n > 0)
        out += digits[--n];
    out += "):";
}

// The text of a string value when a quoted string carries it unchanged: the bytes before the
// terminating zero, with no line break and no further zero byte.
bool plainText(std::span<const std::uint8_t> data, std::string_view& text) {
    std::size_t size = data.size();
    if (size > 0 && data[size - 1] == 0) --size;
    for (std::size_t i = 0; i < size; ++i) {
        std::uint8_t c = data[i];
        if (c == 0 || c == '\r' || c == '\n') return false;
    }
    text = std::string_view(reinterpret_cast<const char*>(data.data()), size);
    return true;
}

void appendDataPart(std::string& out, std::uint32_t type, std::span<const std::uint8_t> data) {
    std::string_view text;
    if (type == regtype::string && plainText(data, text)) {
        out += '"';
        appendEscaped(out, text);
        out += '"';
        return;
    }
    if (type == regtype::dword && data.size() == 4) {
        out += "dword:";
        for (int i = 3; i >= 0; --i)
            appendByte(out, data[static_cast<std::size_t>(i)]);
        return;
    }
    appendHexPrefix(out, type);
    appendHexBytes(out, data);
}

} // namespace

std::string_view rootKeyName(platform::RootKey root) {
    using platform::RootKey;
    switch (root) {
    case RootKey::ClassesRoot:
        return "HKEY_CLASSES_ROOT";
    case RootKey::CurrentUser:
        return "HKEY_CURRENT_USER";
    case RootKey::LocalMachine:
        return "HKEY_LOCAL_MACHINE";
    case RootKey::Users:
        return "HKEY_USERS";
    case RootKey::CurrentConfig:
        return "HKEY_CURRENT_CONFIG";
    }
    return {};
}

void appendEscaped(std::string& out, std::string_view text) {
    for (char c : text) {
        if (c == '\\' || c == '"') out += '\\';
        out += c;
    }
}

std::string escapebackslashes(std::string_view text) {
    std::string out;
    out.reserve(text.size() + 8);
    appendEscaped(out, text);
    return out;
}

void appendKeyHeader(std::string& out, std::string_view rootName, std::string_view keyPath) {
    out += kLineEnd;
    out += '[';
    out += rootName;
    out += '\\';
    out += keyPath;
    out += ']';
    out += kLineEnd;
}

void appendValueLine(std::string& out, std::string_view name, std::uint32_t type,
                     std::span<const std::uint8_t> data) {
    if (name.empty()) {
        out += '@';
    } else {
        out += '"';
        appendEscaped(out, name);
        out += '"';
    }
    out += '=';
    appendDataPart(out, type, data);
    out += kLineEnd;
}

} // namespace brelk
