#include "config/config_groups.h"

#include "config/names_editor.h"
#include "config/text_field.h"
#include "text/text_format.h"

namespace zor06::config {
namespace {

constexpr std::size_t kMoistureAt = 8;  // table 6 byte: a moisture meter is connected
constexpr std::size_t kFlowAt = 9;      // table 6 byte: flow computers are connected

std::span<const std::uint8_t> Name(const ConfigBuffer& buffer, std::size_t field) {
    return buffer.Part(part::kNames).subspan(field * kNameBytes, kNameBytes);
}

std::span<std::uint8_t, kFlowRecordSize> RecordBytes(ConfigBuffer& buffer, std::size_t i) {
    return buffer.Part(part::kFlowComputers).subspan(i * kFlowRecordSize).first<kFlowRecordSize>();
}

}  // namespace

std::string ConfigCaption(const ConfigBuffer& buffer) {
    return text::Printf("Параметры конфигурации контроллера \"%s\" ",
                        TrimmedField(Name(buffer, 0)).c_str());
}

ConfigGroups EnabledGroups(const ConfigBuffer& buffer) {
    const auto system = buffer.Part(part::kSystem);
    return {system[kFlowAt] != 0, system[kMoistureAt] != 0};
}

std::array<std::string, 2> RunNames(const ConfigBuffer& buffer) {
    return {TrimmedField(Name(buffer, 1)), TrimmedField(Name(buffer, 2))};
}

SyncSwitches SyncSwitchesOf(const ConfigBuffer& buffer) {
    const auto system = buffer.Part(part::kSystem);
    const auto chromatograph = buffer.Part(part::kChromatograph);
    return {system[10], system[11], chromatograph[8], chromatograph[9]};
}

void StoreSyncSwitches(const SyncSwitches& switches, ConfigBuffer& buffer) {
    const auto system = buffer.Part(part::kSystem);
    const auto chromatograph = buffer.Part(part::kChromatograph);
    system[10] = switches[0];
    system[11] = switches[1];
    chromatograph[8] = switches[2];
    chromatograph[9] = switches[3];
}

int FlowComputerCount(const ConfigBuffer& buffer) {
    return FlowCount(buffer.Part(part::kFlowLine)[0]);
}

FlowRecords FlowRecordsOf(const ConfigBuffer& buffer) {
    FlowRecords records;
    const auto all = buffer.Part(part::kFlowComputers);
    for (std::size_t i = 0; i < records.size(); ++i) {
        records[i] = FlowRecord::Decode(all.subspan(i * kFlowRecordSize).first<kFlowRecordSize>());
    }
    return records;
}

void StoreFlowList(const FlowListResult& result, ConfigBuffer& buffer) {
    const int count = FlowCount(static_cast<std::uint8_t>(result.count));
    for (std::size_t i = 0; i < static_cast<std::size_t>(count); ++i) {
        result.records[i].Encode(RecordBytes(buffer, i));
    }
    buffer.Part(part::kFlowLine)[0] = static_cast<std::uint8_t>(count);
}

std::vector<std::uint8_t> FlowAddressesOf(const ConfigBuffer& buffer) {
    if (!EnabledGroups(buffer).flowComputers) {
        return {};
    }
    const FlowRecords records = FlowRecordsOf(buffer);
    std::vector<std::uint8_t> addresses;
    for (int i = 0; i < FlowComputerCount(buffer); ++i) {
        addresses.push_back(records[static_cast<std::size_t>(i)].address);
    }
    return addresses;
}

}  // namespace zor06::config
