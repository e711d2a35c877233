#include "gasdata/abnormal_signs.h"

#include <array>
#include <cstdint>
#include <span>
#include <utility>

#include "text/text_format.h"

namespace zor06::gasdata {
namespace {

struct BitText {
    unsigned bit;
    const char* text;
};

constexpr std::array<BitText, 7> kMinuteStateBits{{
    {0x01, "Выполнялась ручная калибровка хроматографа"},
    {0x02, "Контроллер был выключен"},
    {0x08, "Нештатное состояние хроматографа"},
    {0x10, "Значение вышло за допускаемые пределы"},
    {0x20, "Не было связи с HMU"},
    {0x40, "Хроматограф не обновил данные"},
    {0x80, "Выполнялась калибровка автоматическая хроматографа"},
}};

constexpr std::array<BitText, 5> kIntervalStateBits{{
    {0x02, "Нет данных - контроллер был выключен"},
    {0x08, "Использовалась ЗПЗ - был нештатный режим работы хроматографа"},
    {0x10, "Использовалась ЗПЗ - значение выходило за допускаемые пределы"},
    {0x20, "Использовалась ЗПЗ - не было связи с HMU"},
    {0x40, "Использовалась ЗПЗ - хроматограф не обновил данные"},
}};

// Bit n of the chromatograph's status word, low byte first.
constexpr std::array<const char*, 16> kStatusWordBits{
    " Неудачная автокалибровка",
    " Сумма ненормализованных параметров вне доп. пределов",
    " Ошибка ОЗУ",
    " Время удержания этана не в норме",
    " Ошибка связи",
    " Сбой часов реального времени",
    " Разряд батареи",
    " Хроматограф не отвечает",
    " Превышено рекомендуемое кол. анализов без ремонта",
    " Высота пика хроматограммы выше допускаемой",
    " Давление газа-носителя неуправляемо",
    " Температура термостата нестабильна",
    " Ошибка базовой линии хроматограммы",
    " Давление газа-носителя не в норме",
    " Слишком высокая температура термостата",
    " Не поступают данные от хроматографа",
};

constexpr std::uint8_t kSwitchedOff = 0x02;
constexpr std::uint8_t kNoLink = 0x20;

std::vector<std::string> SetBits(unsigned value, std::span<const BitText> bits) {
    std::vector<std::string> lines;
    for (const BitText& b : bits) {
        if ((value & b.bit) != 0) {
            lines.emplace_back(b.text);
        }
    }
    return lines;
}

SignList NormWhenEmpty(SignList list) {
    if (list.lines.empty()) {
        list.lines.emplace_back(kNoSigns);
    }
    return list;
}

SignList StateList(std::uint8_t state, std::span<const BitText> bits) {
    return NormWhenEmpty(
        {text::Printf("  Статус контроллера: 0x%02X", state), SetBits(state, bits)});
}

SignList StatusWordList(std::uint16_t word) {
    SignList list{text::Printf("  Статус хроматографа: 0x%02X%02X", word >> 8, word & 0xFF), {}};
    for (std::size_t bit = 0; bit < kStatusWordBits.size(); ++bit) {
        if ((word >> bit & 1U) != 0) {
            list.lines.emplace_back(kStatusWordBits[bit]);
        }
    }
    return NormWhenEmpty(std::move(list));
}

}  // namespace

std::vector<SignList> AbnormalSigns(const RowSigns& signs) {
    if (signs.mode != 0) {
        return {StateList(signs.state, kIntervalStateBits)};
    }
    std::vector<SignList> lists{StateList(signs.state, kMinuteStateBits)};
    if ((signs.state & (kSwitchedOff | kNoLink)) == 0) {
        lists.push_back(StatusWordList(signs.statusWord));
    }
    return lists;
}

}  // namespace zor06::gasdata
