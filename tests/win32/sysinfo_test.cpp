// The system-information pages against the real system: the gauges' tick with the real
// performance data, the listings from the real registry, module list and process snapshot,
// ending a process the test started, and saving the log.
#include "../contract/contract_support.h"
#include "app/main_window_parts.h"
#include "customise/customise_window.h"
#include "shell/main_window.h"
#include "support/test_forms.h"
#include "sysinfo/gauges.h"
#include "sysinfo/listings.h"
#include "ui/input_controls.h"
#include "ui/list_view.h"
#include "ui/standard_controls.h"
#include "ui/string_grid.h"
#include "win32_contract_env.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <windows.h>

namespace {

struct SysinfoReal : ::testing::Test {
    Win32Env env;
    testing_support::HeadlessApp h;
    ui::DirectoryResourceStore resources{"res"};
    std::string folder = env.scratchFolder();
    brelk::Context ctx{h.app, env.platform(), resources, folder, {}};
    brelk::MainWindow* w = nullptr;

    // The window as the program creates it; not shown, so start-up leaves the registry alone.
    void SetUp() override {
        // The customisation dialog's creation previews the shipped logo.
        CreateDirectoryA((folder + "modules").c_str(), nullptr);
        ASSERT_TRUE(CopyFileA("dist\\modules\\oemlogo.bmp",
                              (folder + "modules\\oemlogo.bmp").c_str(), FALSE));
        w = &h.app.createForm(std::make_unique<brelk::MainWindow>(ctx, brelk::mainWindowParts()));
        ctx.form7 = &h.app.createForm(std::make_unique<brelk::CustomiseWindow>(ctx));
    }
    template <class T> T& c(const char* name) { return w->c<T>(name); }
    void run(const char* handler) {
        ui::Event e;
        h.app.dispatch(*w->handler(handler), e);
    }
    ui::ListView& list() { return c<ui::ListView>("ListView1"); }
    int countIn(const char* label) {
        const std::string text = c<ui::Label>(label).caption();
        return std::stoi(text.substr(text.rfind(' ') + 1));
    }
    int indexOf(const std::string& caption) {
        const auto& items = list().items();
        for (std::size_t i = 0; i < items.size(); ++i) {
            if (_stricmp(items[i].caption.c_str(), caption.c_str()) == 0)
                return static_cast<int>(i);
        }
        return -1;
    }
};

TEST_F(SysinfoReal, TicksWithTheRealCallsKeepTheProgramUsable) {
    auto& timer = c<ui::Timer>("Timer2");
    EXPECT_FALSE(timer.enabled()) << "the window is not shown";
    brelk::sysinfo::startGauges(*w); // as the window does once it is on screen
    EXPECT_TRUE(timer.enabled());
    EXPECT_EQ(timer.interval(), 1000);
    for (int i = 0; i < 3; ++i) {
        timer.tick();
        Sleep(100);
    }
    // Whatever the performance data gives, at most one message.
    EXPECT_LE(h.dialogs.messages.size(), 1u);
    for (const auto& m : h.dialogs.messages)
        std::printf("sampler under this system: %s\n", m.text.c_str());
    auto& memory = c<ui::Gauge>("Gauge6");
    EXPECT_GT(memory.max(), 0);
    EXPECT_GT(memory.position(), 0);
    EXPECT_LE(memory.position(), memory.max());
    auto& load = c<ui::Gauge>("Gauge7");
    EXPECT_GE(load.position(), 0);
    EXPECT_LE(load.position(), 100);

    const DWORD former = GetPriorityClass(GetCurrentProcess());
    run("Systeminfo");
    EXPECT_EQ(GetPriorityClass(GetCurrentProcess()), former);
    auto& grid = c<ui::StringGrid>("StringGrid1");
    EXPECT_EQ(grid.cell(0, 1), "Prozessor");
    const std::string cpu = grid.cell(1, 1);
    ASSERT_GT(cpu.size(), 18u);
    EXPECT_EQ(cpu.substr(12, 2), "  ") << cpu;
    EXPECT_EQ(cpu.substr(cpu.size() - 4), " Mhz");
    EXPECT_NE(grid.cell(1, 2).find(" MB"), std::string::npos);
    EXPECT_LE(h.dialogs.messages.size(), 1u);
}

TEST_F(SysinfoReal, TheListingsAreFilledFromTheSystem) {
    struct Case {
        const char* handler;
        bool mayBeEmpty; // a fresh prefix has no uninstall entries
    };
    const Case cases[] = {{"installierteprogramme", true},
                          {"Aktivetreibershow", false},
                          {"Aktiveprozesse", false},
                          {"showservices", false}};
    for (const auto& k : cases) {
        SCOPED_TRACE(k.handler);
        run(k.handler);
        const int count = countIn("Label213");
        std::printf("%s: %s\n", k.handler, c<ui::Label>("Label213").caption().c_str());
        if (!k.mayBeEmpty) {
            EXPECT_GT(count, 0);
        }
        EXPECT_EQ(static_cast<std::size_t>(count), list().items().size());
        EXPECT_LE(c<ui::Memo>("Memo3").lines().size(), list().items().size());
    }
    run("Aktiveprozesse");
    EXPECT_GE(indexOf("win32_tests.exe"), 0);
    EXPECT_TRUE(h.dialogs.messages.empty());
}

TEST_F(SysinfoReal, EndsTheSelectedProcessAndListsAgain) {
    auto& processes = env.platform().processes;
    std::string command = "\""; // appended piece by piece: GCC 12 warns on the concatenation
    command += env.testProgramFolder();
    command += "sleeper.exe\"";
    // Two of one name: the row selected is the one ended, by the id it shows.
    const auto first = processes.start(command);
    const auto pid = processes.start(command);
    ASSERT_TRUE(first && pid);
    auto running = [&](std::uint32_t id) {
        for (const auto& p : processes.list().value_or(std::vector<platform::ProcessEntry>{})) {
            if (p.pid == id) return true;
        }
        return false;
    };
    ASSERT_TRUE(contract::waitFor([&] { return running(*first) && running(*pid); }));
    run("Aktiveprozesse");
    const auto& items = list().items();
    const auto row = std::find_if(items.begin(), items.end(), [&](const ui::ListItem& item) {
        return item.subItems == std::vector{brelk::sysinfo::processIdText(*pid)};
    });
    ASSERT_NE(row, items.end());
    list().setSelectedIndex(static_cast<int>(row - items.begin()));
    run("Button3Click");
    EXPECT_TRUE(contract::waitFor([&] { return !running(*pid); }));
    EXPECT_TRUE(running(*first));
    EXPECT_TRUE(h.dialogs.messages.empty());
    // A list older than the end: the row's process runs no more, which is told.
    run("Aktiveprozesse");
    list().setSelectedIndex(indexOf("sleeper.exe"));
    processes.terminate(*first, 0);
    ASSERT_TRUE(contract::waitFor([&] { return !running(*first); }));
    run("Button3Click");
    ASSERT_EQ(h.dialogs.messages.size(), 1u);
    EXPECT_EQ(h.dialogs.messages[0].text, "Der Prozess sleeper.exe (ProzessID " +
                                              brelk::sysinfo::processIdText(*first) +
                                              ") läuft nicht mehr.");
    EXPECT_EQ(indexOf("sleeper.exe"), -1);
}

TEST_F(SysinfoReal, SavesTheLogToAFileAndReportsAPlaceItCannotWrite) {
    run("Aktiveprozesse");
    const std::string saved = folder + "protokoll.log";
    const std::string readOnly = folder + "readonly.log";
    ASSERT_TRUE(env.platform().files.writeFile(readOnly, "old"));
    ASSERT_TRUE(SetFileAttributesA(readOnly.c_str(), FILE_ATTRIBUTE_READONLY));
    h.dialogs.files = {saved, folder + "missing\\protokoll.log", readOnly};
    for (int i = 0; i < 3; ++i)
        run("Button4Click");
    EXPECT_EQ(env.platform().files.readFile(saved), c<ui::Memo>("Memo3").joinedText());
    EXPECT_EQ(env.platform().files.readFile(readOnly), "old");
    ASSERT_EQ(h.dialogs.messages.size(), 2u);
    EXPECT_EQ(h.dialogs.messages[0].text,
              "Cannot create file \"" + folder + "missing\\protokoll.log\".");
    SetFileAttributesA(readOnly.c_str(), FILE_ATTRIBUTE_NORMAL);
}

} // namespace
