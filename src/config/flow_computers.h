// The flow computers the controller writes gas quality to: the line (table 9), and per flow
// computer its address, type, necessity byte, byte order (tables 17..20) and password (table 13).
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string>

#include "config/editor.h"

namespace zor06::config {

inline constexpr int kMaxFlowComputers = 16;
inline constexpr std::size_t kFlowLineBytes = 6;
inline constexpr std::size_t kFlowPasswordSize = 16;
inline constexpr std::size_t kFlowRecordSize = 20;

// A count byte as something that may index the sixteen entries: 0 and anything above 16 are
// brought into 1..16.
int FlowCount(std::uint8_t stored);

struct FlowLineEntries {
    std::optional<int> count;          // 1..16
    std::optional<int> rateIndex;      // 0..21
    std::optional<int> failures;       // 1..10
    std::optional<int> timeoutTenths;  // 1..255
    std::string preambles;
    std::optional<int> mode;  // 0..3
};

FlowLineEntries FillFlowLine(std::span<const std::uint8_t, kFlowLineBytes> target);
Refusal AcceptFlowLine(const FlowLineEntries& e, std::span<std::uint8_t, kFlowLineBytes> target);

// One flow computer as the screens and configuration files hold it.
struct FlowRecord {
    std::uint8_t address = 0;
    std::uint8_t type = 0;  // 0 "ВЕРСАНТ", 1 "ТАРСЕЛ, ГЛ-7Н", 2 "ЛС-4"
    std::uint8_t necessity = 0;
    std::uint8_t byteOrder = 0;
    std::array<std::uint8_t, kFlowPasswordSize> password{};

    static FlowRecord Decode(std::span<const std::uint8_t, kFlowRecordSize> bytes);
    void Encode(std::span<std::uint8_t, kFlowRecordSize> bytes) const;
    bool operator==(const FlowRecord&) const = default;
};

template <class Io>
constexpr void Fields(Io& io, FlowRecord& r) {
    io(r.address);
    io(r.type);
    io(r.necessity);
    io(r.byteOrder);
    io(r.password);
}

using FlowRecords = std::array<FlowRecord, kMaxFlowComputers>;

// The list of flow computers while its screen is open.
class FlowList {
public:
    FlowList(const FlowRecords& records, int count);
    int Count() const { return count_; }
    const FlowRecord& At(int position) const {
        return records_[static_cast<std::size_t>(position)];
    }
    bool PasswordChanged(int position) const {
        return changed_[static_cast<std::size_t>(position)];
    }
    bool CanAdd() const { return count_ < kMaxFlowComputers; }
    bool CanDelete() const { return count_ >= 2; }

    // The record a new flow computer starts from: zeros, its password sixteen zero bytes.
    FlowRecord NewRecord() const { return {}; }
    void Add(const FlowRecord& record);
    void Replace(int position, const FlowRecord& record, bool passwordChanged);
    // The records below move up and their passwords must be written at their new positions.
    void Delete(int position);

    // Checks every record; on success the first Count() records are stored in `target`.
    Refusal Accept(FlowRecords& target) const;
    const std::array<bool, kMaxFlowComputers>& Changed() const { return changed_; }

private:
    FlowRecords records_;
    int count_;
    std::array<bool, kMaxFlowComputers> changed_{};
};

// The row texts of the list's grid.
std::string FlowTypeText(std::uint8_t type);
std::string FlowByteOrderText(std::uint8_t order);

// One pipeline group of the flow computer screen.
struct PipelineEntry {
    bool ticked = false;
    bool run1 = false;
    bool run2 = false;
};

struct FlowEntries {
    std::string address;
    std::optional<int> type;
    std::optional<int> byteOrder;
    std::array<std::uint8_t, kFlowPasswordSize> password{};
    std::array<PipelineEntry, 3> pipelines{};
};

// How many pipelines a type has: one for type 1, three for the others.
int Pipelines(int type);

// Checks the entries and builds the record; `passwordChanged` tells whether its password differs
// from the one it had.
std::optional<InputError> AcceptFlowComputer(const FlowEntries& e, FlowRecord& record,
                                             bool* passwordChanged);

}  // namespace zor06::config
