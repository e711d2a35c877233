#include "config/protocol_command.h"

namespace zor06::config {
namespace {

constexpr int kExtraParameters = 41;
constexpr int kChecksumField = 1;

}  // namespace

bool ReadProtocolTables(tables::TableContext& ctx) {
    if (!tables::ReadAllTables(ctx)) {
        ReportTablesUnread(ctx.op);
        return false;
    }
    return true;
}

void ReportTablesUnread(dialogue::Operator& op) {
    op.ShowMessage(dialogue::MessageKind::ExchangeResult, "Параметры конфигурации не прочитаны",
                   "");
}

ProtocolRecord BuildPresentProtocol(tables::TableContext& ctx, double now) {
    std::optional<std::uint32_t> checksum;
    if (tables::ReadFields(ctx, {kExtraParameters, kChecksumField, 1})) {
        checksum = ctx.image.U32(kExtraParameters, kChecksumField);
    }
    return BuildProtocolRecord(ctx.image, checksum, now);
}

std::filesystem::path ProposedProtocolPath(const ProtocolRecord& record,
                                           const std::filesystem::path& workDir) {
    return workDir / "CONFIG" / ProposedProtocolName(record);
}

}  // namespace zor06::config
