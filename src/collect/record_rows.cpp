#include "collect/record_rows.h"

#include <algorithm>
#include <array>
#include <utility>

#include "collect/timestamps.h"
#include "messages/message_view.h"

namespace zor06::collect {
namespace {

using gasdata::DataKind;

constexpr std::array<std::pair<DataKind, store::Archive>, 6> kDataArchives{{
    {DataKind::ChrMinute, store::Archive::ChrMinute},
    {DataKind::ChrHour, store::Archive::ChrHour},
    {DataKind::ChrDay, store::Archive::ChrDay},
    {DataKind::WmtMinute, store::Archive::WmtMinute},
    {DataKind::WmtHour, store::Archive::WmtHour},
    {DataKind::WmtDay, store::Archive::WmtDay},
}};

template <class Values>
std::vector<double> ValuesOf(const Values& values) {
    return {values.begin(), values.end()};
}

// The status and values each record layout holds, into `row`.
void FillDecoded(DataKind kind, std::span<const std::uint8_t> record, store::DataRecord& row) {
    switch (kind) {
        case DataKind::ChrMinute: {
            const auto r = bytes::Decode<gasdata::ChrMinRecord>(record);
            row.state = r->state;
            row.statusWord = r->statusWord;
            row.values = ValuesOf(r->values.v);
            return;
        }
        case DataKind::WmtMinute: {
            const auto r = bytes::Decode<gasdata::WmtMinRecord>(record);
            row.state = r->state;
            row.statusWord = r->statusWord;
            row.values = ValuesOf(r->values);
            return;
        }
        case DataKind::ChrHour:
        case DataKind::ChrDay: {
            const auto r = bytes::Decode<gasdata::ChrHdRecord>(record);
            row.state = r->status;
            row.values = ValuesOf(r->values.v);
            return;
        }
        case DataKind::WmtHour:
        case DataKind::WmtDay: {
            const auto r = bytes::Decode<gasdata::WmtHdRecord>(record);
            row.state = r->status;
            row.values = ValuesOf(r->values);
            return;
        }
    }
}

}  // namespace

store::Archive StoreArchiveOf(DataKind kind) {
    return std::ranges::find(kDataArchives, kind, &std::pair<DataKind, store::Archive>::first)
        ->second;
}

store::Archive StoreArchiveOf(messages::Archive archive) {
    return archive == messages::Archive::Interventions ? store::Archive::Interventions
                                                       : store::Archive::Diagnostics;
}

std::optional<DataKind> DataKindOf(store::Archive archive) {
    const auto it =
        std::ranges::find(kDataArchives, archive, &std::pair<DataKind, store::Archive>::second);
    if (it == kDataArchives.end()) {
        return std::nullopt;
    }
    return it->first;
}

std::vector<store::DataRecord> DataRows(const gasdata::DataSet& set, int run) {
    std::vector<store::DataRecord> rows;
    rows.reserve(set.Count());
    for (std::size_t i = 0; i < set.Count(); ++i) {
        const std::span<const std::uint8_t> record = set.Record(i);
        // A period is the record's key: a record whose date the line spoiled cannot be kept.
        store::Timestamp period =
            TimestampOf(gasdata::RecordDate(record, gasdata::IsThreeMinute(set.kind)));
        if (period.empty()) {
            continue;
        }
        store::DataRecord& row = rows.emplace_back();
        row.archive = StoreArchiveOf(set.kind);
        row.run = run;
        row.period = std::move(period);
        FillDecoded(set.kind, record, row);
        row.crcValid = gasdata::RecordCrcValid(record);
        row.raw.assign(record.begin(), record.end());
    }
    return rows;
}

std::vector<store::MessageRecord> MessageRows(const messages::MessageSet& set,
                                              const messages::DecodeOptions& options) {
    const std::size_t size = messages::KindOf(set.archive).recordSize;
    const messages::MessageView view = messages::OpenMessageView(
        set.archive, set.header, set.records, messages::ViewMode::ByIndex, set.startIndex, options);
    std::vector<store::MessageRecord> rows;
    const std::size_t count = std::min(set.records.size() / size, view.rows.size());
    rows.reserve(count);
    for (std::size_t i = 0; i < count; ++i) {
        const auto record = std::span<const std::uint8_t>(set.records).subspan(i * size, size);
        store::MessageRecord& row = rows.emplace_back();
        row.archive = StoreArchiveOf(set.archive);
        // The controller's indices are 32-bit and may wrap; the database keeps them as read.
        row.index = static_cast<std::uint32_t>(set.startIndex + i);
        bytes::ControllerDateTime when{};
        std::copy_n(record.begin(), when.size(), when.begin());
        row.time = TimestampOf(when);
        row.raw.assign(record.begin(), record.end());
        row.row.assign(view.rows[i].begin(), view.rows[i].end());
    }
    return rows;
}

}  // namespace zor06::collect
