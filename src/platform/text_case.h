// Case-insensitive handling of Windows-1252 names (registry keys, INI sections, file and
// process names), the way Windows compares them.
#pragma once

#include <string>
#include <string_view>

namespace platform {

char toLowerAnsi(char c);
char toUpperAnsi(char c);
std::string lowerCase(std::string_view text);
std::string upperCase(std::string_view text);

bool equalsIgnoreCase(std::string_view a, std::string_view b);

// Orders names as the registry enumerates them: by the lower-case form of each character's
// Unicode code point, a shorter name before a longer one it begins.
bool lessIgnoreCase(std::string_view a, std::string_view b);

} // namespace platform
