#include "messages/flow_exchange.h"

#include "tables/table_numbers.h"

#include <algorithm>

namespace zor06::messages {
namespace {

std::optional<std::vector<std::uint8_t>> ReadBytes(tables::TableContext& ctx, int table, int n) {
    const auto header =
        tables::TableHeader{static_cast<std::uint8_t>(table), 0, static_cast<std::uint8_t>(n)};
    if (!tables::ReadFields(ctx, header)) {
        return std::nullopt;
    }
    const auto bytes = ctx.image.Fields(table, 0, n);
    return std::vector<std::uint8_t>(bytes.begin(), bytes.end());
}

}  // namespace

int FlowComputerCount(const tables::ControllerImage& image) {
    return std::min<int>(image.Byte(tables::kFlowLineTable, 0), kMaxFlowComputers);
}

std::optional<FlowExchange> ReadFlowExchange(tables::TableContext& ctx) {
    if (!tables::ReadFields(ctx, {tables::kFlowLineTable, 0, 1})) {
        return std::nullopt;
    }
    const int n = FlowComputerCount(ctx.image);
    FlowExchange exchange;
    if (n == 0) {
        return exchange;
    }
    for (auto [table, into] : {std::pair{tables::kFlowAddressTable, &exchange.addresses},
                               std::pair{tables::kFlowLinkTable, &exchange.links},
                               std::pair{tables::kFlowWritingTable, &exchange.writing}}) {
        auto bytes = ReadBytes(ctx, table, n);
        if (!bytes) {
            return std::nullopt;
        }
        *into = std::move(*bytes);
    }
    return exchange;
}

std::vector<FlowRow> FlowRows(const FlowExchange& exchange) {
    const std::size_t n = std::min({exchange.addresses.size(), exchange.links.size(),
                                    exchange.writing.size(), std::size_t{kMaxFlowComputers}});
    std::vector<FlowRow> rows;
    rows.reserve(n);
    for (std::size_t i = 0; i < n; ++i) {
        rows.push_back({std::to_string(exchange.addresses[i]),
                        exchange.links[i] != 0 ? StateText{"Есть", false} : StateText{"Нет", true},
                        exchange.writing[i] != 0 ? StateText{"Записываются", false}
                                                 : StateText{"Не записываются", true}});
    }
    return rows;
}

}  // namespace zor06::messages
