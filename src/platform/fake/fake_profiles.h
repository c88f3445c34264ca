// INI files kept in the fake file system, read and written with the rules of the system's
// profile functions.
#pragma once

#include "platform/fake/fake_file_system.h"
#include "platform/profiles.h"

namespace platform {

class FakeProfiles : public Profiles {
  public:
    explicit FakeProfiles(FileSystem& files) : files_(files) {}

    std::string readString(const std::string& file, const std::string& section,
                           const std::string& key, const std::string& defaultValue) override;
    bool writeString(const std::string& file, const std::string& section, const std::string& key,
                     const std::string& value) override;
    bool deleteSection(const std::string& file, const std::string& section) override;

    // Test setup: when not negative, that many more writes succeed and every later one fails,
    // as on a disk that fills up.
    int writesLeft = -1;

  private:
    FileSystem& files_;
};

} // namespace platform
