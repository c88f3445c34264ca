#include "online/browser_look.h"

#include "online/server_base.h"
#include "shell/main_window.h"
#include "shell/pages.h"
#include "ui/input_controls.h"
#include "ui/standard_controls.h"

namespace brelk {
namespace {

constexpr const char* kWhite = "#FFFFFF";
constexpr const char* kScrollBarParts[] = {
    "scrollbarArrowColor", "scrollbar3DLIGHTCOLOR",   "scrollbarDarkShadowColor",
    "scrollbarFaceColor",  "scrollbarHighlightColor", "scrollbarShadowColor",
    "scrollbarTrackColor",
};

} // namespace

void setbrowserborder(ui::WebBrowser& browser) {
    browser.setBodyStyle("borderStyle", "none");
}

void stylePreview(ui::WebBrowser& browser) {
    setbrowserborder(browser);
    browser.setBodyStyle("margin", "0");
    for (const char* part : kScrollBarParts)
        browser.setBodyStyle(part, kWhite);
}

void stylePage(ui::WebBrowser& browser) {
    if (!browser.visible()) return;
    setbrowserborder(browser);
    browser.setBodyStyle("margin", "0");
}

void Anleitstart(MainWindow& w) {
    w.c<ui::WebBrowser>("WebBrowser1").navigate(chooseServerBase(w) + "/premium/2005b/tipps.htm");
    openPage(w, 4);
}

void bindBrowserLookHandlers(MainWindow& w) {
    w.bind("Anleitstart", [&w](ui::Event&) { Anleitstart(w); });
    // Each handler belongs to the browser it is named after.
    for (const char* browser : {"WebBrowser2", "WebBrowser4"}) {
        w.bind(std::string(browser) + "NavigateComplete2",
               [&w, browser](ui::Event&) { stylePreview(w.c<ui::WebBrowser>(browser)); });
    }
    w.bind("WebBrowser1DocumentComplete",
           [&w](ui::Event&) { stylePage(w.c<ui::WebBrowser>("WebBrowser1")); });
}

} // namespace brelk
