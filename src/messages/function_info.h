// The functions window: whether the controller can carry out its two optional functions.
#pragma once

#include <array>
#include <optional>
#include <string_view>

#include "tables/table_service.h"

namespace zor06::messages {

inline constexpr std::string_view kFunctionsCaption =
    "Возможность исполнения контроллером его функций";
inline constexpr std::string_view kFunctionColumn = "Наименование функции";
inline constexpr std::string_view kExecutionColumn = "Исполнение";
inline constexpr std::string_view kFunctionsNote =
    "  См. информацию о состоянии таблиц параметров конфигурации";

struct FunctionRow {
    std::string_view name;
    std::string_view execution;  // "Возможно" / "Невозможно"
};
using FunctionRows = std::array<FunctionRow, 2>;

// From fields 0..1 of table 8 in the image.
FunctionRows FunctionRowsOf(const tables::ControllerImage& image);

// Reads table 8 with progress and the question, under the busy cursor.
std::optional<FunctionRows> ReadFunctions(tables::TableContext& ctx);

}  // namespace zor06::messages
