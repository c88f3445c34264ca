// Page switches, the page history, the back link, the mouse wheel, the outside links and the
// end of the program.
#include "shell/page_history.h"
#include "shell_fixture.h"
#include "support/page_switches.h"

using shell_test::ShellFixture;

namespace {

struct Pages : ShellFixture {
    void SetUp() override {
        ShellFixture::SetUp();
        start();
        h.dialogs.messages.clear();
    }
};

// From every page, every switch leaves its own page as the only one visible in the content
// area, whatever the page before was, and records its id.
TEST_F(Pages, EverySwitchFromEveryPageLeavesOnlyItsPage) {
    c<ui::CheckBox>("CheckBox41").setChecked(true); // the terms accepted
    testing_support::sweepPageSwitches(
        [&](const testing_support::PageSwitchCase& s, const char* from) {
            const auto& history = w->state.pagehistory;
            const int before = history.current();
            ctx.params.clear();
            if (s.argument) ctx.params = {s.argument};
            for (int i = 0; i < s.times; ++i)
                run(s.handler);
            ctx.params.clear();
            const auto shown = visiblePages();
            const std::string context = std::string(s.handler) + " from " + from;
            if (s.page) {
                EXPECT_EQ(shown, std::vector<std::string>{s.page}) << context;
            } else {
                EXPECT_LE(shown.size(), 1u) << context;
            }
            if (s.records >= 0) {
                EXPECT_EQ(history.current(), s.records > 0 ? s.records : before) << context;
            }
        });
}

// A page shown by itself opens over whatever page is left visible: the pages are the window's
// top-level panels, stacked in layout order until raised, and a raised one lies above every
// other.
TEST_F(Pages, EachPageShownLiesOverEveryOtherPage) {
    auto topPage = [&]() -> std::string {
        const ui::Control* top = nullptr;
        for (const ui::Control* page : w->children()) {
            if (!dynamic_cast<const ui::Panel*>(page) || !page->visible()) continue;
            if (!top || page->raiseOrder() >= top->raiseOrder()) top = page;
        }
        return top ? top->name() : "";
    };
    for (const ui::Control* a : w->children()) {
        for (const ui::Control* b : w->children()) {
            if (a == b || !dynamic_cast<const ui::Panel*>(a) || !dynamic_cast<const ui::Panel*>(b))
                continue;
            c<ui::Panel>(b->name()).show();
            c<ui::Panel>(a->name()).show();
            c<ui::Panel>(b->name()).show();
            EXPECT_EQ(topPage(), b->name()) << a->name() << " over " << b->name();
        }
    }
}

TEST_F(Pages, TheMenuLabelsRunTheirSwitches) {
    const std::pair<const char*, int> menu[] = {
        {"Label9", 1}, {"Label8", 6}, {"Label26", 49}, {"Label35", 7}, {"Label6", 8}};
    for (const auto& [label, id] : menu) {
        c<ui::Label>(label).click();
        EXPECT_EQ(w->state.pagehistory.current(), id) << label;
    }
}

TEST_F(Pages, AcceptingTheTermsOpensTheMenuAndRemembersIt) {
    fake.files.addFile(brelkIni(), "[Options]\r\nversion=5.0\r\nfirststart=1\r\n");
    start();
    EXPECT_FALSE(c<ui::Label>("Label9").enabled());
    c<ui::Label>("Label16").click();
    EXPECT_TRUE(visible("Panel3")) << "nothing happens before the box is ticked";
    EXPECT_EQ(history(), (std::vector<int>{3, 8, 3}));
    c<ui::CheckBox>("CheckBox41").click();
    c<ui::Image>("Image36").click();
    EXPECT_FALSE(visible("Panel3"));
    EXPECT_TRUE(visible("Panel1"));
    EXPECT_EQ(history(), (std::vector<int>{3, 8, 3, 1}));
    for (const char* name : {"Label6", "Label7", "Label8", "Label106", "Label107", "Label9",
                             "Label26", "Label35", "Label207"}) {
        EXPECT_TRUE(c<ui::Label>(name).enabled()) << name;
    }
    EXPECT_EQ(fake.profiles.readString(brelkIni(), "Options", "firststart", ""), "0");
    EXPECT_EQ(fake.profiles.readString(brelkIni(), "Options", "version", ""), "5.0");
}

TEST_F(Pages, ThePowerModeResetsTheRunDisplay) {
    auto& gauge = c<ui::Gauge>("Gauge2");
    gauge.setForeColor(ui::colors::Red);
    gauge.setPosition(70);
    gauge.show();
    c<ui::Timer>("Timer1").setEnabled(true);
    run("indexstart");
    c<ui::Label>("Label12").click();
    for (const char* name : {"Gauge1", "Gauge2", "Gauge3"}) {
        EXPECT_EQ(c<ui::Gauge>(name).foreColor(), 0x5FB3FEu) << name;
        EXPECT_FALSE(visible(name)) << name;
        EXPECT_EQ(c<ui::Gauge>(name).position(), 0) << name;
    }
    EXPECT_FALSE(c<ui::Timer>("Timer1").enabled());
    EXPECT_TRUE(visible("Panel2"));
}

// A browser engine that refuses every page.
struct BrokenBrowser : ui::BrowserPeer {
    void changed(ui::Change) override {}
    void navigate(const std::string&) override { throw ui::Exception("no browser"); }
    void setBodyStyle(const std::string&, const std::string&) override {}
};

TEST_F(Pages, TheDocumentationOpensFromTheProgramFolder) {
    run("indexstart");
    c<ui::Label>("Label18").click();
    EXPECT_EQ(c<ui::WebBrowser>("WebBrowser1").url(), folder() + "Dokumentation.htm");
    EXPECT_TRUE(visible("Panel4"));
}

TEST_F(Pages, ADocumentationTheBrowserCannotOpenLeavesThePageAsItIs) {
    c<ui::WebBrowser>("WebBrowser1").setPeer(std::make_unique<BrokenBrowser>());
    run("supportstart");
    c<ui::Label>("Label25").click();
    EXPECT_TRUE(visible("Panel6"));
    EXPECT_FALSE(visible("Panel4"));
    EXPECT_EQ(w->state.pagehistory.current(), 6);
    EXPECT_TRUE(messages().empty()) << "the error is swallowed";
}

TEST_F(Pages, ServerPagesComeFromThePrimaryServerWhenItAnswers) {
    c<ui::Edit>("Edit8").setText("http://one.example");
    c<ui::Edit>("Edit9").setText("http://two.example");
    fake.network.addHost("one.example", {10, 0, 0, 1});
    run("Onlinestart");
    c<ui::Label>("Label37").click();
    EXPECT_EQ(c<ui::WebBrowser>("WebBrowser1").url(), "http://two.example/premium/2005b/news.htm");
    fake.network.listen({10, 0, 0, 1}, 80);
    run("Onlinestart");
    c<ui::Label>("Label40").click();
    EXPECT_EQ(c<ui::WebBrowser>("WebBrowser1").url(), "http://one.example/premium/2005b/help.htm");
}

TEST_F(Pages, AServerPageTheBrowserCannotOpenIsReported) {
    c<ui::WebBrowser>("WebBrowser1").setPeer(std::make_unique<BrokenBrowser>());
    run("Onlinestart");
    c<ui::Label>("Label37").click();
    EXPECT_EQ(messages(), std::vector<std::string>{"no browser."});
    EXPECT_FALSE(visible("Panel4"));
    EXPECT_EQ(w->state.pagehistory.current(), 7);
}

struct Back : Pages {
    void back() { c<ui::Label>("Label19").click(); }
};

TEST_F(Back, WithFewerThanTwoEntriesOnlyHidesTheBrowserPage) {
    start(); // a fresh window: the history holds the backups page only
    ASSERT_EQ(history(), std::vector<int>{8});
    c<ui::Panel>("Panel4").show();
    back();
    EXPECT_FALSE(visible("Panel4"));
    EXPECT_EQ(history(), std::vector<int>{8});
}

TEST_F(Back, ReturnsToThePageBeforeAndRecordsItAgain) {
    run("supportstart");
    run("Dokustart");
    back();
    EXPECT_FALSE(visible("Panel4"));
    EXPECT_TRUE(visible("Panel6"));
    EXPECT_EQ(history(), (std::vector<int>{8, 6, 4, 6}));
}

TEST_F(Back, AfterTheDocumentationTwiceShowsTheBrowserPageAgain) {
    run("Dokustart");
    run("Dokustart");
    back();
    EXPECT_TRUE(visible("Panel4"));
    EXPECT_EQ(w->state.pagehistory.current(), 4);
}

TEST_F(Back, APageOutsideTheMainPagesIsNotRecordedAgain) {
    run("Updatestart");
    run("Dokustart");
    back();
    EXPECT_FALSE(visible("Panel4"));
    EXPECT_EQ(history(), (std::vector<int>{8, 49, 4}));
}

TEST(PageHistory, AFullHistoryKeepsTheNewest250) {
    brelk::PageHistory history;
    EXPECT_EQ(history.current(), 0);
    for (int i = 1; i <= 260; ++i)
        history.push(static_cast<std::uint16_t>(i));
    EXPECT_EQ(history.count(), 250);
    EXPECT_EQ(history.entry(1), 11);
    EXPECT_EQ(history.entry(249), 259);
    EXPECT_EQ(history.current(), 260);
    EXPECT_EQ(history.entry(251), 0);
}

struct Wheel : Pages {
    void wheel(int delta, bool shift = false) {
        ui::ShiftState s;
        s.shift = shift;
        w->mouseWheel(s, delta, 200, 200);
    }
    int pos(const char* box, ui::ScrollBarKind k = ui::ScrollBarKind::Vertical) {
        return c<ui::ScrollBox>(box).position(k);
    }
    std::vector<int> endScrolls() {
        std::vector<int> counts;
        for (int i = 1; i <= 12; ++i) {
            counts.push_back(c<ui::ScrollBox>("ScrollBox" + std::to_string(i)).endScrollCount());
        }
        return counts;
    }
};

TEST_F(Wheel, TheStartPageMovesTheSystemsLinesPerNotch) {
    run("indexstart");
    wheel(-120);
    EXPECT_EQ(pos("ScrollBox2"), 3 * ui::ScrollBox::kLine);
    wheel(120);
    EXPECT_EQ(pos("ScrollBox2"), 0);
    h.backend.scrollLines = 1;
    wheel(-120);
    EXPECT_EQ(pos("ScrollBox2"), ui::ScrollBox::kLine);
    EXPECT_EQ(endScrolls(), std::vector<int>(12, 3));
}

TEST_F(Wheel, OneScreenPerNotchScrollsTheStartPageByAPage) {
    run("indexstart");
    h.backend.scrollLines = -1;
    wheel(-120);
    EXPECT_GT(pos("ScrollBox2"), 3 * ui::ScrollBox::kLine);
}

TEST_F(Wheel, ShiftScrollsSideways) {
    run("indexstart");
    wheel(-120, true);
    EXPECT_EQ(pos("ScrollBox2"), 0);
    EXPECT_EQ(pos("ScrollBox2", ui::ScrollBarKind::Horizontal), 3 * ui::ScrollBox::kLine);
}

TEST_F(Wheel, OtherPagesMoveOneLine) {
    auto& list = c<ui::ScrollBox>("ScrollBox1");
    auto* tall = dynamic_cast<ui::Control*>(&w->add(std::make_unique<ui::Label>(), "Tall1", &list));
    tall->setBounds(0, 0, 10, 900);
    run("classicstart");
    wheel(-120);
    EXPECT_EQ(pos("ScrollBox1"), ui::ScrollBox::kLine);
    EXPECT_EQ(pos("ScrollBox2"), 0);
}

TEST_F(Wheel, PagesWithoutAScrollBoxOnlyEndTheScroll) {
    run("Updatestart");
    wheel(-120);
    EXPECT_EQ(endScrolls(), std::vector<int>(12, 1));
}

TEST_F(Wheel, AnEmptyHistoryScrollsNothing) {
    fake.files.addFile(brelkIni(), "[Options]\r\nfirststart=0\r\n");
    create(); // not shown: nothing recorded yet
    wheel(-120);
    EXPECT_EQ(endScrolls(), std::vector<int>(12, 0));
}

TEST_F(Pages, SupportLinksOpenTheirAddressesMinimised) {
    run("supportstart");
    c<ui::Label>("Label22").click();
    c<ui::Image>("Image56").show();
    c<ui::Image>("Image56").click();
    run("Onlinestart");
    c<ui::Image>("Image66").show();
    c<ui::Image>("Image66").click();
    ASSERT_EQ(fake.shell.executions.size(), 3u);
    EXPECT_EQ(fake.shell.executions[0].file, "mailto:support@kestovar.example");
    EXPECT_EQ(fake.shell.executions[1].file, "http://forum.partner.example/brelvanto/");
    EXPECT_EQ(fake.shell.executions[2].file, "http://www.kestovar.example/forum/");
    for (const auto& e : fake.shell.executions) {
        EXPECT_EQ(e.verb, "open");
        EXPECT_EQ(e.showCommand, 2);
    }
}

TEST_F(Pages, TheCloseLabelEndsTheProgram) {
    c<ui::Label>("Label4").click();
    EXPECT_TRUE(h.app.terminated());
    EXPECT_TRUE(h.backend.quitRequested);
}

} // namespace
