#include "tables/table_service.h"

#include <algorithm>
#include <array>
#include <string>
#include <vector>

#include "link/frame.h"
#include "link/link_texts.h"
#include "text/codepage.h"
#include "text/text_format.h"

namespace zor06::tables {
namespace {

constexpr std::size_t kWriteOverhead = 26;  // frame bytes around the values of one write

std::string RangeText(const char* one, const char* many, TableHeader h) {
    return h.count < 2 ? text::Printf(one, h.table, h.first)
                       : text::Printf(many, h.table, h.first, h.first + h.count - 1);
}

std::string TableLabel(int table) {
    return text::Printf("Табл. %d \"%s\".", table, std::string(Table(table).name).c_str());
}

// A reply that answered another request, or whose length does not fit, is never taken silently:
// the operator is asked whether to try again even when failures are otherwise quiet.
bool ReplyRefused(const link::hgcbox& link) {
    return link.status == link::status::kReplyMismatch ||
           link.status == link::status::kReplyLengthMismatch;
}

void ShowProgress(TableContext& ctx, const std::string& text) {
    ctx.op.SetStatusText(dialogue::Panel::Message, text);
    ctx.op.ProcessEvents();
}

// What the operator is told when a read or a write of a table failed.
struct FailureTexts {
    const char* mismatch;  // the reply answered another request
    const char* failed;    // printf form with the table number
};

// After a failed request: whether to send it again, as the operator answers. A mismatched echo
// always asks; any other failure asks only with `ask` or when the reply was refused.
bool RetryAfterFailure(TableContext& ctx, TableHeader h, bool ask, const FailureTexts& texts) {
    if (ctx.link.status == link::status::kReplyMismatch) {
        return ctx.op.ShowMessage(dialogue::MessageKind::Retry, texts.mismatch,
                                  TableLabel(h.table));
    }
    return (ask || ReplyRefused(ctx.link)) &&
           ctx.op.ShowMessage(dialogue::MessageKind::Retry, text::Printf(texts.failed, h.table),
                              ctx.link.StatusText());
}

}  // namespace

bool ReadField(TableContext& ctx, fields::Field field, bool show) {
    return ReadFields(ctx, {field.table, field.field, 1}, show);
}

bool ReadTable(TableContext& ctx, int table, bool show) {
    return ReadFields(ctx, {static_cast<std::uint8_t>(table), 0, Table(table).fieldCount}, show);
}

bool ReadFields(TableContext& ctx, TableHeader h, bool show) {
    const std::array<std::uint8_t, 3> request{h.table, h.first, h.count};
    const std::size_t fieldSize = Table(h.table).fieldSize;
    for (;;) {
        if (show) {
            ShowProgress(ctx, RangeText("Чтение из таблицы %d (поле %d)",
                                        "Чтение из таблицы %d (поля %d-%d)", h));
        }
        const bool ok = ctx.link.Request(link::code::kReadTable, request,
                                         link::ReadReply::Expect(h, fieldSize));
        ShowProgress(ctx, "");
        const auto reply =
            ok ? link::ReadReply::Parse(ctx.link.replyFrame, h, fieldSize) : std::nullopt;
        if (reply) {
            const auto into = ctx.image.Fields(h.table, h.first, h.count);
            std::copy_n(reply->Values().begin(), std::min(into.size(), reply->Values().size()),
                        into.begin());
            return true;
        }
        if (!RetryAfterFailure(ctx, h, show,
                               {"Несоответствие запрошенных и переданных данных.",
                                "Не выполнено чтение из таблицы %d."})) {
            return false;
        }
    }
}

bool WriteFields(TableContext& ctx, TableHeader h, bool ask) {
    std::vector<std::uint8_t> request{h.table, h.first, h.count};
    const auto values = ctx.image.Fields(h.table, h.first, h.count);
    request.insert(request.end(), values.begin(), values.end());
    for (;;) {
        ShowProgress(
            ctx, RangeText("Запись в таблицу %d (поле %d)", "Запись в таблицу %d (поля %d-%d)", h));
        const bool ok =
            ctx.link.Request(link::code::kWriteTable, request, link::WriteReply::Expect(h));
        ShowProgress(ctx, "");
        if (ok) {
            return true;
        }
        if (!RetryAfterFailure(ctx, h, ask,
                               {"Несоответствие заголовка ответа заголовку запроса на запись.",
                                "Не выполнена запись в таблицу %d."})) {
            return false;
        }
    }
}

bool WriteChangedFields(TableContext& ctx, TableHeader h, std::span<const std::uint8_t> oldCopy) {
    const std::size_t size = Table(h.table).fieldSize;
    const auto now = ctx.image.Fields(h.table, h.first, h.count);
    std::vector<bool> changed(h.count);
    for (std::size_t i = 0; i < h.count; ++i) {
        changed[i] = !std::equal(now.begin() + static_cast<long>(i * size),
                                 now.begin() + static_cast<long>((i + 1) * size),
                                 oldCopy.begin() + static_cast<long>(i * size));
    }
    const auto firstIt = std::find(changed.begin(), changed.end(), true);
    if (firstIt == changed.end()) {
        return true;
    }
    const std::size_t first = static_cast<std::size_t>(firstIt - changed.begin());
    const std::size_t last =
        changed.size() - 1 -
        static_cast<std::size_t>(std::find(changed.rbegin(), changed.rend(), true) -
                                 changed.rbegin());
    const auto header = [&](std::size_t from, std::size_t to) {
        return TableHeader{h.table, static_cast<std::uint8_t>(h.first + from),
                           static_cast<std::uint8_t>(to - from + 1)};
    };

    // Runs of consecutive changed fields, as [from, to] pairs.
    std::vector<std::pair<std::size_t, std::size_t>> runs;
    for (std::size_t i = first; i <= last; ++i) {
        if (!changed[i]) {
            continue;
        }
        if (!runs.empty() && runs.back().second + 1 == i) {
            runs.back().second = i;
        } else {
            runs.emplace_back(i, i);
        }
    }
    const std::size_t span = last - first + 1;
    std::size_t runsCost = 0;
    for (const auto& [from, to] : runs) {
        runsCost += kWriteOverhead + (to - from + 1) * size;
    }
    if (span <= 2 || runs.size() == 1 || kWriteOverhead + span * size < runsCost) {
        return WriteFields(ctx, header(first, last));
    }
    bool ok = true;
    for (const auto& [from, to] : runs) {
        ok = WriteFields(ctx, header(from, to));
        if (!ok) {
            break;
        }
    }
    return ok;
}

std::span<const int> ConfigurationTables() {
    static const std::vector<int> tables = [] {
        std::vector<int> list{0};
        for (int t = 1; t < kTableCount; ++t) {
            if (Table(t).writable && t != 13) {
                list.push_back(t);
            }
        }
        return list;
    }();
    return tables;
}

bool ReadAllTables(TableContext& ctx) {
    const auto tables = ConfigurationTables();
    int writable = 0;
    for (int t = 0; t < kTableCount; ++t) {
        writable += Table(t).writable ? 1 : 0;
    }
    const int maximum = writable + 2;
    int position = 0;
    ctx.op.SetProgress(position, maximum);
    if (!ReadFields(ctx, {0, 0, Table(0).fieldCount})) {
        return false;
    }
    for (int table : tables.subspan(1)) {
        const TableInfo& t = Table(table);
        const int perRequest = static_cast<int>(link::kMaxReadValueBytes / t.fieldSize);
        for (int first = 0; first < t.fieldCount; first += perRequest) {
            const int count = std::min(perRequest, t.fieldCount - first);
            if (!ReadFields(ctx,
                            {static_cast<std::uint8_t>(table), static_cast<std::uint8_t>(first),
                             static_cast<std::uint8_t>(count)})) {
                return false;
            }
        }
        ctx.op.SetProgress(++position, maximum);
        if (table == 5) {
            if (NamesInCp866(ctx.image)) {
                text::ToCp1251(ctx.image.Fields(5, 0, 3));
            }
            ctx.op.SetStatusText(dialogue::Panel::Controller, ctx.image.Name(0));
        }
    }
    ctx.op.SetProgress(maximum, maximum);
    ctx.op.ProcessEvents();
    ctx.clock.SleepFor(platform::Millis(500));
    return true;
}

}  // namespace zor06::tables
