// After a tuning run: the progress gauges, the saved run log, the end page and the restart.
#include "support/tuning_window.h"
#include "tweaks/progress_handlers.h"
#include "ui/dialogs.h"
#include "ui/input_controls.h"
#include "ui/standard_controls.h"

#include <gtest/gtest.h>

using testing_support::TuningWindow;

namespace {

const std::string kLog = std::string(TuningWindow::kProgramFolder) + "tuning.log";

struct Progress : ::testing::Test {
    TuningWindow t;

    ui::Gauge& gauge(int i) { return t.w().c<ui::Gauge>("Gauge" + std::to_string(i)); }
    ui::Timer& timer() { return t.w().c<ui::Timer>("Timer1"); }
    bool visible(const char* name) { return t.w().c<ui::Control>(name).visible(); }

    // What the run does when it starts: gauges shown at 0, the timer on.
    void startRun() {
        for (int i = 1; i <= 3; ++i) {
            gauge(i).show();
            gauge(i).setPosition(0);
        }
        timer().setEnabled(true);
    }
    void ticks(int n) {
        for (int i = 0; i < n; ++i)
            timer().tick();
    }
};

} // namespace

TEST_F(Progress, GaugesStartHiddenAndTheTimerOff) {
    EXPECT_FALSE(timer().enabled());
    EXPECT_EQ(timer().interval(), 1000);
    for (int i = 1; i <= 3; ++i) {
        EXPECT_FALSE(gauge(i).visible());
        EXPECT_EQ(gauge(i).position(), 0);
        EXPECT_EQ(gauge(i).foreColor(), 0x5FB3FEu);
        EXPECT_EQ(gauge(i).backColor(), 0xDBDBDBu);
    }
    EXPECT_EQ(gauge(1).parent()->name(), "Panel2");
    EXPECT_EQ(gauge(2).parent()->name(), "Panel9");
    EXPECT_EQ(gauge(3).parent()->name(), "Panel8");
}

TEST_F(Progress, TenTicksFillTheGaugesThenTheEndPageShows) {
    t.w().c<ui::Memo>("Memo3").setLines({"lm\\SOFTWARE\\x a=1", "cu\\Control Panel b=2"});
    startRun();
    for (int tick = 1; tick <= 9; ++tick) {
        timer().tick();
        EXPECT_EQ(gauge(1).position(), 10 * tick) << tick;
        EXPECT_EQ(gauge(2).position(), std::min(100, 10 * tick + 10)) << tick;
        EXPECT_EQ(gauge(3).position(), std::min(100, 10 * tick + 10)) << tick;
        EXPECT_FALSE(visible("Panel10")) << tick;
        EXPECT_FALSE(t.fake.files.fileExists(kLog)) << tick;
    }
    timer().tick();
    EXPECT_EQ(gauge(1).position(), 100);
    EXPECT_FALSE(timer().enabled());
    EXPECT_TRUE(visible("Panel10"));
    for (const char* hidden : {"Label92", "Image16", "Image18"})
        EXPECT_FALSE(visible(hidden));
    for (int i = 1; i <= 3; ++i) {
        EXPECT_EQ(gauge(i).foreColor(), 0xA9633Du);
        EXPECT_TRUE(gauge(i).visible());
    }
    EXPECT_EQ(t.fake.files.readFile(kLog), "lm\\SOFTWARE\\x a=1\r\ncu\\Control Panel b=2\r\n");
    EXPECT_TRUE(t.h.dialogs.messages.empty());
    EXPECT_EQ(t.w().state.pagehistory.count(), 0) << "the end page gets no history entry";
}

TEST_F(Progress, ARunStartedWhileCountingStartsTheCountOver) {
    startRun();
    ticks(6);
    startRun();
    ticks(9);
    EXPECT_FALSE(visible("Panel10"));
    ticks(1);
    EXPECT_TRUE(visible("Panel10"));
}

TEST_F(Progress, TheLogReplacesAnEarlierOne) {
    t.fake.files.addFile(kLog, "old run\r\n");
    t.w().c<ui::Memo>("Memo3").setLines({"new"});
    startRun();
    ticks(10);
    EXPECT_EQ(t.fake.files.readFile(kLog), "new\r\n");
}

TEST_F(Progress, AnUnwritableLogIsReportedAndTheEndPageStillShows) {
    t.fake.files.addFile(kLog, "kept", platform::fileattr::readOnly);
    t.w().c<ui::Memo>("Memo3").setLines({"new"});
    startRun();
    ticks(10);
    ASSERT_EQ(t.h.dialogs.messages.size(), 1u);
    EXPECT_NE(t.h.dialogs.messages[0].text.find(kLog), std::string::npos);
    EXPECT_EQ(t.h.dialogs.messages[0].flags & ui::mb::IconError, ui::mb::IconError);
    EXPECT_FALSE(timer().enabled()) << "stopped before the message, so it cannot repeat";
    EXPECT_TRUE(visible("Panel10"));
    EXPECT_EQ(t.fake.files.readFile(kLog), "kept");
    ticks(3);
    EXPECT_EQ(t.h.dialogs.messages.size(), 1u);
}

TEST_F(Progress, RestartEnablesThePrivilegeThenForcesTheRestart) {
    t.showPage("Panel10");
    t.w().c<ui::Label>("Label105").click();
    EXPECT_EQ(t.security.calls,
              (std::vector<std::string>{"enableShutdownPrivilege", "restartWindows"}));
    // Refused privilege or restart: still requested, nothing shown, the page stays.
    t.security.calls.clear();
    t.security.privilegeGranted = false;
    t.security.restartAccepted = false;
    t.w().c<ui::Label>("Label105").mouseMove({}, 1, 1);
    t.w().c<ui::Image>("Image5").click();
    EXPECT_EQ(t.security.calls,
              (std::vector<std::string>{"enableShutdownPrivilege", "restartWindows"}));
    EXPECT_TRUE(t.h.dialogs.messages.empty());
    EXPECT_TRUE(visible("Panel10"));
}

TEST_F(Progress, EndPageLinksLightUp) {
    t.showPage("Panel10");
    t.w().c<ui::Image>("Image8").mouseMove({}, 1, 1);
    EXPECT_EQ(t.w().c<ui::Label>("Label105").font().color, 0x008000u);
    EXPECT_TRUE(visible("Image5"));
    t.w().c<ui::Image>("Image16").mouseMove({}, 1, 1);
    EXPECT_EQ(t.w().c<ui::Label>("Label92").font().color, 0x008000u);
    EXPECT_TRUE(visible("Image18"));
    EXPECT_EQ(t.w().c<ui::Label>("Label105").caption(),
              std::string("System jetzt neustarten") + '\xA0' + ">");
}
