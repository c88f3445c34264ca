// A reinstall keeps the user's settings: the installed settings file stays as it is and gains
// only the keys that the shipped file has and it lacks, except those that describe the
// installation's state.
#pragma once

#include "platform/platform.h"

#include <string>
#include <utility>
#include <vector>

namespace setup {

// True for the name (any case) of a settings file in "modules" that a reinstall keeps:
// brelk.ini, startbutton.ini and oservices.ini.
bool isKeptSettingsFile(const std::string& name);

// The sections and keys of an INI text, in their order (a key repeated in its section once).
std::vector<std::pair<std::string, std::string>> iniKeys(const std::string& text);

// Writes into installed every key of shipped that installed lacks, with the shipped value;
// keys installed already has keep their values. Keys that describe the installation's state
// (the backup count, the first-start flag of brelk.ini) are never taken from the shipped file.
// name is the settings file's bare name. False when the shipped file cannot be read or a write
// fails.
bool addMissingSettings(platform::Platform& p, const std::string& name, const std::string& shipped,
                        const std::string& installed);

} // namespace setup
