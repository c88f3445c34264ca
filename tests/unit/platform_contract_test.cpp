// The platform contract cases against the in-memory platform.
#include "platform/fake/fake_platform.h"

#include <gtest/gtest.h>

namespace {

class FakeEnv {
  public:
    FakeEnv() { fake.files.addFile(fake.files.programFolder() + "sleeper.exe", "MZ"); }

    platform::Platform& platform() { return fake.platform(); }
    void isolateRegistry() {}
    std::string scratchFolder() {
        fake.files.addDirectory("C:\\Scratch");
        return "C:\\Scratch\\";
    }
    std::uint16_t listeningPort() {
        fake.network.listen({127, 0, 0, 1}, 8080);
        return 8080;
    }
    std::uint16_t closedPort() { return 8081; }
    std::string testProgramFolder() { return fake.files.programFolder(); }

    platform::FakePlatform fake;
};

using ContractEnvs = ::testing::Types<FakeEnv>;

} // namespace

#include "../contract/file_system_contract.h"
#include "../contract/file_writer_contract.h"
#include "../contract/hardware_contract.h"
#include "../contract/profiles_contract.h"
#include "../contract/registry_contract.h"
#include "../contract/registry_walk_contract.h"
#include "../contract/system_contract.h"
