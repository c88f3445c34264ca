#include "online/host_reachable.h"
#include "platform/fake/fake_network.h"

#include <gtest/gtest.h>

#include <stdexcept>

namespace {

class HostReachableTest : public ::testing::Test {
  protected:
    HostReachableTest() {
        network.addHost("server1.example", {10, 0, 0, 200});
        network.listen({10, 0, 0, 200}, 80);
    }
    platform::FakeNetwork network;
};

TEST_F(HostReachableTest, HostAnsweringOnThePortIsReachable) {
    EXPECT_TRUE(brelk::IsHostReachable(network, "SERVER1.example", 80));
    EXPECT_FALSE(brelk::IsHostReachable(network, "server1.example", 81));
}

TEST_F(HostReachableTest, UnresolvableHostIsNotConnected) {
    EXPECT_FALSE(brelk::IsHostReachable(network, "unknown.example", 80));
    EXPECT_FALSE(brelk::IsHostReachable(network, "http://server1.example", 80));
    EXPECT_TRUE(network.connections.empty());
}

TEST_F(HostReachableTest, EmptyHostAndOversizedPortAreRejected) {
    network.listen({127, 0, 0, 1}, 80);
    EXPECT_FALSE(brelk::IsHostReachable(network, "", 80));
    EXPECT_FALSE(brelk::IsHostReachable(network, "server1.example", 65536 + 80));
    EXPECT_TRUE(network.connections.empty());
}

TEST_F(HostReachableTest, MessagesAreProcessedBeforeTheConnect) {
    std::size_t connectionsSeen = 99;
    EXPECT_TRUE(brelk::IsHostReachable(network, "server1.example", 80,
                                       [&] { connectionsSeen = network.connections.size(); }));
    EXPECT_EQ(connectionsSeen, 0u);
}

TEST_F(HostReachableTest, ErrorsMakeItUnreachable) {
    EXPECT_FALSE(brelk::IsHostReachable(network, "server1.example", 80,
                                        [] { throw std::runtime_error("handler failed"); }));
    network.socketsAvailable = false;
    EXPECT_FALSE(brelk::IsHostReachable(network, "server1.example", 80));
}

} // namespace
