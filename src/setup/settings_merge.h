// A reinstall keeps the user's settings: the installed settings file stays as it is and gains
// only the keys that the shipped file has and it lacks.
#pragma once

#include "platform/platform.h"

#include <string>
#include <utility>
#include <vector>

namespace setup {

// The sections and keys of an INI text, in their order (a key repeated in its section once).
std::vector<std::pair<std::string, std::string>> iniKeys(const std::string& text);

// Writes into installed every key of shipped that installed lacks, with the shipped value;
// keys installed already has keep their values. False when the shipped file cannot be read or
// a write fails.
bool addMissingSettings(platform::Platform& p, const std::string& shipped,
                        const std::string& installed);

} // namespace setup
