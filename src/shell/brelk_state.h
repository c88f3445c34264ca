// State of the main window shared by the handlers of several subsystems.
#pragma once

#include "shell/page_history.h"

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace brelk {

struct BrelkState {
    PageHistory pagehistory;
    // "1" while the terms page is due at start (first character of Options/firststart).
    std::string firststartflag;
    // Number of saved backup slots (Backup/number of brelk.ini).
    int backupcount = 0;
    // The slot section of each item of the backup list, item by item.
    std::vector<int> listedSlots;
    // 1 while a restore repeats the tuning run with the values of a backup slot.
    std::uint8_t restoremode = 0;
    // Entries 1..65 are used; entry 0 stays empty, as the tables are numbered from 1.
    std::array<std::string, 66> restoretable{};
    std::array<std::string, 66> scantable{};
    // Windows' program-files folder, at most 100 characters.
    std::string programFilesDir;
    // Size of the page files in whole MB, as the memory status gave it at start.
    std::uint64_t pagefileMb = 0;
    // True while the uninstall lists and deletes, which lets messages through.
    bool uninstallRunning = false;
    // True while an online action (update, archive, bug report) runs.
    bool onlineActionRunning = false;
};

} // namespace brelk
