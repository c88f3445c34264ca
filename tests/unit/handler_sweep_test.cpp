// Every event the real layouts bind, fired on a freshly started program with the fake platform
// and no stand-in components: a handler that reaches a component no layout holds, or fails in
// any other way the program does not call for, is named with its place.
#include "app/program.h"
#include "platform/fake/fake_platform.h"
#include "setup/setup_window.h"
#include "shell/main_window.h"
#include "shell/splash_window.h"
#include "support/fake_machine.h"
#include "support/handler_sweep.h"
#include "support/test_forms.h"
#include "ui/standard_controls.h"

#include <gtest/gtest.h>

namespace {

using testing_support::ExpectedFailure;
using testing_support::StartedProgram;

// brelk as its program block leaves it: the splash has faded in and handed over to the main
// window, whose start-up has run on a working machine.
class StartedBrelk : public StartedProgram {
  public:
    StartedBrelk() {
        testing_support::prepareWorkingMachine(fake);
        // A running machine lists at least its shell and this program among its processes.
        fake.processes.add("explorer.exe");
        fake.processes.add("brelk.exe");
        auto windows = brelk::createProgramWindows(ctx);
        windows.splash.show();
        windows.splash.get<ui::Timer>("Timer1").tick();
        windows.splash.get<ui::Timer>("Timer2").tick();
    }

  private:
    platform::FakePlatform fake;
    ui::DirectoryResourceStore resources{BRELK_RES_DIR};
    brelk::Context ctx{h.app, fake.platform(), resources, fake.files.programFolder(), {}};
};

// setup as its entry point leaves it: the installer window shown.
class StartedSetup : public StartedProgram {
  public:
    StartedSetup() {
        h.app.setTitle("Brelvanto Kit Installer");
        h.app.createForm(std::make_unique<setup::SetupWindow>(h.app, fake.platform(), resources))
            .show();
    }

  private:
    platform::FakePlatform fake;
    ui::DirectoryResourceStore resources{BRELK_RES_DIR};
};

std::string joined(const std::vector<std::string>& lines) {
    std::string text;
    for (const auto& line : lines)
        text += line + "\n";
    return text;
}

// Errors the sweep meets on purpose. Each entry must still occur: one that no longer does is
// reported, so the list only ever shrinks.
const std::vector<ExpectedFailure> kBrelkExpected = {};

TEST(HandlerSweep, EveryBoundEventOfBrelkRunsOnTheRealLayouts) {
    auto result = testing_support::sweepHandlers([] { return std::make_unique<StartedBrelk>(); },
                                                 kBrelkExpected);
    EXPECT_GT(result.fired, 350);
    EXPECT_TRUE(result.failures.empty()) << joined(result.failures);
}

TEST(HandlerSweep, EveryBoundEventOfSetupRunsOnTheRealLayout) {
    auto result =
        testing_support::sweepHandlers([] { return std::make_unique<StartedSetup>(); }, {});
    EXPECT_GT(result.fired, 3);
    EXPECT_TRUE(result.failures.empty()) << joined(result.failures);
}

// A window whose click handler names a component its layout lacks, and whose mouse-move
// handler fails inside a nested event that the application reports in an error box.
class BrokenProgram : public StartedProgram {
  public:
    BrokenProgram() {
        auto form = std::make_unique<ui::Form>(h.app, "TBroken");
        ui::Form* f = form.get();
        form->bind("missing", [f](ui::Event&) { f->get<ui::Label>("Label404").setCaption("x"); });
        form->bind("nested", [f](ui::Event&) {
            auto& inner = f->get<ui::Label>("Label1");
            inner.fire(
                [](ui::Event&) { throw std::runtime_error("'abc' is not a valid integer"); });
        });
        form->loadLayout("object Broken: TBroken\n"
                         "  object Label1: TLabel\n"
                         "    OnClick = missing\n"
                         "    OnMouseMove = nested\n"
                         "  end\n"
                         "end\n",
                         ui::ClassRegistry::standard(), h.resources);
        h.app.createForm(std::move(form));
    }
};

TEST(HandlerSweep, NamesThePlaceOfAFailingHandlerAndOfAStaleExpectation) {
    const auto start = [] { return std::make_unique<BrokenProgram>(); };

    auto result = testing_support::sweepHandlers(start, {});
    EXPECT_EQ(result.fired, 2);
    ASSERT_EQ(result.failures.size(), 2u) << joined(result.failures);
    EXPECT_EQ(result.failures[0],
              "TBroken.Label1.OnClick -> missing: Component 'Label404' not found");
    EXPECT_EQ(result.failures[1],
              "TBroken.Label1.OnMouseMove -> nested: 'abc' is not a valid integer.");

    // Listed failures pass; a listed one that no longer happens is itself reported.
    result = testing_support::sweepHandlers(
        start, {{"TBroken", "Label1", "OnClick", "Label404", "a test case"},
                {"TBroken", "Label1", "OnMouseMove", "valid integer", "a test case"},
                {"TBroken", "Label1", "OnDblClick", "anything", "a stale entry"}});
    ASSERT_EQ(result.failures.size(), 1u) << joined(result.failures);
    EXPECT_NE(result.failures[0].find("TBroken.Label1.OnDblClick"), std::string::npos);
    EXPECT_NE(result.failures[0].find("take it off the list"), std::string::npos);
}

} // namespace
