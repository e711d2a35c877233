// The value texts of a configuration protocol that more than one section uses.
#pragma once

#include <cstdint>
#include <string>

namespace zor06::config {

// "%d" of the baud rate of a list index; 0 for an index outside the list.
std::string BaudText(std::uint8_t index);
std::string ParityText(std::uint8_t parity);
std::string ExchangeModeText(std::uint8_t mode);  // "ASCII" or "RTU"
std::string SyncText(std::uint8_t flag);          // "Синхронизировать" or not
// "Подключен" / "Не подключен", or the plural forms for the flow computers.
std::string ConnectedText(std::uint8_t flag, bool plural = false);
std::string DayCodeText(std::uint8_t dayCode);
// "Январь".."Декабрь"; "?" for a month outside 1..12.
std::string MonthName(std::uint8_t month);

}  // namespace zor06::config
