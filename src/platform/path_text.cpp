#include "platform/path_text.h"

#include "platform/text_case.h"

namespace platform {

namespace {

std::vector<std::string_view> componentsAfter(std::string_view path, std::size_t start) {
    std::vector<std::string_view> parts;
    while (start <= path.size()) {
        std::size_t end = path.find('\\', start);
        if (end == std::string_view::npos) end = path.size();
        parts.push_back(path.substr(start, end - start));
        start = end + 1;
    }
    if (!parts.empty() && parts.back().empty()) parts.pop_back(); // a trailing backslash
    return parts;
}

bool isPlainComponent(std::string_view part) {
    return !part.empty() && part != "." && part != "..";
}

bool allPlain(const std::vector<std::string_view>& parts) {
    for (auto part : parts)
        if (!isPlainComponent(part)) return false;
    return true;
}

} // namespace

std::string withoutTrailingBackslash(std::string path) {
    if (!path.empty() && path.back() == '\\' && path.size() > pathRoot(path).size())
        path.pop_back();
    return path;
}

std::string pathRoot(std::string_view path) {
    if (path.size() >= 3 && path[1] == ':' && path[2] == '\\') {
        char d = toLowerAnsi(path[0]);
        return d >= 'a' && d <= 'z' ? std::string(path.substr(0, 3)) : std::string();
    }
    if (path.substr(0, 2) != "\\\\") return {};
    std::size_t server = path.find('\\', 2);
    if (server == std::string_view::npos || server == 2) return {};
    std::size_t share = path.find('\\', server + 1);
    if (share == server + 1) return {};
    if (share == std::string_view::npos) return std::string(path) + "\\";
    return std::string(path.substr(0, share + 1));
}

bool isFolderBelowRoot(std::string_view path) {
    std::string root = pathRoot(path);
    if (root.empty() || path.size() <= root.size()) return false;
    auto parts = componentsAfter(path, root.size());
    return !parts.empty() && allPlain(parts);
}

std::vector<std::string> ancestorFolders(std::string_view path) {
    std::vector<std::string> folders;
    std::string root = pathRoot(path);
    if (root.empty()) return folders;
    std::string folder = root;
    auto parts = componentsAfter(path, root.size());
    for (std::size_t i = 0; i + 1 < parts.size(); ++i) {
        folder += std::string(parts[i]);
        folders.push_back(folder);
        folder += '\\';
    }
    return folders;
}

bool isInsideFolder(std::string_view path, std::string_view folder) {
    if (!isFolderBelowRoot(path) || pathRoot(folder).empty()) return false;
    std::string inner = lowerCase(path);
    std::string outer = lowerCase(withoutTrailingBackslash(std::string(folder)));
    if (outer.back() != '\\') outer += '\\';
    return inner.size() > outer.size() && inner.compare(0, outer.size(), outer) == 0;
}

bool samePath(std::string_view a, std::string_view b) {
    return equalsIgnoreCase(withoutTrailingBackslash(std::string(a)),
                            withoutTrailingBackslash(std::string(b)));
}

} // namespace platform
