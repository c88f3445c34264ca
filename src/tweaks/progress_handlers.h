// After a tuning run: Timer1 fills the three progress gauges in ten one-second steps, then the
// run log is saved as "tuning.log" in the program folder and the end page offers a restart of
// Windows.
#pragma once

namespace platform {
class Security;
}

namespace brelk {
class MainWindow;
}

namespace brelk::tweaks {

void bindProgressHandlers(MainWindow& w);

// One step of Timer1 (gaugeprogress).
void gaugeProgress(MainWindow& w);

// Enables the shutdown privilege and forces a restart of Windows; true when the restart was
// accepted.
bool exitWindowsWithShutdownPrivilege(platform::Security& security);

} // namespace brelk::tweaks
