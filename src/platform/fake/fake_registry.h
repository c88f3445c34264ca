// An in-memory registry that enumerates like the Wine registry: sub keys and values sorted by
// name without regard to case.
#pragma once

#include "platform/registry.h"

#include <array>
#include <memory>
#include <string>
#include <utility>
#include <vector>

namespace platform {

class FakeRegistry : public Registry {
  public:
    FakeRegistry();

    std::unique_ptr<RegistryKey> openKey(RootKey root, std::string_view path,
                                         KeyAccess access = KeyAccess::ReadWrite) override;
    std::unique_ptr<RegistryKey> createKey(RootKey root, std::string_view path) override;

    // Test setup: the key (created when missing) can still be opened for reading, but opening
    // it for writing, writing to it, deleting it and creating sub keys below it fail, as for a
    // key whose security settings refuse the user.
    void denyWriteAccess(RootKey root, std::string_view path);
    // Test setup: the key (created when missing) cannot be opened at all.
    void denyAccess(RootKey root, std::string_view path);

    struct Node {
        std::string name;
        std::vector<std::shared_ptr<Node>> subKeys;
        std::vector<std::pair<std::string, RegistryValue>> values;
        bool writeDenied = false;
        bool accessDenied = false;
        bool deleted = false;
    };

  private:
    std::shared_ptr<Node> find(RootKey root, std::string_view path);
    std::array<std::shared_ptr<Node>, 5> roots_;
};

} // namespace platform
