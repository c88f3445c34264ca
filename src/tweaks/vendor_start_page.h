// The vendor's home page, which the start-page row sets and the scan recognises.
#pragma once

#include <string>

namespace brelk {

class MainWindow;

// "http://" + the primary server of oservices.ini + "/", as the window holds the server in Edit8;
// "about:blank" when no primary server is configured.
std::string vendorStartPage(const MainWindow& w);

} // namespace brelk
