// The simulated controller: its table image and the answer to each request, without any I/O, so
// that tests can drive it frame by frame.
#pragma once

#include <array>
#include <cstdint>
#include <ctime>
#include <functional>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "config/users_table.h"
#include "tables/catalogue.h"
#include "zor06-sim/data_archive.h"
#include "zor06-sim/message_archive.h"
#include "zor06-sim/status_state.h"
#include "zor06-sim/table_image.h"

namespace zor06::sim {

struct ControllerConfig {
    std::uint8_t address = 1;
    std::uint8_t type = 73;
    std::uint8_t version = 6;
    // Tables reported destroyed until every field of each was written again.
    std::vector<std::uint8_t> destroyedTables;
    bool cp866 = false;  // names in code page 866 instead of Windows-1251
    // Table 5, UTF-8: the controller's name and those of runs 1 and 2.
    std::array<std::string, 3> names{"ЗОР_06 ГРС Лесная", "Нитка 1", "Нитка 2"};
    // Windows-1251, at most 12 bytes; without it any credentials pass.
    std::optional<std::string> password;
    std::uint8_t chromatographType = 3;
    std::uint8_t runs = 3;  // bit 0 run 1, bit 1 run 2
    // The controller's clock starts here (local time) instead of at the host's time.
    std::optional<std::time_t> startTime;
    // How far the chromatograph's clock (table 42) runs ahead of the controller's, in seconds.
    std::int64_t chromatographClockOffset = 0;
    bool frozenClock = false;           // the clock stands still at its start
    std::uint32_t serialNumber = 6123;  // the chromatograph's, table 41
    StatusState status;
    MessageArchiveConfig diagnostics;
    MessageArchiveConfig interventions;
    DataArchiveConfig data;
};

// Seconds since the epoch; the controller's clock runs at an offset from it.
using WallClock = std::function<std::time_t()>;

struct FieldRange {
    int table;
    int first;
    int count;
};

class Controller {
public:
    explicit Controller(const ControllerConfig& config, WallClock clock = {});

    std::uint8_t Address() const;
    // Whether `frame` is one whole request with a good checksum for this controller: to its
    // address or to everyone.
    bool Accepts(std::span<const std::uint8_t> frame) const;
    // The reply frame to an accepted request.
    std::vector<std::uint8_t> Answer(std::span<const std::uint8_t> frame);

    const TableImage& Image() const { return image_; }

private:
    std::vector<std::uint8_t> Read(std::span<const std::uint8_t> frame);
    std::vector<std::uint8_t> Write(std::span<const std::uint8_t> frame);
    std::vector<std::uint8_t> CorrectClock(std::span<const std::uint8_t> frame);
    std::vector<std::uint8_t> Messages(std::span<const std::uint8_t> frame);
    std::vector<std::uint8_t> DataRecords(std::span<const std::uint8_t> frame);
    void PublishBoundaries(const MessageArchive& archive, int table);
    std::vector<std::uint8_t> Error(std::uint8_t code, std::uint8_t error) const;
    std::vector<std::uint8_t> DestroyedError(std::uint8_t code, int table) const;
    bool CredentialsPass(std::span<const std::uint8_t> frame) const;
    bool BlankCredentials(std::span<const std::uint8_t> frame) const;
    config::UsersTable Users() const;
    // Table 7 holds the state of every table; table 0 field 0 names the lowest destroyed one.
    bool IsDestroyed(int table) const { return image_.Byte(kStateTable, table) != 0; }
    void MarkDestroyed(int table);
    // Notes the fields a write covers; the table is intact again once all of them were written.
    void RepairFields(const FieldRange& range);
    void RefreshDestroyedTable();
    void RefreshClockTable();
    void RefreshChromatographClock();
    // Tables made from the clock and the contract hour: when the data archives began, the latest
    // analysis.
    void RefreshDataTables();
    bytes::ControllerDateTime Now() const;
    ArchiveClock DataClock() const;
    // The abnormal-situation signs last changed a while before the controller started.
    void DateSignsChange();
    void SetClockFromTable();
    std::uint8_t CheckUsersTableWrite(const FieldRange& range,
                                      std::span<const std::uint8_t> values) const;

    static constexpr int kStateTable = 7;

    TableImage image_;
    // Per destroyed table, the fields not yet written since it was destroyed.
    std::array<std::vector<bool>, tables::kTableCount> unwritten_;
    WallClock clock_;
    std::optional<std::string> password_;  // blank-padded to 12
    std::time_t clockOffset_ = 0;
    std::int64_t chromatographOffset_ = 0;
    MessageArchive diagnostics_;
    MessageArchive interventions_;
    DataArchives data_;
};

}  // namespace zor06::sim
