#include "messages/table_states_read.h"

namespace zor06::messages {

std::optional<config::TableStates> ReadTableStates(tables::TableContext& ctx) {
    if (!tables::ReadFields(ctx, {7, 0, tables::kTableCount})) {
        return std::nullopt;
    }
    return config::BuildTableStates(ctx.image);
}

}  // namespace zor06::messages
