#include "online/download_names.h"

#include <algorithm>

namespace brelk {
namespace {

bool isSeparator(char c) {
    return c == '\\' || c == '/';
}

} // namespace

bool isSafeDownloadName(const std::string& name) {
    if (name.empty() || name.size() > kDownloadNameLimit || isSeparator(name.front())) {
        return false;
    }
    for (unsigned char c : name) {
        if (c < 0x20 || c == ':') return false;
    }
    std::size_t start = 0;
    while (start <= name.size()) {
        std::size_t end = start;
        while (end < name.size() && !isSeparator(name[end]))
            ++end;
        const std::string step = name.substr(start, end - start);
        if (step.empty() || step == "." || step == "..") return false;
        start = end + 1;
    }
    return true;
}

std::string urlPath(const std::string& name) {
    std::string path = name;
    std::replace(path.begin(), path.end(), '\\', '/');
    return path;
}

std::string localPath(const std::string& name) {
    std::string path = name;
    std::replace(path.begin(), path.end(), '/', '\\');
    return path;
}

} // namespace brelk
