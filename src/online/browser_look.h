// The server pages in the browser page and the look of the embedded browsers: no body border,
// no margin and, in the two small previews, white scroll bars.
#pragma once

namespace ui {
class WebBrowser;
}

namespace brelk {

class MainWindow;

// Removes the border of the document body. Raises what the browser raises.
void setbrowserborder(ui::WebBrowser& browser);
// A preview document: no border, no margin, white scroll bars.
void stylePreview(ui::WebBrowser& browser);
// A page of the browser page, while the browser is visible: no border, no margin.
void stylePage(ui::WebBrowser& browser);

// Opens the optimisation tips of the chosen server in the browser page.
void Anleitstart(MainWindow& w);

// The tips page, its hover and the styling events of the browsers.
void bindBrowserLookHandlers(MainWindow& w);

} // namespace brelk
