#include "zor06-sim/controller.h"

#include <algorithm>
#include <array>
#include <cstdlib>

#include "bytes/byte_reader.h"
#include "config/users_table.h"
#include "link/crc16.h"
#include "link/frame.h"
#include "tables/catalogue.h"
#include "tables/controller_date.h"
#include "tables/table_numbers.h"
#include "zor06-sim/access.h"
#include "zor06-sim/default_tables.h"
#include "zor06-sim/momentary_tables.h"

namespace zor06::sim {
namespace {

namespace lk = zor06::link;
constexpr int kContractHour = 6;    // table 6
constexpr int kRunsInUse = 7;       // table 14: bit 0 run 1, bit 1 run 2
constexpr int kPcSyncAllowed = 11;  // table 6: the clock may be set from the PC

constexpr std::uint8_t kNoDateEntry = 6;
constexpr std::uint8_t kCorrectionTooLarge = 17;
constexpr int kLargestCorrectionS = 3600;

// Request lengths and offsets by function code.
constexpr std::size_t kReadLength = 10;
constexpr std::size_t kReadTableAt = 5;
constexpr std::size_t kWriteHeaderLength = 26;  // everything but the values, checksum included
constexpr std::size_t kWriteTableAt = 21;
constexpr std::size_t kWriteValuesAt = 24;
constexpr std::size_t kClockLength = 24;
constexpr std::size_t kClockDeltaAt = 20;

// A reply built in a fixed frame buffer; bytes past the longest frame are dropped, never written.
class ReplyFrame {
public:
    ReplyFrame(std::uint8_t address, std::uint8_t code) {
        bytes_[lk::kOffStart] = lk::kReplyStart;
        bytes_[lk::kOffAddress] = address;
        bytes_[lk::kOffCode] = code;
    }
    void Push(std::uint8_t b) {
        if (size_ < kMaxBody) {
            bytes_[size_++] = b;
        }
    }
    void Append(std::span<const std::uint8_t> b) {
        for (const std::uint8_t byte : b) {
            Push(byte);
        }
    }
    std::vector<std::uint8_t> Finish() {
        bytes_[lk::kOffLength] = static_cast<std::uint8_t>(size_ + 2);
        lk::PutCrc16(bytes_.data(), size_);
        return {bytes_.begin(), bytes_.begin() + static_cast<long>(size_ + 2)};
    }

private:
    static constexpr std::size_t kMaxBody = lk::kMaxFrameLength - 2;
    std::array<std::uint8_t, lk::kFrameCapacity> bytes_{};
    std::size_t size_ = lk::kOffData;
};

FieldRange RangeAt(std::span<const std::uint8_t> frame, std::size_t at) {
    return {frame[at], frame[at + 1], frame[at + 2]};
}

// 0 when the controller has the fields and their values fit `maxBytes`, else the error code.
std::uint8_t CheckRange(const FieldRange& r, std::size_t maxBytes) {
    const tables::TableInfo& info = tables::Table(r.table);
    if (info.fieldCount == 0) {
        return lk::error::kNoSuchTable;
    }
    if (r.count == 0 || r.first + r.count > info.fieldCount ||
        std::size_t(r.count) * info.fieldSize > maxBytes) {
        return lk::error::kFieldRange;
    }
    return 0;
}

void PushRange(ReplyFrame& reply, const FieldRange& r) {
    reply.Push(0);  // channel
    reply.Push(static_cast<std::uint8_t>(r.table));
    reply.Push(static_cast<std::uint8_t>(r.first));
    reply.Push(static_cast<std::uint8_t>(r.count));
}

std::time_t HostTime() {
    return std::time(nullptr);
}

// The tables made from the clock when they are read.
bool FollowsTheClock(int table) {
    constexpr int kTables[] = {tables::kFirstRecordsTable, 30, 36, 37, 38, 40};
    return std::ranges::find(kTables, table) != std::end(kTables);
}

bytes::ControllerDateTime LocalDateTime(std::time_t t) {
    std::tm tm{};
    localtime_r(&t, &tm);
    return {static_cast<std::uint8_t>(std::clamp(tm.tm_year - 100, 0, 255)),
            static_cast<std::uint8_t>(tm.tm_mon + 1),
            static_cast<std::uint8_t>(tm.tm_mday),
            static_cast<std::uint8_t>(tm.tm_hour),
            static_cast<std::uint8_t>(tm.tm_min),
            static_cast<std::uint8_t>(tm.tm_sec)};
}

// The host's local time of `t` as the PC's date-time: days since 30 December 1899.
double LocalPcTime(std::time_t t) {
    return tables::DecodeToPc(LocalDateTime(t));
}

std::uint8_t ReplyCode(std::uint8_t code) {
    return static_cast<std::uint8_t>(code | lk::kReplyFlag);
}

// An error reply carries the request's code without the reply flag.
std::uint8_t ErrorCode(std::uint8_t code) {
    return static_cast<std::uint8_t>(code & ~lk::kReplyFlag);
}

// The intervention archive keeps the names it records in the code page of the controller's names.
MessageArchiveConfig InterventionsOf(const ControllerConfig& config) {
    MessageArchiveConfig interventions = config.interventions;
    interventions.namesInCp866 = config.cp866;
    return interventions;
}

}  // namespace

Controller::Controller(const ControllerConfig& config, WallClock clock)
    : clock_(clock ? std::move(clock) : WallClock(HostTime)),
      chromatographOffset_(config.chromatographClockOffset),
      diagnostics_(messages::Archive::Diagnostics, config.diagnostics),
      interventions_(messages::Archive::Interventions, InterventionsOf(config)),
      data_(config.data) {
    if (config.frozenClock) {
        const std::time_t stopped = clock_();
        clock_ = [stopped] { return stopped; };
    }
    FillDefaultTables(config, &image_);
    PublishBoundaries(diagnostics_, messages::KindOf(messages::Archive::Diagnostics).boundaryTable);
    PublishBoundaries(interventions_,
                      messages::KindOf(messages::Archive::Interventions).boundaryTable);
    if (config.startTime) {
        clockOffset_ = *config.startTime - clock_();
    }
    FillStatusTables(config.status, &image_);
    DateSignsChange();
    data_.StartBefore(DataClock());
    RefreshDataTables();
    for (const std::uint8_t table : config.destroyedTables) {
        MarkDestroyed(table);
    }
    if (config.password) {
        password_ = config.password->substr(0, lk::kPasswordSize);
        password_->resize(lk::kPasswordSize, ' ');
    }
}

std::uint8_t Controller::Address() const {
    return image_.Byte(3, 0);
}

bool Controller::Accepts(std::span<const std::uint8_t> frame) const {
    if (frame.size() < lk::kMinFrameLength || frame[lk::kOffStart] != lk::kRequestStart ||
        frame[lk::kOffLength] != frame.size() || lk::Crc16(frame) != 0) {
        return false;
    }
    const std::uint8_t to = frame[lk::kOffAddress];
    return to == Address() || to == lk::kBroadcastAddress;
}

std::vector<std::uint8_t> Controller::Answer(std::span<const std::uint8_t> frame) {
    const std::uint8_t code = frame[lk::kOffCode];
    switch (code) {
        case lk::code::kReadTable:
            return Read(frame);
        case lk::code::kWriteTable:
            return Write(frame);
        case lk::code::kClockCorrection:
            return CorrectClock(frame);
        case lk::code::kMessagesByIndex:
        case lk::code::kMessagesByPeriod:
            return Messages(frame);
        case lk::code::kArchive3Min:
        case lk::code::kArchiveHourly:
        case lk::code::kArchiveDaily:
            return DataRecords(frame);
        default:
            return Error(code, lk::error::kUnknownCode);
    }
}

// A request whose length disagrees with its fields gets the field-range error: the data does not
// cover the fields it names.
std::vector<std::uint8_t> Controller::Read(std::span<const std::uint8_t> frame) {
    const std::uint8_t code = frame[lk::kOffCode];
    if (frame.size() != kReadLength) {
        return Error(code, lk::error::kFieldRange);
    }
    const FieldRange r = RangeAt(frame, kReadTableAt);
    if (const std::uint8_t e = CheckRange(r, lk::kMaxReadValueBytes); e != 0) {
        return Error(code, e);
    }
    if (IsDestroyed(r.table)) {
        return DestroyedError(code, r.table);
    }
    if (r.table == tables::kClockTable) {
        RefreshClockTable();
    } else if (r.table == tables::kChromatographClockTable) {
        RefreshChromatographClock();
    } else if (FollowsTheClock(r.table)) {
        RefreshDataTables();
    }
    ReplyFrame reply(Address(), ReplyCode(code));
    PushRange(reply, r);
    reply.Append(image_.Fields(r.table, r.first, r.count));
    return reply.Finish();
}

std::vector<std::uint8_t> Controller::Write(std::span<const std::uint8_t> frame) {
    const std::uint8_t code = frame[lk::kOffCode];
    if (frame.size() < kWriteHeaderLength) {
        return Error(code, lk::error::kFieldRange);
    }
    const FieldRange r = RangeAt(frame, kWriteTableAt);
    if (const std::uint8_t e = CheckRange(r, lk::kMaxWriteValueBytes); e != 0) {
        return Error(code, e);
    }
    const tables::TableInfo& info = tables::Table(r.table);
    if (frame.size() != kWriteHeaderLength + std::size_t(r.count) * info.fieldSize) {
        return Error(code, lk::error::kFieldRange);
    }
    if (!info.writable) {
        return Error(code, lk::error::kReadOnly);
    }
    // A malformed request is refused as such before anyone's rights are looked at. A destroyed
    // users table knows nobody, so only a request from nobody may write it.
    const bool usersDestroyed = r.table == tables::kUsersTable && IsDestroyed(r.table);
    if (usersDestroyed ? !BlankCredentials(frame) : !CredentialsPass(frame)) {
        return Error(code, lk::error::kCredentials);
    }
    const auto values = frame.subspan(kWriteValuesAt, frame.size() - kWriteHeaderLength);
    if (r.table == tables::kUsersTable && !usersDestroyed) {
        if (const std::uint8_t e = CheckUsersTableWrite(r, values); e != 0) {
            return Error(code, e);
        }
    }
    if (IsDestroyed(r.table)) {
        RepairFields(r);
    }
    if (r.table == tables::kClockTable) {
        RefreshClockTable();  // fields left out keep the current time
    }
    std::ranges::copy(values, image_.Fields(r.table, r.first, r.count).begin());
    if (r.table == tables::kClockTable) {
        SetClockFromTable();
    }
    ReplyFrame reply(Address(), ReplyCode(code));
    PushRange(reply, r);
    return reply.Finish();
}

std::vector<std::uint8_t> Controller::CorrectClock(std::span<const std::uint8_t> frame) {
    const std::uint8_t code = frame[lk::kOffCode];
    if (frame.size() != kClockLength) {
        return Error(code, lk::error::kFieldRange);
    }
    if (!CredentialsPass(frame)) {
        return Error(code, lk::error::kCredentials);
    }
    if (image_.Byte(tables::kSystemTable, kPcSyncAllowed) == 0) {
        return Error(code, kNoDateEntry);
    }
    const std::int16_t delta = bytes::ByteReader(frame.subspan(kClockDeltaAt)).I16();
    if (std::abs(delta) > kLargestCorrectionS) {
        return Error(code, kCorrectionTooLarge);
    }
    clockOffset_ += delta;
    return ReplyFrame(Address(), ReplyCode(code)).Finish();
}

void Controller::PublishBoundaries(const MessageArchive& archive, int table) {
    const std::uint32_t bounds[] = {archive.Oldest(), archive.Newest()};
    for (int field = 0; field < 2; ++field) {
        image_.SetU32(table, field, bounds[field]);
    }
}

std::vector<std::uint8_t> Controller::Messages(std::span<const std::uint8_t> frame) {
    const std::uint8_t code = frame[lk::kOffCode];
    const std::span<const std::uint8_t> block = frame.subspan(lk::kOffData);
    const std::size_t blockSize = code == lk::code::kMessagesByIndex ? 7 : 15;
    if (frame[lk::kOffLength] != lk::kMinFrameLength + blockSize || block[1] > 1) {
        return Error(code, lk::error::kUnknownCode);
    }
    MessageArchive& archive = block[1] == 1 ? interventions_ : diagnostics_;
    ReplyFrame reply(Address(), ReplyCode(code));
    reply.Append(code == lk::code::kMessagesByIndex ? archive.AnswerByIndex(block)
                                                    : archive.AnswerByPeriod(block));
    return reply.Finish();
}

std::vector<std::uint8_t> Controller::DataRecords(std::span<const std::uint8_t> frame) {
    const std::uint8_t code = frame[lk::kOffCode];
    const auto data = frame.subspan(lk::kOffData, frame.size() - lk::kMinFrameLength);
    const std::optional<std::vector<std::uint8_t>> answer = data_.Answer(
        code, data, DataClock(), image_.Byte(tables::kChromatographLinkTable, kRunsInUse));
    if (!answer) {
        return Error(code, lk::error::kUnknownCode);
    }
    ReplyFrame reply(Address(), ReplyCode(code));
    reply.Append(*answer);
    return reply.Finish();
}

std::vector<std::uint8_t> Controller::Error(std::uint8_t code, std::uint8_t e) const {
    ReplyFrame reply(Address(), ErrorCode(code));
    reply.Push(e);
    return reply.Finish();
}

std::vector<std::uint8_t> Controller::DestroyedError(std::uint8_t code, int table) const {
    ReplyFrame reply(Address(), ErrorCode(code));
    reply.Push(lk::kErrorTableDestroyed);
    reply.Push(0);
    reply.Push(static_cast<std::uint8_t>(table));
    return reply.Finish();
}

void Controller::MarkDestroyed(int table) {
    image_.SetByte(kStateTable, table, 1);
    unwritten_[static_cast<std::size_t>(table)].assign(tables::Table(table).fieldCount, true);
    RefreshDestroyedTable();
}

void Controller::RepairFields(const FieldRange& r) {
    std::vector<bool>& unwritten = unwritten_[static_cast<std::size_t>(r.table)];
    std::fill_n(unwritten.begin() + r.first, r.count, false);
    if (std::ranges::none_of(unwritten, [](bool u) { return u; })) {
        image_.SetByte(kStateTable, r.table, 0);
        RefreshDestroyedTable();
    }
}

void Controller::RefreshDestroyedTable() {
    std::uint8_t lowest = 0;
    for (int t = tables::kTableCount - 1; t > 0; --t) {
        if (IsDestroyed(t)) {
            lowest = static_cast<std::uint8_t>(t);
        }
    }
    image_.SetByte(0, 0, lowest);
}

bool Controller::BlankCredentials(std::span<const std::uint8_t> frame) const {
    const Credentials given(frame.subspan(lk::kOffData).first<lk::kCredentialsSize>());
    return std::ranges::all_of(given, [](std::uint8_t b) { return b == ' '; });
}

bool Controller::CredentialsPass(std::span<const std::uint8_t> frame) const {
    const Credentials given(frame.subspan(lk::kOffData).first<lk::kCredentialsSize>());
    return CheckCredentials(Users(), given, password_) == 0;
}

config::UsersTable Controller::Users() const {
    const auto bytes = image_.Fields(tables::kUsersTable, 0, config::kUserSlots);
    return config::DecodeUsers(bytes.first<config::kUserSlots * config::kUserRecordSize>());
}

std::uint8_t Controller::CheckUsersTableWrite(const FieldRange& r,
                                              std::span<const std::uint8_t> values) const {
    TableImage after = image_;
    std::ranges::copy(values, after.Fields(tables::kUsersTable, r.first, r.count).begin());
    const auto bytes = after.Fields(tables::kUsersTable, 0, config::kUserSlots);
    return CheckUsersWrite(
        Users(), config::DecodeUsers(bytes.first<config::kUserSlots * config::kUserRecordSize>()));
}

// The time type follows the summer/winter rules of table 6 bytes 0..5, as the controller's own.
void Controller::RefreshClockTable() {
    const auto fields = tables::ClockFields(LocalPcTime(clock_() + clockOffset_),
                                            image_.Fields(tables::kSystemTable, 0, 6).first<6>());
    std::ranges::copy(fields, image_.Fields(tables::kClockTable, 0, 8).begin());
}

void Controller::DateSignsChange() {
    constexpr std::time_t kBeforeStartS = 25 * 60;
    const auto fields = tables::ClockFields(LocalPcTime(clock_() + clockOffset_ - kBeforeStartS),
                                            image_.Fields(tables::kSystemTable, 0, 6).first<6>());
    std::ranges::copy(std::span(fields).first<6>(),
                      image_.Fields(tables::kSignsTable, 0, 6).begin());
}

void Controller::RefreshChromatographClock() {
    const auto fields = tables::ClockFields(
        LocalPcTime(clock_() + clockOffset_ + static_cast<std::time_t>(chromatographOffset_)),
        image_.Fields(tables::kSystemTable, 0, 6).first<6>());
    std::ranges::copy(std::span(fields).first<6>(),
                      image_.Fields(tables::kChromatographClockTable, 0, 6).begin());
}

bytes::ControllerDateTime Controller::Now() const {
    return LocalDateTime(clock_() + clockOffset_);
}

ArchiveClock Controller::DataClock() const {
    return {Now(), image_.Byte(tables::kSystemTable, kContractHour)};
}

void Controller::RefreshDataTables() {
    const ArchiveClock clock = DataClock();
    const auto firsts = data_.FirstRecords(clock);
    for (int field = 0; field < kDataArchives; ++field) {
        std::ranges::copy(firsts[static_cast<std::size_t>(field)],
                          image_.Field(tables::kFirstRecordsTable, field).begin());
    }
    FillMomentaryTables(clock.now, data_.Seed(), &image_);
}

// Day of week and time type follow from the date; only fields 0..5 set the clock.
void Controller::SetClockFromTable() {
    std::tm tm{};
    tm.tm_year = image_.Byte(tables::kClockTable, 0) + 100;
    tm.tm_mon = image_.Byte(tables::kClockTable, 1) - 1;
    tm.tm_mday = image_.Byte(tables::kClockTable, 2);
    tm.tm_hour = image_.Byte(tables::kClockTable, 3);
    tm.tm_min = image_.Byte(tables::kClockTable, 4);
    tm.tm_sec = image_.Byte(tables::kClockTable, 5);
    tm.tm_isdst = -1;
    const std::time_t set = std::mktime(&tm);
    if (set != static_cast<std::time_t>(-1)) {
        clockOffset_ = set - clock_();
    }
}

}  // namespace zor06::sim
