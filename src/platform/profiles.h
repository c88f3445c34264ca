// Settings files in the INI format, read and written key by key as the system's profile
// functions do: section and key names without regard to case, values without surrounding blanks
// and without one pair of enclosing quotes; a write creates the file.
#pragma once

#include <string>

namespace platform {

class Profiles {
  public:
    virtual ~Profiles() = default;

    // The key's value; the default (without trailing blanks and enclosing quotes) when the file,
    // the section or the key is missing.
    virtual std::string readString(const std::string& file, const std::string& section,
                                   const std::string& key, const std::string& defaultValue) = 0;
    // False when the file cannot be written (read-only, missing folder).
    virtual bool writeString(const std::string& file, const std::string& section,
                             const std::string& key, const std::string& value) = 0;
    // Removes the first section of that name with all its keys. True when the file holds no
    // such section any more (also when the file is missing); false when it cannot be written.
    virtual bool deleteSection(const std::string& file, const std::string& section) = 0;
};

} // namespace platform
