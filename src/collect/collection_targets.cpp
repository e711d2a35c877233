#include "collect/collection_targets.h"

#include <algorithm>

namespace zor06::collect {
namespace {

std::string IpText(std::uint32_t ip) {
    return std::to_string(ip >> 24) + "." + std::to_string(ip >> 16 & 0xFF) + "." +
           std::to_string(ip >> 8 & 0xFF) + "." + std::to_string(ip & 0xFF);
}

std::vector<CollectionTarget> AllTargets(const settings::ProgramSettings& program) {
    std::vector<CollectionTarget> all;
    int row = 0;
    for (const settings::EthernetEntry& e : program.ethernet.entries) {
        all.push_back({e.name, link::LinkKind::Ethernet, row++, e.address,
                       IpText(e.ip) + ":" + std::to_string(e.port)});
    }
    row = 0;
    for (const settings::PhoneEntry& e : program.phones.entries) {
        all.push_back({e.name, link::LinkKind::Telephone, row++, e.address, e.phone});
    }
    return all;
}

}  // namespace

std::optional<std::vector<CollectionTarget>> CollectionTargets(
    const settings::ProgramSettings& program, std::span<const std::string> only,
    std::string* error) {
    std::vector<CollectionTarget> all = AllTargets(program);
    if (only.empty()) {
        return all;
    }
    std::vector<CollectionTarget> chosen;
    for (const std::string& name : only) {
        const auto named = [&name](const CollectionTarget& t) { return t.name == name; };
        const auto count = std::ranges::count_if(all, named);
        if (count != 1) {
            *error = count == 0 ? "no subscriber named \"" + name + "\""
                                : "two subscribers are named \"" + name + "\"";
            return std::nullopt;
        }
        chosen.push_back(*std::ranges::find_if(all, named));
    }
    return chosen;
}

}  // namespace zor06::collect
