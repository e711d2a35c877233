#include "collect/archive_collection.h"

#include <algorithm>
#include <span>
#include <vector>

#include "collect/record_rows.h"
#include "collect/timestamps.h"
#include "gasdata/archive_bounds.h"
#include "gasdata/data_reading.h"
#include "link/hgcbox.h"
#include "messages/archive_commands.h"
#include "messages/index_range.h"
#include "messages/message_reading.h"

namespace zor06::collect {
namespace {

using bytes::ControllerDateTime;

ControllerDateTime FromDate5(const messages::Date5& d) {
    return {d[0], d[1], d[2], d[3], d[4], 0};
}

// Whether `a` comes no later than `b` in the dates' bytes a request of archive `k` sends.
bool NotAfter(const gasdata::DataArchiveKind& k, const ControllerDateTime& a,
              const ControllerDateTime& b) {
    return !std::lexicographical_compare(b.begin(), b.begin() + k.dateBytes, a.begin(),
                                         a.begin() + k.dateBytes);
}

ControllerDateTime Advance(gasdata::Step step, ControllerDateTime date, int steps) {
    for (int i = 0; i < steps; ++i) {
        date = gasdata::StepOnce(step, date);
    }
    return date;
}

// Where a data archive's collection starts: after the newest record held, else at `since`,
// never before the oldest record the controller still holds. A database that cannot say what it
// holds starts it afresh: records held already are not stored twice.
ControllerDateTime DataStart(StationCollection& c, gasdata::DataKind kind, store::Archive archive,
                             int run, const ControllerDateTime& oldest) {
    const gasdata::Step step = gasdata::KindOf(kind).step;
    const std::optional<store::Timestamp> newest = c.store.With(
        [&](store::CollectionStore& s) { return s.NewestPeriod(c.station, archive, run); });
    const std::optional<ControllerDateTime> held = newest ? DateOfTimestamp(*newest) : std::nullopt;
    ControllerDateTime start = held ? gasdata::StepOnce(step, *held) : c.since.value_or(oldest);
    start = std::max(start, oldest);
    return step == gasdata::Step::ThreeMinutes ? gasdata::TruncateToThreeMinutes(start) : start;
}

// Stores one batch; false with the failure set when the database refused it.
template <class Row>
bool StoreBatch(StationCollection& c, std::span<const Row> rows, ArchiveOutcome& outcome) {
    std::optional<std::int64_t> added;
    std::string error;
    c.store.With([&](store::CollectionStore& s) {
        if constexpr (std::is_same_v<Row, store::DataRecord>) {
            added = s.AddDataRecords(c.station, rows);
        } else {
            added = s.AddMessageRecords(c.station, rows);
        }
        error = s.Error();
    });
    if (!added) {
        outcome.failure = error;
        return false;
    }
    outcome.count.records += *added;
    return true;
}

}  // namespace

std::string FailureText(const StationCollection& c) {
    if (c.tables.link.status != 0) {
        return c.tables.link.StatusText();
    }
    return c.op.LastProblem().empty() ? "ошибка чтения архива" : c.op.LastProblem();
}

ArchiveOutcome CollectDataArchive(StationCollection& c, gasdata::DataKind kind, int run) {
    const gasdata::DataArchiveKind& k = gasdata::KindOf(kind);
    const int storedRun = gasdata::IsChromatograph(kind) ? run + 1 : 0;
    ArchiveOutcome outcome{{StoreArchiveOf(kind), storedRun, 0}, std::nullopt};
    const std::optional<gasdata::BoundsReading> bounds =
        gasdata::GetArchiveBounds(c.tables, k.step);
    if (!bounds) {
        // An archive that holds no record yet has nothing to collect; a failed request does.
        if (c.tables.link.status != 0) {
            outcome.failure = FailureText(c);
        }
        return outcome;
    }
    const ControllerDateTime newest = FromDate5(bounds->bounds.newest);
    ControllerDateTime start =
        DataStart(c, kind, outcome.count.archive, storedRun, FromDate5(bounds->bounds.oldest));
    gasdata::DataReadingContext reading{c.tables, c.workFolder, nullptr, nullptr, false};
    while (NotAfter(k, start, newest)) {
        ControllerDateTime end = Advance(k.step, start, kBatchSteps - 1);
        if (!NotAfter(k, end, newest)) {
            end = newest;
        }
        const gasdata::DataReading read = gasdata::ReadDataPeriod(reading, kind, run, start, end);
        if (read.set) {
            const std::vector<store::DataRecord> rows = DataRows(*read.set, storedRun);
            if (!StoreBatch<store::DataRecord>(c, rows, outcome)) {
                return outcome;
            }
        }
        if (read.linkFailed || archive::CutShort(read.end)) {
            outcome.failure = FailureText(c);
            return outcome;
        }
        start = gasdata::StepOnce(k.step, end);
    }
    return outcome;
}

ArchiveOutcome CollectMessageArchive(StationCollection& c, messages::Archive archive) {
    ArchiveOutcome outcome{{StoreArchiveOf(archive), 0, 0}, std::nullopt};
    const std::optional<messages::IndexBounds> bounds =
        messages::ReadIndexBounds(c.tables, archive);
    if (!bounds) {
        outcome.failure = FailureText(c);
        return outcome;
    }
    if (bounds->Empty()) {
        return outcome;
    }
    const std::optional<std::int64_t> newestHeld = c.store.With(
        [&](store::CollectionStore& s) { return s.NewestIndex(c.station, outcome.count.archive); });
    // Unsigned differences: the indices may have wrapped.
    messages::IndexSelection range = messages::WholeRange(*bounds);
    if (newestHeld) {
        const auto held = static_cast<std::uint32_t>(*newestHeld);
        const std::uint32_t behind = bounds->newest - held;
        if (behind == 0) {
            return outcome;
        }
        if (behind < bounds->Total()) {
            range = {held + 1, behind};
        }
    }
    const std::optional<store::Timestamp> since =
        !newestHeld && c.since ? std::optional(TimestampOf(*c.since)) : std::nullopt;
    const messages::DecodeOptions options = messages::DecodeOptionsOf(c.tables.image);
    while (range.count > 0) {
        const std::uint32_t count = std::min(range.count, kMessageBatch);
        std::optional<messages::MessageSet> read;
        messages::ReadingContext reading{c.tables, c.workFolder,
                                         [&read](const messages::MessageSet& set) { read = set; }};
        const archive::ReadingEnd end =
            messages::ReadMessagesByIndex(reading, archive, range.start, count);
        if (read) {
            std::vector<store::MessageRecord> rows = MessageRows(*read, options);
            if (since) {
                std::erase_if(rows, [&](const store::MessageRecord& r) {
                    return !r.time.empty() && r.time < *since;
                });
            }
            if (!StoreBatch<store::MessageRecord>(c, rows, outcome)) {
                return outcome;
            }
        }
        if (!read || archive::CutShort(end)) {
            outcome.failure = FailureText(c);
            return outcome;
        }
        range.start += count;
        range.count -= count;
    }
    return outcome;
}

}  // namespace zor06::collect
