#include "config/protocol_texts.h"

#include <array>

#include "link/baud_rates.h"
#include "text/text_format.h"

namespace zor06::config {
namespace {

constexpr const char* kNotConfigured = "Не законфигурировано";
constexpr std::array<const char*, 12> kMonths{"Январь",   "Февраль", "Март",   "Апрель",
                                              "Май",      "Июнь",    "Июль",   "Август",
                                              "Сентябрь", "Октябрь", "Ноябрь", "Декабрь"};
constexpr std::array<const char*, 7> kWeekdays{"Вс", "Пн", "Вт", "Ср", "Чт", "Пт", "Сб"};
constexpr std::array<const char*, 3> kFromStart{"1", "2", "3"};
constexpr std::array<const char*, 3> kFromEnd{"п", "пп", ""};

constexpr std::uint8_t kWeekdayWay = 0x80;
constexpr std::uint8_t kFromEndBit = 0x40;

}  // namespace

std::string BaudText(std::uint8_t index) {
    return text::Printf("%d", link::IndexToRate(index));
}

std::string ParityText(std::uint8_t parity) {
    static constexpr std::array<const char*, 3> kTexts{
        "Бит четности отсутствует", "Нечетный бит четности", "Четный бит четности"};
    return parity < kTexts.size() ? kTexts[parity] : kNotConfigured;
}

std::string ExchangeModeText(std::uint8_t mode) {
    return mode == 0 ? "ASCII" : "RTU";
}

std::string SyncText(std::uint8_t flag) {
    return flag != 0 ? "Синхронизировать" : "Не синхронизировать";
}

std::string ConnectedText(std::uint8_t flag, bool plural) {
    if (plural) {
        return flag != 0 ? "Подключены" : "Не подключены";
    }
    return flag != 0 ? "Подключен" : "Не подключен";
}

std::string DayCodeText(std::uint8_t dayCode) {
    if ((dayCode & kWeekdayWay) == 0) {
        return text::Printf("день: %d", dayCode & 0x1F);
    }
    const int ordinal = dayCode & 0x07;
    const int weekday = (dayCode >> 3) & 0x07;
    if (ordinal < 1 || ordinal > 3 || weekday < 1) {
        return "день: ?";
    }
    const auto& ordinals = (dayCode & kFromEndBit) != 0 ? kFromEnd : kFromStart;
    // The ordinal runs straight into the weekday: "пВс", "2Пн".
    return std::string(ordinals[static_cast<std::size_t>(ordinal - 1)]) +
           kWeekdays[static_cast<std::size_t>(weekday - 1)];
}

std::string MonthName(std::uint8_t month) {
    return month >= 1 && month <= 12 ? kMonths[month - 1u] : "?";
}

}  // namespace zor06::config
