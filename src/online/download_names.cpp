#include "online/download_names.h"

#include "platform/text_case.h"

#include <algorithm>

namespace brelk {
namespace {

bool isSeparator(char c) {
    return c == '\\' || c == '/';
}

// Windows opens a device for these names, whatever their extension and case.
bool namesDevice(const std::string& step) {
    std::string base = platform::upperCase(step.substr(0, step.find('.')));
    base.erase(base.find_last_not_of(' ') + 1);
    for (const char* device : {"CON", "PRN", "AUX", "NUL", "CONIN$", "CONOUT$", "CLOCK$"}) {
        if (base == device) return true;
    }
    if (base.size() != 4) return false;
    const std::string kind = base.substr(0, 3);
    const char digit = base[3];
    const bool numbered = (digit >= '1' && digit <= '9') || digit == '\xB9' || digit == '\xB2' ||
                          digit == '\xB3'; // also the superscript digits of Windows-1252
    return (kind == "COM" || kind == "LPT") && numbered;
}

// Windows drops a trailing dot or blank, so such a step names another file or folder
// (".. " is ".."), and it cannot hold these characters at all.
bool isPlainStep(const std::string& step) {
    if (step.empty() || step.back() == '.' || step.back() == ' ') return false;
    return step.find_first_of("<>\"|?*") == std::string::npos && !namesDevice(step);
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
        if (!isPlainStep(step)) return false;
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
