// The tuning assistant: the rows its answers give, the usage profile, Windows 2000, the two
// answers that exclude each other, and what starts after it.
#include "assistant_fixture.h"

#include <algorithm>
#include <vector>

using assistant_test::AssistantWindow;

namespace {

std::vector<int> every3(int from, int to) {
    std::vector<int> v;
    for (int n = from; n <= to; n += 3)
        v.push_back(n);
    return v;
}

std::vector<int> join(std::vector<int> a, const std::vector<int>& b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

// The rows' no-change buttons (every row but the mount row, whose middle button is 231).
std::vector<int> noChangeButtons() {
    return join(join(every3(6, 153), {156, 159, 165, 168, 171, 174, 177, 180, 186, 189, 192}),
                join(every3(195, 228), {231, 234}));
}

// Goal -> activate buttons, then the lists for the low and the medium level.
struct GoalLists {
    int checkBox;
    std::vector<int> activate, low, medium;
};

const std::vector<GoalLists>& goalLists() {
    static const std::vector<GoalLists> lists = {
        {45,
         join(every3(7, 88), {187, 214, 217, 220, 223, 226, 229, 235}),
         {6, 15, 18, 24, 27, 30, 39, 51, 57, 60, 66, 69, 72, 221, 224, 227},
         {6, 18, 24, 30, 57, 227}},
        {46, every3(91, 109), {90, 93}, {}},
        {47, {112, 115, 118, 121}, {111, 120, 123}, {}},
        {48,
         {127, 130, 133, 136, 139, 145, 148, 151, 154, 196, 199, 202, 205, 208, 211},
         {126, 129, 138, 141, 144, 147},
         {126}},
        {49, {157, 160, 166, 169, 172, 175}, {156, 165, 174}, {}},
    };
    return lists;
}

// Checking a button turns off the other two of its row.
void check(std::set<int>& rows, int button) {
    static const std::vector<std::array<int, 3>> groups = [] {
        std::vector<std::array<int, 3>> g;
        for (int n : noChangeButtons())
            g.push_back({n - 1, n, n + 1});
        g.push_back({230, 231, 232});
        return g;
    }();
    for (const auto& g : groups) {
        if (std::find(g.begin(), g.end(), button) == g.end()) continue;
        for (int n : g)
            rows.erase(n);
    }
    rows.insert(button);
}

// The rows the assistant leaves, worked out from the goal table.
std::set<int> expectedRows(const std::vector<int>& goals, int level, bool windows2000) {
    std::set<int> rows;
    for (int n : noChangeButtons())
        check(rows, n);
    for (const auto& g : goalLists()) {
        if (std::find(goals.begin(), goals.end(), g.checkBox) == goals.end()) continue;
        for (int n : g.activate)
            check(rows, n);
        for (int n : level == 182 ? g.low : level == 183 ? g.medium : std::vector<int>{})
            check(rows, n);
    }
    for (int n : {178, 181, 123, 230, 193})
        check(rows, n);
    if (windows2000) {
        for (int n : {42, 81, 87, 120})
            check(rows, n);
    }
    return rows;
}

struct Answers {
    const char* name;
    std::vector<int> goals;
    int level;
    bool windows2000;
};

const Answers kAnswers[] = {
    {"no goal", {}, 182, false},
    {"speed, low risk", {45}, 182, false},
    {"speed, medium risk", {45}, 183, false},
    {"speed, high risk", {45}, 184, false},
    {"every goal, low risk", {45, 46, 47, 48, 49}, 182, false},
    {"every goal, medium risk", {45, 46, 47, 48, 49}, 183, false},
    {"every goal, high risk", {45, 46, 47, 48, 49}, 184, false},
    {"speed on Windows 2000, high risk", {45}, 184, true},
    {"speed on Windows 2000, low risk", {45}, 182, true},
};

} // namespace

TEST_F(AssistantWindow, AnswersGiveTheRowsOfTheGoalTable) {
    for (const Answers& a : kAnswers) {
        SCOPED_TRACE(a.name);
        // Earlier choices that the assistant must undo; no scope or anti-spying mode stays.
        for (int n : {2, 4, 5, 13, 89, 176, 232})
            button(n).setChecked(true);
        for (int n = 45; n <= 49; ++n)
            box(n).setChecked(std::find(a.goals.begin(), a.goals.end(), n) != a.goals.end());
        button(a.level).setChecked(true);
        edit("Edit7").setText(a.windows2000 ? "Microsoft Windows 2000" : "Microsoft Windows XP");
        run("showwizard");
        box(89).click(); // "nein": the run starts
        w().c<ui::Label>("Label44").click();
        EXPECT_EQ(checkedButtons(), expectedRows(a.goals, a.level, a.windows2000));
        EXPECT_TRUE(button(a.level).checked()) << "the level stays as the user set it";
        EXPECT_EQ(messages(), std::vector<std::string>{});
        for (int n : {41, 80, 81, 82, 86, 87, 88, 119, 120, 121, 4})
            EXPECT_EQ(button(n).enabled(), !a.windows2000) << n;
    }
}

TEST_F(AssistantWindow, TheLastTickedUsageSelectsTheProfile) {
    const std::vector<std::vector<int>> cases = {{},       {42},     {43},     {44},
                                                 {42, 43}, {42, 44}, {43, 44}, {42, 43, 44}};
    for (const auto& usage : cases) {
        SCOPED_TRACE(usage.size());
        dialogButton(3).setChecked(true);
        dialogClicks.clear();
        for (int n = 42; n <= 44; ++n)
            box(n).setChecked(std::find(usage.begin(), usage.end(), n) != usage.end());
        run("showwizard");
        w().c<ui::Label>("Label44").click();
        // Office work selects profile 2, graphics 3, games 4; a button that changes runs its
        // handler, which recomputes the page file.
        int profile = 3, changes = 0;
        for (int n : usage) {
            changes += n - 40 != profile;
            profile = n - 40;
        }
        for (int n = 2; n <= 4; ++n)
            EXPECT_EQ(dialogButton(n).checked(), n == profile) << n;
        int ran = 0;
        for (const auto& entry : dialogClicks)
            ran += entry.second;
        EXPECT_EQ(ran, changes);
    }
}

TEST_F(AssistantWindow, YesOpensTheTuningListOtherwiseTheRunStarts) {
    const struct {
        std::vector<int> ticks;
        bool list;
    } cases[] = {{{}, false}, {{89}, false}, {{88}, true}};
    for (const auto& c : cases) {
        run("indexstart");
        for (int n : {88, 89})
            box(n).setChecked(false);
        w().c<ui::Timer>("Timer1").setEnabled(false);
        w().c<ui::Memo>("Memo3").clear();
        w().c<ui::Panel>("Panel2").hide();
        w().c<ui::Label>("Label11").click(); // the start-page link opens the assistant
        for (int n : c.ticks)
            box(n).click();
        EXPECT_EQ(w().state.pagehistory.current(), 9);
        EXPECT_TRUE(visible("Panel9"));

        w().c<ui::Label>("Label44").click();
        EXPECT_EQ(visible("Panel2"), c.list);
        EXPECT_EQ(w().state.pagehistory.current(), c.list ? 2 : 9);
        EXPECT_EQ(w().c<ui::Timer>("Timer1").enabled(), !c.list);
        EXPECT_EQ(visible("Gauge2"), !c.list);
        EXPECT_EQ(!w().c<ui::Memo>("Memo3").lines().empty(), !c.list);
    }
}

TEST_F(AssistantWindow, OnlyAUsersClickMakesTheAnswersExclusive) {
    const struct {
        std::vector<int> clicks;
        bool yes, no;
    } cases[] = {
        {{88}, true, false},         {{89}, false, true},     {{88, 89}, false, true},
        {{89, 88}, true, false},     {{88, 88}, true, false}, {{89, 89, 89}, false, true},
        {{88, 89, 88}, true, false},
    };
    run("showwizard");
    for (const auto& c : cases) {
        box(88).setChecked(false);
        box(89).setChecked(false);
        for (int n : c.clicks)
            box(n).click();
        EXPECT_EQ(box(88).checked(), c.yes) << c.clicks.size();
        EXPECT_EQ(box(89).checked(), c.no) << c.clicks.size();
    }
    // A change made by code runs the handler but unticks nothing.
    box(89).setChecked(false);
    box(88).setChecked(true);
    box(89).setChecked(true);
    EXPECT_TRUE(box(88).checked());
    EXPECT_TRUE(box(89).checked());
}

TEST_F(AssistantWindow, OpeningResetsTheRunDisplayAndTheLinksLightUp) {
    run("indexstart");
    w().c<ui::Gauge>("Gauge2").show();
    w().c<ui::Gauge>("Gauge2").setPosition(70);
    w().c<ui::Label>("Label11").mouseMove({}, 1, 1); // shows the clickable picture
    w().c<ui::Image>("Image22").click();
    EXPECT_TRUE(visible("Panel9"));
    EXPECT_FALSE(visible("Gauge2"));
    EXPECT_EQ(w().c<ui::Gauge>("Gauge2").position(), 0);
    EXPECT_EQ(w().state.pagehistory.current(), 9);

    w().c<ui::Panel>("Panel10").show(); // the end page's link starts the assistant too
    for (const char* hovered : {"Label44", "Image28", "Label92"}) {
        w().c<ui::Control>(hovered).mouseMove({}, 1, 1);
        EXPECT_TRUE(visible("Image29")) << hovered;
        EXPECT_EQ(w().c<ui::Label>("Label44").font().color, 0x008000u) << hovered;
        w().c<ui::Control>("ScrollBox9").mouseMove({}, 1, 1); // the general reset
        EXPECT_FALSE(visible("Image29"));
        EXPECT_EQ(w().c<ui::Label>("Label44").font().color, 0u);
    }
    box(89).setChecked(true);
    w().c<ui::Label>("Label92").click();
    EXPECT_TRUE(button(178).checked());
    EXPECT_TRUE(w().c<ui::Timer>("Timer1").enabled());
}
