// Making a protocol of the connected controller: reading its configuration, then the record of
// what the image holds with the software checksum, and where the file is proposed to go.
#pragma once

#include <filesystem>
#include <optional>

#include "config/protocol_record.h"
#include "tables/table_service.h"

namespace zor06::config {

// Reads every configuration table; on failure ReportTablesUnread.
bool ReadProtocolTables(tables::TableContext& ctx);
// "Параметры конфигурации не прочитаны".
void ReportTablesUnread(dialogue::Operator& op);

// The record of the image as it is now, created at `now` (days since 30 December 1899), with
// the software checksum when table 41 can be read.
ProtocolRecord BuildPresentProtocol(tables::TableContext& ctx, double now);

// The proposed name in the CONFIG directory of the work directory.
std::filesystem::path ProposedProtocolPath(const ProtocolRecord& record,
                                           const std::filesystem::path& workDir);

}  // namespace zor06::config
