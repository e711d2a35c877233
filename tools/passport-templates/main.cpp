// Makes the two passport templates, day_report_title_v5.xlsx and mon_report_title_v5.xlsx, in the
// directory given: titles, column headings and units, and the framed cells the program fills.
// Rows and columns here count from 0; the program's cell (row, column) is (row - 1, column - 1).
#include <xlsxwriter.h>

#include <array>
#include <cstdio>
#include <string>

namespace {

enum class Kind { Day, Month };

constexpr int kFirstDataRow = 9;  // the program's row 10
constexpr int kColumns = 28;

struct Formats {
    lxw_format* title;
    lxw_format* subtitle;
    lxw_format* heading;
    lxw_format* cell;
    lxw_format* number;
    lxw_format* total;
    lxw_format* plain;
};

lxw_format* Bordered(lxw_workbook* wb, bool bold, bool wrap) {
    lxw_format* f = workbook_add_format(wb);
    format_set_font_name(f, "Times New Roman");
    format_set_font_size(f, 9);
    format_set_border(f, LXW_BORDER_THIN);
    format_set_align(f, LXW_ALIGN_CENTER);
    format_set_align(f, LXW_ALIGN_VERTICAL_CENTER);
    if (bold) {
        format_set_bold(f);
    }
    if (wrap) {
        format_set_text_wrap(f);
    }
    return f;
}

Formats MakeFormats(lxw_workbook* wb) {
    Formats f{};
    f.title = workbook_add_format(wb);
    format_set_font_name(f.title, "Times New Roman");
    format_set_font_size(f.title, 14);
    format_set_bold(f.title);
    format_set_align(f.title, LXW_ALIGN_CENTER);
    f.subtitle = workbook_add_format(wb);
    format_set_font_name(f.subtitle, "Times New Roman");
    format_set_font_size(f.subtitle, 11);
    format_set_align(f.subtitle, LXW_ALIGN_CENTER);
    f.plain = workbook_add_format(wb);
    format_set_font_name(f.plain, "Times New Roman");
    format_set_font_size(f.plain, 11);
    f.heading = Bordered(wb, true, true);
    f.cell = Bordered(wb, false, false);
    f.number = Bordered(wb, false, false);
    format_set_num_format(f.number, "0.0000");
    f.total = Bordered(wb, true, false);
    format_set_num_format(f.total, "0.0000");
    return f;
}

// Headings of the columns 2..28 (index 0 is column 2): the group over rows 7..8 and the unit in
// row 9; a group spanning three columns is written once, at its first.
struct Heading {
    const char* group;
    const char* unit;
    int span;
};

constexpr std::array<Heading, 21> kHeadings{{
    {"Метан", "% мол.", 1},
    {"Этан", "% мол.", 1},
    {"Пропан", "% мол.", 1},
    {"и-Бутан", "% мол.", 1},
    {"н-Бутан", "% мол.", 1},
    {"нео-Пентан", "% мол.", 1},
    {"и-Пентан", "% мол.", 1},
    {"н-Пентан", "% мол.", 1},
    {"Гексаны и выше (C6+)", "% мол.", 1},
    {"Азот", "% мол.", 1},
    {"Диоксид углерода", "% мол.", 1},
    {"Сумма компонентов", "% мол.", 1},
    {"Плотность", "кг/м³", 1},
    {"Низшая теплота сгорания", nullptr, 3},
    {"Высшая теплота сгорания", nullptr, 3},
    {"Число Воббе высшее", nullptr, 3},
    {"Точка росы по воде при рабочем давлении", "°C", 1},
    {"Точка росы по воде, приведенная к абсолютному давлению", "°C", 1},
    {"Точка росы по углеводородам при рабочем давлении", "°C", 1},
    {"Давление газа", "кгс/см²", 1},
    {"Температура газа", "°C", 1},
}};

constexpr std::array<const char*, 3> kEnergyUnits{"ккал/м³", "МДж/м³", "кВт·ч/м³"};

void WriteHeadings(lxw_worksheet* ws, const Formats& f, Kind kind) {
    worksheet_merge_range(ws, 6, 0, 8, 0, kind == Kind::Day ? "Дата, время" : "День", f.heading);
    worksheet_merge_range(ws, 5, 1, 5, 13, "Компонентный состав и плотность газа", f.heading);
    worksheet_merge_range(ws, 5, 14, 5, 22, "Теплота сгорания и число Воббе", f.heading);
    worksheet_merge_range(ws, 5, 23, 5, 26, "Влагомер", f.heading);
    worksheet_write_string(ws, 5, 27, "", f.heading);
    int column = 1;
    for (const Heading& h : kHeadings) {
        if (h.span == 1) {
            worksheet_merge_range(ws, 6, column, 7, column, h.group, f.heading);
            worksheet_write_string(ws, 8, column, h.unit, f.heading);
        } else {
            worksheet_merge_range(ws, 6, column, 7, column + h.span - 1, h.group, f.heading);
            for (int i = 0; i < h.span; ++i) {
                worksheet_write_string(ws, 8, column + i, kEnergyUnits[static_cast<size_t>(i)],
                                       f.heading);
            }
        }
        column += h.span;
    }
}

// The framed data rows; column 1 of the monthly one carries the day numbers and the average row.
void WriteBody(lxw_worksheet* ws, const Formats& f, Kind kind) {
    const int rows = kind == Kind::Day ? 24 : 31;
    for (int i = 0; i <= rows; ++i) {
        const int row = kFirstDataRow + i;
        const bool total = i == rows;
        for (int column = 1; column < kColumns; ++column) {
            worksheet_write_blank(ws, row, column, total ? f.total : f.number);
        }
        if (total) {
            worksheet_write_string(ws, row, 0, kind == Kind::Day ? "За сутки" : "Среднее за месяц",
                                   f.total);
        } else if (kind == Kind::Month) {
            worksheet_write_number(ws, row, 0, i + 1, f.cell);
        } else {
            worksheet_write_blank(ws, row, 0, f.cell);
        }
    }
}

bool MakeTemplate(const std::string& path, Kind kind) {
    lxw_workbook* wb = workbook_new(path.c_str());
    if (wb == nullptr) {
        return false;
    }
    lxw_worksheet* ws = workbook_add_worksheet(wb, "Паспорт");
    const Formats f = MakeFormats(wb);
    worksheet_set_landscape(ws);
    worksheet_set_paper(ws, 9);
    worksheet_fit_to_pages(ws, 1, 1);
    worksheet_set_column(ws, 0, 0, kind == Kind::Day ? 15 : 9, nullptr);
    worksheet_set_column(ws, 1, kColumns - 1, 9.5, nullptr);
    worksheet_set_row(ws, 6, 30, nullptr);
    worksheet_set_row(ws, 7, 30, nullptr);
    worksheet_merge_range(ws, 0, 0, 0, 20, "ПАСПОРТ ФИЗИКО-ХИМИЧЕСКИХ ПОКАЗАТЕЛЕЙ ГАЗА", f.title);
    worksheet_merge_range(ws, 1, 0, 1, 20,
                          kind == Kind::Day ? "(среднечасовые и среднесуточные значения)"
                                            : "(среднесуточные и среднемесячные значения)",
                          f.subtitle);
    worksheet_write_blank(ws, 1, 27, f.plain);  // the chromatograph's serial number and run
    worksheet_write_blank(ws, 3, 21, f.plain);  // the period line
    WriteHeadings(ws, f, kind);
    WriteBody(ws, f, kind);
    return workbook_close(wb) == LXW_NO_ERROR;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s DIRECTORY\n", argv[0]);
        return 2;
    }
    const std::string dir = argv[1];
    if (!MakeTemplate(dir + "/day_report_title_v5.xlsx", Kind::Day) ||
        !MakeTemplate(dir + "/mon_report_title_v5.xlsx", Kind::Month)) {
        std::fprintf(stderr, "%s: the templates could not be written in %s\n", argv[0],
                     dir.c_str());
        return 1;
    }
    return 0;
}
