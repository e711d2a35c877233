#include "zor06-sim/fleet_subscribers.h"

#include <arpa/inet.h>

#include <system_error>

#include "settings/ini_file.h"
#include "settings/list_files.h"
#include "zor06-sim/fleet.h"

namespace zor06::sim {

namespace fs = std::filesystem;

std::optional<std::uint32_t> SubscriberIp(std::string_view host) {
    in_addr address{};
    if (inet_pton(AF_INET, std::string(host).c_str(), &address) != 1) {
        return std::nullopt;
    }
    const std::uint32_t ip = ntohl(address.s_addr);
    return ip == INADDR_ANY ? INADDR_LOOPBACK : ip;
}

settings::EthernetList FleetSubscriberList(std::uint32_t ip,
                                           std::span<const FleetStation> stations) {
    settings::EthernetList list;
    for (const FleetStation& station : stations) {
        list.entries.push_back(
            {FleetStationName(station.index), station.address, ip, station.port});
    }
    return list;
}

bool WriteFleetSubscribers(const fs::path& path, const settings::EthernetList& list,
                           std::string* error) {
    std::error_code ec;
    if (fs::symlink_status(path, ec).type() != fs::file_type::not_found) {
        *error = path.string() + (ec ? ": " + ec.message() : " is there already; name a new file");
        return false;
    }
    if (path.has_parent_path() && !fs::create_directories(path.parent_path(), ec) && ec) {
        *error = path.parent_path().string() + ": " + ec.message();
        return false;
    }
    settings::IniFile ini;
    for (const settings::IniSection& section : settings::ListSections(list)) {
        ini.WriteSection(section);
    }
    std::string reason;
    if (!settings::SaveIniFile(path, ini, &reason)) {
        *error = path.string() + ": " + reason;
        return false;
    }
    return true;
}

}  // namespace zor06::sim
