#include "shell/pages.h"

#include "shell/main_window.h"
#include "ui/input_controls.h"
#include "ui/standard_controls.h"

#include <exception>
#include <vector>

namespace brelk {
namespace {

constexpr const char* kMenuLabels[] = {"Label6", "Label7",  "Label8",  "Label106", "Label107",
                                       "Label9", "Label26", "Label35", "Label207"};

constexpr ui::Color kGaugeBarColor = 0x5FB3FE;

ui::WebBrowser& browser(MainWindow& w) {
    return w.c<ui::WebBrowser>("WebBrowser1");
}

// What a switch does before it changes the pages; false leaves the pages as they are.
using Before = bool (*)(MainWindow&);
// What a switch does after the page is shown.
using After = void (*)(MainWindow&);

struct PageSwitch {
    const char* handler;
    int shows; // also the id recorded in the history
    Before before = nullptr;
    After after = nullptr;
};

bool termsAccepted(MainWindow& w) {
    return w.c<ui::CheckBox>("CheckBox41").checked();
}

void leaveTerms(MainWindow& w) {
    enableMenu(w);
    w.ctx.platform.profiles.writeString(w.ctx.modulesFile("brelk.ini"), "Options", "firststart",
                                        "0");
}

// Before the first tuning of a first start, the current settings are kept as backup slot 1.
bool preparePowerMode(MainWindow& w) {
    if (w.state.firststartflag == "1" && w.state.backupcount == 0) w.hooks.saveSettings(w);
    resetgauges(w);
    return true;
}

void focusStartPage(MainWindow& w) {
    w.c<ui::ScrollBox>("ScrollBox2").setFocus();
}

// The program's own documentation beside brelk.exe. When the browser cannot open it the page
// stays as it is.
bool openDocumentation(MainWindow& w) {
    try {
        browser(w).navigate(w.ctx.programFolder + "Dokumentation.htm");
        return true;
    } catch (const std::exception&) {
        return false;
    }
}

bool openServerHelp(MainWindow& w) {
    browser(w).navigate(w.hooks.serverBase(w) + "/premium/2005b/help.htm");
    return true;
}

bool openServerNews(MainWindow& w) {
    browser(w).navigate(w.hooks.serverBase(w) + "/premium/2005b/news.htm");
    return true;
}

const std::vector<PageSwitch>& pageSwitches() {
    static const std::vector<PageSwitch> switches = {
        {"indexstart", 1},
        {"fortfahrenstart", 1, termsAccepted, leaveTerms},
        {"classicstart", 2, preparePowerMode, focusStartPage},
        {"Dokustart", 4, openDocumentation},
        {"PrDokustart", 4, openServerHelp},
        {"newsstart", 4, openServerNews},
        {"informationstart", 5},
        {"supportstart", 6},
        {"Onlinestart", 7},
        {"Updatestart", 49},
        {"Bugmailtstart", 79},
    };
    return switches;
}

void switchPage(MainWindow& w, const PageSwitch& s) {
    if (s.before && !s.before(w)) return;
    openPage(w, s.shows);
    if (s.after) s.after(w);
}

} // namespace

std::string pagePanel(int id) {
    return "Panel" + std::to_string(id);
}

void showPage(MainWindow& w, const std::string& panel) {
    auto& page = w.c<ui::Panel>(panel);
    for (ui::Control* child : w.children()) {
        if (child != &page && dynamic_cast<ui::Panel*>(child)) child->hide();
    }
    page.show();
}

void openPage(MainWindow& w, int id) {
    showPage(w, pagePanel(id));
    w.state.pagehistory.push(static_cast<std::uint16_t>(id));
}

void enableMenu(MainWindow& w, bool enabled) {
    for (const char* name : kMenuLabels)
        w.c<ui::Label>(name).setEnabled(enabled);
}

void resetgauges(MainWindow& w) {
    for (const char* name : {"Gauge1", "Gauge2", "Gauge3"}) {
        auto& gauge = w.c<ui::Gauge>(name);
        gauge.setForeColor(kGaugeBarColor);
        gauge.hide();
        gauge.setPosition(0);
    }
    w.c<ui::Timer>("Timer1").setEnabled(false);
}

void bindPageHandlers(MainWindow& w) {
    for (const auto& s : pageSwitches()) {
        w.bind(s.handler, [&w, &s](ui::Event&) { switchPage(w, s); });
    }
    w.bind("showbackup", [&w](ui::Event&) { w.hooks.showBackups(w); });
    // The read-only edits give their focus away, so no caret shows in them.
    for (const char* name : {"Edit2Click", "Edit7Click"}) {
        w.bind(name, [&w](ui::Event&) { w.c<ui::Panel>("Panel1").setFocus(); });
    }
}

} // namespace brelk
