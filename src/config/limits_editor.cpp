#include "config/limits_editor.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>

#include "bytes/byte_reader.h"
#include "bytes/byte_writer.h"
#include "text/text_format.h"

namespace zor06::config {
namespace {

constexpr std::string_view kMenuItems[kLimitKinds] = {
    "Зона нечувствительности изменений параметров газа",
    "Нижняя предупредительная уставка параметра газа",
    "Верхняя предупредительная уставка параметра газа",
    "Нижний предел значения параметра газа, допускаемого к записи в ВРГ",
    "Верхний предел значения параметра газа, допускаемого к записи в ВРГ"};
constexpr std::string_view kCaptions[kLimitKinds] = {
    "Параметры газа. Зона нечувствительности изменений",
    "Нижняя предупредительная уставка параметра газа",
    "Верхняя предупредительная уставка параметра газа",
    "Нижний предел знач. парам. газа, допускаемого к записи в ВРГ",
    "Верхний предел знач. парам. газа, допускаемого к записи в ВРГ"};

constexpr std::string_view kPercent = "%";
constexpr std::string_view kHeat = "МДж/м3";
constexpr std::string_view kDensity = "кг/м3";
constexpr std::string_view kNone = "";
constexpr long double kTolerance = 0.00001L;

// Kind 0, the insensitivity zone.
constexpr LimitRange kZone[kGasParameterCount] = {
    {0.0001F, 0.1F, 0.01F, 4, kPercent},
    {0.0001F, 0.5F, 0.05F, 4, kPercent},
    {0.0001F, 0.1F, 0.01F, 4, kPercent},
    {0.0001F, 0.1F, 0.01F, 4, kPercent},
    {0.0001F, 0.1F, 0.01F, 4, kPercent},
    {0.0001F, 0.1F, 0.01F, 4, kPercent},
    {0.0001F, 0.1F, 0.01F, 4, kPercent},
    {0.0001F, 10.0F, 0.05F, 4, kPercent},
    {0.0001F, 50.0F, 5.0F, 4, kPercent},
    {0.0001F, 10.0F, 0.05F, 4, kPercent},
    {0.0001F, 0.5F, 0.05F, 4, kPercent},
    {0.0001F, 50.0F, 5.0F, 4, kHeat},
    {0.0001F, 0.001F, 0.0001F, 4, kDensity},
    {0.0001F, 50.0F, 5.0F, 4, kHeat},
    {0.0001F, 0.01F, 0.001F, 4, kNone},
    {0, 0, 0, 0, kNone},
    {0, 0, 0, 0, kNone},
    {0.0001F, 50.0F, 5.0F, 4, kHeat},
    {0.0001F, 40.0F, 4.0F, 4, kHeat},
    {0.0001F, 0.001F, 0.0001F, 4, kNone},
};

// Kinds 1..4 share ranges and units; decimals and defaults differ per kind.
struct SharedRange {
    float min;
    float max;
    std::string_view unit;
    std::array<int, 4> decimals;
    std::array<float, 4> defaults;
};
constexpr SharedRange kShared[kGasParameterCount] = {
    {0.0F, 0.6F, kPercent, {3, 3, 3, 3}, {0.002F, 0.6F, 0.001F, 0.6F}},
    {0.0F, 6.0F, kPercent, {3, 3, 3, 3}, {0.05F, 6.0F, 0.01F, 6.0F}},
    {0.0F, 1.2F, kPercent, {3, 3, 3, 3}, {0.002F, 1.2F, 0.001F, 1.2F}},
    {0.0F, 1.2F, kPercent, {3, 3, 3, 3}, {0.002F, 1.2F, 0.001F, 1.2F}},
    {0.0F, 1.2F, kPercent, {4, 3, 4, 3}, {0.0002F, 1.2F, 0.0001F, 1.2F}},
    {0.0F, 1.2F, kPercent, {4, 3, 4, 3}, {0.0002F, 1.2F, 0.0001F, 1.2F}},
    {0.0F, 1.2F, kPercent, {4, 3, 4, 3}, {0.0002F, 1.2F, 0.0001F, 1.2F}},
    {0.0F, 18.0F, kPercent, {3, 3, 3, 3}, {0.2F, 12.0F, 0.0F, 18.0F}},
    {40.0F, 100.0F, kPercent, {3, 3, 3, 3}, {95.0F, 100.0F, 90.0F, 100.0F}},
    {0.0F, 12.0F, kPercent, {3, 3, 3, 3}, {0.01F, 8.0F, 0.0F, 12.0F}},
    {0.0F, 12.0F, kPercent, {3, 3, 3, 3}, {0.1F, 10.0F, 0.01F, 12.0F}},
    {35.0F, 45.0F, kHeat, {0, 0, 0, 0}, {36.0F, 45.0F, 35.0F, 45.0F}},
    {0.66F, 1.05F, kDensity, {3, 3, 3, 3}, {0.67F, 1.0F, 0.66F, 1.05F}},
    {40.0F, 55.0F, kHeat, {0, 0, 0, 0}, {45.0F, 55.0F, 40.0F, 55.0F}},
    {0.997F, 1.0F, kNone, {4, 4, 4, 4}, {0.998F, 0.999F, 0.997F, 1.0F}},
    {97.0F, 103.0F, kPercent, {0, 0, 0, 0}, {98.0F, 103.0F, 97.0F, 103.0F}},
    {54.0F, 62.0F, "°С", {0, 0, 0, 0}, {59.0F, 62.0F, 54.0F, 62.0F}},
    {40.0F, 55.0F, kHeat, {0, 0, 0, 0}, {45.0F, 55.0F, 40.0F, 55.0F}},
    {30.0F, 40.0F, kHeat, {0, 0, 0, 0}, {32.0F, 40.0F, 30.0F, 40.0F}},
    {0.425F, 0.85F, kNone, {3, 3, 3, 3}, {0.5F, 0.7F, 0.425F, 0.85F}},
};

const std::array<std::array<LimitRange, kGasParameterCount>, kLimitKinds>& Ranges() {
    static const auto table = [] {
        std::array<std::array<LimitRange, kGasParameterCount>, kLimitKinds> t{};
        for (int p = 0; p < kGasParameterCount; ++p) {
            t[0][static_cast<std::size_t>(p)] = kZone[p];
            for (int kind = 1; kind < kLimitKinds; ++kind) {
                const SharedRange& s = kShared[p];
                const auto k = static_cast<std::size_t>(kind - 1);
                t[static_cast<std::size_t>(kind)][static_cast<std::size_t>(p)] = {
                    s.min, s.max, s.defaults[k], s.decimals[k], s.unit};
            }
        }
        return t;
    }();
    return table;
}

// The typed text as a number; ',' is taken for the point. None for text that is no number.
std::optional<long double> ParseNumber(std::string text) {
    for (char& c : text) {
        if (c == ',') {
            c = '.';
        }
    }
    if (text.empty()) {
        return std::nullopt;
    }
    char* end = nullptr;
    const long double value = std::strtold(text.c_str(), &end);
    if (end != text.c_str() + text.size() || !std::isfinite(value)) {
        return std::nullopt;
    }
    return value;
}

}  // namespace

std::string_view LimitMenuItem(int kind) {
    return kMenuItems[kind];
}

std::string_view LimitCaption(int kind) {
    return kCaptions[kind];
}

const LimitRange& LimitRangeOf(int kind, int parameter) {
    return Ranges()[static_cast<std::size_t>(kind)][static_cast<std::size_t>(parameter)];
}

std::string FixedText(double value, int decimals) {
    return text::Printf("%.*f", decimals, value);
}

std::string RangeText(int kind, int parameter) {
    if (!GasParameterUsed(parameter)) {
        return "Не используется";
    }
    const LimitRange& r = LimitRangeOf(kind, parameter);
    return text::Printf(" %s - %s", FixedText(r.min, r.decimals).c_str(),
                        FixedText(r.max, r.decimals).c_str());
}

bool AcceptsNumberChar(std::string_view text, std::size_t position, char c) {
    constexpr std::size_t kMaxLength = 8;
    if (text.size() >= kMaxLength || position > text.size()) {
        return false;
    }
    const std::size_t e = text.find('e');
    const bool afterE = e != std::string_view::npos && position > e;
    const std::string_view exponent = e == std::string_view::npos ? "" : text.substr(e + 1);
    const bool exponentSigned = !exponent.empty() && (exponent[0] == '-' || exponent[0] == '+');
    if (c >= '0' && c <= '9') {
        // The exponent's sign counts against its two characters: 1e-55 cannot be typed.
        return !afterE || exponent.size() < 2;
    }
    if (c == 'e') {
        return e == std::string_view::npos && !text.empty() && position == text.size();
    }
    if (c == '.' || c == ',') {
        return text.find_first_of(".,") == std::string_view::npos && !afterE;
    }
    if (c == '-') {
        return (position == 0 && (text.empty() || text[0] != '-')) ||
               (e != std::string_view::npos && position == e + 1 && !exponentSigned);
    }
    if (c == '+') {
        return e != std::string_view::npos && position == e + 1 && !exponentSigned;
    }
    return false;
}

LimitTexts FillLimits(int kind, std::span<const std::uint8_t, kLimitBytes> target) {
    LimitTexts texts;
    for (int p = 0; p < kGasParameterCount; ++p) {
        const auto i = static_cast<std::size_t>(p);
        texts[i] = GasParameterUsed(p)
                       ? FixedText(bytes::ByteReader(target.subspan(i * 4, 4)).F32(),
                                   LimitRangeOf(kind, p).decimals)
                       : "0";
    }
    return texts;
}

Refusal AcceptLimits(int kind, const LimitTexts& texts,
                     std::span<std::uint8_t, kLimitBytes> target) {
    for (int p = 0; p < kGasParameterCount; ++p) {
        if (GasParameterUsed(p) && texts[static_cast<std::size_t>(p)].empty()) {
            return Refuse("Введены не все параметры");
        }
    }
    std::array<float, kGasParameterCount> values{};
    for (int p = 0; p < kGasParameterCount; ++p) {
        if (!GasParameterUsed(p)) {
            continue;
        }
        const LimitRange& r = LimitRangeOf(kind, p);
        const auto value = ParseNumber(texts[static_cast<std::size_t>(p)]);
        // Text that is no number ("-", "1e") is out of any range.
        if (!value || *value < r.min - kTolerance || *value > r.max + kTolerance) {
            return Refuse(
                text::Printf("Параметр \"%s \".", std::string(GasParameterName(p)).c_str()),
                "Вводите значения согласно допустимому диапазону");
        }
        values[static_cast<std::size_t>(p)] = static_cast<float>(*value);
    }
    for (int p = 0; p < kGasParameterCount; ++p) {
        if (GasParameterUsed(p)) {
            bytes::ByteWriter(target.subspan(static_cast<std::size_t>(p) * 4, 4))
                .F32(values[static_cast<std::size_t>(p)]);
        }
    }
    return std::nullopt;
}

}  // namespace zor06::config
