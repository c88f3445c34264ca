// The tuning page's layout is generated from the tweak-row table; the committed file must be
// what the generator writes today, and the table must keep the rows' fixed numbers.
#include "tweaks/tuning_layout.h"
#include "tweaks/tweak_rows.h"
#include "ui/cp1252.h"

#include <gtest/gtest.h>

#include <fstream>
#include <map>
#include <set>
#include <sstream>

namespace tw = brelk::tweaks;

namespace {

std::string committedLayout() {
    std::ifstream in(std::string(BRELK_RES_DIR) + "/layouts/" + tw::kTuningLayoutName,
                     std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

// The first line where two texts differ, for a readable failure.
std::string firstDifference(const std::string& a, const std::string& b) {
    std::istringstream x(a), y(b);
    std::string lx, ly;
    for (int line = 1;; ++line) {
        const bool more = static_cast<bool>(std::getline(x, lx));
        const bool moreY = static_cast<bool>(std::getline(y, ly));
        if (!more && !moreY) return "no difference";
        if (lx != ly || more != moreY) {
            return "line " + std::to_string(line) + ": generated '" + lx + "', committed '" + ly +
                   "'";
        }
    }
}

} // namespace

TEST(TweakRowsLayout, CommittedFragmentIsWhatTheTableGenerates) {
    const std::string generated = tw::tuningPageLayoutText();
    const std::string committed = committedLayout();
    ASSERT_FALSE(committed.empty()) << "res/layouts/" << tw::kTuningLayoutName << " is missing";
    EXPECT_TRUE(generated == committed)
        << "the tweak-row table and the committed layout disagree ("
        << firstDifference(generated, committed)
        << "); run build/native/make_tuning_layout and commit the result";
}

TEST(TweakRowsTable, SeventyFiveRowsInSixCategories) {
    std::map<tw::CategoryId, int> counts;
    for (const auto& row : tw::tweakRows())
        ++counts[row.category];
    EXPECT_EQ(tw::tweakRows().size(), 75u);
    EXPECT_EQ(counts[tw::CategoryId::Performance], 37);
    EXPECT_EQ(counts[tw::CategoryId::Appearance], 7);
    EXPECT_EQ(counts[tw::CategoryId::Internet], 5);
    EXPECT_EQ(counts[tw::CategoryId::Security], 16);
    EXPECT_EQ(counts[tw::CategoryId::AntiSpying], 6);
    EXPECT_EQ(counts[tw::CategoryId::ProgramOptions], 4);
}

TEST(TweakRowsTable, ButtonNumbersAndPanelsAreUniqueAndKeepClearOfTheOtherSwitches) {
    std::set<int> buttons;
    std::set<std::string> panels, labels;
    for (const auto& row : tw::tweakRows()) {
        for (int n : row.buttons) {
            EXPECT_TRUE(buttons.insert(n).second) << "button " << n << " used twice";
            EXPECT_GE(n, 5) << "1 to 4 are the anti-spying and user-scope switches";
            EXPECT_FALSE(n >= 182 && n <= 184) << "182 to 184 are the assistant's level";
        }
        EXPECT_TRUE(panels.insert(row.panel).second) << row.panel;
        EXPECT_TRUE(labels.insert(tw::captionLabelName(row)).second) << row.caption;
        EXPECT_NE(std::string(row.hint), "") << row.caption;
    }
    EXPECT_EQ(buttons.size(), 225u);
}

TEST(TweakRowsTable, RowsNamedElsewhereKeepTheirPanels) {
    // Start-up's Windows 2000 restrictions name these panels and buttons.
    const std::map<std::string, int> panels = {
        {"Panel25", 41},   {"Panel38", 80},   {"Panel40", 86},   {"Panel53", 119},
        {"Panel100", 218}, {"Panel101", 221}, {"Panel102", 224}, {"Panel103", 227},
        {"Panel87", 191},  {"Panel106", 232}};
    for (const auto& [panel, deactivate] : panels) {
        bool found = false;
        for (const auto& row : tw::tweakRows()) {
            if (panel == row.panel) {
                found = true;
                EXPECT_EQ(row.buttons[tw::Deactivate], deactivate) << panel;
            }
        }
        EXPECT_TRUE(found) << panel;
    }
}

TEST(AnsiText, NativeLiteralsBecomeWindows1252) {
    EXPECT_EQ(ui::ansiText("Größe für Explorer®\u00a0>"), "Gr\xF6\xDF"
                                                          "e f\xFCr Explorer\xAE\xA0>");
    EXPECT_EQ(ui::ansiText("plain"), "plain");
}
