// Moving through the pages without the menu: the back link of the browser page, which returns
// to the page shown before, and the mouse wheel, which scrolls the current page.
#pragma once

namespace brelk {

class MainWindow;

void bindNavigationHandlers(MainWindow& w);

} // namespace brelk
