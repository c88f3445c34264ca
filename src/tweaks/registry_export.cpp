#include "tweaks/registry_export.h"

#include "platform/buffered_writer.h"
#include "tweaks/regedit4_format.h"

#include <vector>

namespace brelk {

namespace {

class BranchExport {
  public:
    BranchExport(platform::Registry& registry, platform::RootKey root,
                 platform::BufferedWriter& out, platform::KeepAlive& keepAlive)
        : registry_(registry), root_(root), rootName_(rootKeyName(root)), out_(out),
          keepAlive_(keepAlive) {}

    // Depth first with an explicit stack: a deep or looping branch cannot exhaust the
    // program's stack.
    void run(std::string topPath) {
        struct Level {
            std::string path;
            std::vector<std::string> subKeys;
            std::size_t next = 0;
        };
        std::vector<Level> levels;
        auto subKeys = exportkey(topPath);
        levels.push_back({std::move(topPath), std::move(subKeys)});
        while (!levels.empty()) {
            Level& level = levels.back();
            if (level.next == level.subKeys.size()) {
                levels.pop_back();
                continue;
            }
            std::string path = subKeyPath(level.path, level.subKeys[level.next++]);
            subKeys = exportkey(path);
            levels.push_back({std::move(path), std::move(subKeys)});
        }
    }

  private:
    // Below the root itself a sub key's path is its name alone, so its header shows one
    // backslash after the root name, as the registry editor expects.
    static std::string subKeyPath(const std::string& parent, const std::string& name) {
        return parent.empty() ? name : parent + '\\' + name;
    }

    // Writes the key's block and gives the names of its sub keys.
    std::vector<std::string> exportkey(const std::string& path) {
        line_.clear();
        appendKeyHeader(line_, rootName_, path);
        out_.write(line_);
        std::vector<std::string> subKeys;
        {
            // Reading is all an export needs; asking for more would leave out the keys that
            // the user may read but not change.
            auto key = registry_.openKey(root_, path, platform::KeyAccess::Read);
            if (!key) return subKeys;
            subKeys = key->enumerate([this](const platform::ValueView& v) {
                keepAlive_();
                line_.clear();
                appendValueLine(line_, v.name, v.type, v.data);
                out_.write(line_);
                keepAlive_();
            });
        }
        keepAlive_();
        return subKeys;
    }

    platform::Registry& registry_;
    platform::RootKey root_;
    std::string_view rootName_;
    platform::BufferedWriter& out_;
    platform::KeepAlive& keepAlive_;
    std::string line_; // reused for every line
};

} // namespace

void exportregistry(platform::Registry& registry, platform::FileSystem& files,
                    platform::RootKey root, std::string_view path, const std::string& fileName,
                    platform::KeepAlive& keepAlive) {
    if (!path.empty() && path.back() == '\\') path.remove_suffix(1);
    auto file = files.createFile(fileName);
    if (!file) return;
    platform::BufferedWriter out(*file);
    out.write("REGEDIT4\r\n");
    BranchExport(registry, root, out, keepAlive).run(std::string(path));
}

} // namespace brelk
