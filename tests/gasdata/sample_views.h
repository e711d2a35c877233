// Data views built by hand, as the views' model fills them: recognisable headings and cells, and
// the numbers behind the cells that show numbers.
#pragma once

#include <string>

#include "gasdata/data_view.h"

namespace zor06::gasdata::test {

inline constexpr int kDisplayOrder[20] = {0,  1,  2,  3,  4,  5,  6,  7,  8,  9,
                                          10, 15, 11, 18, 13, 17, 12, 19, 14, 16};

// Value column v shows v + 1 + r / 100 in row r; column 12 (density) has two decimals.
inline DataView ChrView(DataKind kind, std::size_t rows) {
    DataView view;
    view.kind = kind;
    view.caption = "Часовые данные хроматографа (сер. № 7; нитка \"Север\")";
    for (const char* h : {"Дата", "Начало", "Конец", "Статус"}) {
        view.leftHeadings.push_back({{h, "", ""}, ""});
    }
    for (int v = 0; v < 20; ++v) {
        const std::string n = std::to_string(v + 1);
        view.valueHeadings.push_back({{"h" + n + "a", "h" + n + "b", "h" + n + "c"}, "u" + n});
        view.valueParameters.push_back(kDisplayOrder[v]);
        view.valueDecimals.push_back(v == 16 ? 2 : 4);
        view.averages[static_cast<std::size_t>(kDisplayOrder[v])] = v + 0.5;
    }
    view.statusColumns = {3};
    for (std::size_t r = 0; r < rows; ++r) {
        DataRow row;
        const std::string tag = std::to_string(r + 1);
        row.left = {"   d" + tag, "   s" + tag, "   e" + tag, "    Норма"};
        for (int v = 0; v < 20; ++v) {
            const double x = v + 1 + static_cast<double>(r) / 100;
            row.values.push_back("  " + std::to_string(x).substr(0, v == 16 ? 5 : 6) + " ");
            row.numbers.emplace_back(x);
        }
        row.counted = true;
        view.rows.push_back(std::move(row));
    }
    return view;
}

// One group of check columns after the values: row r's value 38.1 + r, its computation 38.0 and
// their difference; row 1 marked; a row without values shows " ---" in each.
inline void AddCheckColumns(DataView& view) {
    IsoCheckColumns check;
    check.headings = {{{"Тсг высш.", "хромато-", "графа,"}, "МДж/м3"},
                      {{"Тсг высш.", "расчет по", "ISO 6976,"}, "МДж/м3"},
                      {{"Тсг высш.", "отклоне-", "ние,"}, "%"}};
    check.decimals = {4, 4, 3};
    check.limit = 2;
    for (std::size_t r = 0; r < view.rows.size(); ++r) {
        DataRow& row = view.rows[r];
        if (!row.counted) {
            row.check.assign(3, CheckCell{" ---", std::nullopt, false});
            continue;
        }
        const double value = 38.1 + static_cast<double>(r);
        const double difference = (value - 38.0) / 38.0 * 100;
        row.check = {{std::to_string(value).substr(0, 7) + " ", value, false},
                     {"38.0000 ", 38.0, false},
                     {std::to_string(difference).substr(0, 5) + " ", difference, r == 1}};
        check.marked += r == 1 ? 1 : 0;
    }
    view.isoCheck = check;
}

inline DataView WmtView(DataKind kind, std::size_t rows) {
    DataView view;
    view.kind = kind;
    view.caption = "Часовые данные влагомера";
    view.leftHeadings = {{{"Дата", "начала", ""}, ""},
                         {{"Время", "начала", ""}, ""},
                         {{"Время", "конца", ""}, ""},
                         {{"Статус", "контроллера", ""}, ""}};
    view.valueHeadings = {{{"Т т.росы", "WDP", "при Рраб."}, "°С"},
                          {{"Т т.росы", "HDP", "при Рраб."}, "°С"},
                          {{"Р изб.", "WDP", ""}, "bar"},
                          {{"Прив. Т т.росы", "по воде", "к Р абс."}, "°С"}};
    view.valueDecimals = {4, 4, 4, 4};
    for (std::size_t r = 0; r < rows; ++r) {
        const std::string tag = std::to_string(r + 1);
        DataRow row;
        row.left = {"  d" + tag, "  s" + tag, "   e" + tag, "  Норма"};
        row.values = {"  -12.5000", "  -3.2500", "  40.100", "  -8.0000"};
        row.numbers = {-12.5, -3.25, 40.1, -8.0};
        view.rows.push_back(std::move(row));
    }
    return view;
}

}  // namespace zor06::gasdata::test
