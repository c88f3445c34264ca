// The window skin on real windows: the window takes the stored region, has no border, and
// only a left press on the skin starts the system move.
#include "support/test_forms.h"
#include "ui/cool_form.h"
#include "ui/win32/peers.h"
#include "ui/win32/win32_backend.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <vector>

namespace {

// A banded shape with rounded top and bottom: `count` bands, each a different width, as
// GetRegionData reports a region (no two neighbouring bands alike).
ui::RegionData skinShape(int count) {
    ui::RegionData r;
    const int half = count / 2;
    for (int i = 0; i < count; ++i) {
        const int inset = i < half ? half - i + 1 : i - half + 1;
        r.rects.push_back({inset, i, 372 - inset, i + 1});
    }
    r.rects.back().bottom = 243;
    r.bound = {1, 0, 371, 243};
    return r;
}

std::string hex(const std::vector<std::uint8_t>& bytes) {
    static const char* kHex = "0123456789ABCDEF";
    std::string out;
    for (auto b : bytes) {
        out += kHex[b >> 4];
        out += kHex[b & 15];
    }
    return out;
}

std::vector<UINT_PTR> g_sysCommands;
WNDPROC g_original = nullptr;

// Records system commands instead of running them, so no modal move loop starts.
LRESULT CALLBACK recordingProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    if (msg == WM_SYSCOMMAND) {
        g_sysCommands.push_back(wp);
        return 0;
    }
    return CallWindowProcA(g_original, hwnd, msg, wp, lp);
}

struct SkinWindow : ::testing::Test {
    ui::win32::Win32Backend backend{GetModuleHandleA(nullptr)};
    ui::ScriptedDialogs dialogs;
    ui::Application app{backend, dialogs};
    testing_support::MemoryResources resources;
    ui::Form* form = nullptr;

    HWND load(const std::string& mask2Hex, bool draggableLayout = true) {
        (void)draggableLayout;
        auto f = std::make_unique<ui::Form>(app, "TForm1");
        const std::string text = "object Form1: TForm1\n  Width = 372\n  Height = 243\n"
                                 "  Color = clWhite\n  AlphaBlend = True\n"
                                 "  object CoolForm1: TCoolForm\n    Mask2 = {" +
                                 mask2Hex + "}\n  end\nend\n";
        f->loadLayout(text, ui::ClassRegistry::standard(), resources);
        form = &app.createForm(std::move(f));
        form->show();
        return dynamic_cast<ui::win32::ControlPeer*>(form->peer())->hwnd();
    }
};

} // namespace

TEST_F(SkinWindow, WindowTakesTheStoredRegionAndLosesItsBorder) {
    const auto region = skinShape(96);
    const auto stream = ui::writeRegionStream(&region);
    HWND hwnd = load(hex(stream));
    ASSERT_TRUE(hwnd);
    EXPECT_EQ(GetWindowLongA(hwnd, GWL_STYLE) & WS_CAPTION, 0);

    HRGN rgn = CreateRectRgn(0, 0, 0, 0);
    ASSERT_EQ(GetWindowRgn(hwnd, rgn), COMPLEXREGION);
    const DWORD size = GetRegionData(rgn, 0, nullptr);
    std::vector<std::uint8_t> data(size);
    GetRegionData(rgn, size, reinterpret_cast<RGNDATA*>(data.data()));
    DeleteObject(rgn);
    const auto expected = ui::regionDataBytes(region);
    EXPECT_EQ(data, expected);

    // The skin's writer gives back the same count and bytes.
    std::vector<ui::LayoutProperty> props;
    form->get<ui::CoolForm>("CoolForm1").writeDefinedProperties(props);
    EXPECT_EQ(props[0].value.bytes, stream);
}

TEST_F(SkinWindow, CountZeroLeavesTheWindowRectangular) {
    HWND hwnd = load("00000000");
    HRGN rgn = CreateRectRgn(0, 0, 0, 0);
    EXPECT_EQ(GetWindowRgn(hwnd, rgn), ERROR);
    DeleteObject(rgn);
}

TEST_F(SkinWindow, OnlyALeftPressStartsTheSystemMove) {
    const auto region = skinShape(96);
    HWND hwnd = load(hex(ui::writeRegionStream(&region)));
    g_sysCommands.clear();
    g_original = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrA(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(recordingProc)));
    const LPARAM at = MAKELPARAM(186, 120);
    SendMessageA(hwnd, WM_RBUTTONDOWN, MK_RBUTTON, at);
    SendMessageA(hwnd, WM_RBUTTONUP, 0, at);
    SendMessageA(hwnd, WM_MBUTTONDOWN, MK_MBUTTON, at);
    EXPECT_TRUE(g_sysCommands.empty());
    SendMessageA(hwnd, WM_LBUTTONDOWN, MK_LBUTTON, at);
    ASSERT_EQ(g_sysCommands.size(), 1u);
    EXPECT_EQ(g_sysCommands[0], 0xF012u);
    EXPECT_EQ(GetCapture(), nullptr);
    SetWindowLongPtrA(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(g_original));
}

TEST_F(SkinWindow, BackgroundErasureIsAnsweredWithoutPainting) {
    HWND hwnd = load("00000000");
    HDC dc = GetDC(hwnd);
    EXPECT_EQ(SendMessageA(hwnd, WM_ERASEBKGND, reinterpret_cast<WPARAM>(dc), 0), 1);
    ReleaseDC(hwnd, dc);
}

TEST_F(SkinWindow, AlphaValueReachesTheLayeredWindow) {
    HWND hwnd = load("00000000");
    form->setAlphaBlendValue(2);
    BYTE alpha = 0;
    DWORD flags = 0;
    ASSERT_TRUE(GetLayeredWindowAttributes(hwnd, nullptr, &alpha, &flags));
    EXPECT_EQ(alpha, 2);
    EXPECT_TRUE(flags & LWA_ALPHA);
}
