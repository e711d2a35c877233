#include "gasdata/chr_momentary.h"

#include "gasdata/calculation_method.h"
#include "gasdata/display_conversion.h"
#include "tables/gas_parameters.h"
#include "text/text_format.h"

namespace zor06::gasdata {
namespace {

constexpr std::array<std::uint8_t, 2> kMomentaryTables{30, 38};
constexpr std::array<std::uint8_t, 2> kZoneTables{32, 39};
constexpr std::size_t kFirstValue = 8;  // after the date field and the time field

constexpr std::array<const char*, kLegendLines> kLegend{
    " PV1  - Суммарная молярная доля гексана и б.т.с.",
    " PV2  - Молярная доля пропана (C3H8)",
    " PV3  - Молярная доля и-бутана (i-C4H10)",
    " PV4  - Молярная доля н-бутана (n-C4H10)",
    " PV5  - Молярная доля нео-пентана (C5H12)",
    " PV6  - Молярная доля и-пентана (i-C5H12)",
    " PV7  - Молярная доля  н-пентана (n-C5H12)",
    " PV8  - Молярная доля азота (N2)",
    " PV9  - Молярная доля метана (CH4)",
    " PV10 - Молярная доля диоксида углерода (CO2)",
    " PV11 - Молярная доля  этана (C2H6)",
    " PV12 - Удельная Тсг высшая <реального газа>",
    " PV13 - Хроматографическая  плотность при 20°",
    " PV14 - Число Воббе высшее при 20°С и 101,325 кПа",
    " PV15 - Фактор сжимаемости",
    " PV16 - Сумма молярных долей всех компонентов",
    " PV17 - Температура газа",
    " PV18 - Молярная доля кислорода (О2)",
    " PV19 - Удельная Тсг низшая <реального газа>",
    " PV20 - Относительная плотность <реального газа>",
    " НР   - Необходимость рассылки",
    " ЗН   - Зона нечувствительности",
    " НАУ  - Нижняя аварийная уставка",
    " ВАУ  - Верхняя аварийная уставка",
    " НПУ  - Нижняя предупредительная уставка",
    " ВПУ  - Верхняя предупредительная уставка",
    " НДП  - Нижний допускаемый предел",
    " ВДП  - Верхний допускаемый предел",
    " ЗП   - Зона параметра",
    " МД   - Молярная доля",
    " Тсг - Теплота сгорания",
    " V   - Объем",
    " РГ   - Расход газа",
    " ВРГ  - Вычислитель расхода газа",
    " т/п  - Трубопровод",
    " б.т.с. - Более тяжелые составляющие",
    " с.у. - Стандартные условия",
};
constexpr int kLegendParameterLines = 20;  // the lines that follow the composition setting

struct ZoneRow {
    const char* text;
    Rgb colour;
};
constexpr std::array<ZoneRow, 5> kZones{{
    {" Норма", {0, 0, 0}},
    {" Нижняя предупредительная зона", {114, 56, 56}},
    {" Верхняя предупредительная зона", {114, 56, 56}},
    {" Нижняя аварийная зона", {255, 0, 0}},
    {" Верхняя аварийная зона", {255, 0, 0}},
}};
constexpr ZoneRow kUnknownZone{"?", {0, 128, 0}};

// The molar wording of a component text in its volume-fraction form.
std::string VolumeWording(std::string text) {
    struct Replacement {
        std::string_view mole;
        std::string_view volume;
    };
    constexpr std::array<Replacement, 3> kWords{{
        {"Суммарная молярная доля", "Суммарная объемная доля"},
        {"Молярная доля", "Объемная доля"},
        {"Сумма молярных долей", "Сумма объемных долей"},
    }};
    for (const Replacement& r : kWords) {
        if (const auto at = text.find(r.mole); at != std::string::npos) {
            return text.replace(at, r.mole.size(), r.volume);
        }
    }
    return text;
}

std::string ParameterName(int parameter, const settings::ReportConfig& config) {
    std::string name = tables::kGasParameters[static_cast<std::size_t>(parameter)].momentaryName;
    if (config.composition != 1) {
        return name;
    }
    // The density is named without its degree sign when the shares are volume fractions.
    constexpr std::string_view kDegree = "°";
    if (name.ends_with(kDegree)) {
        name.resize(name.size() - kDegree.size());
    }
    return VolumeWording(std::move(name));
}

}  // namespace

std::uint8_t ChrMomentaryTable(int run) {
    return kMomentaryTables[run == 1 ? 1 : 0];
}

std::uint8_t ChrZoneTable(int run) {
    return kZoneTables[run == 1 ? 1 : 0];
}

GasZone ZoneOf(std::uint8_t code) {
    const ZoneRow& row = code < kZones.size() ? kZones[code] : kUnknownZone;
    return {row.text, row.colour};
}

bool HasZone(int parameter) {
    return tables::GasParameterChecked(parameter);
}

ChrMomentaryFrame ChrMomentaryFrameOf(std::uint32_t serial, std::string_view runName,
                                      const settings::ReportConfig& config) {
    ChrMomentaryFrame frame;
    frame.caption = text::Printf(
        "Мгновенные данные хроматографа (сер. № %u; нитка \"%.*s\"), зоны параметров газа",
        static_cast<unsigned>(serial), static_cast<int>(runName.size()), runName.data());
    for (int i = 0; i < kChrParameters; ++i) {
        frame.names[static_cast<std::size_t>(i)] =
            ParameterName(i, config) + ", " + ChrParameterHeading(i, config).unit;
    }
    frame.formulaLabel = MomentaryFormulaLabel(config);
    return frame;
}

ChrMomentaryValues ChrMomentaryValuesOf(std::span<const std::uint8_t, kChrMomentaryBytes> f,
                                        const settings::ReportConfig& config) {
    ChrMomentaryValues shown;
    shown.time = text::Printf("%02d.%02d.%02d %02d:%02d:%02d", f[2], f[1], f[0], f[4], f[5], f[6]);
    ChrValues values = ChrValues::Decode(f.subspan<kFirstValue, ChrValues::kSize>());
    ConvertForDisplay(values, config);
    for (int i = 0; i < kChrParameters; ++i) {
        const auto at = static_cast<std::size_t>(i);
        // A value that is none shows "NAN", as in the data views.
        shown.values[at] = FixedText(values.v[at], ChrDecimals(i, config));
    }
    return shown;
}

ChrZones ChrZonesOf(std::span<const std::uint8_t, kChrZoneBytes> codes) {
    ChrZones zones;
    for (int i = 0; i < kChrParameters; ++i) {
        const auto at = static_cast<std::size_t>(i);
        if (HasZone(i)) {
            zones[at] = ZoneOf(codes[at]);
        }
    }
    return zones;
}

std::array<std::string, kLegendLines> LegendLines(const settings::ReportConfig& config) {
    std::array<std::string, kLegendLines> lines;
    for (int i = 0; i < kLegendLines; ++i) {
        std::string line = kLegend[static_cast<std::size_t>(i)];
        lines[static_cast<std::size_t>(i)] = config.composition == 1 && i < kLegendParameterLines
                                                 ? VolumeWording(std::move(line))
                                                 : std::move(line);
    }
    return lines;
}

}  // namespace zor06::gasdata
