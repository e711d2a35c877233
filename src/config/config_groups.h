// What the configuration screen shows of a configuration and how its sub-editors' results go back
// into it: the caption, the groups the system parameters enable, the time-synchronisation
// switches spread over two tables, and the flow-computer records with their count.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "config/config_buffer.h"
#include "config/flow_commands.h"
#include "config/sync_editor.h"

namespace zor06::config {

// "Параметры конфигурации контроллера \"NAME\" " with the controller name, blanks trimmed.
std::string ConfigCaption(const ConfigBuffer& buffer);

struct ConfigGroups {
    bool flowComputers = true;  // the flow-computer link row and the whole flow-computer group
    bool moistureMeter = true;
};
ConfigGroups EnabledGroups(const ConfigBuffer& buffer);

// The run names (table 5 fields 1 and 2), blanks trimmed.
std::array<std::string, 2> RunNames(const ConfigBuffer& buffer);

// Table 6 bytes 10 and 11 and table 14 bytes 8 and 9, in the order of the synchronisation screen.
SyncSwitches SyncSwitchesOf(const ConfigBuffer& buffer);
void StoreSyncSwitches(const SyncSwitches& switches, ConfigBuffer& buffer);

// The flow-computer count of table 9 brought into 1..16, as it may index the records.
int FlowComputerCount(const ConfigBuffer& buffer);
FlowRecords FlowRecordsOf(const ConfigBuffer& buffer);
// The accepted list: its records (passwords as typed) and its count into table 9.
void StoreFlowList(const FlowListResult& result, ConfigBuffer& buffer);
// The addresses the chromatograph screen offers for reading gas temperature; none when no flow
// computers are connected.
std::vector<std::uint8_t> FlowAddressesOf(const ConfigBuffer& buffer);

}  // namespace zor06::config
