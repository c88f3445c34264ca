// Machine facts, run against every environment in ContractEnvs (see contract_support.h): the
// fake's defaults must look like what a Windows system of the NT family answers.
#pragma once

#include "contract_support.h"
#include "platform/platform.h"
#include "sysinfo/hardware_page.h"
#include "sysinfo/module_list.h"

#include <algorithm>
#include <cctype>

namespace contract {

template <typename Env> class HardwareContract : public ::testing::Test {
  protected:
    platform::Hardware& hw() { return env.platform().hardware; }
    Env env;
};

TYPED_TEST_SUITE(HardwareContract, ContractEnvs);

TYPED_TEST(HardwareContract, AnNTSystem) {
    EXPECT_EQ(this->hw().platformId(), platform::platformid::windowsNT);
}

TYPED_TEST(HardwareContract, PerformanceDataNeverFitsATinyBuffer) {
    std::vector<std::uint8_t> tiny(16);
    const auto answer = this->hw().queryPerformanceData("238", tiny);
    EXPECT_NE(answer.status, platform::PerfQueryStatus::Ok);
}

TYPED_TEST(HardwareContract, TheModuleListNamesTheLoadedModules) {
    const auto modules = this->hw().loadedModules();
    ASSERT_TRUE(modules.has_value());
    const auto read = brelk::sysinfo::readModulePaths(modules->bytes, modules->layout);
    EXPECT_TRUE(read.complete);
    ASSERT_FALSE(read.paths.empty());
    for (const auto& path : read.paths)
        EXPECT_FALSE(path.empty());
}

TYPED_TEST(HardwareContract, TheVendorIsTwelvePrintableCharacters) {
    const std::string vendor = brelk::sysinfo::vendorText(this->hw().cpuidVendor());
    ASSERT_EQ(vendor.size(), 12u);
    EXPECT_TRUE(std::all_of(vendor.begin(), vendor.end(), [](char c) {
        return std::isprint(static_cast<unsigned char>(c));
    })) << vendor;
}

TYPED_TEST(HardwareContract, TheClockMeasurementLeavesThePriorityAsItWas) {
    auto& hw = this->hw();
    const std::uint32_t former = hw.priorityClass();
    ASSERT_TRUE(hw.setPriorityClass(platform::priority::high));
    EXPECT_EQ(hw.priorityClass(), platform::priority::high);
    const double mhz = brelk::sysinfo::MeasureCpuMhz(hw);
    EXPECT_GT(mhz, 10.0);
    EXPECT_EQ(hw.priorityClass(), platform::priority::high);
    EXPECT_TRUE(hw.setPriorityClass(former));
    EXPECT_EQ(hw.priorityClass(), former);
}

} // namespace contract
