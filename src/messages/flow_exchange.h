// The exchange with each flow computer: the reading behind the current-state window's button
// and the rows of the window that shows it.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "messages/state_text.h"
#include "tables/table_service.h"

namespace zor06::messages {

inline constexpr std::string_view kFlowExchangeCaption = "Состояние обмена с вычислителями РГ";
inline constexpr int kMaxFlowComputers = 16;

// Each column heading in two lines.
struct ColumnHeading {
    std::string_view line1;
    std::string_view line2;
};
inline constexpr ColumnHeading kFlowColumns[3] = {
    {"Адрес", "вычислителя РГ"},
    {"Наличие", "связи"},
    {"Состояние процесса", "записи параметров"},
};

// The address, link and writing bytes of the connected flow computers, one of each per computer.
struct FlowExchange {
    std::vector<std::uint8_t> addresses;  // table 18
    std::vector<std::uint8_t> links;      // table 34
    std::vector<std::uint8_t> writing;    // table 35
};

// The number of connected flow computers from table 9 field 0 of the image, at most 16.
int FlowComputerCount(const tables::ControllerImage& image);

// Reads table 9 field 0, then fields 0..n-1 of tables 18, 34 and 35, with progress and the
// question; stops at the first failure. With no flow computer connected only table 9 is read.
std::optional<FlowExchange> ReadFlowExchange(tables::TableContext& ctx);

struct FlowRow {
    std::string address;  // decimal
    StateText link;       // "Есть" / "Нет" in red
    StateText writing;    // "Записываются" / "Не записываются" in red
};
std::vector<FlowRow> FlowRows(const FlowExchange& exchange);

}  // namespace zor06::messages
