// The page model of the main window: pages are top-level panels of the content area, named
// "Panel" + their id; a switch hides a list of pages, shows its own and records its id in the
// page history.
#pragma once

#include <string>
#include <vector>

namespace brelk {

class MainWindow;

// "Panel" + id: the page panel of a page id.
std::string pagePanel(int id);
// Hides the page panels of the ids given.
void hidePages(MainWindow& w, const std::vector<int>& ids);

// Enables or disables the menu labels at the window's foot (all disabled in the layout).
void enableMenu(MainWindow& w, bool enabled = true);

// Puts the three progress gauges of the tuning run back to their start and stops the run's
// progress timer.
void resetgauges(MainWindow& w);

// The page switches of the start, terms, browser, information, support, online-services,
// update and bug-report pages, and the focus moves of the read-only edits.
void bindPageHandlers(MainWindow& w);

} // namespace brelk
