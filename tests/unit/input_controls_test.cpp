#include "support/test_forms.h"
#include "ui/input_controls.h"
#include "ui/standard_controls.h"

#include <gtest/gtest.h>

namespace {

struct Controls : ::testing::Test {
    testing_support::HeadlessApp h;
    ui::Form* form = nullptr;
    std::vector<std::string> clicks;

    void SetUp() override {
        auto f = std::make_unique<ui::Form>(h.app, "TForm2");
        f->bind("clicked", [this](ui::Event& e) { clicks.push_back(e.sender->name()); });
        f->loadLayout("object Form2: TForm2\n"
                      "  object Panel25: TPanel\n"
                      "    object RadioButton41: TRadioButton\n      OnClick = clicked\n    end\n"
                      "    object RadioButton42: TRadioButton\n      Checked = True\n"
                      "      OnClick = clicked\n    end\n"
                      "    object RadioButton43: TRadioButton\n      OnClick = clicked\n    end\n"
                      "  end\n"
                      "  object RadioButton3: TRadioButton\n  end\n"
                      "  object CheckBox41: TCheckBox\n    OnClick = clicked\n  end\n"
                      "  object Gauge1: TGauge\n    Progress = 30\n  end\n"
                      "  object Memo3: TMemo\n    Lines.Strings = (\n      'a')\n  end\n"
                      "end\n",
                      ui::ClassRegistry::standard(), h.resources);
        form = &h.app.createForm(std::move(f));
        form->show();
    }
    ui::RadioButton& radio(int n) {
        return form->get<ui::RadioButton>("RadioButton" + std::to_string(n));
    }
};

} // namespace

TEST_F(Controls, RadioButtonsOfOneParentExcludeEachOther) {
    EXPECT_TRUE(radio(42).checked()); // from the layout, without a click
    EXPECT_TRUE(clicks.empty());
    radio(3).setChecked(true); // another parent: the row keeps its choice
    EXPECT_TRUE(radio(42).checked());

    radio(43).click();
    EXPECT_TRUE(radio(43).checked());
    EXPECT_FALSE(radio(42).checked());
    EXPECT_FALSE(radio(41).checked());
    radio(43).click(); // already checked: no handler
    radio(41).setChecked(true);
    EXPECT_EQ(clicks, (std::vector<std::string>{"RadioButton43", "RadioButton41"}));

    radio(42).setEnabled(false);
    radio(42).click();
    EXPECT_TRUE(radio(41).checked());
}

TEST_F(Controls, CheckBoxTogglesThenRunsItsHandler) {
    auto& box = form->get<ui::CheckBox>("CheckBox41");
    box.click();
    EXPECT_TRUE(box.checked());
    box.setChecked(true); // no change, no handler
    box.setChecked(false);
    EXPECT_EQ(clicks.size(), 2u);
}

TEST_F(Controls, GaugeClampsAndReportsPercent) {
    auto& g = form->get<ui::Gauge>("Gauge1");
    EXPECT_EQ(g.position(), 30);
    g.setPosition(130);
    EXPECT_EQ(g.percentDone(), 100);
    g.setPosition(-4);
    EXPECT_EQ(g.position(), 0);
    g.setRange(0, 0);
    EXPECT_EQ(g.percentDone(), 0);
}

TEST_F(Controls, MemoJoinsLinesAsTheClassLibrarySavesThem) {
    auto& memo = form->get<ui::Memo>("Memo3");
    memo.addLine("b");
    EXPECT_EQ(memo.joinedText(), "a\r\nb\r\n");
    memo.clear();
    EXPECT_EQ(memo.joinedText(), "");
}

TEST_F(Controls, BrowserWithoutEngineRecordsTheAddress) {
    ui::WebBrowser browser;
    browser.navigate("C:\\Programme\\Brelk\\Dokumentation.htm");
    EXPECT_EQ(browser.url(), "C:\\Programme\\Brelk\\Dokumentation.htm");
}

TEST_F(Controls, MemoShowsItsLinesAsOneTextAndTakesTheUsersTextBack) {
    auto& memo = form->get<ui::Memo>("Memo3");
    int changes = 0;
    memo.onChange = [&changes](ui::Event&) { ++changes; };
    const auto before = memo.replacements();
    memo.addLine("b");
    EXPECT_EQ(memo.displayText(), "a\r\nb");
    EXPECT_EQ(memo.replacements(), before); // appended, not replaced

    memo.userChangedLines("a\r\n\r\nc\r\n");
    EXPECT_EQ(memo.lines(), (std::vector<std::string>{"a", "", "c", ""}));
    EXPECT_EQ(memo.displayText(), "a\r\n\r\nc\r\n");
    memo.userChangedLines("a\r\n\r\nc\r\n"); // the same text: no change
    memo.userChangedLines("");
    EXPECT_TRUE(memo.lines().empty());
    EXPECT_EQ(changes, 2);

    memo.setLines({"x"});
    memo.clear();
    EXPECT_EQ(memo.replacements(), before + 2);
}

TEST_F(Controls, CheckAndRadioButtonsTakeTheirParentsColourUntilGivenOne) {
    auto& panel = form->get<ui::Panel>("Panel25");
    panel.setColor(ui::colors::White);
    EXPECT_EQ(radio(41).effectiveColor(), ui::colors::White);
    radio(41).setColor(ui::colors::Red);
    EXPECT_EQ(radio(41).effectiveColor(), ui::colors::Red);
    EXPECT_EQ(form->get<ui::CheckBox>("CheckBox41").effectiveColor(), form->effectiveColor());
}

TEST(InputControlLayouts, BorderAndScrollBarStylesAreReadAndCheckedByName) {
    testing_support::HeadlessApp h;
    auto load = [&h](const std::string& objects) {
        auto f = std::make_unique<ui::Form>(h.app, "TForm7");
        f->loadLayout("object Form7: TForm7\n" + objects + "end\n", ui::ClassRegistry::standard(),
                      h.resources);
        return f;
    };
    auto f = load("  object Edit1: TEdit\n    BorderStyle = bsNone\n  end\n"
                  "  object Edit2: TEdit\n  end\n"
                  "  object Gauge6: TGauge\n    BorderStyle = bsNone\n  end\n"
                  "  object ListBox3: TListBox\n    BorderStyle = bsSingle\n  end\n"
                  "  object Memo1: TMemo\n    ScrollBars = ssBoth\n  end\n"
                  "  object Memo2: TMemo\n    ScrollBars = ssVertical\n  end\n");
    EXPECT_FALSE(f->get<ui::Edit>("Edit1").border());
    EXPECT_TRUE(f->get<ui::Edit>("Edit2").border());
    EXPECT_FALSE(f->get<ui::Gauge>("Gauge6").border());
    EXPECT_TRUE(f->get<ui::ListBox>("ListBox3").border());
    EXPECT_TRUE(f->get<ui::Memo>("Memo1").horizontalScrollBar());
    EXPECT_TRUE(f->get<ui::Memo>("Memo1").verticalScrollBar());
    EXPECT_FALSE(f->get<ui::Memo>("Memo2").horizontalScrollBar());
    EXPECT_TRUE(f->get<ui::Memo>("Memo2").scrollBars());

    EXPECT_THROW(load("  object Edit1: TEdit\n    BorderStyle = bsDialog\n  end\n"),
                 ui::ELayoutError);
    EXPECT_THROW(load("  object Memo1: TMemo\n    ScrollBars = ssSideways\n  end\n"),
                 ui::ELayoutError);
}
