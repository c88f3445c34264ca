// The embedded web browser. Wine here runs without an HTML engine (mshtml switched off), so
// the browser page stays an empty window and raises ui::Exception; the embedding of the
// control itself is exercised on a plain window.
#include "controls_fixture.h"
#include "ui/input_controls.h"
#include "ui/standard_controls.h"
#include "ui/win32/browser_embedding.h"

#include <ole2.h>

namespace {

struct OleScope {
    OleScope() { OleInitialize(nullptr); }
    ~OleScope() { OleUninitialize(); }
};

// OLE is set up before the windows and shut down after them.
struct BrowserWindow : OleScope, controls_test::ControlsWindow {
    void loadBrowser() {
        handlers.try_emplace("openpage", [](ui::Event&) {});
        load("  object WebBrowser2: TWebBrowser\n    Left = 10\n    Top = 10\n"
             "    Width = 225\n    Height = 40\n  end\n"
             "  object Label20: TLabel\n    Top = 60\n    Caption = 'Tipps'\n"
             "    OnClick = openpage\n  end\n");
    }
    HWND plainWindow(int w, int h) {
        return CreateWindowExA(0, "STATIC", "", WS_POPUP | WS_VISIBLE, 0, 0, w, h, nullptr, nullptr,
                               GetModuleHandleA(nullptr), nullptr);
    }
    SIZE childSize(HWND host) {
        RECT r{};
        GetWindowRect(GetWindow(host, GW_CHILD), &r);
        return {r.right - r.left, r.bottom - r.top};
    }
};

std::string raised(const std::function<void()>& f) {
    try {
        f();
    } catch (const ui::Exception& e) {
        return e.what();
    }
    return "";
}

} // namespace

TEST_F(BrowserWindow, WithoutEngineItStaysAnEmptyWhiteWindowAndRaises) {
    ASSERT_FALSE(ui::win32::htmlEngineAvailable()) << "this test expects mshtml switched off";
    handlers["openpage"] = [this](ui::Event&) {
        get<ui::WebBrowser>("WebBrowser2").navigate("http://x/tipps.htm");
    };
    loadBrowser();
    auto& browser = get<ui::WebBrowser>("WebBrowser2");
    HWND w = hwnd("WebBrowser2");
    ASSERT_TRUE(IsWindow(w));
    EXPECT_TRUE(IsWindowVisible(w));
    EXPECT_EQ(GetWindow(w, GW_CHILD), nullptr);
    EXPECT_EQ(reinterpret_cast<HBRUSH>(GetClassLongPtrA(w, GCLP_HBRBACKGROUND)),
              GetStockObject(WHITE_BRUSH));

    EXPECT_EQ(raised([&] { browser.navigate("C:\\Programme\\Brelk\\Dokumentation.htm"); }),
              "The web browser is not available");
    EXPECT_EQ(browser.url(), "");
    EXPECT_EQ(raised([&] { browser.setBodyStyle("borderStyle", "none"); }),
              "The web browser is not available");

    // From an event handler the error ends the handler and shows in the general error box.
    get("Label20").click();
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_NE(dialogs.messages[0].text.find("The web browser is not available"), std::string::npos);
}

TEST_F(BrowserWindow, EmbeddedControlFillsItsHostAndLetsGoOfEverything) {
    HWND host = plainWindow(225, 40);
    auto embedding = ui::win32::BrowserEmbedding::create(host, [](ui::win32::BrowserEvent) {});
    if (!embedding) GTEST_SKIP() << "no web-browser control on this system";
    EXPECT_EQ(ui::win32::BrowserSite::alive(), 1);
    ASSERT_NE(GetWindow(host, GW_CHILD), nullptr);
    EXPECT_EQ(childSize(host).cx, 225);
    EXPECT_EQ(childSize(host).cy, 40);

    SetWindowPos(host, nullptr, 0, 0, 300, 120, SWP_NOMOVE | SWP_NOZORDER);
    embedding->fit();
    EXPECT_EQ(childSize(host).cx, 300);
    EXPECT_EQ(childSize(host).cy, 120);

    // Umlauts travel as Windows-1252 text into the wide address.
    EXPECT_NO_THROW(embedding->navigate("about:blank#Größe"));
    if (!ui::win32::htmlEngineAvailable()) {
        EXPECT_EQ(raised([&] { embedding->setBodyStyle("margin", "0"); }),
                  "The web browser shows no document");
    }

    embedding.reset();
    EXPECT_EQ(ui::win32::BrowserSite::alive(), 0);
    DestroyWindow(host);
}

TEST_F(BrowserWindow, DestroyedFormLeavesNoWindowBehind) {
    loadBrowser();
    HWND w = hwnd("WebBrowser2");
    form->setPeer(nullptr); // as when the program ends: the form's windows go
    EXPECT_FALSE(IsWindow(w));
    EXPECT_EQ(ui::win32::BrowserSite::alive(), 0);
}
