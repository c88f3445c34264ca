#include "online/browser_look.h"

#include "shell/main_window.h"
#include "shell/pages.h"
#include "shell/server_base.h"
#include "ui/errors.h"
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

ui::WebBrowser& firingBrowser(const ui::Event& e) {
    auto* browser = dynamic_cast<ui::WebBrowser*>(e.sender);
    if (!browser) throw ui::Exception("The event did not come from a web browser");
    return *browser;
}

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
    hidePages(w, {5, 6, 7});
    w.c<ui::Panel>("Panel4").show();
    w.state.pagehistory.push(4);
}

void bindBrowserLookHandlers(MainWindow& w) {
    w.bind("Anleitstart", [&w](ui::Event&) { Anleitstart(w); });
    for (const char* handler : {"WebBrowser2NavigateComplete2", "WebBrowser4NavigateComplete2"}) {
        w.bind(handler, [](ui::Event& e) { stylePreview(firingBrowser(e)); });
    }
    w.bind("WebBrowser1DocumentComplete", [](ui::Event& e) { stylePage(firingBrowser(e)); });
}

} // namespace brelk
