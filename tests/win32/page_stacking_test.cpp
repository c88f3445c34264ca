// The main window's pages on real windows: each page shown comes over the pages left visible,
// as the system stacks the child windows (the headless backend has no stacking).
#include "app/main_window_parts.h"
#include "customise/customise_window.h"
#include "platform/fake/fake_platform.h"
#include "shell/main_window.h"
#include "support/test_forms.h"
#include "ui/standard_controls.h"
#include "ui/win32/peers.h"
#include "ui/win32/win32_backend.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <vector>

namespace {

TEST(PageStacking, EachPageShownLiesOverEveryOtherPage) {
    ui::win32::Win32Backend backend{GetModuleHandleA(nullptr)};
    ui::ScriptedDialogs dialogs;
    ui::Application app{backend, dialogs};
    ui::DirectoryResourceStore resources{"res"};
    platform::FakePlatform fake;
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

} // namespace
