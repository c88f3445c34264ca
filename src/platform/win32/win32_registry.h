// The Windows registry through the ANSI registry functions.
#pragma once

#include "platform/registry.h"

namespace platform {

class Win32Registry : public Registry {
  public:
    std::unique_ptr<RegistryKey> openKey(RootKey root, std::string_view path,
                                         KeyAccess access = KeyAccess::ReadWrite) override;
    std::unique_ptr<RegistryKey> createKey(RootKey root, std::string_view path) override;
};

} // namespace platform
