// The INI text rules of the system's profile functions, for the in-memory profiles.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace platform::ini {

// The value of a key in the first section of that name; nothing when the section or the key is
// missing or the key's line has no "=". The value is trimmed of blanks.
std::optional<std::string> findValue(std::string_view text, std::string_view section,
                                     std::string_view key);

// The text with the key set: its line replaced, a new line at the end of the section, or a new
// section at the end of the text. Lines are ended by CR LF.
std::string setValue(std::string_view text, std::string_view section, std::string_view key,
                     std::string_view value);

// The text without the first section of that name (its header and its lines up to the next
// section); the text itself when there is no such section.
std::string removeSection(std::string_view text, std::string_view section);

// A value as the read returns it: one pair of enclosing quotes (" or ') removed.
std::string unquote(std::string_view value);

// A default as the read returns it: trailing blanks removed (the first character stays), then
// unquoted.
std::string prepareDefault(std::string_view defaultValue);

} // namespace platform::ini
