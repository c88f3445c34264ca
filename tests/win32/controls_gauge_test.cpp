// The gauge painted into a memory bitmap: frame, filled and empty parts, and the percentage
// shown inverted over both.
#include "controls_fixture.h"
#include "ui/input_controls.h"

namespace {

constexpr COLORREF kBar = 6271998, kBack = 14408667; // 0x5FB3FE, 0xDBDBDB

struct GaugePaint : controls_test::ControlsWindow {
    HDC dc = nullptr;
    HBITMAP bitmap = nullptr;
    HGDIOBJ old = nullptr;

    void SetUp() override {
        BITMAPINFO info{};
        info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
        info.bmiHeader.biWidth = 120;
        info.bmiHeader.biHeight = -20;
        info.bmiHeader.biPlanes = 1;
        info.bmiHeader.biBitCount = 32;
        void* bits = nullptr;
        dc = CreateCompatibleDC(nullptr);
        bitmap = CreateDIBSection(dc, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
        old = SelectObject(dc, bitmap);
    }
    void TearDown() override {
        SelectObject(dc, old);
        DeleteObject(bitmap);
        DeleteDC(dc);
    }
    void loadGauge(const std::string& properties) {
        load("  object Gauge1: TGauge\n    Left = 120\n    Top = 104\n    Width = 100\n"
             "    Height = 14\n    ForeColor = 6271998\n    BackColor = 14408667\n" +
             properties + "  end\n");
    }
    ui::Gauge& gauge() { return get<ui::Gauge>("Gauge1"); }
    // Paints at (0, 0) of the bitmap, as the host window paints into its back buffer.
    void paint() {
        RECT all{0, 0, 120, 20};
        FillRect(dc, &all, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
        auto* peer = dynamic_cast<ui::win32::GraphicPeer*>(gauge().peer());
        ASSERT_TRUE(peer);
        peer->paint(dc, RECT{0, 0, 100, 14});
    }
    COLORREF at(int x, int y) { return GetPixel(dc, x, y); }
    // Pixels of a column range that are neither of the bar's two colours: the text.
    int textPixels(int from, int to) {
        int n = 0;
        for (int x = from; x < to; ++x) {
            for (int y = 1; y < 13; ++y) {
                if (at(x, y) != kBar && at(x, y) != kBack) ++n;
            }
        }
        return n;
    }
};

} // namespace

TEST_F(GaugePaint, FillsFromTheLeftByThePercentage) {
    loadGauge("    BorderStyle = bsNone\n    ShowText = False\n    Progress = 30\n");
    paint();
    EXPECT_EQ(at(0, 0), kBar);
    EXPECT_EQ(at(29, 13), kBar);
    EXPECT_EQ(at(30, 0), kBack);
    EXPECT_EQ(at(99, 13), kBack);
    EXPECT_EQ(at(100, 5), RGB(255, 255, 255)); // nothing outside its rectangle

    gauge().setPosition(100);
    paint();
    EXPECT_EQ(at(99, 7), kBar);
    gauge().setPosition(0);
    paint();
    EXPECT_EQ(at(0, 7), kBack);
    EXPECT_EQ(textPixels(0, 100), 0);
}

TEST_F(GaugePaint, FrameTakesOnePixelAroundTheBar) {
    loadGauge("    ShowText = False\n    Progress = 50\n");
    paint();
    EXPECT_EQ(at(0, 0), RGB(0, 0, 0));
    EXPECT_EQ(at(99, 13), RGB(0, 0, 0));
    EXPECT_EQ(at(1, 1), kBar);
    EXPECT_EQ(at(49, 7), kBar); // 50 % of the 98 inner pixels: 1..49
    EXPECT_EQ(at(50, 7), kBack);
    EXPECT_EQ(at(98, 12), kBack);
}

TEST_F(GaugePaint, PercentageIsCentredAndReadableOnBothParts) {
    // As the memory gauge: white font on a white back colour.
    load("  object Gauge6: TGauge\n    Width = 100\n    Height = 14\n    BorderStyle = bsNone\n"
         "    BackColor = clWhite\n    ForeColor = 5599229\n    Font.Color = clWhite\n"
         "    Progress = 42\n  end\n");
    auto* peer = dynamic_cast<ui::win32::GraphicPeer*>(get("Gauge6").peer());
    peer->paint(dc, RECT{0, 0, 100, 14});
    int onEmpty = 0, onBar = 0, outside = 0;
    for (int y = 0; y < 14; ++y) {
        for (int x = 0; x < 100; ++x) {
            const COLORREF c = at(x, y);
            const bool plain = c == RGB(255, 255, 255) || c == 5599229;
            if (plain) continue;
            if (x < 30 || x > 70) ++outside;
            (x < 42 ? onBar : onEmpty)++;
        }
    }
    EXPECT_GT(onEmpty, 5); // "42%" straddles the edge of the bar at 42
    EXPECT_GT(onBar, 5);
    EXPECT_EQ(outside, 0);
}

TEST_F(GaugePaint, ChangesRepaintTheHost) {
    loadGauge("    Progress = 10\n");
    HWND host = ui::win32::ControlPeer::of(form)->hwnd();
    UpdateWindow(host);
    gauge().setForeColor(RGB(0x3D, 0x63, 0xA9));
    RECT dirty{};
    ASSERT_TRUE(GetUpdateRect(host, &dirty, FALSE));
    EXPECT_EQ(dirty.left, 120);
    EXPECT_EQ(dirty.top, 104);
    UpdateWindow(host);
    gauge().setPosition(90);
    EXPECT_TRUE(GetUpdateRect(host, nullptr, FALSE));
}
