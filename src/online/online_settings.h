// The online settings page: the two servers and the start-up test, stored in
// modules\oservices.ini.
#pragma once

namespace brelk {

class MainWindow;

// Writes the servers (without "http://") and the start-up test to modules\oservices.ini and
// reports the result in Label141: "Fehler beim Export" when any write failed.
void Saveonlinesettings(MainWindow& w);

} // namespace brelk
