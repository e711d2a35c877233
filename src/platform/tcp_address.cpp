#include <arpa/inet.h>
#include <netdb.h>
#include <netinet/in.h>

#include <algorithm>

#include "platform/tcp_socket.h"

namespace zor06::platform {

namespace {

std::optional<std::uint32_t> ResolveHost(const std::string& host) {
    if (host.empty()) {
        return INADDR_ANY;
    }
    // inet_aton, unlike getaddrinfo's numeric path, accepts the broadcast address.
    in_addr numeric{};
    if (inet_aton(host.c_str(), &numeric) != 0) {
        return ntohl(numeric.s_addr);
    }
    addrinfo hints{};
    hints.ai_family = AF_INET;
    hints.ai_socktype = SOCK_STREAM;
    addrinfo* found = nullptr;
    if (getaddrinfo(host.c_str(), nullptr, &hints, &found) != 0 || found == nullptr) {
        return std::nullopt;
    }
    const auto* address = reinterpret_cast<const sockaddr_in*>(found->ai_addr);
    const std::uint32_t result = ntohl(address->sin_addr.s_addr);
    freeaddrinfo(found);
    return result;
}

std::optional<std::uint16_t> ResolvePort(const std::string& port) {
    const bool numeric = !port.empty() && std::all_of(port.begin(), port.end(),
                                                      [](char c) { return c >= '0' && c <= '9'; });
    if (numeric) {
        unsigned long value = 0;
        for (char c : port) {
            value = value * 10 + static_cast<unsigned long>(c - '0');
            if (value > 65535) {
                return std::nullopt;
            }
        }
        return static_cast<std::uint16_t>(value);
    }
    servent entry{};
    servent* found = nullptr;
    char buffer[1024];
    if (getservbyname_r(port.c_str(), "tcp", &entry, buffer, sizeof buffer, &found) != 0 ||
        found == nullptr) {
        return std::nullopt;
    }
    return ntohs(static_cast<std::uint16_t>(found->s_port));
}

}  // namespace

std::optional<Ipv4Endpoint> ResolveAddress(const std::string& host, const std::string& port,
                                           std::string* error) {
    const std::optional<std::uint32_t> address = ResolveHost(host);
    if (!address) {
        if (error != nullptr) {
            *error = "неизвестный хост: " + host;
        }
        return std::nullopt;
    }
    const std::optional<std::uint16_t> number = ResolvePort(port);
    if (!number) {
        if (error != nullptr) {
            *error = "неизвестный сервис: " + port;
        }
        return std::nullopt;
    }
    return Ipv4Endpoint{*address, *number};
}

}  // namespace zor06::platform
