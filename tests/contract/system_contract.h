// Processes, shell, security, network and system facts, run against every environment in
// ContractEnvs (see contract_support.h).
#pragma once

#include "contract_support.h"
#include "online/host_reachable.h"
#include "platform/platform.h"
#include "platform/text_case.h"
#include "shell/windows_helpers.h"

#include <algorithm>
#include <optional>
#include <utility>

namespace contract {

template <typename Env> class SystemContract : public ::testing::Test {
  protected:
    platform::Platform& p() { return env.platform(); }

    std::vector<std::uint32_t> pidsNamed(const std::string& name) {
        std::vector<std::uint32_t> pids;
        for (auto& e : p().processes.list().value_or(std::vector<platform::ProcessEntry>{}))
            if (platform::equalsIgnoreCase(e.exeName, name)) pids.push_back(e.pid);
        return pids;
    }
    bool running(std::uint32_t pid) {
        auto all = p().processes.list().value_or(std::vector<platform::ProcessEntry>{});
        return std::any_of(all.begin(), all.end(), [&](auto& e) { return e.pid == pid; });
    }

    // Two running copies of the test program sleeper.exe; their ids, or nothing.
    std::optional<std::pair<std::uint32_t, std::uint32_t>> startTwoSleepers() {
        const std::string program = '"' + (env.testProgramFolder() + "sleeper.exe\"");
        auto one = p().processes.start(program);
        auto two = p().processes.start(program);
        if (!one || !two || !waitFor([&] { return running(*one) && running(*two); }))
            return std::nullopt;
        return std::pair{*one, *two};
    }

    Env env;
};

TYPED_TEST_SUITE(SystemContract, ContractEnvs);

TYPED_TEST(SystemContract, KillProcessByNameEndsOnlyTheFirstOfTwo) {
    auto& processes = this->p().processes;
    auto sleepers = this->startTwoSleepers();
    ASSERT_TRUE(sleepers);
    EXPECT_TRUE(brelk::IsProcessRunning(processes, "Sleeper.EXE"));

    auto listed = this->pidsNamed("sleeper.exe");
    ASSERT_EQ(listed.size(), 2u);
    EXPECT_TRUE(brelk::KillProcessByName(processes, "SLEEPER.EXE"));
    EXPECT_TRUE(waitFor([&] { return !this->running(listed[0]); }));
    EXPECT_TRUE(this->running(listed[1]));

    EXPECT_TRUE(processes.terminate(listed[1], 0));
    EXPECT_TRUE(waitFor([&] { return !this->running(listed[1]); }));
    EXPECT_FALSE(brelk::IsProcessRunning(processes, "sleeper.exe"));
    EXPECT_FALSE(brelk::KillProcessByName(processes, "sleeper.exe"));
}

TYPED_TEST(SystemContract, TerminateIfNamedEndsThatIdOnlyUnderThatName) {
    auto& processes = this->p().processes;
    auto sleepers = this->startTwoSleepers();
    ASSERT_TRUE(sleepers);
    const std::uint32_t one = sleepers->first, two = sleepers->second;
    using platform::EndResult;
    EXPECT_EQ(processes.terminateIfNamed(two, "SLEEPER.EXE", 0), EndResult::Ended);
    EXPECT_TRUE(waitFor([&] { return !this->running(two); }));
    EXPECT_TRUE(this->running(one)) << "the other of the same name";
    EXPECT_EQ(processes.terminateIfNamed(two, "sleeper.exe", 0), EndResult::NotRunning);
    EXPECT_EQ(processes.terminateIfNamed(one, "explorer.exe", 0), EndResult::NotRunning);
    EXPECT_TRUE(this->running(one));
    EXPECT_EQ(processes.terminateIfNamed(one, "sleeper.exe", 0), EndResult::Ended);
    EXPECT_TRUE(waitFor([&] { return !this->running(one); }));
}

TYPED_TEST(SystemContract, ProgramThatDoesNotExistDoesNotStart) {
    EXPECT_FALSE(this->p().processes.start("\"" + this->env.scratchFolder() + "missing.exe\""));
    EXPECT_EQ(this->p().shell.execute("open", this->env.scratchFolder() + "missing.exe", "", "",
                                      platform::showcmd::normal),
              2);
}

TYPED_TEST(SystemContract, SpecialFolders) {
    auto& shell = this->p().shell;
    auto windows = shell.specialFolderPath(platform::csidl::windows);
    ASSERT_TRUE(windows);
    EXPECT_TRUE(platform::equalsIgnoreCase(*windows, this->p().system.windowsFolder()));
    EXPECT_TRUE(this->p().files.directoryExists(*windows));
    auto programs = shell.specialFolderPath(platform::csidl::programs);
    ASSERT_TRUE(programs);
    EXPECT_FALSE(programs->empty());
    EXPECT_FALSE(shell.specialFolderPath(0x7F));
}

TYPED_TEST(SystemContract, UserIsAdministratorAndMayShutDown) {
    auto groups = this->p().security.tokenGroupSids();
    ASSERT_TRUE(groups);
    EXPECT_NE(std::find(groups->begin(), groups->end(), "S-1-5-32-544"), groups->end());
    EXPECT_TRUE(brelk::IsUserAdmin(this->p().security));
    EXPECT_TRUE(this->p().security.enableShutdownPrivilege());
}

TYPED_TEST(SystemContract, HostReachableOnlyWhileSomethingListens) {
    auto& network = this->p().network;
    EXPECT_EQ(network.resolveHost("127.0.0.1"), (platform::Ipv4Address{127, 0, 0, 1}));
    EXPECT_EQ(network.resolveHost("localhost"), (platform::Ipv4Address{127, 0, 0, 1}));
    int pumped = 0;
    EXPECT_TRUE(
        brelk::IsHostReachable(network, "127.0.0.1", this->env.listeningPort(), [&] { ++pumped; }));
    EXPECT_GT(pumped, 0);
    EXPECT_TRUE(brelk::IsHostReachable(network, "localhost", this->env.listeningPort()));
    EXPECT_FALSE(brelk::IsHostReachable(network, "127.0.0.1", this->env.closedPort()));
}

TYPED_TEST(SystemContract, SystemFacts) {
    auto memory = this->p().system.memoryStatus();
    EXPECT_GT(memory.totalPhysical, 0u);
    EXPECT_LE(memory.availablePhysical, memory.totalPhysical);
    EXPECT_TRUE(this->p().files.directoryExists(this->p().system.windowsFolder()));
}

} // namespace contract
