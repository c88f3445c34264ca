// The lines of a REGEDIT4 file: key headers and value lines, in the registry editor's syntax,
// in the ANSI code page, each line ended by CR LF.
#pragma once

#include "platform/registry.h"

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

namespace brelk {

// "HKEY_CLASSES_ROOT" and so on.
std::string_view rootKeyName(platform::RootKey root);

// The text with each backslash doubled and each double quote preceded by a backslash, as it
// stands between the quotes of a name or string (a bare quote would end the string early).
std::string escapebackslashes(std::string_view text);
void appendEscaped(std::string& out, std::string_view text);

// The empty line and the header line that open a key's block.
void appendKeyHeader(std::string& out, std::string_view rootName, std::string_view keyPath);

// One value: name part, "=", data part, line end. Strings that a quoted string cannot carry
// unchanged (line breaks, inner zero bytes), expandable and multi-strings, numbers of other
// sizes and all other types are written as hex(N) bytes, so the editor restores type and data.
void appendValueLine(std::string& out, std::string_view name, std::uint32_t type,
                     std::span<const std::uint8_t> data);

} // namespace brelk
