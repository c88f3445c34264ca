#include "support/test_forms.h"
#include "ui/cool_form.h"
#include "ui/layout_text.h"
#include "ui/standard_controls.h"

#include <gtest/gtest.h>

using testing_support::HeadlessApp;

namespace {

std::string mask2Hex(int rects) {
    ui::RegionData r;
    for (int i = 0; i < rects; ++i)
        r.rects.push_back({10 - i % 10, i, 300 + i % 10, i + 1});
    r.bound = {0, 0, 310, rects};
    static const char* kHex = "0123456789ABCDEF";
    std::string hex;
    for (auto b : ui::writeRegionStream(&r)) {
        hex += kHex[b >> 4];
        hex += kHex[b & 15];
    }
    return hex;
}

std::string splashLayout(const std::string& extra = "") {
    return "object Form1: TForm1\n"
           "  Width = 372\n  Height = 243\n  BorderStyle = bsSingle\n  OnCreate = iniread\n" +
           extra +
           "  object CoolForm1: TCoolForm\n    left = 40\n    top = 30\n    width = 372\n"
           "    height = 243\n    OnMouseMove = rollover\n    Mask2 = {" +
           mask2Hex(96) +
           "}\n  end\n"
           "  object Label5: TLabel\n    Caption = 'ini_read'\n    OnClick = rollover\n  end\n"
           "  object Timer1: TTimer\n    Interval = 1\n    OnTimer = Blend\n  end\n"
           "end\n";
}

struct Fixture : ::testing::Test {
    HeadlessApp h;
    std::unique_ptr<ui::Form> form = std::make_unique<ui::Form>(h.app, "TForm1");
    int created = 0, blended = 0, hovered = 0;

    void SetUp() override {
        form->bind("iniread", [this](ui::Event&) { ++created; });
        form->bind("Blend", [this](ui::Event&) { ++blended; });
        form->bind("rollover", [this](ui::Event&) { ++hovered; });
    }
    void load(const std::string& text) {
        form->loadLayout(text, ui::ClassRegistry::standard(), h.resources);
    }
    int errorLine(const std::string& text, bool fresh = true) {
        if (fresh) {
            form = std::make_unique<ui::Form>(h.app, "TForm1");
            SetUp();
        }
        try {
            load(text);
        } catch (const ui::ELayoutError& e) {
            return e.line();
        }
        return -1;
    }
};

} // namespace

TEST_F(Fixture, BuildsComponentsFindsThemByAnyCaseAndBindsHandlers) {
    load(splashLayout());
    auto& label = form->get<ui::Label>("LABEL5");
    EXPECT_EQ(label.caption(), "ini_read");
    EXPECT_EQ(&label, form->find("label5"));
    EXPECT_EQ(label.parent(), form.get());
    EXPECT_THROW(form->get<ui::Label>("Label6"), ui::EComponentError);
    EXPECT_THROW(form->get<ui::Image>("Label5"), ui::EComponentError);

    form->show();
    label.click();
    EXPECT_EQ(hovered, 1);
    auto& timer = form->get<ui::Timer>("timer1");
    timer.tick();
    timer.setEnabled(false);
    timer.tick();
    EXPECT_EQ(blended, 1);

    auto& app = h.app.createForm(std::move(form));
    EXPECT_EQ(created, 1);
    EXPECT_EQ(h.app.mainForm(), &app);
}

TEST_F(Fixture, LoadErrorsNameTheLine) {
    EXPECT_EQ(errorLine("object Form1: TForm1\n  object X: TFrobnicator\n  end\nend\n"), 2);
    EXPECT_EQ(errorLine("object Form1: TForm1\n  object X: TLabel\n  end\n"
                        "  object x: TPanel\n  end\nend\n"),
              4);
    EXPECT_EQ(errorLine("object Form1: TForm1\n  object X: TLabel\n    OnClick = nothing\n"
                        "  end\nend\n"),
              3);
    EXPECT_EQ(errorLine("object Form1: TForm1\n  Colour = clRed\nend\n"), 2);
    EXPECT_EQ(errorLine("object Form1: TForm1\n  Width = 'wide'\nend\n"), 2);
    EXPECT_EQ(errorLine("object Form1: TForm2\nend\n"), 1);
    EXPECT_EQ(errorLine("object Form1: TForm1\n  object T: TTimer\n    object L: TLabel\n"
                        "    end\n  end\nend\n"),
              2);
}

TEST_F(Fixture, InheritedLayoutsAddToExistingComponents) {
    load("object Form2: TForm1\n  object Panel2: TPanel\n    Width = 380\n  end\nend\n");
    load("inherited Form2: TForm1\n  inherited Panel2: TPanel\n    Height = 190\n"
         "    object Label36: TLabel\n      Caption = 'Tuningprozedur starten >'\n    end\n"
         "  end\nend\n");
    auto& panel = form->get<ui::Panel>("Panel2");
    EXPECT_EQ(panel.width(), 380);
    EXPECT_EQ(panel.height(), 190);
    EXPECT_EQ(form->get<ui::Label>("Label36").parent(), &panel);
    EXPECT_EQ(errorLine("inherited Form2: TForm1\n  inherited Panel9: TPanel\n  end\nend\n", false),
              2);
    EXPECT_EQ(errorLine("inherited Form3: TForm1\nend\n", false), 1);
}

TEST_F(Fixture, SkinStaysAtOriginAndRemovesTheBorder) {
    load(splashLayout());
    auto& skin = form->get<ui::CoolForm>("CoolForm1");
    EXPECT_EQ(skin.left(), 0);
    EXPECT_EQ(skin.top(), 0);
    skin.setTop(17);
    skin.setLeft(-5);
    skin.setBounds(3, 4, 100, 50);
    EXPECT_EQ(skin.left(), 0);
    EXPECT_EQ(skin.top(), 0);
    EXPECT_EQ(skin.width(), 100);
    EXPECT_EQ(form->borderStyle(), ui::BorderStyle::None);
}

TEST_F(Fixture, SkinWritesBackTheRegionItRead) {
    load(splashLayout());
    auto& skin = form->get<ui::CoolForm>("CoolForm1");
    ASSERT_NE(skin.mask().region(), nullptr);
    EXPECT_EQ(skin.mask().region()->rects.size(), 96u);
    EXPECT_EQ(skin.regionBuffer().size(), 1568u);
    EXPECT_EQ(skin.mask().owner(), &skin);

    std::vector<ui::LayoutProperty> props;
    skin.writeDefinedProperties(props);
    ASSERT_EQ(props.size(), 1u);
    EXPECT_EQ(props[0].name, "Mask2");
    const auto again = ui::parseLayout(splashLayout()).children[0].properties.back().value.bytes;
    EXPECT_EQ(props[0].value.bytes, again);

    // A new picture drops the stored shape; a count of 0 is then written.
    skin.setPicture(std::make_shared<ui::Bitmap>());
    props.clear();
    skin.writeDefinedProperties(props);
    EXPECT_EQ(props[0].value.bytes, std::vector<std::uint8_t>(4, 0));

    // A null mask object is ignored.
    skin.setMask(nullptr);
    EXPECT_EQ(skin.mask().owner(), &skin);
}

TEST_F(Fixture, BrokenRegionStreamIsALoadErrorAtItsLine) {
    std::string text = splashLayout();
    const auto at = text.find("Mask2 = {") + 9;
    text.replace(at, 8, "FFFFFF7F"); // N far larger than the data
    EXPECT_EQ(errorLine(text), 12);
}

TEST_F(Fixture, OnlyALeftPressOnTheSkinStartsTheSystemMove) {
    load(splashLayout());
    auto& app = h.app.createForm(std::move(form));
    app.show();
    auto& skin = app.get<ui::CoolForm>("CoolForm1");
    skin.mouseDown(ui::MouseButton::Right, {}, 5, 5);
    skin.mouseDown(ui::MouseButton::Middle, {}, 5, 5);
    EXPECT_TRUE(h.backend.commands.empty());
    skin.mouseDown(ui::MouseButton::Left, {}, 5, 5);
    ASSERT_EQ(h.backend.commands.size(), 1u);
    EXPECT_EQ(h.backend.commands[0], ui::Command::SystemMove);
}

TEST_F(Fixture, ExceptionEscapingAHandlerIsShownAndTheProgramGoesOn) {
    form->bind("rollover",
               [](ui::Event&) { throw ui::EConvertError("'abc' is not a valid integer value"); });
    load(splashLayout());
    h.app.setTitle("Brelvanto Kit 2005");
    auto& app = h.app.createForm(std::move(form));
    app.show();
    app.get<ui::Label>("Label5").click();
    ASSERT_EQ(h.dialogs.messages.size(), 1u);
    EXPECT_EQ(h.dialogs.messages[0].text, "'abc' is not a valid integer value.");
    EXPECT_EQ(h.dialogs.messages[0].caption, "Brelvanto Kit 2005");
}

TEST_F(Fixture, DisabledOrHiddenControlsTakeNoInput) {
    load(splashLayout());
    auto& app = h.app.createForm(std::move(form));
    auto& label = app.get<ui::Label>("Label5");
    label.click(); // the form is not shown yet
    app.show();
    label.setEnabled(false);
    label.click();
    EXPECT_EQ(hovered, 0);
    label.setEnabled(true);
    label.click();
    EXPECT_EQ(hovered, 1);
}
