// The program's registry key HKEY_LOCAL_MACHINE\SOFTWARE\Kestovar: the values the customisation
// dialog stores there. The key is created when missing; a key that cannot be opened is skipped.
#pragma once

#include "platform/platform.h"

#include <string>

namespace brelk {

// Opens the key anew and writes one string value; false when the key could not be opened.
bool writeKestovarValue(platform::Platform& p, const std::string& name, const std::string& text);

// Pagefilmin, Pagefilemax and Pagingfiles ("<drive>:\pagefile.sys <min> <max>"), through one
// opening of the key.
void writePageFileValues(platform::Platform& p, const std::string& minimum,
                         const std::string& maximum, const std::string& drive);

// The same three values, only when they make a sound page-file setting (shell/page_file_setting.h);
// otherwise the stored values stay. False when the setting was refused.
bool storePageFileSetting(platform::Platform& p, const std::string& minimum,
                          const std::string& maximum, const std::string& drive);

} // namespace brelk
