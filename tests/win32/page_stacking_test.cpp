// The main window's pages on real windows: each page shown comes over the pages left visible,
// as the system stacks the child windows (the headless backend has no stacking), and every page
// switch leaves no other page's window visible in the content area.
#include "app/main_window_parts.h"
#include "customise/customise_window.h"
#include "real_windows.h"
#include "shell/main_window.h"
#include "support/page_switches.h"
#include "support/test_forms.h"
#include "ui/input_controls.h"
#include "ui/standard_controls.h"
#include "ui/win32/peers.h"
#include "ui/win32/win32_backend.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <map>
#include <vector>

namespace {

struct PageStacking : ::testing::Test, RealWindows {};

TEST_F(PageStacking, EachPageShownLiesOverEveryOtherPage) {
    brelk::Context ctx{app, fake.platform(), resources, "C:\\Brelk\\", {}};
    auto& w = app.createForm(std::make_unique<brelk::MainWindow>(ctx, brelk::mainWindowParts()));
    ctx.form7 = &app.createForm(std::make_unique<brelk::CustomiseWindow>(ctx));
    w.show();

    std::vector<ui::Panel*> pages;
    for (ui::Control* child : w.children()) {
        if (auto* page = dynamic_cast<ui::Panel*>(child)) pages.push_back(page);
    }
    ASSERT_GE(pages.size(), 20u);
    auto hwndOf = [](ui::Control* c) {
        auto* peer = ui::win32::ControlPeer::of(c);
        return peer ? peer->hwnd() : nullptr;
    };
    HWND parent = GetParent(hwndOf(pages.front()));
    ASSERT_TRUE(parent);
    // The visible page highest in the system's stacking of the pages' window.
    auto topPage = [&]() -> std::string {
        for (HWND h = GetWindow(parent, GW_CHILD); h; h = GetWindow(h, GW_HWNDNEXT)) {
            if (!IsWindowVisible(h)) continue;
            for (ui::Panel* page : pages)
                if (hwndOf(page) == h) return page->name();
        }
        return "";
    };
    for (ui::Panel* a : pages) {
        for (ui::Panel* b : pages) {
            if (a == b) continue;
            // Pages stay visible, so b is often shown while visible beneath a.
            a->show();
            b->show();
            EXPECT_EQ(topPage(), b->name()) << a->name() << " then " << b->name();
        }
    }
}

// A browser that opens every page: Wine's has no engine, and the browser page is not switched
// when the page cannot be opened.
struct AcceptingBrowser : ui::BrowserPeer {
    void changed(ui::Change) override {}
    void navigate(const std::string&) override {}
    void setBodyStyle(const std::string&, const std::string&) override {}
};

// From every page, every switch leaves the window of its page the only visible window in the
// content area: the windows are the system's, their visibility and place as it reports them.
TEST_F(PageStacking, EverySwitchFromEveryPageLeavesOnlyItsPageOnScreen) {
    // A working machine: the settings file and a Windows version, so the start-up does not
    // refuse.
    fake.files.addFile(fake.files.programFolder() + "modules\\brelk.ini",
                       "[Options]\r\nversion=5.0\r\nfirststart=0\r\n");
    fake.registry
        .createKey(platform::RootKey::LocalMachine,
                   "SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion")
        ->writeString("ProductName", "Microsoft Windows XP");
    brelk::Context ctx{app, fake.platform(), resources, fake.files.programFolder(), {}};
    auto& w = app.createForm(std::make_unique<brelk::MainWindow>(ctx, brelk::mainWindowParts()));
    ctx.form7 = &app.createForm(std::make_unique<brelk::CustomiseWindow>(ctx));
    w.c<ui::WebBrowser>("WebBrowser1").setPeer(std::make_unique<AcceptingBrowser>());
    w.show();
    w.c<ui::CheckBox>("CheckBox41").setChecked(true); // the terms accepted

    std::map<HWND, std::string> pages;
    HWND parent = nullptr;
    RECT area{};
    for (ui::Control* child : w.children()) {
        if (!dynamic_cast<ui::Panel*>(child)) continue;
        HWND h = ui::win32::ControlPeer::of(child)->hwnd();
        pages[h] = child->name();
        parent = GetParent(h);
        RECT r{};
        GetWindowRect(h, &r);
        UnionRect(&area, &area, &r);
    }
    ASSERT_GE(pages.size(), 20u);
    ASSERT_FALSE(IsRectEmpty(&area));
    // Every visible window on the window's surface that reaches into the content area.
    auto onScreen = [&] {
        std::vector<std::string> names;
        for (HWND h = GetWindow(parent, GW_CHILD); h; h = GetWindow(h, GW_HWNDNEXT)) {
            RECT r{}, common{};
            GetWindowRect(h, &r);
            if (!IsWindowVisible(h) || !IntersectRect(&common, &r, &area)) continue;
            names.push_back(pages.count(h) ? pages[h] : "a window of no page");
        }
        return names;
    };
    testing_support::sweepPageSwitches(
        [&](const testing_support::PageSwitchCase& s, const char* from) {
            ctx.params.clear();
            if (s.argument) ctx.params = {s.argument};
            for (int i = 0; i < s.times; ++i) {
                ui::Event e;
                app.dispatch(*w.handler(s.handler), e);
            }
            ctx.params.clear();
            const auto shown = onScreen();
            if (s.page) {
                EXPECT_EQ(shown, std::vector<std::string>{s.page}) << s.handler << " from " << from;
            } else {
                EXPECT_LE(shown.size(), 1u) << s.handler << " from " << from;
            }
        });
}

} // namespace
