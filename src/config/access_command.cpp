#include "config/access_command.h"

#include "tables/table_numbers.h"

namespace zor06::config {
namespace {

constexpr std::uint8_t kNeedsRewriting = 1;

bool ReadUsersTable(tables::TableContext& ctx) {
    return tables::ReadFields(ctx, {tables::kUsersTable, 0, 11}) &&
           tables::ReadFields(ctx, {tables::kUsersTable, 11, 5});
}

}  // namespace

std::optional<UsersTable> ReadUsers(tables::TableContext& ctx) {
    if (!ReadUsersTable(ctx)) {
        return std::nullopt;
    }
    return DecodeUsers(ctx.image.Fields(tables::kUsersTable, 0, kUserSlots).first<kUsersBytes>());
}

bool EditOneUser(tables::TableContext& ctx, const OpenAccessScreen& open) {
    {
        dialogue::BusyScope busy(ctx.op);
        if (!tables::ReadFields(ctx, {tables::kStateTable, 0, 43})) {
            return false;
        }
        if (ctx.image.Byte(tables::kStateTable, tables::kUsersTable) == kNeedsRewriting) {
            ctx.op.ShowMessage(dialogue::MessageKind::SeeControllerState,
                               "Таблица доступа пользователей", "требует полной перезаписи");
            return false;
        }
        if (!ReadUsersTable(ctx)) {
            return false;
        }
    }
    const auto table = ctx.image.Fields(tables::kUsersTable, 0, kUserSlots).first<kUsersBytes>();
    const std::optional<int> slot = open(table);
    if (!slot) {
        return false;
    }
    dialogue::BusyScope busy(ctx.op);
    return tables::WriteFields(ctx, {tables::kUsersTable, static_cast<std::uint8_t>(*slot), 1});
}

}  // namespace zor06::config
