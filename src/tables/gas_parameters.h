// The chromatograph's twenty gas parameters in the controller's order (the limit tables, the
// momentary values and zones, the archive records), with what each screen and printout calls them.
// The names differ from place to place on purpose: each is the text that place shows.
#pragma once

#include <array>

namespace zor06::tables {

inline constexpr int kGasParameterCount = 20;

enum class GasKind {
    Component,  // a mole fraction, shown as a volume fraction when the settings say so
    Energy,     // a heating value or a Wobbe index: MJ/m3, or kcal/m3 when the settings say so
    Property,   // density, compression factor, relative density
    Unchecked,  // the sum of the components and the gas temperature: no zone, no limits printed
};

struct GasParameter {
    GasKind kind;
    const char* editorName;    // the limit and distribution editors
    const char* protocolName;  // the configuration protocol; the unchecked two are not printed
    const char* protocolUnit;
    const char* momentaryName;           // the chromatograph's momentary window
    std::array<const char*, 3> heading;  // the data views' column heading
    const char* unit;                    // under it, in MJ/m3 for the energies
};

inline constexpr std::array<GasParameter, kGasParameterCount> kGasParameters{{
    {GasKind::Component,
     " Суммарная МД гексана и б.т.с.",
     "Сум. МД гексана и б.т.с.",
     "%",
     " Суммарная молярная доля гексана и б.т.с.",
     {"Сум. МД", "гексана", "и б.т.с.,"},
     "%"},  // 1
    {GasKind::Component,
     " Молярная доля пропана",
     "Молярная доля пропана",
     "%",
     " Молярная доля пропана (C3H8)",
     {"МД", "пропана,", " "},
     "%"},  // 2
    {GasKind::Component,
     " Молярная доля i-бутана",
     "Молярная доля i-бутана",
     "%",
     " Молярная доля и-бутана (i-C4H10)",
     {"МД", "i-бутана,", " "},
     "%"},  // 3
    {GasKind::Component,
     " Молярная доля n-бутана",
     "Молярная доля n-бутана",
     "%",
     " Молярная доля н-бутана (n-C4H10)",
     {"МД", "n-бутана,", " "},
     "%"},  // 4
    {GasKind::Component,
     " Молярная доля нео-пентана",
     "Молярная доля нео-пентана",
     "%",
     " Молярная доля нео-пентана (C5H12)",
     {"МД", "neo-", "пентана,"},
     "%"},  // 5
    {GasKind::Component,
     " Молярная доля i-пентана",
     "Молярная доля i-пентана",
     "%",
     " Молярная доля и-пентана (i-C5H12)",
     {"МД", "i-пентана,", " "},
     "%"},  // 6
    {GasKind::Component,
     " Молярная доля n-пентана",
     "Молярная доля n-пентана",
     "%",
     " Молярная доля  н-пентана (n-C5H12)",
     {"МД", "n-пентана,", " "},
     "%"},  // 7
    {GasKind::Component,
     " Молярная доля азота",
     "Молярная доля азота",
     "%",
     " Молярная доля азота (N2)",
     {"МД", "азота,", " "},
     "%"},  // 8
    {GasKind::Component,
     " Молярная доля метана",
     "Молярная доля метана",
     "%",
     " Молярная доля метана (CH4)",
     {"МД", "метана,", " "},
     "%"},  // 9
    {GasKind::Component,
     " Молярная доля диоксида углерода",
     "Молярная доля CO2",
     "%",
     " Молярная доля диоксида углерода (CO2)",
     {"МД", "диоксида", "углерода,"},
     "%"},  // 10
    {GasKind::Component,
     " Молярная доля этана",
     "Молярная доля этана",
     "%",
     " Молярная доля  этана (C2H6)",
     {"МД", "этана,", " "},
     "%"},  // 11
    {GasKind::Energy,
     " Теплота сгорания высшая",
     "Теплота сгорания высшая",
     "МДж/м3",
     " Теплота сгорания высшая",
     {"Удельная", "Тсг", "высшая,"},
     "МДж/м3"},  // 12
    {GasKind::Property,
     " Абсолютная плотность",
     "Абсолютная плотность",
     "кг/м3",
     " Абсолютная  плотность°",
     {"Плотность", "реального", "газа,"},
     "кг/м3"},  // 13
    {GasKind::Energy,
     " Число Воббе высшее",
     "Число Воббе высшее",
     "МДж/м3",
     " Число Воббе высшее",
     {"Число", "Воббе", "высшее,"},
     "МДж/м3"},  // 14
    {GasKind::Property,
     " Фактор сжимаемости",
     "Фактор сжимаемости",
     "",
     " Фактор сжимаемости",
     {"Фактор", "сжимае-", "мости"},
     " "},  // 15
    {GasKind::Unchecked,
     // the "е" of "всeх" is a Latin e in this name
     " Сумма мол.долей всeх компонентов",
     "",
     "",
     " Сумма молярных долей всех компонентов",
     {"Сумма МД", "всех", "компон.,"},
     "%"},  // 16
    {GasKind::Unchecked,
     " Температура газа",
     "",
     "",
     " Температура газа",
     {"Темпера-", "тура газа,", " "},
     "°С"},  // 17
    {GasKind::Energy,
     " Число Воббе низшее",
     "Число Воббе низшее",
     "МДж/м3",
     " Число Воббе низшее",
     {"Число", "Воббе", "низшее,"},
     "МДж/м3"},  // 18
    {GasKind::Energy,
     " Теплота сгорания низшая",
     "Теплота сгорания низшая",
     "МДж/м3",
     " Теплота сгорания низшая",
     {"Удельная", "Тсг", "низшая,"},
     "МДж/м3"},  // 19
    {GasKind::Property,
     " Относительная плотность",
     "Относительная плотность",
     "",
     " Относительная плотность <реального газа>",
     {"Относит.", "плотность", " "},
     " "},  // 20
}};

// Whether the parameter has a zone, limits and a row in the protocol.
constexpr bool GasParameterChecked(int index) {
    return index >= 0 && index < kGasParameterCount &&
           kGasParameters[static_cast<std::size_t>(index)].kind != GasKind::Unchecked;
}

}  // namespace zor06::tables
