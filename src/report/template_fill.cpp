#include "report/template_fill.h"

#include <zip.h>

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <list>
#include <map>
#include <memory>
#include <optional>
#include <pugixml.hpp>
#include <sstream>
#include <string_view>

#include "platform/file_io.h"
#include "report/template_file.h"

namespace zor06::report {
namespace {

constexpr char kWorkbook[] = "xl/workbook.xml";
constexpr char kWorkbookRels[] = "xl/_rels/workbook.xml.rels";
constexpr char kContentTypes[] = "[Content_Types].xml";
constexpr char kCalcChain[] = "xl/calcChain.xml";
constexpr int kMaxRow = 1048576;
constexpr int kMaxColumn = 16384;
const std::string kNotANumber = "NAN";

// A template opened from memory; the archive written back into the same memory on Finish.
class MemoryZip {
public:
    explicit MemoryZip(std::string bytes) : bytes_(std::move(bytes)) {
        zip_error_init(&error_);
        source_ = zip_source_buffer_create(bytes_.data(), bytes_.size(), 0, &error_);
        if (source_ == nullptr) {
            return;
        }
        archive_ = zip_open_from_source(source_, ZIP_CHECKCONS, &error_);
        if (archive_ == nullptr) {
            zip_source_free(source_);
            source_ = nullptr;
            return;
        }
        zip_source_keep(source_);  // its memory receives the written archive
    }
    ~MemoryZip() {
        if (archive_ != nullptr) {
            zip_discard(archive_);
        }
        if (source_ != nullptr) {
            zip_source_free(source_);
        }
        zip_error_fini(&error_);
    }
    MemoryZip(const MemoryZip&) = delete;
    MemoryZip& operator=(const MemoryZip&) = delete;

    bool Open() const { return archive_ != nullptr; }
    std::string Error() { return zip_error_strerror(&error_); }

    // The name of the first part that would unpack to more than `limit` bytes, if any.
    std::optional<std::string> PartLargerThan(std::uintmax_t limit) const {
        const zip_int64_t parts = zip_get_num_entries(archive_, 0);
        for (zip_int64_t i = 0; i < parts; ++i) {
            zip_stat_t st;
            zip_stat_init(&st);
            if (zip_stat_index(archive_, static_cast<zip_uint64_t>(i), 0, &st) == 0 &&
                (st.valid & ZIP_STAT_SIZE) != 0 && st.size > limit) {
                return (st.valid & ZIP_STAT_NAME) != 0 ? st.name : std::to_string(i);
            }
        }
        return std::nullopt;
    }

    bool Has(const std::string& name) const {
        return zip_name_locate(archive_, name.c_str(), 0) >= 0;
    }

    std::optional<std::string> Read(const std::string& name) const {
        zip_stat_t st;
        zip_stat_init(&st);
        if (zip_stat(archive_, name.c_str(), 0, &st) != 0 || (st.valid & ZIP_STAT_SIZE) == 0) {
            return std::nullopt;
        }
        zip_file_t* file = zip_fopen(archive_, name.c_str(), 0);
        if (file == nullptr) {
            return std::nullopt;
        }
        std::string out(st.size, '\0');
        const zip_int64_t got = zip_fread(file, out.data(), out.size());
        zip_fclose(file);
        if (got < 0 || static_cast<zip_uint64_t>(got) != st.size) {
            return std::nullopt;
        }
        return out;
    }

    bool Replace(const std::string& name, std::string content) {
        const std::string& kept = replacements_.emplace_back(std::move(content));
        zip_source_t* s = zip_source_buffer(archive_, kept.data(), kept.size(), 0);
        const zip_int64_t index = zip_name_locate(archive_, name.c_str(), 0);
        if (s == nullptr || index < 0 ||
            zip_file_replace(archive_, static_cast<zip_uint64_t>(index), s, 0) != 0) {
            zip_source_free(s);
            return false;
        }
        return true;
    }

    bool Delete(const std::string& name) {
        const zip_int64_t index = zip_name_locate(archive_, name.c_str(), 0);
        return index >= 0 && zip_delete(archive_, static_cast<zip_uint64_t>(index)) == 0;
    }

    // The whole new archive; nothing after reporting why in `reason`.
    std::optional<std::string> Finish(std::string* reason) {
        if (zip_close(archive_) != 0) {
            *reason = zip_error_strerror(zip_get_error(archive_));
            return std::nullopt;
        }
        archive_ = nullptr;
        std::string out;
        if (zip_source_open(source_) != 0) {
            *reason = zip_error_strerror(zip_source_error(source_));
            return std::nullopt;
        }
        char buffer[65536];
        for (zip_int64_t n; (n = zip_source_read(source_, buffer, sizeof buffer)) > 0;) {
            out.append(buffer, static_cast<std::size_t>(n));
        }
        zip_source_close(source_);
        return out;
    }

private:
    std::string bytes_;
    zip_error_t error_;
    zip_source_t* source_ = nullptr;
    zip_t* archive_ = nullptr;
    std::list<std::string> replacements_;  // libzip reads them only when the archive is closed
};

struct StringWriter : pugi::xml_writer {
    std::string out;
    void write(const void* data, std::size_t size) override {
        out.append(static_cast<const char*>(data), size);
    }
};

std::string Serialize(const pugi::xml_document& doc) {
    StringWriter w;
    doc.save(w, "", pugi::format_raw, pugi::encoding_utf8);
    return std::move(w.out);
}

bool Parse(pugi::xml_document& doc, const std::string& xml) {
    return doc.load_buffer(xml.data(), xml.size(), pugi::parse_full);
}

std::string_view LocalName(std::string_view name) {
    const std::size_t colon = name.find(':');
    return colon == std::string_view::npos ? name : name.substr(colon + 1);
}

pugi::xml_node Child(pugi::xml_node node, std::string_view local) {
    for (pugi::xml_node c : node.children()) {
        if (LocalName(c.name()) == local) {
            return c;
        }
    }
    return {};
}

// The part name of the workbook's active sheet, from the workbook and its relationships.
std::optional<std::string> ActiveSheetPart(const MemoryZip& zip) {
    const std::optional<std::string> workbook = zip.Read(kWorkbook);
    const std::optional<std::string> rels = zip.Read(kWorkbookRels);
    pugi::xml_document wb, rd;
    if (!workbook || !rels || !Parse(wb, *workbook) || !Parse(rd, *rels)) {
        return std::nullopt;
    }
    const pugi::xml_node root = wb.document_element();
    const unsigned active =
        Child(Child(root, "bookViews"), "workbookView").attribute("activeTab").as_uint(0);
    unsigned i = 0;
    std::string id;
    for (pugi::xml_node sheet : Child(root, "sheets").children()) {
        if (LocalName(sheet.name()) == "sheet" && i++ == active) {
            for (pugi::xml_attribute a : sheet.attributes()) {
                if (LocalName(a.name()) == "id") {
                    id = a.value();
                }
            }
        }
    }
    for (pugi::xml_node r : rd.document_element().children()) {
        if (!id.empty() && id == r.attribute("Id").value()) {
            const std::string target = r.attribute("Target").value();
            return target.starts_with('/') ? target.substr(1) : "xl/" + target;
        }
    }
    return std::nullopt;
}

// Column number of a reference such as "AB12", and its row; 0 when absent.
std::pair<int, int> ParseReference(std::string_view ref) {
    int column = 0;
    std::size_t i = 0;
    for (; i < ref.size() && ref[i] >= 'A' && ref[i] <= 'Z' && column <= kMaxColumn; ++i) {
        column = column * 26 + (ref[i] - 'A' + 1);
    }
    int row = 0;
    std::from_chars(ref.data() + i, ref.data() + ref.size(), row);
    return {column, row};
}

std::string NumberText(float value) {
    char buffer[32];
    const auto r = std::to_chars(buffer, buffer + sizeof buffer, static_cast<double>(value));
    return std::string(buffer, r.ptr);
}

// The rows and cells of the sheet by number, their implied numbers included; new ones are made
// in order where they are missing.
class SheetEditor {
public:
    explicit SheetEditor(pugi::xml_node sheetData) : data_(sheetData) {
        const std::string_view name = sheetData.name();
        prefix_ = std::string(name.substr(0, name.size() - LocalName(name).size()));
    }

    void Set(const TemplateCell& cell) {
        pugi::xml_node c = CellNode(RowNode(cell.row), cell.row, cell.column);
        c.remove_attribute("t");
        while (c.first_child()) {
            c.remove_child(c.first_child());
        }
        if (!cell.isText && std::isfinite(cell.number)) {
            c.append_child(Tag("v").c_str()).text().set(NumberText(cell.number).c_str());
            return;
        }
        // The file format has no number that is not finite: such a value is shown as its text.
        const std::string& text = cell.isText ? cell.text : kNotANumber;
        c.append_attribute("t") = "inlineStr";
        pugi::xml_node t = c.append_child(Tag("is").c_str()).append_child(Tag("t").c_str());
        t.append_attribute("xml:space") = "preserve";
        t.text().set(text.c_str());
    }

private:
    std::string Tag(const char* local) const { return prefix_ + local; }

    pugi::xml_node RowNode(int row) {
        int implied = 0;
        for (pugi::xml_node r = data_.first_child(); r; r = r.next_sibling()) {
            if (LocalName(r.name()) != "row") {
                continue;
            }
            implied = r.attribute("r").as_int(implied + 1);
            if (implied == row) {
                return r;
            }
            if (implied > row) {
                return Numbered(data_.insert_child_before(Tag("row").c_str(), r), row);
            }
        }
        return Numbered(data_.append_child(Tag("row").c_str()), row);
    }

    pugi::xml_node CellNode(pugi::xml_node row, int rowNumber, int column) {
        const std::string ref = CellReference(rowNumber, column);
        int implied = 0;
        for (pugi::xml_node c = row.first_child(); c; c = c.next_sibling()) {
            if (LocalName(c.name()) != "c") {
                continue;
            }
            const pugi::xml_attribute r = c.attribute("r");
            implied = r ? ParseReference(r.value()).first : implied + 1;
            if (implied == column) {
                return c;
            }
            if (implied > column) {
                return NewCell(row.insert_child_before(Tag("c").c_str(), c), row, ref);
            }
        }
        // Cells come before a row's extension list.
        pugi::xml_node ext = Child(row, "extLst");
        return NewCell(ext ? row.insert_child_before(Tag("c").c_str(), ext)
                           : row.append_child(Tag("c").c_str()),
                       row, ref);
    }

    static pugi::xml_node Numbered(pugi::xml_node row, int number) {
        row.append_attribute("r") = number;
        return row;
    }

    // The row's span hint no longer covers a new cell; it is optional, so it goes.
    static pugi::xml_node NewCell(pugi::xml_node c, pugi::xml_node row, const std::string& ref) {
        row.remove_attribute("spans");
        c.append_attribute("r") = ref.c_str();
        return c;
    }

    pugi::xml_node data_;
    std::string prefix_;
};

// Removes the children of `root` that `drop` picks; whether any went.
template <typename Pick>
bool RemoveChildren(pugi::xml_node root, Pick drop) {
    bool removed = false;
    for (pugi::xml_node n = root.first_child(); n;) {
        const pugi::xml_node next = n.next_sibling();
        if (drop(n)) {
            root.remove_child(n);
            removed = true;
        }
        n = next;
    }
    return removed;
}

// A calculation chain names formula cells; the spreadsheet rebuilds a missing one but rejects a
// stale one, so it goes with its content type and relationship.
bool DropCalcChain(MemoryZip& zip, std::string* reason) {
    if (!zip.Has(kCalcChain)) {
        return true;
    }
    const auto edit = [&zip](const char* part, auto drop) {
        const std::optional<std::string> xml = zip.Read(part);
        pugi::xml_document doc;
        if (!xml || !Parse(doc, *xml)) {
            return false;
        }
        return !RemoveChildren(doc.document_element(), drop) || zip.Replace(part, Serialize(doc));
    };
    const bool types = edit(kContentTypes, [](pugi::xml_node n) {
        return std::string_view(n.attribute("PartName").value()) == "/xl/calcChain.xml";
    });
    const bool rels = edit(kWorkbookRels, [](pugi::xml_node n) {
        return std::string_view(n.attribute("Type").value()).ends_with("/calcChain");
    });
    if (!types || !rels || !zip.Delete(kCalcChain)) {
        *reason = "цепочка вычислений не удаляется";
        return false;
    }
    return true;
}

bool FillSheet(MemoryZip& zip, const std::vector<TemplateCell>& cells, std::string* reason) {
    const std::optional<std::string> part = ActiveSheetPart(zip);
    const std::optional<std::string> xml = part ? zip.Read(*part) : std::nullopt;
    pugi::xml_document doc;
    if (!xml || !Parse(doc, *xml)) {
        *reason = "нет читаемого листа";
        return false;
    }
    const pugi::xml_node sheetData = Child(doc.document_element(), "sheetData");
    if (!sheetData) {
        *reason = "на листе нет данных ячеек";
        return false;
    }
    SheetEditor editor(sheetData);
    for (const TemplateCell& cell : cells) {
        if (cell.row < 1 || cell.row > kMaxRow || cell.column < 1 || cell.column > kMaxColumn) {
            *reason = "ячейка " + CellReference(cell.row, cell.column) + " вне листа";
            return false;
        }
        editor.Set(cell);
    }
    if (!zip.Replace(*part, Serialize(doc))) {
        *reason = "лист не заменяется";
        return false;
    }
    return true;
}

}  // namespace

std::string CellReference(int row, int column) {
    std::string letters;
    for (int c = column; c > 0; c = (c - 1) / 26) {
        letters.insert(letters.begin(), static_cast<char>('A' + (c - 1) % 26));
    }
    return letters + std::to_string(row);
}

bool FillTemplate(const std::filesystem::path& templatePath, const std::vector<TemplateCell>& cells,
                  const std::filesystem::path& outPath, std::string* reason) {
    std::string bytes;
    switch (ReadTemplateFile(templatePath, &bytes, reason)) {
        case TemplateRead::Read:
            break;
        case TemplateRead::Missing:
            *reason = "Шаблон " + templatePath.string() + " не найден";
            return false;
        case TemplateRead::Refused:
            return false;
    }
    MemoryZip zip(std::move(bytes));
    if (!zip.Open()) {
        *reason = "Шаблон " + templatePath.string() + " не открывается: " + zip.Error();
        return false;
    }
    if (const auto part = zip.PartLargerThan(kMaxTemplatePartBytes)) {
        *reason = OversizedPartText(templatePath, *part);
        return false;
    }
    std::string why;
    if (!FillSheet(zip, cells, &why) || !DropCalcChain(zip, &why)) {
        *reason = "Шаблон " + templatePath.string() + ": " + why;
        return false;
    }
    const std::optional<std::string> workbook = zip.Finish(&why);
    if (!workbook || !platform::WriteFileAtomically(outPath, *workbook, &why)) {
        *reason = outPath.string() + ": " + why;
        return false;
    }
    return true;
}

}  // namespace zor06::report
