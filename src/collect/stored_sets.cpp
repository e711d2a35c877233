#include "collect/stored_sets.h"

#include <algorithm>

#include "collect/record_rows.h"
#include "collect/timestamps.h"
#include "gasdata/data_reading.h"
#include "messages/archive_kind.h"
#include "platform/clock.h"
#include "tables/controller_date.h"
#include "text/codepage.h"

namespace zor06::collect {
namespace {

using bytes::ControllerDateTime;

// A name as table 5 holds it: Windows-1251, blank-padded to the field.
std::array<std::uint8_t, 20> NameField(const std::string& utf8) {
    std::array<std::uint8_t, 20> field{};
    field.fill(' ');
    const std::string cp1251 = text::Utf8ToCp1251(utf8);
    std::copy_n(cp1251.begin(), std::min(cp1251.size(), field.size()), field.begin());
    return field;
}

dataset::HdmHeader StationHeader(const store::Station& station, std::string_view kindLetters,
                                 int source) {
    dataset::HdmHeader header;
    header.SetKind(kindLetters);
    header.source = static_cast<std::uint8_t>(source);
    header.controllerName = NameField(station.controllerName);
    header.address = static_cast<std::uint8_t>(station.controllerAddress);
    header.serialNumber = static_cast<std::uint32_t>(station.serialNumber);
    header.readAt = tables::EncodeNow(platform::SystemClock().LocalDateTime());
    return header;
}

store::Timestamp Bound(const std::optional<ControllerDateTime>& date) {
    return date ? TimestampOf(*date) : store::Timestamp();
}

}  // namespace

std::optional<gasdata::DataSet> StoredDataSet(store::CollectionStore& db,
                                              const store::Station& station, gasdata::DataKind kind,
                                              int run, const StoredPeriod& period,
                                              std::string* error) {
    const gasdata::DataArchiveKind& k = gasdata::KindOf(kind);
    const auto rows = db.DataRecords(station.name, StoreArchiveOf(kind), run, Bound(period.from),
                                     Bound(period.to));
    if (!rows) {
        *error = db.Error();
        return std::nullopt;
    }
    if (rows->empty()) {
        *error = "Нет данных за указанный период";
        return std::nullopt;
    }
    gasdata::DataSet set;
    set.kind = kind;
    for (const store::DataRecord& row : *rows) {
        // A record of another size cannot be one of this archive's.
        if (row.raw.size() == k.recordSize) {
            set.records.insert(set.records.end(), row.raw.begin(), row.raw.end());
        }
    }
    const int runIndex = std::max(run - 1, 0);
    set.header = StationHeader(station, k.kindLetters, runIndex << 4 | static_cast<int>(k.device));
    if (gasdata::IsChromatograph(kind) &&
        static_cast<std::size_t>(runIndex) < station.runNames.size()) {
        set.header.runName = NameField(station.runNames[static_cast<std::size_t>(runIndex)]);
    }
    const ControllerDateTime first =
        DateOfTimestamp(rows->front().period).value_or(ControllerDateTime{});
    const ControllerDateTime last =
        DateOfTimestamp(rows->back().period).value_or(ControllerDateTime{});
    set.header.start = gasdata::Significant(period.from.value_or(first), k.dateBytes);
    set.header.end = gasdata::Significant(period.to.value_or(last), k.dateBytes);
    set.header.recordCount = static_cast<std::uint32_t>(set.Count());
    return set;
}

std::optional<messages::MessageView> StoredMessageView(store::CollectionStore& db,
                                                       const store::Station& station,
                                                       messages::Archive archive,
                                                       const StoredPeriod& period,
                                                       std::string* error) {
    const auto rows = db.MessageRecords(station.name, StoreArchiveOf(archive), Bound(period.from),
                                        Bound(period.to));
    if (!rows) {
        *error = db.Error();
        return std::nullopt;
    }
    if (rows->empty()) {
        *error = "Нет данных за указанный период";
        return std::nullopt;
    }
    const messages::ArchiveKind& k = messages::KindOf(archive);
    messages::MessageView view;
    view.archive = archive;
    const auto startIndex = static_cast<std::uint32_t>(rows->front().index);
    std::uint32_t expected = startIndex;
    ControllerDateTime first{};
    ControllerDateTime last{};
    for (const store::MessageRecord& row : *rows) {
        if (static_cast<std::uint32_t>(row.index) != expected || row.raw.size() != k.recordSize) {
            break;
        }
        std::copy_n(row.raw.begin(), last.size(), last.begin());
        if (expected == startIndex) {
            first = last;
        }
        messages::MessageRow& cells = view.rows.emplace_back();
        std::copy_n(row.row.begin(), std::min(row.row.size(), cells.size()), cells.begin());
        if (cells[messages::kDate] == messages::kInvalidDate && view.messageLine.empty()) {
            view.messageLine = messages::kInvalidRecordLine;
        }
        ++expected;
    }
    dataset::HdmHeader header = StationHeader(station, k.kindLetters, 0);
    header.start = first;
    header.end = last;
    header.recordCount = static_cast<std::uint32_t>(view.rows.size());
    view.caption = messages::ViewCaption(archive, header, messages::ViewMode::ByIndex, startIndex);
    return view;
}

}  // namespace zor06::collect
