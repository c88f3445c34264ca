#include "shell_fixture.h"
#include "sysinfo/hardware_page.h"
#include "sysinfo/listings.h"
#include "ui/list_view.h"
#include "ui/string_grid.h"

using platform::buildPerfBlock;
using platform::RootKey;

namespace {

constexpr std::uint64_t kSecond = 10'000'000;
constexpr std::uint64_t kT0 = 0x01DD'0000'0000'0000ull;
constexpr std::uint64_t kMB = 1ull << 20;
constexpr ui::Color kBlue = 0xD3A77E, kOrange = 0x54BAFE, kRed = 0x556FFD;

struct SysinfoTest : shell_test::ShellFixture {
    void SetUp() override {
        ShellFixture::SetUp();
        start();
    }
    ui::Gauge& gauge(const char* name) { return c<ui::Gauge>(name); }
    ui::ListView& list() { return c<ui::ListView>("ListView1"); }
    ui::StringGrid& grid() { return c<ui::StringGrid>("StringGrid1"); }
    std::string caption(const char* name) { return c<ui::Label>(name).caption(); }
    const std::vector<std::string>& log() { return c<ui::Memo>("Memo3").lines(); }
    void tick() { c<ui::Timer>("Timer2").tick(); }
    // Two samples one second apart; the processor was idle for the given share.
    void loadOver(double idleShare) {
        fake.hardware.perfBlock = buildPerfBlock({kT0, {0, 0}});
        tick();
        const auto idle = static_cast<std::uint64_t>(idleShare * kSecond);
        fake.hardware.perfBlock = buildPerfBlock({kT0 + kSecond, {idle, idle}});
        tick();
    }
    void addService(const std::string& key,
                    const std::function<void(platform::RegistryKey&)>& set) {
        set(*fake.registry.createKey(RootKey::LocalMachine,
                                     "SYSTEM\\CurrentControlSet\\Services\\" + key));
    }
    std::vector<std::string> captions() {
        std::vector<std::string> out;
        for (const auto& item : list().items())
            out.push_back(item.caption);
        return out;
    }
};

TEST_F(SysinfoTest, TheTickShowsFreeMemoryInKilobytesWithItsColour) {
    struct Case {
        double freeShare;
        ui::Color colour;
    };
    const Case cases[] = {{0.70, kBlue}, {0.691, kBlue}, {0.69, kOrange}, {0.20, kOrange},
                          {0.19, kRed},  {1.0, kBlue},   {0.0, kRed}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.freeShare);
        // 8 GB: more than a signed 32-bit byte count holds.
        const std::uint64_t total = 8192 * kMB;
        fake.system.memory.totalPhysical = total;
        fake.system.memory.availablePhysical = static_cast<std::uint64_t>(c.freeShare * total);
        tick();
        EXPECT_EQ(gauge("Gauge6").max(), 8192 * 1024);
        EXPECT_EQ(gauge("Gauge6").position(), static_cast<int>(c.freeShare * total / 1024));
        EXPECT_EQ(gauge("Gauge6").foreColor(), c.colour);
    }
    EXPECT_TRUE(messages().empty());
}

TEST_F(SysinfoTest, TheTickShowsTheLoadOfTheFirstProcessorWithItsColour) {
    struct Case {
        double idleShare;
        int progress;
        ui::Color colour;
    };
    const Case cases[] = {{1.0, 0, kBlue},    {0.75, 25, kBlue}, {0.705, 30, kOrange},
                          {0.5, 50, kOrange}, {0.3, 70, kRed},   {0.0, 100, kRed}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.idleShare);
        loadOver(c.idleShare);
        EXPECT_EQ(gauge("Gauge7").position(), c.progress);
        EXPECT_EQ(gauge("Gauge7").foreColor(), c.colour);
    }
    EXPECT_TRUE(messages().empty());
}

TEST_F(SysinfoTest, AFailingSamplerIsReportedOnceAndTriedAgainLessOften) {
    loadOver(0.5);
    fake.hardware.perfBlock.reset();
    auto& queries = fake.hardware.perfQueries;
    // Which of 130 ticks ask for the data: the waits double up to 64 ticks.
    std::vector<int> tries;
    for (int i = 0; i < 130; ++i) {
        const auto before = queries.size();
        tick();
        if (queries.size() > before) tries.push_back(i);
    }
    EXPECT_EQ(tries, (std::vector<int>{0, 2, 6, 14, 30, 62, 126}));
    EXPECT_EQ(messages(),
              (std::vector<std::string>{"Unable to locate the \"Processor\" performance object."}));
    EXPECT_EQ(gauge("Gauge7").position(), 0);
    EXPECT_EQ(gauge("Gauge7").foreColor(), kBlue) << "0 in the colour of 0";
    EXPECT_GT(gauge("Gauge6").max(), 0) << "the memory gauge goes on every tick";

    // Working again: the next failure is reported, and the waits start short again.
    fake.hardware.perfBlock = buildPerfBlock({kT0 + 10 * kSecond, {0, 0}});
    const auto waiting = queries.size();
    for (int i = 0; i < 64 && queries.size() == waiting; ++i)
        tick();
    ASSERT_EQ(queries.size(), waiting + 1);
    fake.hardware.perfBlock.reset();
    tick();
    tick();
    tick();
    EXPECT_EQ(queries.size(), waiting + 3);
    EXPECT_EQ(messages().size(), 2u);
}

TEST_F(SysinfoTest, TheMenuPageFillsTheHardwareGridAndRestoresThePriority) {
    fake.system.memory = {1024 * kMB, 300 * kMB + 5, 0, 0};
    c<ui::Label>("Label207").click();
    EXPECT_TRUE(visible("Panel84"));
    EXPECT_EQ(history().back(), 83);
    const std::vector<std::vector<std::string>> cells = {
        {"Komponente", "Eigenschaften", "Vorschlag"},
        {"Prozessor", "GenuineIntel  2400 Mhz", "3 Ghz CPU"},
        {"Speicher", "301/1025 MB", "-"}};
    for (int row = 0; row < 3; ++row) {
        for (int col = 0; col < 3; ++col)
            EXPECT_EQ(grid().cell(col, row), cells[row][col]) << col << "," << row;
    }
    using platform::priority::normal;
    using platform::priority::realTime;
    EXPECT_EQ(fake.hardware.priorityWhileSleeping,
              (std::vector<std::uint32_t>{realTime, realTime}));
    EXPECT_EQ(fake.hardware.priority, normal);

    c<ui::Image>("Image250").click();
    EXPECT_TRUE(visible("Panel83"));
    EXPECT_FALSE(visible("Panel84"));
    EXPECT_EQ(grid().cell(1, 1), "GenuineIntel  2400 Mhz");
}

TEST_F(SysinfoTest, AdviceFollowsItsTableAndLeavesOtherValuesAlone) {
    struct Case {
        double mhz;
        double totalMb;
        const char* cpu;
        const char* memory;
    };
    const Case cases[] = {
        {700, 199.5, "1 Ghz CPU", "256 MB"}, {701, 200, "2 Ghz CPU", "512 MB"},
        {100, 14.9, "1 Ghz CPU", "kept"},    {99, 14, "kept", "kept"},
        {4000, 2000, "-", "kept"},           {4001, 1999, "kept", "-"},
        {2700, 650, "3 Ghz CPU", "1 GB"},    {1700, 400, "2 Ghz CPU", "768 MB"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.mhz);
        fake.hardware.clockMhz = c.mhz;
        fake.system.memory.totalPhysical = static_cast<std::uint64_t>(c.totalMb * kMB);
        grid().setCell(2, 1, "kept");
        grid().setCell(2, 2, "kept");
        run("Systeminfo");
        EXPECT_EQ(grid().cell(2, 1), c.cpu);
        EXPECT_EQ(grid().cell(2, 2), c.memory);
    }
    EXPECT_EQ(brelk::sysinfo::vendorText({0x68747541, 0x69746E65, 0x444D4163}), "AuthenticAMD");
}

TEST_F(SysinfoTest, EachListingHasItsTitleColumnsAndCountLine) {
    auto uninstall = [&](const std::string& key, const char* name) {
        auto k = fake.registry.createKey(
            RootKey::LocalMachine,
            "Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\" + key);
        if (name) k->writeString("DisplayName", name);
    };
    uninstall("zeta", "Zeta Player");
    uninstall("KB123", nullptr);
    uninstall("alpha", "Alpha Office");
    addService("beep", [](auto& k) { k.writeString("DisplayName", "Beep"); });
    const auto explorer = brelk::sysinfo::processIdText(fake.processes.add("explorer.exe"));
    const auto brelkId = brelk::sysinfo::processIdText(fake.processes.add("brelk.exe"));
    EXPECT_EQ(brelk::sysinfo::processIdText(0x3E8), "03E8");
    EXPECT_EQ(brelk::sysinfo::processIdText(0x12345), "12345");

    using Columns = std::vector<ui::ListColumn>;
    struct Case {
        const char* handler;
        const char* title;
        Columns columns;
        std::vector<ui::ListItem> items;
        std::vector<std::string> log;
        const char* count;
        bool endButton;
    };
    const Case cases[] = {
        {"installierteprogramme",
         "System-Informationen - installierte Software",
         {{" ", 20}, {"Programm", 292}},
         {{"1", {"Alpha Office"}}, {"2", {"Zeta Player"}}},
         {" 1. Alpha Office", " 2. Zeta Player"},
         "Installierte Programme: 2",
         false},
        {"Aktivetreibershow",
         "System-Informationen - Aktive Treiber",
         {{"Treiber", 322}},
         {{"\\SystemRoot\\System32\\ntoskrnl.exe", {}}, {"\\SystemRoot\\System32\\hal.dll", {}}},
         {"\\SystemRoot\\System32\\ntoskrnl.exe", "\\SystemRoot\\System32\\hal.dll"},
         "Geladene Treiber: 2",
         false},
        {"Aktiveprozesse",
         "System-Informationen - Aktive Prozesse",
         {{"Prozess", 250}, {"ProzessID", 60}},
         {{"brelk.exe", {brelkId}}, {"explorer.exe", {explorer}}},
         {"explorer.exe :: ProcessID:" + explorer, "brelk.exe :: ProcessID:" + brelkId},
         "Aktive Prozesse: 2",
         true},
        {"showservices",
         "System-Informationen - Dienste",
         {{"Dienst", 260}, {"Status", 65}},
         {{"Beep", {}}},
         {},
         "Aktive Dienste: 1",
         false},
    };
    run("Systeminfo");
    for (const auto& c : cases) {
        SCOPED_TRACE(c.handler);
        run(c.handler);
        EXPECT_TRUE(visible("Panel85"));
        EXPECT_FALSE(visible("Panel84"));
        EXPECT_EQ(caption("Label222"), c.title);
        EXPECT_EQ(list().viewStyle(), ui::ViewStyle::Report);
        EXPECT_EQ(list().columns(), c.columns);
        EXPECT_EQ(list().items(), c.items);
        EXPECT_EQ(log(), c.log);
        EXPECT_EQ(caption("Label213"), c.count);
        EXPECT_EQ(visible("Button3"), c.endButton);
    }
    EXPECT_EQ(history().back(), 83) << "listings add no history entry";
    EXPECT_TRUE(messages().empty());
}

TEST_F(SysinfoTest, ServicesShowTheirStartTypeAndAllCount) {
    const char* const starts[] = {"System",  "System",      "Automatisch",
                                  "Manuell", "Deaktiviert", nullptr};
    for (int start = 0; start <= 5; ++start) {
        addService("svc" + std::to_string(start), [start](auto& k) {
            k.writeString("DisplayName", "Dienst " + std::to_string(5 - start));
            k.writeInteger("Start", start);
        });
    }
    addService("empty", [](auto& k) { k.writeString("DisplayName", ""); });
    addService("nameless", [](auto& k) { k.writeInteger("Start", 2); });
    addService("binary", [](auto& k) { k.writeBinary("DisplayName", {1, 2}); });
    addService("textstart", [](auto& k) {
        k.writeString("DisplayName", "Aaa");
        k.writeString("Start", "2");
    });
    run("showservices");
    std::vector<ui::ListItem> expected = {{"Aaa", {}}};
    for (int start = 5; start >= 0; --start) {
        ui::ListItem item{"Dienst " + std::to_string(5 - start), {}};
        if (starts[start]) item.subItems.push_back(starts[start]);
        expected.push_back(item);
    }
    EXPECT_EQ(list().items(), expected);
    EXPECT_EQ(log(), (std::vector<std::string>{"Dienst 5: System", "Dienst 4: System",
                                               "Dienst 3: Automatisch", "Dienst 2: Manuell",
                                               "Dienst 1: Deaktiviert"}));
    EXPECT_EQ(caption("Label213"), "Aktive Dienste: 7");
    EXPECT_FALSE(list().updating());
    EXPECT_TRUE(messages().empty());
}

TEST_F(SysinfoTest, TheDriverListingKeepsTheOrderOfTheListingBefore) {
    fake.hardware.modules->bytes = platform::buildModuleList({"b.sys", "c.sys", "a.sys"});
    fake.processes.add("x.exe");
    struct Case {
        const char* before;
        std::vector<std::string> drivers;
    };
    const Case cases[] = {{"installierteprogramme", {"b.sys", "c.sys", "a.sys"}},
                          {"Aktiveprozesse", {"a.sys", "b.sys", "c.sys"}},
                          {"showservices", {"a.sys", "b.sys", "c.sys"}}};
    for (const auto& c : cases) {
        run(c.before);
        run("Aktivetreibershow");
        EXPECT_EQ(captions(), c.drivers) << c.before;
    }
}

TEST_F(SysinfoTest, FailingListingsShowWhatWasFilled) {
    fake.processes.snapshotFails = true;
    run("Aktiveprozesse");
    EXPECT_TRUE(list().items().empty());
    EXPECT_EQ(caption("Label213"), "Aktive Prozesse: 0");

    auto& modules = *fake.hardware.modules;
    modules.bytes = platform::buildModuleList({"a.sys", "b.sys"});
    platform::storeU32(modules.bytes, 0, 3); // promises a record the list does not hold
    run("Aktivetreibershow");
    EXPECT_EQ(captions(), (std::vector<std::string>{"a.sys", "b.sys"}));
    EXPECT_EQ(caption("Label213"), "Geladene Treiber: 2");

    fake.hardware.modules.reset(); // no system-information call
    run("Aktivetreibershow");
    EXPECT_EQ(caption("Label213"), "Geladene Treiber: 0");
    EXPECT_EQ(messages(),
              (std::vector<std::string>{"A call to an OS function failed.", "Range check error."}));
}

// The selected row's process is ended by the id it shows, and only while that id still runs
// the row's program; an end that did not happen is told.
TEST_F(SysinfoTest, EndingTheSelectedProcessEndsTheOneItsRowShows) {
    enum Change { none, endedMeanwhile, refused };
    const struct {
        Change change;
        const char* message; // nullptr: ended without a word
    } cases[] = {
        {none, nullptr},
        {endedMeanwhile, "läuft nicht mehr."},
        {refused, "konnte nicht beendet werden."},
    };
    for (const auto& k : cases) {
        SCOPED_TRACE(k.change);
        platform::FakeProcesses& processes = fake.processes;
        const auto running = processes.list();
        for (const auto& p : *running)
            processes.terminate(p.pid, 0);
        processes.terminations.clear();
        h.dialogs.messages.clear();
        const auto first = processes.add("dorvask.exe");
        const auto second = processes.add("dorvask.exe");
        processes.add("explorer.exe");
        run("Aktiveprozesse");
        c<ui::Button>("Button3").click(); // nothing selected: lists again only
        EXPECT_TRUE(processes.terminations.empty());
        list().setSelectedIndex(1);
        ASSERT_EQ(list().selected()->subItems.at(0), brelk::sysinfo::processIdText(second));
        if (k.change == endedMeanwhile) processes.terminate(second, 0);
        if (k.change == refused) processes.protectedPids.insert(second);
        processes.terminations.clear();
        c<ui::Button>("Button3").click();
        EXPECT_TRUE(processes.isRunning(first)) << "the other of the same name";
        if (k.message) {
            EXPECT_TRUE(processes.terminations.empty());
            EXPECT_EQ(messages(), std::vector<std::string>{"Der Prozess dorvask.exe (ProzessID " +
                                                           brelk::sysinfo::processIdText(second) +
                                                           ") " + k.message});
        } else {
            EXPECT_EQ(processes.terminations,
                      (std::vector<platform::FakeProcesses::Termination>{{second, 0}}));
            EXPECT_TRUE(messages().empty());
        }
        EXPECT_EQ(list().selectedIndex(), -1) << "listed again";
    }
}

TEST(ProcessIds, ReadBackFromTheirText) {
    EXPECT_EQ(brelk::sysinfo::processIdFromText(brelk::sysinfo::processIdText(0x3E8)), 0x3E8u);
    EXPECT_EQ(brelk::sysinfo::processIdFromText("FFFFFFFF"), 0xFFFFFFFFu);
    for (const char* bad : {"", "12G4", "100000000", " 3E8"})
        EXPECT_EQ(brelk::sysinfo::processIdFromText(bad), std::nullopt) << bad;
}

TEST_F(SysinfoTest, TheLogIsSavedWhereTheUserChooses) {
    const auto id = brelk::sysinfo::processIdText(fake.processes.add("explorer.exe"));
    run("Aktiveprozesse");
    const std::string target = folder() + "prozesse.log";
    const std::string unwritable = "Z:\\missing\\protokoll.log";
    h.dialogs.files = {std::nullopt, target, unwritable};
    for (int i = 0; i < 3; ++i)
        c<ui::Button>("Button4").click();
    ASSERT_EQ(h.dialogs.fileDialogs.size(), 3u);
    const auto& options = h.dialogs.fileDialogs[0];
    EXPECT_EQ(options.initialDir, folder());
    EXPECT_EQ(options.fileName, "protokoll.log");
    EXPECT_EQ(options.defaultExt, "log");
    EXPECT_EQ(fake.files.readFile(target), "explorer.exe :: ProcessID:" + id + "\r\n");
    EXPECT_EQ(messages(), (std::vector<std::string>{"Cannot create file \"" + unwritable + "\"."}));
}

TEST_F(SysinfoTest, LinkHoversSwapTheirPicturesAndTheResetPutsThemBack) {
    struct Case {
        const char* label;
        const char* normal;
        const char* hover;
        const char* listing;
    };
    const Case cases[] = {
        {"Label217", "Image256", "Image255", "System-Informationen - installierte Software"},
        {"Label220", "Image260", "Image259", "System-Informationen - Aktive Prozesse"},
        {"Label218", "Image258", "Image257", "System-Informationen - Aktive Treiber"},
        {"Label221", "Image265", "Image266", "System-Informationen - Dienste"}};
    c<ui::Label>("Label207").mouseMove({}, 1, 1);
    EXPECT_TRUE(visible("Image295"));
    EXPECT_EQ(c<ui::Label>("Label207").font().color, 0xF5EEE9u);
    for (const auto& c : cases) {
        SCOPED_TRACE(c.label);
        run("Systeminfo");
        this->c<ui::Label>(c.label).mouseMove({}, 1, 1);
        EXPECT_FALSE(visible(c.normal));
        EXPECT_TRUE(visible(c.hover));
        this->c<ui::Panel>("Panel84").mouseMove({}, 1, 1);
        EXPECT_TRUE(visible(c.normal));
        EXPECT_FALSE(visible(c.hover));
        // The services link's hover is bound on its label and hover picture, the others' on
        // their label and normal picture.
        const bool services = std::string(c.label) == "Label221";
        this->c<ui::Image>(c.normal).mouseMove({}, 1, 1);
        EXPECT_EQ(visible(c.hover), !services);
        if (services) this->c<ui::Label>(c.label).mouseMove({}, 1, 1);
        this->c<ui::Image>(c.hover).mouseMove({}, 1, 1);
        EXPECT_TRUE(visible(c.hover));
        this->c<ui::Image>(c.hover).click();
        EXPECT_EQ(caption("Label222"), c.listing);
    }
    run("Systeminfo");
    run("hardwarerollp83");
    EXPECT_TRUE(visible("Image249"));
    EXPECT_FALSE(visible("Image250"));
}

} // namespace
