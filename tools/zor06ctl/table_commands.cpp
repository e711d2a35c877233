// Reading and writing controller tables.
#include <cstdio>
#include <vector>

#include "link/frame.h"
#include "text/text_format.h"
#include "zor06ctl/commands.h"
#include "zor06ctl/hex.h"

namespace zor06::ctl {
namespace {

struct TableRange {
    int table = 0;
    int first = 0;
    int count = 0;
};

// Table, first field and (when given) count, checked against the catalogue.
std::optional<TableRange> ParseRange(const std::vector<std::string>& args, std::string* error) {
    TableRange range;
    const auto table = ParseInt(args[0], 0, tables::kTableCount - 1);
    if (!table || tables::Table(*table).fieldCount == 0) {
        *error = "no such table: " + args[0];
        return std::nullopt;
    }
    range.table = *table;
    const int fields = tables::Table(range.table).fieldCount;
    const auto first = args.size() > 1 ? ParseInt(args[1], 0, fields - 1) : 0;
    if (!first) {
        *error = "first field out of range: " + args[1];
        return std::nullopt;
    }
    range.first = *first;
    range.count = fields - range.first;
    if (args.size() > 2) {
        const auto count = ParseInt(args[2], 1, fields - range.first);
        if (!count) {
            *error = "count out of range: " + args[2];
            return std::nullopt;
        }
        range.count = *count;
    }
    return range;
}

tables::TableHeader Header(int table, int first, int count) {
    return {static_cast<std::uint8_t>(table), static_cast<std::uint8_t>(first),
            static_cast<std::uint8_t>(count)};
}

// Reads a range in requests of at most 245 value bytes.
bool ReadRange(Session& s, const TableRange& r) {
    const int perRequest =
        static_cast<int>(link::kMaxReadValueBytes / tables::Table(r.table).fieldSize);
    for (int first = r.first; first < r.first + r.count; first += perRequest) {
        const int count = std::min(perRequest, r.first + r.count - first);
        if (!tables::ReadFields(s.tables, Header(r.table, first, count))) {
            return false;
        }
    }
    return true;
}

}  // namespace

void PrintFields(const tables::ControllerImage& image, int table, int first, int count) {
    for (int f = first; f < first + count; ++f) {
        std::printf("%d.%d %s\n", table, f, ToHex(image.Field(table, f)).c_str());
    }
}

namespace {

int RunReadTable(Session& s) {
    if (s.cl.args.empty() || s.cl.args.size() > 3) {
        return UsageError("read-table takes T [FIRST [COUNT]]", s.cl.command);
    }
    std::string error;
    const auto range = ParseRange(s.cl.args, &error);
    if (!range) {
        return UsageError(error, s.cl.command);
    }
    if (!ConnectLink(s) || !ReadRange(s, *range)) {
        return kExitFailed;
    }
    PrintFields(s.image, range->table, range->first, range->count);
    return kExitOk;
}

int RunWriteTable(Session& s) {
    const auto& args = s.cl.args;
    if (args.size() < 3) {
        return UsageError("write-table takes T FIRST HEX...", s.cl.command);
    }
    std::string error;
    const auto range = ParseRange({args[0], args[1], std::to_string(args.size() - 2)}, &error);
    if (!range) {
        return UsageError(error, s.cl.command);
    }
    const std::size_t size = tables::Table(range->table).fieldSize;
    for (std::size_t i = 2; i < args.size(); ++i) {
        const auto bytes = ParseHex(args[i]);
        if (!bytes || bytes->size() != size) {
            return UsageError(
                text::Printf("field value \"%s\" is not %zu hex bytes", args[i].c_str(), size),
                s.cl.command);
        }
        const auto field = s.image.Field(range->table, range->first + static_cast<int>(i - 2));
        std::copy(bytes->begin(), bytes->end(), field.begin());
    }
    if (!ConnectLink(s)) {
        return kExitFailed;
    }
    const int perRequest = static_cast<int>(link::kMaxWriteValueBytes / size);
    for (int first = range->first; first < range->first + range->count; first += perRequest) {
        const int count = std::min(perRequest, range->first + range->count - first);
        if (!tables::WriteFields(s.tables, Header(range->table, first, count))) {
            return kExitFailed;
        }
    }
    return kExitOk;
}

int RunReadConfig(Session& s) {
    if (!s.cl.args.empty()) {
        return UsageError("read-config takes no arguments", s.cl.command);
    }
    if (!ConnectLink(s) || !tables::ReadAllTables(s.tables)) {
        return kExitFailed;
    }
    for (int table : tables::ConfigurationTables()) {
        PrintFields(s.image, table, 0, tables::Table(table).fieldCount);
    }
    return kExitOk;
}

constexpr Synopsis kReadTableSynopsis[] = {
    {"read-table T [FIRST [COUNT]]", "read fields, one \"T.F HEX\" line per field"},
};

constexpr Synopsis kWriteTableSynopsis[] = {
    {"write-table T FIRST HEX...", "write consecutive fields"},
};

constexpr Synopsis kReadConfigSynopsis[] = {
    {"read-config", "read table 0 and all configuration tables"},
};

}  // namespace

constinit const Command kReadTableCommand{
    .name = "read-table",
    .synopsis = kReadTableSynopsis,
    .help =
        "zor06ctl [LINK] read-table T [FIRST [COUNT]]\n"
        "  Reads fields of table T (the whole table by default) in requests of at most\n"
        "  245 value bytes and prints one line per field: \"T.F HEX\".\n",
    .run = RunReadTable,
};

constinit const Command kWriteTableCommand{
    .name = "write-table",
    .synopsis = kWriteTableSynopsis,
    .help =
        "zor06ctl [LINK] write-table T FIRST HEX...\n"
        "  Writes consecutive fields of table T from FIRST, one HEX argument per field\n"
        "  (exactly the field size), with the credentials of --password and --id-code.\n",
    .run = RunWriteTable,
};

constinit const Command kReadConfigCommand{
    .name = "read-config",
    .synopsis = kReadConfigSynopsis,
    .help =
        "zor06ctl [LINK] read-config\n"
        "  Reads table 0 and every configuration table, printed as read-table does.\n",
    .run = RunReadConfig,
};

}  // namespace zor06::ctl
