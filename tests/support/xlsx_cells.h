// The cells of a filled workbook's first sheet as its XML holds them, and any part of the
// workbook, read with libzip: what the passport tests check.
#pragma once

#include <zip.h>

#include <filesystem>
#include <map>
#include <optional>
#include <pugixml.hpp>
#include <string>

namespace zor06::test {

inline std::optional<std::string> ZipEntry(const std::filesystem::path& path, const char* name) {
    int error = 0;
    zip_t* z = zip_open(path.c_str(), ZIP_RDONLY, &error);
    if (z == nullptr) {
        return std::nullopt;
    }
    std::optional<std::string> out;
    zip_stat_t st;
    if (zip_stat(z, name, 0, &st) == 0) {
        zip_file_t* f = zip_fopen(z, name, 0);
        out.emplace(st.size, '\0');
        zip_fread(f, out->data(), st.size);
        zip_fclose(f);
    }
    zip_close(z);
    return out;
}

struct Cell {
    std::string style;
    std::string text;  // an inline string
    std::optional<double> number;
};

inline std::map<std::string, Cell> SheetCells(const std::filesystem::path& path) {
    std::map<std::string, Cell> cells;
    pugi::xml_document doc;
    const auto xml = ZipEntry(path, "xl/worksheets/sheet1.xml");
    if (!xml || !doc.load_string(xml->c_str())) {
        return cells;
    }
    for (pugi::xml_node row : doc.child("worksheet").child("sheetData").children("row")) {
        for (pugi::xml_node c : row.children("c")) {
            Cell& cell = cells[c.attribute("r").value()];
            cell.style = c.attribute("s").value();
            cell.text = c.child("is").child("t").text().get();
            if (c.child("v")) {
                cell.number = c.child("v").text().as_double();
            }
        }
    }
    return cells;
}

}  // namespace zor06::test
