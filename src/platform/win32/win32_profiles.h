// INI files through the system's private-profile functions.
#pragma once

#include "platform/profiles.h"

namespace platform {

class Win32Profiles : public Profiles {
  public:
    std::string readString(const std::string& file, const std::string& section,
                           const std::string& key, const std::string& defaultValue) override;
    bool writeString(const std::string& file, const std::string& section, const std::string& key,
                     const std::string& value) override;
    bool deleteSection(const std::string& file, const std::string& section) override;
};

} // namespace platform
