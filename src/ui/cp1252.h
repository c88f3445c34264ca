// Conversion between UTF-8 (source and layout files) and Windows-1252 (the programs' text).
#pragma once

#include <string>
#include <string_view>

namespace ui {

// Converts UTF-8 to Windows-1252. Returns false when the input is not valid UTF-8 or holds a
// character that Windows-1252 cannot represent.
bool utf8ToCp1252(std::string_view utf8, std::string& out);

// Converts Windows-1252 to UTF-8. The five unassigned bytes map to the C1 controls.
std::string cp1252ToUtf8(std::string_view text);

// The Unicode code point of a Windows-1252 byte.
char32_t cp1252CodePoint(unsigned char byte);

// The program's text (Windows-1252) of a string literal. The Win32 build compiles literals to
// Windows-1252 already; the native build keeps them UTF-8 and converts them here, so portable
// code and its tests hold the same text in both builds.
std::string ansiText(std::string_view literal);

} // namespace ui
