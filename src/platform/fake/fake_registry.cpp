#include "platform/fake/fake_registry.h"

#include "platform/text_case.h"

#include <algorithm>

namespace platform {

namespace {

using Node = FakeRegistry::Node;

std::vector<std::string> components(std::string_view path) {
    std::vector<std::string> parts;
    std::string normalized = normalizeKeyPath(path);
    std::size_t start = 0;
    while (start < normalized.size()) {
        std::size_t end = normalized.find('\\', start);
        if (end == std::string::npos) end = normalized.size();
        parts.push_back(normalized.substr(start, end - start));
        start = end + 1;
    }
    return parts;
}

template <typename Item, typename Name>
auto lowerBound(std::vector<Item>& items, std::string_view name, Name nameOf) {
    return std::lower_bound(items.begin(), items.end(), name, [&](const Item& item, auto n) {
        return lessIgnoreCase(nameOf(item), n);
    });
}

const std::string& nodeName(const std::shared_ptr<Node>& n) {
    return n->name;
}
const std::string& valueName(const std::pair<std::string, RegistryValue>& v) {
    return v.first;
}

std::shared_ptr<Node> child(Node& parent, std::string_view name) {
    auto it = lowerBound(parent.subKeys, name, nodeName);
    if (it != parent.subKeys.end() && equalsIgnoreCase((*it)->name, name)) return *it;
    return nullptr;
}

void markDeleted(Node& node) {
    node.deleted = true;
    for (auto& sub : node.subKeys)
        markDeleted(*sub);
}

class FakeKey : public RegistryKey {
  public:
    FakeKey(std::shared_ptr<Node> node, KeyAccess access)
        : node_(std::move(node)), writable_(access == KeyAccess::ReadWrite) {}

    std::optional<RegistryValue> value(std::string_view name) const override {
        if (node_->deleted) return std::nullopt;
        auto it = lowerBound(node_->values, name, valueName);
        if (it == node_->values.end() || !equalsIgnoreCase(it->first, name)) return std::nullopt;
        return it->second;
    }

    bool setValue(std::string_view name, const RegistryValue& value) override {
        if (!canWrite()) return false;
        auto it = lowerBound(node_->values, name, valueName);
        if (it != node_->values.end() && equalsIgnoreCase(it->first, name))
            it->second = value;
        else
            node_->values.insert(it, {std::string(name), value});
        return true;
    }

    bool deleteValue(std::string_view name) override {
        if (!canWrite()) return false;
        auto it = lowerBound(node_->values, name, valueName);
        if (it == node_->values.end() || !equalsIgnoreCase(it->first, name)) return false;
        node_->values.erase(it);
        return true;
    }

    // As in Windows, the rights of this key's handle do not matter, only the sub key's own.
    bool deleteSubKey(std::string_view path) override {
        if (node_->deleted) return false;
        auto parts = components(path);
        if (parts.empty()) return false;
        auto parent = node_;
        for (std::size_t i = 0; i + 1 < parts.size() && parent; ++i)
            parent = child(*parent, parts[i]);
        if (!parent) return false;
        auto it = lowerBound(parent->subKeys, parts.back(), nodeName);
        if (it == parent->subKeys.end() || !equalsIgnoreCase((*it)->name, parts.back()))
            return false;
        if ((*it)->writeDenied) return false;
        markDeleted(**it);
        parent->subKeys.erase(it);
        return true;
    }

    std::vector<std::string> subKeyNames() const override {
        std::vector<std::string> names;
        if (node_->deleted) return names;
        for (auto& sub : node_->subKeys)
            names.push_back(sub->name);
        return names;
    }

    std::vector<std::string> valueNames() const override {
        std::vector<std::string> names;
        if (node_->deleted) return names;
        for (auto& v : node_->values)
            names.push_back(v.first);
        return names;
    }

    std::optional<KeyInfo> info() const override {
        if (node_->deleted) return std::nullopt;
        KeyInfo info;
        info.subKeyCount = static_cast<std::uint32_t>(node_->subKeys.size());
        info.valueCount = static_cast<std::uint32_t>(node_->values.size());
        for (auto& sub : node_->subKeys)
            info.maxSubKeyNameLength =
                std::max(info.maxSubKeyNameLength, static_cast<std::uint32_t>(sub->name.size()));
        for (auto& v : node_->values) {
            info.maxValueNameLength =
                std::max(info.maxValueNameLength, static_cast<std::uint32_t>(v.first.size()));
            info.maxValueDataSize =
                std::max(info.maxValueDataSize, static_cast<std::uint32_t>(v.second.data.size()));
        }
        return info;
    }

  private:
    bool canWrite() const { return writable_ && !node_->deleted && !node_->writeDenied; }

    std::shared_ptr<Node> node_;
    bool writable_;
};

} // namespace

FakeRegistry::FakeRegistry() {
    for (auto& root : roots_)
        root = std::make_shared<Node>();
}

std::shared_ptr<Node> FakeRegistry::find(RootKey root, std::string_view path) {
    auto node = roots_[static_cast<std::size_t>(root)];
    for (auto& part : components(path)) {
        node = child(*node, part);
        if (!node) return nullptr;
    }
    return node;
}

std::unique_ptr<RegistryKey> FakeRegistry::openKey(RootKey root, std::string_view path,
                                                   KeyAccess access) {
    auto node = find(root, path);
    if (!node || node->accessDenied || (access == KeyAccess::ReadWrite && node->writeDenied))
        return nullptr;
    return std::make_unique<FakeKey>(node, access);
}

std::unique_ptr<RegistryKey> FakeRegistry::createKey(RootKey root, std::string_view path) {
    auto node = roots_[static_cast<std::size_t>(root)];
    for (auto& part : components(path)) {
        auto next = child(*node, part);
        if (!next) {
            if (node->writeDenied) return nullptr;
            next = std::make_shared<Node>();
            next->name = part;
            node->subKeys.insert(lowerBound(node->subKeys, part, nodeName), next);
        }
        node = next;
    }
    if (node->writeDenied || node->accessDenied) return nullptr;
    return std::make_unique<FakeKey>(node, KeyAccess::ReadWrite);
}

void FakeRegistry::denyWriteAccess(RootKey root, std::string_view path) {
    createKey(root, path);
    find(root, path)->writeDenied = true;
}

void FakeRegistry::denyAccess(RootKey root, std::string_view path) {
    denyWriteAccess(root, path);
    find(root, path)->accessDenied = true;
}

} // namespace platform
