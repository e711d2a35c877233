#include <gtest/gtest.h>

#include "platform/tcp_socket.h"

namespace zor06::platform {
namespace {

constexpr std::uint32_t kLoopback = 0x7F000001;

TEST(ResolveAddressTest, NumericHostAndPort) {
    std::string error;
    const auto endpoint = ResolveAddress("127.0.0.1", "4001", &error);
    ASSERT_TRUE(endpoint.has_value()) << error;
    EXPECT_EQ(endpoint->address, kLoopback);
    EXPECT_EQ(endpoint->port, 4001);
}

TEST(ResolveAddressTest, BroadcastAndEmptyHost) {
    std::string error;
    const auto broadcast = ResolveAddress("255.255.255.255", "0", &error);
    ASSERT_TRUE(broadcast.has_value()) << error;
    EXPECT_EQ(broadcast->address, 0xFFFFFFFFu);

    const auto any = ResolveAddress("", "65535", &error);
    ASSERT_TRUE(any.has_value()) << error;
    EXPECT_EQ(any->address, 0u);
    EXPECT_EQ(any->port, 65535);
}

TEST(ResolveAddressTest, HostNameThroughTheResolver) {
    std::string error;
    const auto endpoint = ResolveAddress("localhost", "502", &error);
    ASSERT_TRUE(endpoint.has_value()) << error;
    EXPECT_EQ(endpoint->address, kLoopback);
    EXPECT_EQ(endpoint->port, 502);
}

TEST(ResolveAddressTest, NamedService) {
    std::string error;
    const auto endpoint = ResolveAddress("127.0.0.1", "telnet", &error);
    if (!endpoint) {
        GTEST_SKIP() << "no services database: " << error;
    }
    EXPECT_EQ(endpoint->port, 23);
}

TEST(ResolveAddressTest, UnknownHostIsNamedInTheError) {
    std::string error;
    EXPECT_FALSE(ResolveAddress("no-such-host.invalid", "4001", &error).has_value());
    EXPECT_EQ(error, "неизвестный хост: no-such-host.invalid");
}

TEST(ResolveAddressTest, UnknownServiceIsNamedInTheError) {
    std::string error;
    EXPECT_FALSE(ResolveAddress("127.0.0.1", "no-such-service", &error).has_value());
    EXPECT_EQ(error, "неизвестный сервис: no-such-service");

    error.clear();
    EXPECT_FALSE(ResolveAddress("127.0.0.1", "65536", &error).has_value());
    EXPECT_EQ(error, "неизвестный сервис: 65536");
}

}  // namespace
}  // namespace zor06::platform
