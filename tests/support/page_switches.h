// Every handler of the main window that switches the page of the content area, with the page it
// shows: the table of the page sweeps on the headless model and on the real windows.
#pragma once

namespace testing_support {

struct PageSwitchCase {
    const char* handler;
    // The page panel shown; nullptr where the page depends on the history (the back link).
    const char* page;
    // The id recorded in the page history: 0 for none, -1 where it depends on the history.
    int records;
    // Times the handler runs: the run's progress timer shows the end page at its tenth tick.
    int times = 1;
    // The program's first argument while the handler runs, or nullptr.
    const char* argument = nullptr;
};

inline constexpr PageSwitchCase kPageSwitches[] = {
    {"indexstart", "Panel1", 1},
    {"fortfahrenstart", "Panel1", 1}, // with the terms accepted
    {"classicstart", "Panel2", 2},
    {"Dokustart", "Panel4", 4},
    {"PrDokustart", "Panel4", 4},
    {"newsstart", "Panel4", 4},
    {"Anleitstart", "Panel4", 4},
    {"backstartp4", nullptr, -1},
    {"informationstart", "Panel5", 5},
    {"supportstart", "Panel6", 6},
    {"Onlinestart", "Panel7", 7},
    {"showbackup", "Panel8", 8},
    {"showbackup", "afterrestart", 8, 1, "/afterrestart"},
    {"showwizard", "Panel9", 9},
    {"gaugeprogress", "Panel10", 0, 10},
    {"exportshow", "Panel11", 0},
    {"importshow", "Panel12", 0},
    {"Label39Click", "Panel48", 48},
    {"Updatestart", "Panel49", 49},
    {"Skinstart", "Panel74", 74},
    {"Bugmailtstart", "Panel79", 79},
    {"Hardwareanalyse", "Panel83", 0},
    {"Systeminfo", "Panel84", 83},
    {"installierteprogramme", "Panel85", 0},
    {"Aktivetreibershow", "Panel85", 0},
    {"Aktiveprozesse", "Panel85", 0},
    {"showservices", "Panel85", 0},
    {"Button3Click", "Panel85", 0},
    {"Label238Click", "Panel104", 104},
};

// Runs each switch from the page of each switch that shows one: step(c) runs case c and checks
// what it left; from names the page the switch started on.
template <class Step> void sweepPageSwitches(Step step) {
    for (const auto& from : kPageSwitches) {
        if (!from.page) continue;
        for (const auto& to : kPageSwitches) {
            step(from, "");
            step(to, from.page);
        }
    }
}

} // namespace testing_support
