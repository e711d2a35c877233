// Reads back what the tests check of a one-sheet workbook written by the program: each cell's
// text or number with its number format, font, fill, side lines and alignment, the row heights
// and the column widths. Just enough of the zip container and of the XML for that.
#pragma once

#include <zlib.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <map>
#include <optional>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

namespace zor06::gasdata::test {

struct SheetCell {
    std::string text;
    std::optional<double> number;
    std::string numberFormat;  // empty for General
    std::string font;
    double fontSize = 0;
    std::string fill;   // the solid fill's ARGB, empty without one
    std::string lines;  // the thin lines it has, of "LRTB"
    std::string align;  // "left", "center" or empty
};

struct Sheet {
    std::map<std::string, SheetCell> cells;  // by reference, "A1"
    std::map<int, double> rowHeights;        // rows with a height of their own
    struct Columns {
        int first;
        int last;
        double width;
    };
    std::vector<Columns> columns;
};

namespace xlsx_detail {

inline std::uint32_t Le(std::string_view b, std::size_t at, int bytes) {
    std::uint32_t v = 0;
    for (int i = bytes - 1; i >= 0; --i) {
        v = v << 8 | static_cast<unsigned char>(b[at + static_cast<std::size_t>(i)]);
    }
    return v;
}

// The entries of a zip archive by name, inflated.
inline std::map<std::string, std::string> Unzip(std::string_view zip) {
    std::map<std::string, std::string> entries;
    const std::size_t end = zip.rfind(std::string_view("PK\x05\x06", 4));
    if (end == std::string_view::npos || end + 22 > zip.size()) {
        return entries;
    }
    std::size_t at = Le(zip, end + 16, 4);
    for (std::uint32_t n = Le(zip, end + 10, 2); n > 0 && at + 46 <= zip.size(); --n) {
        const std::uint32_t method = Le(zip, at + 10, 2);
        const std::uint32_t packed = Le(zip, at + 20, 4);
        const std::uint32_t size = Le(zip, at + 24, 4);
        const std::uint32_t nameLength = Le(zip, at + 28, 2);
        const std::size_t local = Le(zip, at + 42, 4);
        std::string name(zip.substr(at + 46, nameLength));
        at += 46 + nameLength + Le(zip, at + 30, 2) + Le(zip, at + 32, 2);
        const std::size_t data = local + 30 + Le(zip, local + 26, 2) + Le(zip, local + 28, 2);
        std::string out(size, '\0');
        if (method == 0) {
            out = zip.substr(data, size);
        } else {
            z_stream z{};
            inflateInit2(&z, -MAX_WBITS);
            z.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(zip.data() + data));
            z.avail_in = packed;
            z.next_out = reinterpret_cast<Bytef*>(out.data());
            z.avail_out = size;
            inflate(&z, Z_FINISH);
            inflateEnd(&z);
        }
        entries.emplace(std::move(name), std::move(out));
    }
    return entries;
}

struct Element {
    std::string_view attributes;
    std::string_view inner;
};

// The elements <tag ...>...</tag> and <tag .../> of `xml` in order (not nested in themselves).
inline std::vector<Element> Elements(std::string_view xml, std::string_view tag) {
    std::vector<Element> found;
    const std::string open = "<" + std::string(tag);
    const std::string close = "</" + std::string(tag) + ">";
    for (std::size_t at = xml.find(open); at != std::string_view::npos; at = xml.find(open, at)) {
        const std::size_t name = at + open.size();
        const std::size_t stop = xml.find('>', name);
        if (stop == std::string_view::npos) {
            break;
        }
        if (xml[name] != ' ' && xml[name] != '>' && xml[name] != '/') {
            at = name;
            continue;
        }
        const bool empty = xml[stop - 1] == '/';
        Element e{xml.substr(name, stop - name - (empty ? 1 : 0)), {}};
        at = stop + 1;
        if (!empty) {
            const std::size_t inner_end = xml.find(close, at);
            e.inner = xml.substr(at, inner_end - at);
            at = inner_end;
        }
        found.push_back(e);
    }
    return found;
}

inline std::string Attribute(std::string_view attributes, std::string_view name) {
    const std::string key = " " + std::string(name) + "=\"";
    const std::size_t at = attributes.find(key);
    if (at == std::string_view::npos) {
        return {};
    }
    const std::size_t from = at + key.size();
    return std::string(attributes.substr(from, attributes.find('"', from) - from));
}

inline std::string Unescaped(std::string_view text) {
    std::string out(text);
    for (const auto& [code, c] : {std::pair{"&lt;", "<"}, std::pair{"&gt;", ">"},
                                  std::pair{"&quot;", "\""}, std::pair{"&amp;", "&"}}) {
        for (std::size_t at = out.find(code); at != std::string::npos;
             at = out.find(code, at + 1)) {
            out.replace(at, std::string_view(code).size(), c);
        }
    }
    return out;
}

inline std::string_view First(std::string_view xml, std::string_view tag) {
    const auto e = Elements(xml, tag);
    return e.empty() ? std::string_view() : e.front().inner;
}

inline std::string Texts(std::string_view xml) {
    std::string text;
    for (const Element& t : Elements(xml, "t")) {
        text += Unescaped(t.inner);
    }
    return text;
}

// The look of every cell format, by its index.
inline std::vector<SheetCell> Formats(std::string_view styles) {
    std::map<std::string, std::string> numberFormats;
    for (const Element& f : Elements(styles, "numFmt")) {
        numberFormats[Attribute(f.attributes, "numFmtId")] =
            Unescaped(Attribute(f.attributes, "formatCode"));
    }
    const auto fonts = Elements(First(styles, "fonts"), "font");
    const auto fills = Elements(First(styles, "fills"), "fill");
    const auto borders = Elements(First(styles, "borders"), "border");
    std::vector<SheetCell> formats;
    for (const Element& xf : Elements(First(styles, "cellXfs"), "xf")) {
        SheetCell f;
        f.numberFormat = numberFormats[Attribute(xf.attributes, "numFmtId")];
        const Element& font = fonts.at(std::stoul(Attribute(xf.attributes, "fontId")));
        f.font = Attribute(Elements(font.inner, "name").at(0).attributes, "val");
        f.fontSize = std::stod(Attribute(Elements(font.inner, "sz").at(0).attributes, "val"));
        const auto colour =
            Elements(fills.at(std::stoul(Attribute(xf.attributes, "fillId"))).inner, "fgColor");
        f.fill = colour.empty() ? "" : Attribute(colour[0].attributes, "rgb");
        const std::string_view border =
            borders.at(std::stoul(Attribute(xf.attributes, "borderId"))).inner;
        for (const auto& [side, letter] : {std::pair{"left", 'L'}, std::pair{"right", 'R'},
                                           std::pair{"top", 'T'}, std::pair{"bottom", 'B'}}) {
            const auto e = Elements(border, side);
            if (!e.empty() && Attribute(e[0].attributes, "style") == "thin") {
                f.lines += letter;
            }
        }
        const auto alignment = Elements(xf.inner, "alignment");
        f.align = alignment.empty() ? "" : Attribute(alignment[0].attributes, "horizontal");
        formats.push_back(f);
    }
    return formats;
}

}  // namespace xlsx_detail

inline std::optional<Sheet> ReadSheet(const std::filesystem::path& path) {
    using namespace xlsx_detail;
    std::ifstream in(path, std::ios::binary);
    std::stringstream bytes;
    bytes << in.rdbuf();
    auto entries = Unzip(bytes.str());
    if (!entries.contains("xl/worksheets/sheet1.xml") || !entries.contains("xl/styles.xml")) {
        return std::nullopt;
    }
    std::vector<std::string> strings;
    for (const Element& si : Elements(entries["xl/sharedStrings.xml"], "si")) {
        strings.push_back(Texts(si.inner));
    }
    const std::vector<SheetCell> formats = Formats(entries["xl/styles.xml"]);
    const std::string_view xml = entries["xl/worksheets/sheet1.xml"];
    Sheet sheet;
    for (const Element& c : Elements(xml, "c")) {
        const std::string s = Attribute(c.attributes, "s");
        SheetCell cell = formats.at(s.empty() ? 0 : std::stoul(s));
        const std::string type = Attribute(c.attributes, "t");
        const std::string value(First(c.inner, "v"));
        if (type == "s") {
            cell.text = strings.at(std::stoul(value));
        } else if (type == "inlineStr") {
            cell.text = Texts(c.inner);
        } else if (!value.empty()) {
            cell.number = std::stod(value);
        }
        sheet.cells[Attribute(c.attributes, "r")] = cell;
    }
    for (const Element& row : Elements(xml, "row")) {
        const std::string height = Attribute(row.attributes, "ht");
        if (!height.empty()) {
            sheet.rowHeights[std::stoi(Attribute(row.attributes, "r"))] = std::stod(height);
        }
    }
    for (const Element& col : Elements(xml, "col")) {
        sheet.columns.push_back({std::stoi(Attribute(col.attributes, "min")),
                                 std::stoi(Attribute(col.attributes, "max")),
                                 std::stod(Attribute(col.attributes, "width"))});
    }
    return sheet;
}

}  // namespace zor06::gasdata::test
