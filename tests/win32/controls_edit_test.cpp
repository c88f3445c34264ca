// Edits and memos on real windows: text both ways, styles, colours that change at run time,
// the mouse reaching the model, and the run log's many appended lines.
#include "controls_fixture.h"
#include "ui/input_controls.h"

namespace {

using controls_test::askColors;

constexpr COLORREF kFieldBack = 13296895, kFieldText = 4028894; // 0xCAE4FF, 0x3D79DE
constexpr COLORREF kHoverBack = 13890003, kHoverText = 3250993; // 0xD3F1D3, 0x319B31

struct EditWindow : controls_test::ControlsWindow {
    void type(HWND w, const std::string& keys) {
        const auto end = static_cast<WPARAM>(GetWindowTextLengthA(w));
        SendMessageA(w, EM_SETSEL, end, static_cast<LPARAM>(end));
        for (char c : keys)
            SendMessageA(w, WM_CHAR, static_cast<unsigned char>(c), 1);
    }
    bool needsPaint(HWND w) { return GetUpdateRect(w, nullptr, FALSE) != 0; }
};

const char* kEdits = "  object Edit3: TEdit\n    Left = 10\n    Top = 10\n    Width = 150\n"
                     "    Height = 21\n    Text = 'Lizenznehmer'\n    Color = 13296895\n"
                     "    Font.Color = 4028894\n    OnChange = noted\n"
                     "    OnMouseMove = edithover\n  end\n"
                     "  object Edit2: TEdit\n    Left = 10\n    Top = 40\n    Width = 150\n"
                     "    Height = 21\n    ReadOnly = True\n    BorderStyle = bsNone\n"
                     "    Color = 13296895\n    Font.Color = 4028894\n    OnClick = noted\n"
                     "  end\n"
                     "  object Edit10: TEdit\n    Left = 10\n    Top = 70\n    Width = 150\n"
                     "    Height = 21\n    PasswordChar = '*'\n    MaxLength = 5\n  end\n";

} // namespace

TEST_F(EditWindow, TextGoesBothWaysWithoutEcho) {
    handlers["edithover"] = [](ui::Event&) {};
    load(kEdits);
    auto& edit = get<ui::Edit>("Edit3");
    HWND w = hwnd("Edit3");
    EXPECT_EQ(text(w), "Lizenznehmer");

    edit.setText("Größe & Co");
    EXPECT_EQ(text(w), "Größe & Co");
    EXPECT_EQ(events, std::vector<std::string>{"Edit3"}); // the program's change, no echo

    type(w, "KG");
    EXPECT_EQ(edit.text(), "Größe & CoKG");
    EXPECT_EQ(events.size(), 3u); // one change per key
}

TEST_F(EditWindow, StylesFollowTheLayout) {
    handlers["edithover"] = [](ui::Event&) {};
    load(kEdits);
    auto style = [&](const char* n) { return GetWindowLongA(hwnd(n), GWL_STYLE); };
    auto frame = [&](const char* n) { return GetWindowLongA(hwnd(n), GWL_EXSTYLE); };
    EXPECT_TRUE(style("Edit2") & ES_READONLY);
    EXPECT_FALSE(style("Edit3") & ES_READONLY);
    EXPECT_FALSE(frame("Edit2") & WS_EX_CLIENTEDGE);
    EXPECT_TRUE(frame("Edit3") & WS_EX_CLIENTEDGE);
    EXPECT_TRUE(style("Edit10") & ES_PASSWORD);

    type(hwnd("Edit10"), "geheim");
    EXPECT_EQ(get<ui::Edit>("Edit10").text(), "gehei");
    // Without a length of its own a field takes far more than the system's default.
    EXPECT_GT(SendMessageA(hwnd("Edit3"), EM_GETLIMITTEXT, 0, 0), 1000000);
}

TEST_F(EditWindow, ColoursComeFromTheModelAndRepaintWhenAHoverChangesThem) {
    handlers["edithover"] = [this](ui::Event&) {
        auto& e = get<ui::Edit>("Edit3");
        e.setColor(kHoverBack);
        e.setFontColor(kHoverText);
    };
    load(kEdits);
    HWND w = hwnd("Edit3");
    auto a = askColors(w, WM_CTLCOLOREDIT);
    EXPECT_EQ(a.brush, kFieldBack);
    EXPECT_EQ(a.back, kFieldBack);
    EXPECT_EQ(a.text, kFieldText);
    // A read-only field asks as a static control and gets the same answer.
    a = askColors(hwnd("Edit2"), WM_CTLCOLORSTATIC);
    EXPECT_EQ(a.brush, kFieldBack);
    EXPECT_EQ(a.text, kFieldText);

    UpdateWindow(w);
    ASSERT_FALSE(needsPaint(w));
    SendMessageA(w, WM_MOUSEMOVE, 0, MAKELPARAM(5, 5));
    EXPECT_TRUE(needsPaint(w));
    a = askColors(w, WM_CTLCOLOREDIT);
    EXPECT_EQ(a.brush, kHoverBack);
    EXPECT_EQ(a.text, kHoverText);

    // The font colour alone also repaints.
    UpdateWindow(w);
    get<ui::Edit>("Edit3").setFontColor(kFieldText);
    EXPECT_TRUE(needsPaint(w));
}

TEST_F(EditWindow, AClickOnAReadOnlyFieldIsTheFieldsClick) {
    handlers["edithover"] = [](ui::Event&) {};
    load(kEdits);
    HWND w = hwnd("Edit2");
    SendMessageA(w, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(4, 4));
    SendMessageA(w, WM_LBUTTONUP, 0, MAKELPARAM(4, 4));
    EXPECT_EQ(events, std::vector<std::string>{"Edit2"});
    // Released outside the field: no click.
    SendMessageA(w, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(4, 4));
    SendMessageA(w, WM_LBUTTONUP, 0, MAKELPARAM(400, 4));
    EXPECT_EQ(events.size(), 1u);
}

namespace {

struct MemoWindow : EditWindow {
    void loadMemo(bool visible) {
        load(
            std::string("  object Memo3: TMemo\n    Left = 10\n    Top = 10\n    Width = 200\n"
                        "    Height = 80\n    ScrollBars = ssVertical\n    OnChange = memochanged\n"
                        "    Lines.Strings = (\n      'eins'\n      'zwei')\n") +
            (visible ? "" : "    Visible = False\n") + "  end\n");
    }
    ui::Memo& memo() { return get<ui::Memo>("Memo3"); }
    int changes = 0;
    void SetUp() override {
        handlers["memochanged"] = [this](ui::Event&) {
            ++changes;
            // A handler that answers the user's edit with a line of its own.
            if (memo().lines().back() == "drei") memo().addLine("ok");
        };
    }
};

std::string logLine(int i) {
    return "applyregop lm \\SYSTEM\\CurrentControlSet\\Control\\Session Manager LargeSystemCache "
           "int " +
           std::to_string(i);
}

} // namespace

TEST_F(MemoWindow, LinesShowAsCrLfSeparatedText) {
    loadMemo(true);
    HWND w = hwnd("Memo3");
    EXPECT_EQ(text(w), "eins\r\nzwei");
    const auto style = GetWindowLongA(w, GWL_STYLE);
    EXPECT_TRUE(style & ES_MULTILINE);
    EXPECT_TRUE(style & ES_WANTRETURN);
    EXPECT_TRUE(style & WS_VSCROLL);
    EXPECT_FALSE(style & WS_HSCROLL);

    memo().setLines({"a", "", "b"});
    EXPECT_EQ(text(w), "a\r\n\r\nb");
    memo().addLine("c");
    EXPECT_EQ(text(w), "a\r\n\r\nb\r\nc");
    memo().clear();
    EXPECT_EQ(text(w), "");
    memo().addLine("");
    memo().addLine("x");
    EXPECT_EQ(text(w), "\r\nx");
    EXPECT_EQ(memo().displayText(), "\r\nx");
}

TEST_F(MemoWindow, ManyAppendedLinesAllArriveAndTheViewFollowsThem) {
    // Without scroll bars and wrapping: Wine redraws a scroll bar synchronously on every
    // change, which makes a long visible run slow there (not so on Windows).
    load("  object Memo1: TMemo\n    Left = 10\n    Top = 10\n    Width = 200\n"
         "    Height = 80\n    WordWrap = False\n  end\n");
    auto& m = get<ui::Memo>("Memo1");
    HWND w = hwnd("Memo1");
    for (int i = 0; i < 1000; ++i)
        m.addLine(logLine(i));
    const std::string shown = text(w);
    EXPECT_GT(shown.size(), 32767u); // beyond the system's default limit for typed text
    EXPECT_EQ(shown, m.displayText());
    EXPECT_EQ(SendMessageA(w, EM_GETLINECOUNT, 0, 0), 1000);
    // Appending puts the caret at the end, so the newest lines are in view.
    EXPECT_GT(SendMessageA(w, EM_GETFIRSTVISIBLELINE, 0, 0), 990);
}

TEST_F(MemoWindow, HiddenMemoCatchesUpWhenShown) {
    loadMemo(false);
    HWND w = hwnd("Memo3");
    for (int i = 0; i < 3000; ++i)
        memo().addLine(logLine(i));
    EXPECT_EQ(GetWindowTextLengthA(w), 0); // nothing is done for a memo nobody sees
    memo().show();
    EXPECT_EQ(text(w), memo().displayText());
    memo().addLine("danach");
    EXPECT_EQ(text(w), memo().displayText());

    memo().hide();
    memo().clear();
    memo().addLine("neu");
    memo().show();
    EXPECT_EQ(text(w), "neu");
}

TEST_F(MemoWindow, UserEditsBecomeLines) {
    loadMemo(true);
    HWND w = hwnd("Memo3");
    type(w, "\r");
    EXPECT_EQ(memo().lines(), (std::vector<std::string>{"eins", "zwei", ""}));
    type(w, "drei");
    // The handler's line lands after the user's text, in the window and in the model.
    EXPECT_EQ(memo().lines(), (std::vector<std::string>{"eins", "zwei", "drei", "ok"}));
    EXPECT_EQ(text(w), "eins\r\nzwei\r\ndrei\r\nok");
    EXPECT_EQ(changes, 5); // "\r", "d", "r", "e", "i"
}
