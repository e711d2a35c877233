#include "zor06ctl/commands.h"

#include <cstdio>
#include <string>
#include <vector>

#include "link/device_search.h"
#include "link/frame.h"
#include "link/link_record.h"
#include "link/tcp_connect.h"
#include "link/text_format.h"
#include "tables/catalogue.h"
#include "zor06ctl/hex.h"

namespace zor06::ctl {
namespace {

constexpr int kDefaultFirstByteMs = 5000;
constexpr int kDefaultInterByteMs = 300;
constexpr int kSearchFirstByteMs = 1000;

int UsageError(const std::string& text, const std::string& command) {
    std::fprintf(stderr, "%s\n%s", text.c_str(), Usage(command).c_str());
    return kExitUsage;
}

int LinkFailure(const link::hgcbox& link, link::Operator& op, const std::string& what) {
    op.ShowMessage(7, what, link.StatusText());
    return kExitFailed;
}

std::string TableLabel(int table) {
    return link::Printf("Табл. %d \"%s\".", table, std::string(tables::Table(table).name).c_str());
}

bool HeaderEchoed(const link::hgcbox& link, int table, int first, int count) {
    return link.replyFrame[5] == table && link.replyFrame[6] == first &&
           link.replyFrame[7] == count;
}

void PrintFields(const link::hgcbox& link, int table, int first, int count) {
    const std::size_t size = tables::Table(table).fieldSize;
    for (int i = 0; i < count; ++i) {
        const std::uint8_t* value = link.replyFrame.data() + 8 + static_cast<std::size_t>(i) * size;
        std::printf("%d.%d %s\n", table, first + i, ToHex({value, size}).c_str());
    }
}

struct TableRange {
    int table = 0;
    int first = 0;
    int count = 0;
};

// Table, first field and count from the arguments, checked against the catalogue.
std::optional<TableRange> ParseRange(const CommandLine& cl, bool countGiven, std::string* error) {
    TableRange range;
    const auto table = ParseInt(cl.args[0], 0, tables::kTableCount - 1);
    if (!table || tables::Table(*table).fieldCount == 0) {
        *error = "no such table: " + cl.args[0];
        return std::nullopt;
    }
    range.table = *table;
    const int fields = tables::Table(range.table).fieldCount;
    const auto first = cl.args.size() > 1 ? ParseInt(cl.args[1], 0, fields - 1) : 0;
    if (!first) {
        *error = "first field out of range: " + cl.args[1];
        return std::nullopt;
    }
    range.first = *first;
    range.count = fields - range.first;
    if (countGiven) {
        const auto count = ParseInt(cl.args[2], 1, fields - range.first);
        if (!count) {
            *error = "count out of range: " + cl.args[2];
            return std::nullopt;
        }
        range.count = *count;
    }
    return range;
}

}  // namespace

bool ConnectLink(link::hgcbox& link, const LinkOptions& options, link::Operator& op) {
    link::LinkRecord record;
    record.address = static_cast<std::uint8_t>(options.address);
    record.baud = options.baud;
    record.preambles = static_cast<std::uint8_t>(options.preambles);
    record.attempts = static_cast<std::uint8_t>(options.attempts);
    record.interByteTimeoutMs = options.interByteTimeoutMs.value_or(kDefaultInterByteMs);
    record.portName = options.serial;

    if (!options.tcp.empty()) {
        const auto colon = options.tcp.rfind(':');
        if (colon == std::string::npos) {
            std::fprintf(stderr, "--tcp needs HOST:PORT\n");
            return false;
        }
        link::EthernetSettings settings;
        settings.record = record;
        settings.record.firstByteTimeoutS = 1;
        if (!link::TcpConnectTo(link, settings, record.address, options.tcp.substr(0, colon),
                                options.tcp.substr(colon + 1), op)) {
            return false;
        }
    } else if (!options.serial.empty()) {
        link::LoadLinkObject(link, link::LinkKind::Direct, record, 1, false);
        if (!link.OpenPort()) {
            std::fprintf(stderr, "%s\n", link.StatusText().c_str());
            return false;
        }
    } else {
        std::fprintf(stderr, "no link: give --tcp HOST:PORT or --serial DEVICE\n");
        return false;
    }
    // Milliseconds here, unlike the seconds of the stored link settings.
    link.firstByteTimeoutMs = options.firstByteTimeoutMs.value_or(kDefaultFirstByteMs);
    link.SetCredentials(options.password, options.idCode);
    return true;
}

int RunReadTable(link::hgcbox& link, const CommandLine& cl, link::Operator& op) {
    if (cl.args.empty() || cl.args.size() > 3) {
        return UsageError("read-table takes T [FIRST [COUNT]]", cl.command);
    }
    std::string error;
    const auto range = ParseRange(cl, cl.args.size() == 3, &error);
    if (!range) {
        return UsageError(error, cl.command);
    }
    if (!ConnectLink(link, cl.link, op)) {
        return kExitFailed;
    }
    const int perRequest =
        static_cast<int>(link::kMaxReadValueBytes / tables::Table(range->table).fieldSize);
    for (int first = range->first; first < range->first + range->count;) {
        const int count = std::min(perRequest, range->first + range->count - first);
        const std::uint8_t header[] = {static_cast<std::uint8_t>(range->table),
                                       static_cast<std::uint8_t>(first),
                                       static_cast<std::uint8_t>(count)};
        op.SetStatusText(2, link::Printf("Чтение из таблицы %d (поля %d-%d)", range->table, first,
                                         first + count - 1));
        if (!link.Request(link::code::kReadTable, header)) {
            return LinkFailure(link, op,
                               link::Printf("Не выполнено чтение из таблицы %d.", range->table));
        }
        if (!HeaderEchoed(link, range->table, first, count)) {
            op.ShowMessage(7, "Несоответствие запрошенных и переданных данных.",
                           TableLabel(range->table));
            return kExitFailed;
        }
        PrintFields(link, range->table, first, count);
        first += count;
    }
    return kExitOk;
}

int RunWriteTable(link::hgcbox& link, const CommandLine& cl, link::Operator& op) {
    if (cl.args.size() < 3) {
        return UsageError("write-table takes T FIRST HEX...", cl.command);
    }
    CommandLine rangeArgs = cl;
    rangeArgs.args = {cl.args[0], cl.args[1], std::to_string(cl.args.size() - 2)};
    std::string error;
    const auto range = ParseRange(rangeArgs, true, &error);
    if (!range) {
        return UsageError(error, cl.command);
    }
    const std::size_t size = tables::Table(range->table).fieldSize;
    std::vector<std::uint8_t> values;
    for (std::size_t i = 2; i < cl.args.size(); ++i) {
        const auto bytes = ParseHex(cl.args[i]);
        if (!bytes || bytes->size() != size) {
            return UsageError(
                link::Printf("field value \"%s\" is not %zu hex bytes", cl.args[i].c_str(), size),
                cl.command);
        }
        values.insert(values.end(), bytes->begin(), bytes->end());
    }
    if (!ConnectLink(link, cl.link, op)) {
        return kExitFailed;
    }
    const int perRequest = static_cast<int>(link::kMaxWriteValueBytes / size);
    for (int done = 0; done < range->count;) {
        const int count = std::min(perRequest, range->count - done);
        const int first = range->first + done;
        std::vector<std::uint8_t> data{static_cast<std::uint8_t>(range->table),
                                       static_cast<std::uint8_t>(first),
                                       static_cast<std::uint8_t>(count)};
        const auto from = values.begin() + static_cast<long>(static_cast<std::size_t>(done) * size);
        data.insert(data.end(), from,
                    from + static_cast<long>(static_cast<std::size_t>(count) * size));
        if (!link.Request(link::code::kWriteTable, data)) {
            return LinkFailure(link, op,
                               link::Printf("Не выполнена запись в таблицу %d.", range->table));
        }
        if (!HeaderEchoed(link, range->table, first, count)) {
            op.ShowMessage(7, "Несоответствие заголовка ответа заголовку запроса на запись.",
                           TableLabel(range->table));
            return kExitFailed;
        }
        done += count;
    }
    return kExitOk;
}

int RunRequest(link::hgcbox& link, const CommandLine& cl, link::Operator& op) {
    if (cl.args.empty() || cl.args.size() > 2) {
        return UsageError("request takes CODE [HEX]", cl.command);
    }
    const auto code = ParseInt(cl.args[0], 0, 255);
    const auto data = cl.args.size() > 1 ? ParseHex(cl.args[1]) : std::vector<std::uint8_t>{};
    if (!code || !data) {
        return UsageError("request takes a decimal CODE and HEX data", cl.command);
    }
    if (!ConnectLink(link, cl.link, op)) {
        return kExitFailed;
    }
    if (!link.Request(static_cast<std::uint8_t>(*code), *data)) {
        std::fprintf(stderr, "%s\n", link.StatusText().c_str());
        return kExitFailed;
    }
    std::printf("%s\n", ToHex({link.replyFrame.data(), link.replyFrame[link::kOffLength]}).c_str());
    return kExitOk;
}

int RunSearch(link::hgcbox& link, const CommandLine& cl, link::Operator& op) {
    if (cl.link.serial.empty() || !cl.args.empty()) {
        return UsageError("search takes --serial DEVICE", cl.command);
    }
    link::SearchParameters params;
    params.device = cl.link.serial;
    params.firstByteTimeoutMs = cl.link.firstByteTimeoutMs.value_or(kSearchFirstByteMs);
    params.interByteTimeoutMs = cl.link.interByteTimeoutMs.value_or(kDefaultInterByteMs);
    params.preambles = cl.link.preambles;
    params.attempts = cl.link.attempts;
    link::SearchHooks hooks;
    if (cl.verbose) {
        hooks.onRate = [](int baud) { std::fprintf(stderr, "%d\n", baud); };
    }
    const auto found = link::SearchDevice(link, params, op, hooks);
    if (!found) {
        return kExitFailed;
    }
    std::printf("%d %d\n", found->address, found->baud);
    return kExitOk;
}

}  // namespace zor06::ctl
