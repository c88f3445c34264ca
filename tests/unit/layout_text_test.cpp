#include "ui/errors.h"
#include "ui/layout_text.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

using ui::LayoutValue;

namespace {

const char* kCanonical = R"(object Form1: TForm1
  Left = -4
  Caption = 'Größe ''x'''#13#10'zwei'
  Color = clWhite
  Font.Style = [fsBold, fsUnderline]
  Empty = []
  Note = ''
  Items.Strings = (
    'eins'
    'zwei >')
  Columns = <
    item
      Caption = 'Name'
      Width = 120
    end
    item
      Caption = 'Wert'
    end>
  NoRows = <>
  object CoolForm1: TCoolForm
    Mask2 = {
      000102030405060708090A0B0C0D0E0F101112131415161718191A1B1C1D1E1F
      2021}
    Blank = {}
  end
  inherited Panel2: TPanel
  end
end
)";

} // namespace

TEST(LayoutText, CanonicalTextReadsAndWritesBackByteIdentical) {
    const auto tree = ui::parseLayout(kCanonical);
    EXPECT_EQ(ui::writeLayout(tree), kCanonical);

    EXPECT_EQ(tree.name, "Form1");
    EXPECT_EQ(tree.properties[0].value.integer, -4);
    // Strings arrive in Windows-1252: ö and ß are single bytes.
    EXPECT_EQ(tree.properties[1].value.text, "Gr\xF6\xDF"
                                             "e 'x'\r\nzwei");
    EXPECT_EQ(tree.properties[1].line, 3);
    ASSERT_EQ(tree.children.size(), 2u);
    EXPECT_EQ(tree.children[0].properties[0].value.bytes.size(), 34u);
    EXPECT_TRUE(tree.children[1].inherited);
    EXPECT_EQ(tree.properties[6].value.items[1], "zwei\xA0>");
    EXPECT_EQ(tree.properties[7].value.rows.size(), 2u);
}

TEST(LayoutText, AcceptsJoinedStringsAndLowerCaseKeywords) {
    const auto tree = ui::parseLayout("\xEF\xBB\xBFOBJECT A: TB\n  S = 'ab' +\n    'cd'#65\nEND\n");
    EXPECT_EQ(tree.properties[0].value.text, "abcdA");
    EXPECT_EQ(ui::writeLayout(tree), "object A: TB\n  S = 'abcdA'\nend\n");
}

TEST(LayoutText, FaultsNameTheirLine) {
    struct Case {
        const char* text;
        int line;
        const char* words;
    };
    const Case cases[] = {
        {"object A: TB\n  X = 'open\nend\n", 2, "unterminated string"},
        {"object A: TB\n  X = {0A1}\nend\n", 2, "odd number"},
        {"object A: TB\n  X = {0G}\nend\n", 2, "bad character"},
        {"object A: TB\n  X = 1\n", 3, "missing 'end'"},
        {"object A: TB\nend\nobject", 3, "after the final"},
        {"object A TB\nend\n", 1, "expected ':'"},
        {"object A: TB\n  X = 99999999999\nend\n", 2, "out of range"},
        {"object A: TB\n  X = #300\nend\n", 2, "out of range"},
        {"object A: TB\n  X = '\xE2\x82'\nend\n", 2, "Windows-1252"},
        {"object A: TB\n  X = '\xE4\xB8\x80'\nend\n", 2, "Windows-1252"},
        {"object A: TB\n  object C: TD\n  end\n  Y = 1\nend\n", 4, "after a child"},
    };
    for (const auto& c : cases) {
        try {
            ui::parseLayout(c.text);
            ADD_FAILURE() << "no error for: " << c.text;
        } catch (const ui::ELayoutError& e) {
            EXPECT_EQ(e.line(), c.line) << c.text;
            EXPECT_NE(std::string(e.what()).find(c.words), std::string::npos) << e.what();
        }
    }
}

TEST(LayoutText, DeepNestingIsAnErrorNotAStackOverflow) {
    std::string text;
    for (int i = 0; i < 5000; ++i)
        text += "object A" + std::to_string(i) + ": TPanel\n";
    EXPECT_THROW(ui::parseLayout(text), ui::ELayoutError);
}

TEST(LayoutText, EveryShippedLayoutIsCanonical) {
    int count = 0;
    for (const auto& entry : std::filesystem::directory_iterator(BRELK_RES_DIR "/layouts")) {
        if (entry.path().extension() != ".dfm") continue;
        std::ifstream in(entry.path(), std::ios::binary);
        const std::string text((std::istreambuf_iterator<char>(in)), {});
        EXPECT_EQ(ui::writeLayout(ui::parseLayout(text)), text) << entry.path();
        ++count;
    }
    EXPECT_GE(count, 4);
}
