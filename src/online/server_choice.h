// What every online handler shares: the server base of a request and the plain download.
#pragma once

#include "platform/network.h"

#include <cstddef>
#include <initializer_list>
#include <string>

namespace brelk {

class MainWindow;

// The update, the archives, the skin preview and the bug report keep the server base to this
// many characters; the browser pages and the start-button preview use it whole.
constexpr std::size_t kServerBaseLimit = 150;

// The chosen server base, kept to kServerBaseLimit characters.
std::string limitedServerBase(MainWindow& w);

// Downloads the address into the file (created or replaced); true when the system reports
// success. Never raises.
bool downloadfile(platform::Network& network, const std::string& url, const std::string& file);

// The folder beside the program (with trailing backslash) is made sure of, one level at a
// time, each missing one created; failures are left to the next step to find.
void ensureFolders(MainWindow& w, std::initializer_list<const char*> relativeFolders);

} // namespace brelk
