// The page model of the main window: the pages are the window's top-level panels, which share
// the content area; the main pages are named "Panel" + their id. A switch shows one page,
// hides every other and, for a page with an id, records it in the page history.
#pragma once

#include <string>

namespace brelk {

class MainWindow;

// "Panel" + id: the page panel of a page id.
std::string pagePanel(int id);
// The one page switch: shows the page panel named and hides every other page, so that no part
// of another page stays visible, whatever was shown before. The history is left as it is.
void showPage(MainWindow& w, const std::string& panel);
// Shows the page of an id and records the id in the page history.
void openPage(MainWindow& w, int id);

// Enables or disables the menu labels at the window's foot (all disabled in the layout).
void enableMenu(MainWindow& w, bool enabled = true);

// Puts the three progress gauges of the tuning run back to their start and stops the run's
// progress timer.
void resetgauges(MainWindow& w);

// The page switches of the start, terms, browser, information, support, online-services,
// update and bug-report pages, and the focus moves of the read-only edits.
void bindPageHandlers(MainWindow& w);

} // namespace brelk
