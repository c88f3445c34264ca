// Push buttons, check boxes and radio buttons on real windows: clicks reach the model, the
// model's state reaches the windows, and check and radio buttons show their parent's colour.
#include "controls_fixture.h"
#include "ui/input_controls.h"

namespace {

using controls_test::askColors;

struct ButtonWindows : controls_test::ControlsWindow {
    LRESULT checkOf(const std::string& name) { return SendMessageA(hwnd(name), BM_GETCHECK, 0, 0); }
    void click(const std::string& name) { SendMessageA(hwnd(name), BM_CLICK, 0, 0); }
    ui::CheckControl& box(const std::string& name) { return get<ui::CheckControl>(name); }
    LONG kind(const std::string& name) {
        return GetWindowLongA(hwnd(name), GWL_STYLE) & BS_TYPEMASK;
    }
};

// Layout texts are UTF-8; the compiled strings of the program are Windows-1252.
// A tweak row: three caption-less radio buttons on a white panel, the middle one chosen.
const char* kRow =
    "  object Panel25: TPanel\n    Width = 300\n    Height = 60\n    Color = clWhite\n"
    "    BevelOuter = bvNone\n"
    "    object RadioButton41: TRadioButton\n      Left = 10\n      Top = 5\n      Width = 13\n"
    "      Height = 13\n      OnClick = noted\n    end\n"
    "    object RadioButton42: TRadioButton\n      Left = 30\n      Top = 5\n      Width = 13\n"
    "      Height = 13\n      Checked = True\n      OnClick = noted\n    end\n"
    "    object RadioButton43: TRadioButton\n      Left = 50\n      Top = 5\n      Width = 13\n"
    "      Height = 13\n      OnClick = noted\n    end\n"
    "    object CheckBox1: TCheckBox\n      Left = 10\n      Top = 25\n      Width = 200\n"
    "      Height = 17\n      Caption = 'Testserver beim Start pr\xC3\xBC"
    "fen'\n"
    "      Font.Color = clNavy\n      OnClick = noted\n    end\n"
    "  end\n"
    "  object Panel26: TPanel\n    Top = 70\n    Width = 300\n    Height = 60\n"
    "    Color = 14408667\n"
    "    object RadioButton4: TRadioButton\n      Left = 10\n      Top = 5\n      Width = 120\n"
    "      Height = 17\n      Caption = 'alle Benutzer '\n    end\n"
    "    object CheckBox2: TCheckBox\n      Left = 10\n      Top = 25\n      Width = 120\n"
    "      Height = 17\n      Color = clRed\n    end\n"
    "  end\n"
    "  object deletebrelkbutton: TButton\n    Left = 10\n    Top = 140\n    Width = 200\n"
    "    Height = 25\n    Caption = 'Brelvanto Kit - Dateien jetzt l\xC3\xB6"
    "schen'\n"
    "    OnClick = noted\n  end\n";

} // namespace

TEST_F(ButtonWindows, PushButtonReportsItsClicks) {
    load(kRow);
    HWND w = hwnd("deletebrelkbutton");
    EXPECT_EQ(text(w), "Brelvanto Kit - Dateien jetzt löschen");
    EXPECT_EQ(kind("deletebrelkbutton"), BS_PUSHBUTTON);
    click("deletebrelkbutton");
    notify(w, BN_CLICKED);
    EXPECT_EQ(events, (std::vector<std::string>{"deletebrelkbutton", "deletebrelkbutton"}));
    get<ui::Button>("deletebrelkbutton").setCaption("Fertig");
    EXPECT_EQ(text(w), "Fertig");
}

TEST_F(ButtonWindows, CheckBoxStateGoesBothWays) {
    load(kRow);
    EXPECT_EQ(kind("CheckBox1"), BS_CHECKBOX); // the model, not the window, toggles
    EXPECT_EQ(text(hwnd("CheckBox1")), "Testserver beim Start prüfen");
    EXPECT_EQ(checkOf("CheckBox1"), BST_UNCHECKED);
    click("CheckBox1");
    EXPECT_TRUE(box("CheckBox1").checked());
    EXPECT_EQ(checkOf("CheckBox1"), BST_CHECKED);
    EXPECT_EQ(events, std::vector<std::string>{"CheckBox1"});

    box("CheckBox1").setChecked(false);
    EXPECT_EQ(checkOf("CheckBox1"), BST_UNCHECKED);

    box("CheckBox1").setEnabled(false);
    EXPECT_FALSE(IsWindowEnabled(hwnd("CheckBox1")));
    notify(hwnd("CheckBox1"), BN_CLICKED); // a stray notification changes nothing
    EXPECT_FALSE(box("CheckBox1").checked());
    EXPECT_EQ(checkOf("CheckBox1"), BST_UNCHECKED);
}

TEST_F(ButtonWindows, RadioButtonsOfARowExcludeEachOtherOnScreen) {
    load(kRow);
    EXPECT_EQ(kind("RadioButton41"), BS_RADIOBUTTON);
    EXPECT_EQ(checkOf("RadioButton42"), BST_CHECKED); // from the layout
    EXPECT_EQ(checkOf("RadioButton41"), BST_UNCHECKED);

    click("RadioButton43");
    EXPECT_EQ(checkOf("RadioButton43"), BST_CHECKED);
    EXPECT_EQ(checkOf("RadioButton42"), BST_UNCHECKED);
    EXPECT_EQ(checkOf("RadioButton41"), BST_UNCHECKED);
    EXPECT_FALSE(box("RadioButton42").checked());

    click("RadioButton43"); // already chosen: no handler, still checked
    EXPECT_EQ(checkOf("RadioButton43"), BST_CHECKED);
    EXPECT_EQ(events, std::vector<std::string>{"RadioButton43"});

    box("RadioButton41").setChecked(true); // from the program (as the Windows 2000 rules do)
    EXPECT_EQ(checkOf("RadioButton41"), BST_CHECKED);
    EXPECT_EQ(checkOf("RadioButton43"), BST_UNCHECKED);
    // Another parent's radio button is no part of the row.
    box("RadioButton4").setChecked(true);
    EXPECT_EQ(checkOf("RadioButton41"), BST_CHECKED);
    EXPECT_EQ(checkOf("RadioButton4"), BST_CHECKED);
}

TEST_F(ButtonWindows, CheckAndRadioButtonsShowTheirParentsColour) {
    load(kRow);
    auto a = askColors(hwnd("RadioButton41"), WM_CTLCOLORSTATIC);
    EXPECT_EQ(a.brush, RGB(255, 255, 255));
    a = askColors(hwnd("CheckBox1"), WM_CTLCOLORSTATIC);
    EXPECT_EQ(a.brush, RGB(255, 255, 255));
    EXPECT_EQ(a.back, RGB(255, 255, 255));
    EXPECT_EQ(a.text, RGB(0, 0, 128));
    a = askColors(hwnd("RadioButton4"), WM_CTLCOLORSTATIC);
    EXPECT_EQ(a.brush, 14408667u);
    // A colour of its own wins.
    a = askColors(hwnd("CheckBox2"), WM_CTLCOLORSTATIC);
    EXPECT_EQ(a.brush, RGB(255, 0, 0));

    get("Panel25").setColor(14408667);
    a = askColors(hwnd("RadioButton41"), WM_CTLCOLORSTATIC);
    EXPECT_EQ(a.brush, 14408667u);
}
