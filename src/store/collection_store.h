// The collection database: the stations, the log of every collection and the records collected
// from each archive, the same schema in SQLite and in PostgreSQL. One writer at a time: a caller
// that collects from several stations at once serialises its calls.
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace zor06::store {

// The archives a collection reads, by the names the command line and the database use.
enum class Archive {
    ChrMinute,      // "3min"
    ChrHour,        // "hour"
    ChrDay,         // "day"
    WmtMinute,      // "moisture-3min"
    WmtHour,        // "moisture-hour"
    WmtDay,         // "moisture-day"
    Interventions,  // "interventions"
    Diagnostics,    // "diagnostics"
};
inline constexpr int kArchiveCount = 8;

std::string_view ArchiveName(Archive archive);
std::optional<Archive> ArchiveByName(std::string_view name);
bool IsMessageArchive(Archive archive);

// A station as last seen: the subscriber and what its controller said of itself.
struct Station {
    std::string name;     // the subscriber's name, the station's key
    std::string address;  // "HOST:PORT" or the telephone number
    int controllerAddress = 0;
    std::int64_t serialNumber = 0;
    std::string controllerName;         // UTF-8
    std::vector<std::string> runNames;  // UTF-8, one per chromatograph run
    std::string identification;         // the identification as the identify command prints it
};

// Dates and times are "YYYY-MM-DD HH:MM:SS", which sorts as it reads.
using Timestamp = std::string;

// One record of a chromatograph or moisture-meter archive. `run` is 1 or 2 for the
// chromatograph, 0 for the moisture meter.
struct DataRecord {
    Archive archive = Archive::ChrHour;
    int run = 0;
    Timestamp period;
    int state = 0;               // the controller's state byte
    int statusWord = 0;          // the device's abnormal signs
    std::vector<double> values;  // 20 for the chromatograph, 4 for the moisture meter
    bool crcValid = true;
    std::vector<std::uint8_t> raw;  // the record exactly as received
};

// One record of a message archive, with its row as the archive's view shows it.
struct MessageRecord {
    Archive archive = Archive::Interventions;
    std::int64_t index = 0;  // the controller's global index
    Timestamp time;
    std::vector<std::uint8_t> raw;
    std::vector<std::string> row;  // the view's cells, UTF-8
};

// What one archive of one collection brought.
struct ArchiveCount {
    Archive archive = Archive::ChrHour;
    int run = 0;
    std::int64_t records = 0;
};

struct LogEntry {
    std::int64_t id = 0;
    std::string station;
    Timestamp started;
    Timestamp ended;      // empty while the collection runs or when it never ended
    std::string outcome;  // "ok" or the reason it failed
    std::vector<ArchiveCount> counts;
    std::int64_t lineBytes = 0;  // bytes sent and received
};

struct StationSummary {
    Station station;
    Timestamp lastSuccess;  // empty when never collected whole
    struct Newest {
        Archive archive = Archive::ChrHour;
        int run = 0;
        Timestamp newest;              // data archives: the newest record's period
        std::int64_t newestIndex = 0;  // message archives: the newest index
    };
    std::vector<Newest> newest;  // each archive and run that holds records
};

class CollectionStore {
public:
    virtual ~CollectionStore() = default;

    // The last failure's text, for the operator; never holds a password.
    virtual const std::string& Error() const = 0;

    // Adds the station or updates what was last seen of it (by name).
    virtual bool SaveStation(const Station& station) = 0;

    // The newest record held, none when the archive (and run) has none yet.
    virtual std::optional<Timestamp> NewestPeriod(std::string_view station, Archive archive,
                                                  int run) = 0;
    virtual std::optional<std::int64_t> NewestIndex(std::string_view station, Archive archive) = 0;

    // One batch in one transaction: all of it or, on failure, none of it. A record already held
    // (same station, archive, run and period; or same station, archive and index) is skipped.
    // Returns the number of records added, none on failure.
    virtual std::optional<std::int64_t> AddDataRecords(std::string_view station,
                                                       std::span<const DataRecord> records) = 0;
    virtual std::optional<std::int64_t> AddMessageRecords(
        std::string_view station, std::span<const MessageRecord> records) = 0;

    // The log: a collection is entered when it starts and completed when it ends, so one killed
    // half-way stays in the log without an end.
    virtual std::optional<std::int64_t> BeginCollection(std::string_view station,
                                                        const Timestamp& started) = 0;
    virtual bool EndCollection(std::int64_t id, const Timestamp& ended, std::string_view outcome,
                               std::span<const ArchiveCount> counts, std::int64_t lineBytes) = 0;

    // Reading back, oldest first. `from` and `to` are inclusive; empty means unbounded.
    virtual std::optional<std::vector<StationSummary>> Stations() = 0;
    virtual std::optional<std::vector<LogEntry>> Log(std::optional<std::string_view> station) = 0;
    virtual std::optional<Station> FindStation(std::string_view name) = 0;
    virtual std::optional<std::vector<DataRecord>> DataRecords(std::string_view station,
                                                               Archive archive, int run,
                                                               const Timestamp& from,
                                                               const Timestamp& to) = 0;
    virtual std::optional<std::vector<MessageRecord>> MessageRecords(std::string_view station,
                                                                     Archive archive,
                                                                     const Timestamp& from,
                                                                     const Timestamp& to) = 0;
};

// "sqlite:PATH" or a PostgreSQL connection URI ("postgresql://..." or "postgres://..."). Opens the
// database, creating or migrating its schema; none after putting the reason into `error`.
std::unique_ptr<CollectionStore> OpenStore(std::string_view uri, std::string* error);

}  // namespace zor06::store
