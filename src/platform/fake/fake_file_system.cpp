#include "platform/fake/fake_file_system.h"

#include "platform/path_text.h"
#include "platform/text_case.h"

#include <algorithm>
#include <cctype>

namespace platform {

namespace {

using Node = FakeFileSystem::Node;

std::vector<std::string> components(const std::string& path) {
    std::vector<std::string> parts;
    std::string part;
    for (char c : path) {
        if (c == '\\' || c == '/') {
            if (!part.empty()) parts.push_back(part);
            part.clear();
        } else {
            part += c;
        }
    }
    if (!part.empty()) parts.push_back(part);
    return parts;
}

Node* childOf(Node& folder, std::string_view name) {
    for (auto& c : folder.children)
        if (equalsIgnoreCase(c->name, name)) return c.get();
    return nullptr;
}

Node& addChild(Node& folder, const std::string& name, bool isDirectory) {
    auto node = std::make_unique<Node>();
    node->name = name;
    node->isDirectory = isDirectory;
    node->attributes = isDirectory ? fileattr::directory : fileattr::archive;
    folder.children.push_back(std::move(node));
    return *folder.children.back();
}

bool isDrive(const std::string& part) {
    return part.size() == 2 && part[1] == ':';
}

bool matchFrom(std::string_view name, std::string_view mask) {
    if (mask.empty()) return name.empty();
    if (mask[0] == '*') {
        for (std::size_t skip = 0; skip <= name.size(); ++skip)
            if (matchFrom(name.substr(skip), mask.substr(1))) return true;
        return false;
    }
    if (name.empty()) return false;
    if (mask[0] != '?' && toLowerAnsi(mask[0]) != toLowerAnsi(name[0])) return false;
    return matchFrom(name.substr(1), mask.substr(1));
}

} // namespace

bool matchesFileMask(std::string_view name, std::string_view mask) {
    if (matchFrom(name, mask)) return true;
    // "name.*" also matches "name" without an extension.
    return mask.size() >= 2 && mask.substr(mask.size() - 2) == ".*" &&
           name.find('.') == std::string_view::npos &&
           matchFrom(name, mask.substr(0, mask.size() - 2));
}

FakeFileSystem::FakeFileSystem(std::string programFolder)
    : programFolder_(std::move(programFolder)) {
    drives_.isDirectory = true;
    addDirectory(programFolder_);
    drives['C'] = {drivetype::fixed, std::int64_t{8} << 30};
}

const FakeFileSystem::Drive* FakeFileSystem::drive(const std::string& root) const {
    // Only a drive's root names it, as "C:\\".
    if (root.size() != 3 || root[1] != ':' || root[2] != '\\') return nullptr;
    auto it = drives.find(static_cast<char>(std::toupper(static_cast<unsigned char>(root[0]))));
    return it == drives.end() ? nullptr : &it->second;
}

unsigned FakeFileSystem::driveType(const std::string& root) {
    const Drive* d = drive(root);
    return d ? d->type : drivetype::noRootDir;
}

std::optional<std::int64_t> FakeFileSystem::freeBytesAvailable(const std::string& root) {
    const Drive* d = drive(root);
    return d ? d->freeBytes : std::nullopt;
}

std::string FakeFileSystem::resolve(const std::string& path) const {
    for (const auto& [alias, folder] : aliases_) {
        if (path.size() >= alias.size() && equalsIgnoreCase(path.substr(0, alias.size()), alias))
            return folder + path.substr(alias.size());
        // The folder itself, named without its trailing backslash.
        if (alias.size() > 3 && equalsIgnoreCase(path + "\\", alias)) return folder;
    }
    return path;
}

void FakeFileSystem::addAlias(const std::string& alias, const std::string& folder) {
    aliases_.emplace_back(alias, folder);
}

void FakeFileSystem::addShortName(const std::string& folder, const std::string& shortName) {
    const std::string longName = withoutTrailingBackslash(folder) + "\\";
    const std::string alias = withoutTrailingBackslash(shortName) + "\\";
    shortNames_.emplace_back(longName, alias);
    addAlias(alias, longName);
}

void FakeFileSystem::lock(const std::string& path, bool locked) {
    if (Node* n = find(path)) n->locked = locked;
}

Node* FakeFileSystem::find(const std::string& path) {
    auto parts = components(resolve(path));
    if (parts.empty() || !isDrive(parts[0])) return nullptr;
    Node* node = &drives_;
    for (auto& part : parts) {
        node = childOf(*node, part);
        if (!node) return nullptr;
    }
    return node;
}

std::pair<Node*, std::string> FakeFileSystem::parentOf(const std::string& path) {
    auto parts = components(resolve(path));
    if (parts.size() < 2 || !isDrive(parts[0])) return {nullptr, {}};
    Node* node = &drives_;
    for (std::size_t i = 0; i + 1 < parts.size(); ++i) {
        node = childOf(*node, parts[i]);
        if (!node || !node->isDirectory) return {nullptr, {}};
    }
    return {node, parts.back()};
}

bool FakeFileSystem::fileExists(const std::string& path) {
    Node* n = find(path);
    return n && !n->isDirectory;
}

bool FakeFileSystem::directoryExists(const std::string& path) {
    Node* n = find(path);
    return n && n->isDirectory;
}

std::optional<std::uint32_t> FakeFileSystem::attributes(const std::string& path) {
    Node* n = find(path);
    if (!n) return std::nullopt;
    return n->attributes == 0 ? fileattr::normal : n->attributes;
}

bool FakeFileSystem::setAttributes(const std::string& path, std::uint32_t attributes) {
    Node* n = find(path);
    if (!n) return false;
    constexpr std::uint32_t settable =
        fileattr::readOnly | fileattr::hidden | fileattr::system | fileattr::archive;
    n->attributes = (attributes & settable) | (n->isDirectory ? fileattr::directory : 0);
    return true;
}

CreateDirResult FakeFileSystem::createDirectory(const std::string& path) {
    auto [folder, name] = parentOf(path);
    if (!folder) return CreateDirResult::Failed;
    if (childOf(*folder, name)) return CreateDirResult::AlreadyExists;
    addChild(*folder, name, true);
    return CreateDirResult::Created;
}

bool FakeFileSystem::deleteFile(const std::string& path) {
    for (const auto& used : filesInUse) {
        if (equalsIgnoreCase(used, path)) return false;
    }
    auto [folder, name] = parentOf(path);
    if (!folder) return false;
    for (auto it = folder->children.begin(); it != folder->children.end(); ++it) {
        if (!equalsIgnoreCase((*it)->name, name)) continue;
        if ((*it)->isDirectory || (*it)->locked || ((*it)->attributes & fileattr::readOnly))
            return false;
        folder->children.erase(it);
        return true;
    }
    return false;
}

bool FakeFileSystem::removeDirectory(const std::string& path) {
    auto [folder, name] = parentOf(path);
    if (!folder) return false;
    for (auto it = folder->children.begin(); it != folder->children.end(); ++it) {
        if (!equalsIgnoreCase((*it)->name, name)) continue;
        if (!(*it)->isDirectory || !(*it)->children.empty()) return false;
        folder->children.erase(it);
        return true;
    }
    return false;
}

bool FakeFileSystem::copyFile(const std::string& from, const std::string& to, bool overwrite) {
    if (beforeTransfer) beforeTransfer(from, to);
    Node* source = find(from);
    if (!source || source->isDirectory) return false;
    auto [folder, name] = parentOf(to);
    if (!folder) return false;
    Node* target = childOf(*folder, name);
    if (target) {
        if (!overwrite || target->isDirectory || target == source || target->locked ||
            (target->attributes & (fileattr::readOnly | fileattr::hidden)))
            return false;
    }
    if (copiesBeforeDiskFull) {
        if (*copiesBeforeDiskFull <= 0) return false;
        --*copiesBeforeDiskFull;
    }
    if (!target) target = &addChild(*folder, name, false);
    target->content = source->content;
    target->zeros = source->zeros;
    target->attributes = source->attributes;
    return true;
}

bool FakeFileSystem::moveFile(const std::string& from, const std::string& to) {
    if (beforeTransfer) beforeTransfer(from, to);
    Node* source = find(from);
    auto [folder, name] = parentOf(to);
    if (!source || source->isDirectory || source->locked || !folder) return false;
    Node* target = childOf(*folder, name);
    if (target == source) return true;
    if (target &&
        (target->isDirectory || target->locked || (target->attributes & fileattr::readOnly)))
        return false;
    auto [sourceFolder, sourceName] = parentOf(from);
    std::unique_ptr<Node> moved;
    for (auto it = sourceFolder->children.begin(); it != sourceFolder->children.end(); ++it) {
        if (it->get() != source) continue;
        moved = std::move(*it);
        sourceFolder->children.erase(it);
        break;
    }
    moved->name = name;
    for (auto& c : folder->children) {
        if (c.get() != target) continue;
        c = std::move(moved);
        return true;
    }
    folder->children.push_back(std::move(moved));
    return true;
}

bool FakeFileSystem::canReplace(const std::string& path) {
    Node* n = find(path);
    return n && !n->isDirectory && !n->locked && !(n->attributes & fileattr::readOnly);
}

std::optional<FileIdentity> FakeFileSystem::fileIdentity(const std::string& path) {
    Node* n = find(path);
    if (!n) return std::nullopt;
    return FileIdentity{1, static_cast<std::uint64_t>(reinterpret_cast<std::uintptr_t>(n))};
}

std::optional<std::string> FakeFileSystem::shortPath(const std::string& path) {
    if (!find(path)) return std::nullopt;
    const std::string folder = withoutTrailingBackslash(path) + "\\";
    for (const auto& [longName, shortName] : shortNames_) {
        if (folder.size() >= longName.size() &&
            equalsIgnoreCase(folder.substr(0, longName.size()), longName))
            return shortName.substr(0, shortName.size() - 1) + path.substr(longName.size() - 1);
    }
    return path;
}

std::optional<std::string> FakeFileSystem::readFile(const std::string& path) {
    Node* n = find(path);
    if (!n || n->isDirectory) return std::nullopt;
    return n->content + std::string(n->zeros, '\0');
}

std::optional<std::uint64_t> FakeFileSystem::fileSize(const std::string& path) {
    Node* n = find(path);
    if (!n || n->isDirectory) return std::nullopt;
    return n->size();
}

bool FakeFileSystem::writeFile(const std::string& path, std::string_view content) {
    auto file = createFile(path);
    return file && file->write(content);
}

namespace {

class FakeFileWriter : public FileWriter {
  public:
    explicit FakeFileWriter(Node& file) : file_(file) {}
    bool write(std::string_view bytes) override {
        file_.content.append(bytes);
        return true;
    }

  private:
    Node& file_;
};

} // namespace

std::unique_ptr<FileWriter> FakeFileSystem::createFile(const std::string& path) {
    auto [folder, name] = parentOf(path);
    if (!folder) return nullptr;
    Node* target = childOf(*folder, name);
    if (target &&
        (target->isDirectory || target->locked || (target->attributes & fileattr::readOnly)))
        return nullptr;
    if (!target) target = &addChild(*folder, name, false);
    target->content.clear();
    target->zeros = 0;
    return std::make_unique<FakeFileWriter>(*target);
}

std::vector<DirEntry> FakeFileSystem::findEntries(const std::string& pattern) {
    if (onFindEntries) onFindEntries();
    std::vector<DirEntry> entries;
    auto [folder, mask] = parentOf(pattern);
    if (!folder) return entries;
    for (auto& c : folder->children) {
        if (!matchesFileMask(c->name, mask)) continue;
        entries.push_back(
            {c->name, c->attributes == 0 ? fileattr::normal : c->attributes, c->size()});
    }
    return entries;
}

void FakeFileSystem::addDirectory(const std::string& path) {
    Node* node = &drives_;
    for (auto& part : components(path)) {
        Node* next = childOf(*node, part);
        node = next ? next : &addChild(*node, part, true);
    }
}

void FakeFileSystem::addFolderLink(const std::string& path) {
    addDirectory(path);
    if (Node* n = find(path)) n->attributes |= fileattr::reparsePoint;
}

void FakeFileSystem::addFile(const std::string& path, std::string_view content,
                             std::uint32_t attributes) {
    auto parts = components(path);
    std::string folder;
    for (std::size_t i = 0; i + 1 < parts.size(); ++i)
        folder += parts[i] + "\\";
    addDirectory(folder);
    auto [parent, name] = parentOf(path);
    if (!parent) return;
    Node* node = childOf(*parent, name);
    if (!node) node = &addChild(*parent, name, false);
    node->content = std::string(content);
    node->zeros = 0;
    node->attributes = attributes & ~fileattr::directory;
}

void FakeFileSystem::addLargeFile(const std::string& path, std::string_view start,
                                  std::uint64_t size) {
    addFile(path, start);
    if (Node* node = find(path)) node->zeros = size - std::min<std::uint64_t>(size, start.size());
}

} // namespace platform
