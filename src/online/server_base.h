// The choice of the online server: the primary one when it answers on port 80, else the
// fallback, whose field is used without a test.
#pragma once

#include "shell/server_host.h"

#include <string>

namespace brelk {

class MainWindow;

// True when the host answers on TCP port 80; the window keeps processing its messages.
bool serverReachable(MainWindow& w, const std::string& host);

// The server base of a request: the text of Edit8 when its host answers, else that of Edit9.
std::string chooseServerBase(MainWindow& w);

} // namespace brelk
