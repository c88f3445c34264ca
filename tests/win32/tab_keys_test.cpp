// Tab and Shift+Tab on the programs' real windows: keys posted to the focused control and taken
// by the program's message loop move the focus in the layouts' tab order, are never typed into
// a field, and bring the control they reach into view.
#include "app/main_window_parts.h"
#include "customise/customise_window.h"
#include "real_windows.h"
#include "setup/setup_window.h"
#include "shell/main_window.h"
#include "support/test_forms.h"
#include "ui/input_controls.h"
#include "ui/standard_controls.h"
#include "ui/win32/peers.h"
#include "ui/win32/win32_backend.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <map>
#include <string>

namespace {

HWND windowOf(ui::Control& c) {
    auto* peer = ui::win32::ControlPeer::of(&c);
    return peer ? peer->hwnd() : nullptr;
}

std::string windowText(HWND w) {
    char text[256] = {};
    GetWindowTextA(w, text, sizeof text);
    return text;
}

// Whether the window lies wholly inside the visible part of each window around it.
bool inView(HWND w) {
    RECT r;
    GetWindowRect(w, &r);
    for (HWND p = GetParent(w); p; p = GetParent(p)) {
        RECT client, both;
        GetClientRect(p, &client);
        MapWindowPoints(p, nullptr, reinterpret_cast<POINT*>(&client), 2);
        if (!IntersectRect(&both, &r, &client) || !EqualRect(&both, &r)) return false;
    }
    return true;
}

struct TabKeys : ::testing::Test, RealWindows {
    brelk::Context ctx{app, fake.platform(), resources, "C:\\Brelk\\", {}};
    std::map<std::string, ui::Form*> windows;

    void SetUp() override {
        auto& main =
            app.createForm(std::make_unique<brelk::MainWindow>(ctx, brelk::mainWindowParts()));
        ctx.form7 = &app.createForm(std::make_unique<brelk::CustomiseWindow>(ctx));
        auto& setup =
            app.createForm(std::make_unique<setup::SetupWindow>(app, fake.platform(), resources));
        windows = {{"main", &main}, {"customise", ctx.form7}, {"setup", &setup}};
        main.show();
    }

    // Shows the window with one of its pages (a panel on the window itself), the others hidden.
    void showPage(ui::Form& form, const std::string& page) {
        form.show();
        for (ui::Control* child : form.children()) {
            if (dynamic_cast<ui::Panel*>(child)) child->setVisible(child->name() == page);
        }
        backend.processMessages();
    }

    // A key as the keyboard sends it to the focused window, through the program's message loop;
    // Shift is held in the thread's key state meanwhile.
    void press(UINT key, bool shift) {
        BYTE keys[256];
        GetKeyboardState(keys);
        keys[VK_SHIFT] = shift ? 0x80 : 0;
        SetKeyboardState(keys);
        const auto scan = static_cast<LPARAM>(MapVirtualKeyA(key, MAPVK_VK_TO_VSC));
        HWND focus = GetFocus();
        PostMessageA(focus, WM_KEYDOWN, key, 1 | scan << 16);
        PostMessageA(focus, WM_KEYUP, key, 1 | scan << 16 | LPARAM{3} << 30);
        backend.processMessages();
        keys[VK_SHIFT] = 0;
        SetKeyboardState(keys);
    }

    // The control of the form whose window has the focus.
    std::string focused(ui::Form& form) {
        for (HWND w = GetFocus(); w; w = GetParent(w)) {
            for (const auto& c : form.components()) {
                auto* control = dynamic_cast<ui::Control*>(c.get());
                if (control && windowOf(*control) == w) return control->name();
            }
        }
        return "(none)";
    }
};

TEST_F(TabKeys, MoveTheFocusInTabOrderAndTypeNothing) {
    struct Case {
        const char* window;
        const char* page;
        const char* start;
        bool shift;
        const char* expected;
    };
    const Case cases[] = {
        // The page file: "Minimum", "Maximum", drive letter, the selected profile.
        {"customise", "Panel3", "Edit1", false, "Edit2"},
        {"customise", "Panel3", "Edit2", true, "Edit1"},
        {"customise", "Panel3", "Edit2", false, "Edit3"},
        {"customise", "Panel3", "Edit3", false, "RadioButton2"},
        // Round at the ends, past the hidden panels and the pictures.
        {"customise", "Panel3", "RadioButton2", false, "Edit1"},
        {"customise", "Panel3", "Edit1", true, "RadioButton2"},
        // The start button: fields and their "durchsuchen" buttons.
        {"customise", "Panel6", "Edit7", false, "Button1"},
        {"customise", "Panel6", "Button1", false, "Edit8"},
        {"customise", "Panel6", "Edit8", true, "Button1"},
        // The tuning page: read-only fields are stops, the rows' selected buttons too; the
        // registration fields far down the list scroll into view.
        {"main", "Panel2", "Edit2", false, "Edit7"},
        {"main", "Panel2", "Edit1", false, "RadioButton6"},
        {"main", "Panel2", "RadioButton9", false, "TrackBar1"},
        {"main", "Panel2", "RadioButton108", false, "Edit3"},
        {"main", "Panel2", "Edit3", false, "Edit4"},
        {"main", "Panel2", "Edit4", true, "Edit3"},
        {"main", "Panel48", "Edit8", false, "Edit9"},
        {"main", "Panel48", "Edit9", false, "CheckBox1"},
        {"main", "Panel48", "CheckBox1", true, "Edit9"},
        {"main", "Panel11", "Edit6", false, "Button2"},
        // The installer's window, by the TabOrder its layout gives.
        {"setup", "", "Edit1", false, "CheckBox1"},
        {"setup", "", "CheckBox1", true, "Edit1"},
    };
    for (const Case& c : cases) {
        const std::string name =
            std::string(c.window) + " " + c.start + (c.shift ? " Shift+Tab" : " Tab");
        ui::Form& form = *windows.at(c.window);
        showPage(form, c.page);
        auto& start = form.get<ui::Control>(c.start);
        start.setFocus();
        ASSERT_EQ(focused(form), c.start) << name;
        const std::string before = windowText(windowOf(start));

        press(VK_TAB, c.shift);
        EXPECT_EQ(focused(form), c.expected) << name;
        EXPECT_TRUE(inView(GetFocus())) << name << ": " << c.expected << " is out of view";

        // Neither the Tab nor what is typed next reaches the field left; a field reached has
        // its text selected, so that typing replaces it.
        press('9', false);
        EXPECT_EQ(windowText(windowOf(start)), before) << name << " typed into " << c.start;
        auto* field = dynamic_cast<ui::Edit*>(&form.get<ui::Control>(c.expected));
        if (field && !field->readOnly()) {
            EXPECT_EQ(field->text(), "9") << name;
        }
        form.hide();
        form.show();
    }
}

} // namespace
