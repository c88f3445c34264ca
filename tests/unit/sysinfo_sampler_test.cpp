#include "platform/fake/fake_hardware.h"
#include "platform/perf_data_layout.h"
#include "platform/system_time.h"
#include "sysinfo/cpu_usage.h"
#include "sysinfo/module_list.h"

#include <gtest/gtest.h>

#include <functional>

using brelk::sysinfo::CpuUsage;
using platform::buildPerfBlock;
using platform::FakeHardware;
using platform::PerfSample;
using platform::storeU32;
namespace perf = platform::perf;

namespace {

const char* const kNoObject = "Unable to locate the \"Processor\" performance object";
const char* const kNoCounter = "Unable to locate the \"% of CPU usage\" performance counter";
constexpr std::uint64_t kSecond = 10'000'000; // file-time units
constexpr std::uint64_t kT0 = 0x01DD'0000'0000'0000ull;

// Offsets in the blocks the builder makes: the processor object right after the header.
constexpr std::size_t kObject = perf::kBlockSize;
constexpr std::size_t kSecondCounter = kObject + perf::kObjectSize + perf::kCounterDefinitionSize;
constexpr std::size_t kFirstInstance =
    kObject + perf::kObjectSize + 2 * perf::kCounterDefinitionSize;

std::string errorOf(const std::function<void()>& f) {
    try {
        f();
    } catch (const std::exception& e) {
        return e.what();
    }
    return "";
}

struct SamplerTest : ::testing::Test {
    FakeHardware hw;
    CpuUsage cpu{hw};

    void next(std::vector<std::uint64_t> idle, std::uint64_t time) {
        hw.perfBlock = buildPerfBlock({time, std::move(idle)});
        cpu.sample();
    }
};

TEST_F(SamplerTest, LoadOfEachInstanceOverTheLastSecond) {
    struct Case {
        const char* name;
        std::vector<std::uint64_t> first, second;
        std::vector<double> loads;
    };
    const Case cases[] = {
        {"one processor and the total",
         {100, 100},
         {100 + kSecond / 4, 100 + kSecond / 4},
         {0.75, 0.75}},
        {"four processors",
         {0, 0, 0, 0, 0},
         {kSecond, kSecond / 2, 0, kSecond / 10, 2 * kSecond},
         {0.0, 0.5, 1.0, 0.9, 0.0}}, // idle beyond the interval reads as no load
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        FakeHardware hardware;
        CpuUsage sampler(hardware);
        hardware.perfBlock = buildPerfBlock({kT0, c.first});
        sampler.sample();
        EXPECT_EQ(sampler.cpuUsage(0), 0.0) << "a single sample shows no load yet";
        hardware.perfBlock = buildPerfBlock({kT0 + kSecond, c.second});
        sampler.sample();
        ASSERT_EQ(sampler.cpuCount(), static_cast<int>(c.loads.size()));
        for (std::size_t i = 0; i < c.loads.size(); ++i)
            EXPECT_DOUBLE_EQ(sampler.cpuUsage(static_cast<int>(i)), c.loads[i]) << i;
        for (int outside : {-1, static_cast<int>(c.loads.size())})
            EXPECT_EQ(errorOf([&] { sampler.cpuUsage(outside); }), "CPU index out of bounds");
    }
}

TEST_F(SamplerTest, QueriesTheProcessorObjectOnlyIntoOneBufferThatGrowsOnMoreData) {
    hw.perfBlock = buildPerfBlock({kT0, {0, 0}, 10'000});
    ASSERT_GT(hw.perfBlock->size(), 10'000u);
    cpu.sample();
    next({kSecond / 2, kSecond / 2}, kT0 + kSecond);
    using Q = FakeHardware::PerfQuery;
    EXPECT_EQ(hw.perfQueries, (std::vector<Q>{{"238", 8192}, {"238", 12288}, {"238", 12288}}));
    EXPECT_EQ(cpu.bufferSize(), 12288u);
    EXPECT_DOUBLE_EQ(cpu.cpuUsage(0), 0.5);
}

TEST_F(SamplerTest, EqualTimeStampsGiveNoLoad) {
    next({0, 0}, kT0);
    next({kSecond, 0}, kT0);
    EXPECT_EQ(cpu.cpuUsage(0), 0.0);
    EXPECT_EQ(cpu.cpuUsage(1), 0.0);
}

TEST_F(SamplerTest, TheFirstSampleFixesTheCount) {
    EXPECT_EQ(cpu.cpuCount(), 2); // samples first
    next({0, 0, 0}, kT0 + kSecond);
    EXPECT_EQ(cpu.cpuCount(), 2);
    EXPECT_EQ(errorOf([&] { cpu.cpuUsage(2); }), "CPU index out of bounds");
}

// Blocks that are missing a part, end early or point outside themselves: each ends the sample
// with an error text and nothing is read past the block.
TEST_F(SamplerTest, BrokenBlocksEndTheSampleWithTheErrorText) {
    using Bytes = std::vector<std::uint8_t>;
    struct Case {
        const char* name;
        std::function<void(Bytes&)> breakIt;
        PerfSample sample;
        const char* error;
    };
    const PerfSample normal{kT0, {5, 5}};
    const Case cases[] = {
        {"no processor object", {}, {kT0, {5, 5}, 200, false}, kNoObject},
        {"no processor-time counter", {}, {kT0, {5, 5}, 0, true, false}, kNoCounter},
        {"empty answer", [](Bytes& b) { b.clear(); }, normal, kNoObject},
        {"cut inside the header", [](Bytes& b) { b.resize(30); }, normal, kNoObject},
        {"cut inside the last instance", [](Bytes& b) { b.resize(b.size() - 10); }, normal,
         kNoCounter},
        {"header length beyond the block",
         [](Bytes& b) { storeU32(b, perf::kBlockHeaderLength, 0xFFFFFFF0u); }, normal, kNoObject},
        {"object count beyond the objects",
         [](Bytes& b) {
             storeU32(b, perf::kBlockNumObjectTypes, 7);
             storeU32(b, kObject + perf::kObjectNameTitleIndex, 2);
         },
         normal, kNoObject},
        {"another object's length beyond the block",
         [](Bytes& b) {
             storeU32(b, perf::kBlockSize + perf::kObjectTotalByteLength, 0xFFFFFF00u);
         },
         {kT0, {5, 5}, 200},
         kNoObject},
        {"four billion objects of no length",
         [](Bytes& b) {
             storeU32(b, perf::kBlockNumObjectTypes, 0xFFFFFFFFu);
             storeU32(b, kObject + perf::kObjectNameTitleIndex, 2);
             storeU32(b, kObject + perf::kObjectTotalByteLength, 0);
         },
         normal, kNoObject},
        {"four billion counters of no length",
         [](Bytes& b) {
             storeU32(b, kObject + perf::kObjectNumCounters, 0xFFFFFFFFu);
             storeU32(b, kObject + perf::kObjectSize + perf::kCounterByteLength, 0);
         },
         normal, kNoCounter},
        {"instance count beyond the block",
         [](Bytes& b) { storeU32(b, kObject + perf::kObjectNumInstances, 0x7FFFFFFFu); }, normal,
         kNoObject},
        {"no instances",
         [](Bytes& b) { storeU32(b, kObject + perf::kObjectNumInstances, 0xFFFFFFFFu); }, normal,
         kNoObject},
        {"counter length beyond the block",
         [](Bytes& b) {
             storeU32(b, kObject + perf::kObjectSize + perf::kCounterByteLength, 0x7FFFFFFFu);
         },
         normal, kNoCounter},
        {"counter offset beyond the block",
         [](Bytes& b) { storeU32(b, kSecondCounter + perf::kCounterOffset, 0xFFFFFFFCu); }, normal,
         kNoCounter},
        {"instance length beyond the block",
         [](Bytes& b) { storeU32(b, kFirstInstance + perf::kInstanceByteLength, 0xFFFFFF00u); },
         normal, kNoCounter},
        {"invalid time stamp",
         [](Bytes& b) { platform::storeU16(b, perf::kBlockSystemTime + 2, 13); }, normal,
         kNoObject},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        FakeHardware hardware;
        CpuUsage sampler(hardware);
        Bytes block = buildPerfBlock(c.sample);
        if (c.breakIt) c.breakIt(block);
        hardware.perfBlock = block;
        EXPECT_EQ(errorOf([&] { sampler.sample(); }), c.error);
    }
}

TEST_F(SamplerTest, FailuresOfThePlatformAndOfTheArithmetic) {
    hw.perfBlock.reset();
    EXPECT_EQ(errorOf([&] { cpu.sample(); }), kNoObject);

    FakeHardware noVersion;
    noVersion.platform.reset();
    CpuUsage unknown(noVersion);
    EXPECT_EQ(errorOf([&] { unknown.sample(); }), "Can't get the Windows version");

    // An idle counter that jumps across the signed range overflows its difference.
    next({0x7FFFFFFFFFFFFFF0ull, 0}, kT0);
    next({0x8000000000000010ull, 0}, kT0 + kSecond);
    EXPECT_EQ(errorOf([&] { cpu.cpuUsage(0); }), "Integer overflow");
}

TEST_F(SamplerTest, A9xSystemReadsTheKernelStatisticAndStopsItAtTheEnd) {
    FakeHardware old;
    old.platform = platform::platformid::windows9x;
    old.dynData["PerfStats\\StartStat"]["KERNEL\\CPUUsage"] = 0;
    old.dynData["PerfStats\\StatData"]["KERNEL\\CPUUsage"] = 42;
    old.dynData["PerfStats\\StopStat"]["KERNEL\\CPUUsage"] = 0;
    {
        CpuUsage sampler(old);
        EXPECT_EQ(sampler.cpuCount(), 1);
        EXPECT_EQ(errorOf([&] { sampler.cpuUsage(1); }), "CPU index out of bounds");
        EXPECT_DOUBLE_EQ(sampler.cpuUsage(0), 0.42); // samples first
        old.dynData["PerfStats\\StatData"]["KERNEL\\CPUUsage"] = 7;
        sampler.sample();
        EXPECT_DOUBLE_EQ(sampler.cpuUsage(0), 0.07);
        EXPECT_EQ(old.openDynKeys, 1) << "the data key stays open while monitoring";
    }
    using O = FakeHardware::DynOpen;
    EXPECT_EQ(old.dynOpens, (std::vector<O>{{"PerfStats\\StartStat", true},
                                            {"PerfStats\\StatData", false},
                                            {"PerfStats\\StopStat", true}}));
    EXPECT_EQ(old.dynReads, (std::vector<std::string>{"PerfStats\\StartStat\\KERNEL\\CPUUsage",
                                                      "PerfStats\\StatData\\KERNEL\\CPUUsage",
                                                      "PerfStats\\StatData\\KERNEL\\CPUUsage",
                                                      "PerfStats\\StopStat\\KERNEL\\CPUUsage"}));
    EXPECT_EQ(old.openDynKeys, 0);
    EXPECT_TRUE(old.perfQueries.empty());
}

TEST_F(SamplerTest, A9xSystemWithoutTheStatisticKeys) {
    struct Case {
        std::vector<std::string> keys;
        const char* error;
    };
    const Case cases[] = {
        {{}, "Unable to start performance monitoring"},
        {{"PerfStats\\StartStat"}, "Unable to read performance data"},
        {{"PerfStats\\StartStat", "PerfStats\\StatData"}, ""}, // no stop key: stops silently
    };
    for (const auto& c : cases) {
        FakeHardware old;
        old.platform = platform::platformid::windows9x;
        for (const auto& k : c.keys)
            old.dynData[k];
        {
            CpuUsage sampler(old);
            EXPECT_EQ(errorOf([&] { sampler.sample(); }), c.error);
        }
        EXPECT_EQ(old.openDynKeys, 0);
    }
}

TEST(ModuleList, ReadsThePathsOfWholeRecordsOnly) {
    const platform::ModuleListLayout narrow{}, wide{8, 296, 40, 256};
    const std::string longPath(300, 'x');
    struct Case {
        const char* name;
        platform::ModuleListLayout layout;
        std::function<std::vector<std::uint8_t>()> list;
        std::vector<std::string> paths;
        bool complete;
    };
    const Case cases[] = {
        {"32-bit records",
         narrow,
         [&] {
             return platform::buildModuleList({"a.sys", "b.sys"}, narrow);
         },
         {"a.sys", "b.sys"},
         true},
        {"64-bit records",
         wide,
         [&] { return platform::buildModuleList({"\\SystemRoot\\x.sys"}, wide); },
         {"\\SystemRoot\\x.sys"},
         true},
        {"a path without its end",
         narrow,
         [&] { return platform::buildModuleList({longPath}, narrow); },
         {std::string(256, 'x')},
         true},
        {"a count beyond the list",
         narrow,
         [&] {
             auto b = platform::buildModuleList({"a.sys", "b.sys"}, narrow);
             storeU32(b, 0, 0xFFFFFFFFu);
             return b;
         },
         {"a.sys", "b.sys"},
         false},
        {"a cut record",
         narrow,
         [&] {
             auto b = platform::buildModuleList({"a.sys", "b.sys"}, narrow);
             b.resize(b.size() - 1);
             return b;
         },
         {"a.sys"},
         false},
        {"no count",
         narrow,
         [] {
             return std::vector<std::uint8_t>{1, 0};
         },
         {},
         false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const auto bytes = c.list();
        const auto read = brelk::sysinfo::readModulePaths(bytes, c.layout);
        EXPECT_EQ(read.paths, c.paths);
        EXPECT_EQ(read.complete, c.complete);
    }
}

TEST(SystemTime, CalendarAndFileTimeAgree) {
    for (std::uint64_t t : {0ull, 10'000ull, 0x01DD'0000'0000'0000ull / 10'000 * 10'000,
                            126'227'808'000'000'000ull /* 2001-01-01 */}) {
        const auto back = platform::fileTimeFromCalendar(platform::calendarFromFileTime(t));
        ASSERT_TRUE(back.has_value());
        EXPECT_EQ(*back, t);
    }
    const auto y2k = platform::calendarFromFileTime(126'227'808'000'000'000ull);
    EXPECT_EQ(y2k.year, 2001);
    EXPECT_EQ(y2k.dayOfWeek, 1); // a Monday
    EXPECT_FALSE(platform::fileTimeFromCalendar({2023, 2, 0, 29}).has_value());
    EXPECT_TRUE(platform::fileTimeFromCalendar({2024, 2, 0, 29}).has_value());
}

} // namespace
