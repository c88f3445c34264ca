// Named resources of a program: window layouts and pictures. The programs read them from
// their executable; tests read the same files from the source tree.
#pragma once

#include <optional>
#include <string>

namespace ui {

class ResourceStore {
  public:
    virtual ~ResourceStore() = default;
    // The bytes of the resource with this file name ("form1.dfm", "main_skin.bmp").
    virtual std::optional<std::string> load(const std::string& name) const = 0;
};

// Looks for the name in the layouts and art folders below a directory.
class DirectoryResourceStore : public ResourceStore {
  public:
    explicit DirectoryResourceStore(std::string root) : root_(std::move(root)) {}
    std::optional<std::string> load(const std::string& name) const override;

  private:
    std::string root_;
};

} // namespace ui
