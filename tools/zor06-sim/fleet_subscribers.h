// The fleet as the program's Ethernet subscriber list (INI/ethr_abonents.ini of a work directory),
// so that the program and zor06ctl can reach every controller of it by name.
#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "settings/settings_types.h"

namespace zor06::sim {

struct FleetStation {
    int index = 0;  // from 1
    std::uint8_t address = 0;
    std::uint16_t port = 0;
};

// The address the subscribers reach `host` at, as the list keeps it; none unless it is a dotted
// IPv4 address. A host listening on every interface is reached through the loopback.
std::optional<std::uint32_t> SubscriberIp(std::string_view host);

// The list: one "Станция NN" per station, in the given order; the header as a new list has it.
settings::EthernetList FleetSubscriberList(std::uint32_t ip,
                                           std::span<const FleetStation> stations);

// Writes `list` to `path` (made with its missing folders) unless something is there already: the
// file is the operator's to name, and an existing list is never replaced. False with `error`.
bool WriteFleetSubscribers(const std::filesystem::path& path, const settings::EthernetList& list,
                           std::string* error);

}  // namespace zor06::sim
