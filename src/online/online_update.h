// The online update: the update list from the server, the version comparison, the listed files
// fetched into the update folder, then the updater started and the program ended.
#pragma once

#include <optional>
#include <string>

namespace brelk {

class MainWindow;

// Only this many characters of a version count.
constexpr std::size_t kVersionLimit = 30;

// True when the offered version is the greater text (each cut to kVersionLimit characters),
// compared character by character by code; a text that begins a longer one is the smaller.
bool isNewerVersion(const std::string& offered, const std::string& installed);

// The file count of an update list: a decimal whole number from 0 to 20.
std::optional<int> updateFileCount(const std::string& text);

void Updatesuche(MainWindow& w);

} // namespace brelk
