#include "messages/function_info.h"

#include "tables/table_numbers.h"

namespace zor06::messages {

FunctionRows FunctionRowsOf(const tables::ControllerImage& image) {
    const auto execution = [&](int field) -> std::string_view {
        return image.Byte(tables::kFunctionsTable, field) != 0 ? "Возможно" : "Невозможно";
    };
    return {{{" Автоматический переход на зимнее/летнее время", execution(0)},
             {" Обмен данными с вычислителями расхода газа (РГ)", execution(1)}}};
}

std::optional<FunctionRows> ReadFunctions(tables::TableContext& ctx) {
    const dialogue::BusyScope busy(ctx.op);
    if (!tables::ReadFields(ctx, {tables::kFunctionsTable, 0, 2})) {
        return std::nullopt;
    }
    return FunctionRowsOf(ctx.image);
}

}  // namespace zor06::messages
