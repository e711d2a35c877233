#include "zor06-sim/fleet_app.h"

#include <unistd.h>

#include <algorithm>
#include <iostream>
#include <memory>
#include <string>
#include <thread>
#include <vector>

#include "platform/tcp_socket.h"
#include "zor06-sim/controller.h"
#include "zor06-sim/faults.h"
#include "zor06-sim/fleet.h"
#include "zor06-sim/fleet_subscribers.h"
#include "zor06-sim/program_output.h"
#include "zor06-sim/server.h"
#include "zor06-sim/session.h"
#include "zor06-sim/stop_signal.h"

namespace zor06::sim {
namespace {

struct Listener {
    int fd = -1;
    std::uint16_t port = 0;
};

// Closes the listening sockets when the fleet ends, however it ends.
class Listeners {
public:
    Listeners() = default;
    Listeners(const Listeners&) = delete;
    Listeners& operator=(const Listeners&) = delete;
    ~Listeners() {
        for (const Listener& l : all_) {
            close(l.fd);
        }
    }

    // N ports from the options' port on, or N ports the system picks for port 0; in port order.
    bool Open(const Options& options, std::string* error) {
        for (int i = 0; i < options.fleet; ++i) {
            const auto wanted =
                static_cast<std::uint16_t>(options.tcpPort == 0 ? 0 : options.tcpPort + i);
            Listener l;
            l.fd = platform::ListenTcp(options.tcpHost, wanted, &l.port, error);
            if (l.fd < 0) {
                return false;
            }
            all_.push_back(l);
        }
        std::ranges::sort(all_, {}, &Listener::port);
        return true;
    }

    const std::vector<Listener>& All() const { return all_; }

private:
    std::vector<Listener> all_;
};

// One controller of the fleet with everything that serves it.
struct Member {
    Member(const Options& options, int index)
        : controller(FleetController(options.controller, index)),
          faults(FleetFaults(options.faults, index)),
          session(controller, faults, options.verbose ? &std::cerr : nullptr),
          server(session, faults.Options()) {}

    Controller controller;
    FaultInjector faults;
    Session session;
    Server server;
};

bool WriteSubscribers(const Options& options, const std::vector<Listener>& listeners,
                      std::string* error) {
    std::vector<FleetStation> stations;
    for (std::size_t i = 0; i < listeners.size(); ++i) {
        const int index = static_cast<int>(i) + 1;
        stations.push_back(
            {index, FleetController(options.controller, index).address, listeners[i].port});
    }
    // The options were checked: the host is an IPv4 address when a list is asked for.
    const settings::EthernetList list =
        FleetSubscriberList(SubscriberIp(options.tcpHost).value_or(0), stations);
    return WriteFleetSubscribers(options.fleetSubscribers, list, error);
}

}  // namespace

int RunFleet(const Options& options) {
    std::string error;
    Listeners listeners;
    if (!listeners.Open(options, &error) || (!options.fleetSubscribers.empty() &&
                                             !WriteSubscribers(options, listeners.All(), &error))) {
        return Fail(error);
    }
    std::vector<std::unique_ptr<Member>> members;
    for (std::size_t i = 0; i < listeners.All().size(); ++i) {
        members.push_back(std::make_unique<Member>(options, static_cast<int>(i) + 1));
        Announce("TCP " + options.tcpHost + ":" + std::to_string(listeners.All()[i].port));
    }
    std::vector<int> statuses(members.size(), 0);
    {
        std::vector<std::jthread> threads;
        for (std::size_t i = 0; i < members.size(); ++i) {
            threads.emplace_back([&, i] {
                statuses[i] = members[i]->server.ServeTcp(listeners.All()[i].fd);
                if (statuses[i] != 0) {
                    RequestStop();
                }
            });
        }
    }
    return std::ranges::max(statuses);
}

}  // namespace zor06::sim
