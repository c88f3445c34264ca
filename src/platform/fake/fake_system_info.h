// System facts for tests.
#pragma once

#include "platform/system_info.h"

#include <algorithm>
#include <iterator>
#include <utility>

namespace platform {

class FakeSystemInfo : public SystemInfo {
  public:
    MemoryStatus memoryStatus() override { return memory; }
    std::string windowsFolder() override { return windowsPath; }
    std::string shortDate() override { return today; }
    std::string longTime() override { return timeOfDay; }
    // Code page 850 for ASCII and the German letters; any other character has no place.
    std::optional<std::string> oemText(std::string_view text) override {
        static constexpr std::pair<char, char> german[] = {
            {'\xE4', '\x84'}, {'\xF6', '\x94'}, {'\xFC', '\x81'}, {'\xC4', '\x8E'},
            {'\xD6', '\x99'}, {'\xDC', '\x9A'}, {'\xDF', '\xE1'}, {'\xE9', '\x82'}};
        std::string out;
        for (char c : text) {
            if (static_cast<unsigned char>(c) < 0x80) {
                out += c;
                continue;
            }
            const auto* hit = std::find_if(std::begin(german), std::end(german),
                                           [c](const auto& m) { return m.first == c; });
            if (hit == std::end(german)) return std::nullopt;
            out += hit->second;
        }
        return out;
    }

    MemoryStatus memory{512ull << 20, 256ull << 20, 1024ull << 20, 768ull << 20};
    std::string windowsPath = "C:\\WINDOWS";
    std::string today = "08.12.2026";
    std::string timeOfDay = "09:15:02";
};

} // namespace platform
