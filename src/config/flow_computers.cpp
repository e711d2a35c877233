#include "config/flow_computers.h"

#include <algorithm>

#include "bytes/fields.h"
#include "config/text_field.h"
#include "link/baud_rates.h"
#include "text/text_format.h"

namespace zor06::config {
namespace {

bool InRange(const std::optional<int>& v, int min, int max) {
    return v && *v >= min && *v <= max;
}

}  // namespace

int FlowCount(std::uint8_t stored) {
    return std::clamp<int>(stored, 1, kMaxFlowComputers);
}

FlowLineEntries FillFlowLine(std::span<const std::uint8_t, kFlowLineBytes> t) {
    FlowLineEntries e;
    const auto pick = [](std::uint8_t v, int min, int max) {
        return v >= min && v <= max ? std::optional<int>(v) : std::nullopt;
    };
    e.count = pick(t[0], 1, kMaxFlowComputers);
    e.rateIndex = pick(t[1], 0, static_cast<int>(link::kBaudRates.size()) - 1);
    e.failures = pick(t[2], 1, 10);
    e.timeoutTenths = pick(t[3], 1, 255);
    e.preambles = std::to_string(t[4]);
    e.mode = pick(t[5], 0, 3);
    return e;
}

Refusal AcceptFlowLine(const FlowLineEntries& e, std::span<std::uint8_t, kFlowLineBytes> t) {
    const auto preambles = ParseEntry(e.preambles);
    if (!InRange(e.count, 1, kMaxFlowComputers) ||
        !InRange(e.rateIndex, 0, static_cast<int>(link::kBaudRates.size()) - 1) ||
        !InRange(e.failures, 1, 10) || !InRange(e.timeoutTenths, 1, 255) || !preambles ||
        !InRange(e.mode, 0, 3)) {
        return Refuse("Введены не все параметры");
    }
    if (*preambles > 255) {
        return Refuse("Количество преамбул не должно превышать 255");
    }
    t[0] = static_cast<std::uint8_t>(*e.count);
    t[1] = static_cast<std::uint8_t>(*e.rateIndex);
    t[2] = static_cast<std::uint8_t>(*e.failures);
    t[3] = static_cast<std::uint8_t>(*e.timeoutTenths);
    t[4] = static_cast<std::uint8_t>(*preambles);
    t[5] = static_cast<std::uint8_t>(*e.mode);
    return std::nullopt;
}

static_assert(bytes::SizeOf<FlowRecord>() == kFlowRecordSize);

FlowRecord FlowRecord::Decode(std::span<const std::uint8_t, kFlowRecordSize> b) {
    return bytes::DecodeExact<FlowRecord>(b);
}

void FlowRecord::Encode(std::span<std::uint8_t, kFlowRecordSize> b) const {
    bytes::EncodeTo(*this, b);
}

FlowList::FlowList(const FlowRecords& records, int count) : records_(records) {
    count_ = std::clamp(count, 0, kMaxFlowComputers);
    if (count_ == 0) {
        count_ = 1;
        records_[0].password.fill(' ');
    }
}

void FlowList::Add(const FlowRecord& record) {
    if (!CanAdd()) {
        return;
    }
    records_[static_cast<std::size_t>(count_)] = record;
    changed_[static_cast<std::size_t>(count_)] = true;
    ++count_;
}

void FlowList::Replace(int position, const FlowRecord& record, bool passwordChanged) {
    if (position < 0 || position >= count_) {
        return;
    }
    records_[static_cast<std::size_t>(position)] = record;
    if (passwordChanged) {
        changed_[static_cast<std::size_t>(position)] = true;
    }
}

void FlowList::Delete(int position) {
    if (!CanDelete() || position < 0 || position >= count_) {
        return;
    }
    for (int i = position; i + 1 < count_; ++i) {
        records_[static_cast<std::size_t>(i)] = records_[static_cast<std::size_t>(i + 1)];
        changed_[static_cast<std::size_t>(i)] = true;
    }
    --count_;
    changed_[static_cast<std::size_t>(count_)] = false;
}

Refusal FlowList::Accept(FlowRecords& target) const {
    for (int i = 0; i < count_; ++i) {
        const FlowRecord& r = records_[static_cast<std::size_t>(i)];
        if (r.address == 0 || r.address == 255 || r.type > 2 || r.byteOrder > 1) {
            return Refuse(text::Printf("Вычислитель № %d", i + 1), "Неверно заданы параметры");
        }
        for (int j = i + 1; j < count_; ++j) {
            if (records_[static_cast<std::size_t>(j)].address == r.address) {
                return Refuse(text::Printf("Повтор адреса %d", r.address));
            }
        }
    }
    std::copy_n(records_.begin(), count_, target.begin());
    return std::nullopt;
}

std::string FlowTypeText(std::uint8_t type) {
    static const char* const kTypes[] = {"ВЕРСАНТ", "ТАРСЕЛ, ГЛ-7Н", "ЛС-4"};
    return type <= 2 ? std::string(" ") + kTypes[type] : " ?";
}

std::string FlowByteOrderText(std::uint8_t order) {
    static const char* const kOrders[] = {"Мл. адрес -- ст. байт", "Мл. адрес -- мл. байт"};
    return order <= 1 ? std::string(" ") + kOrders[order] : " ?";
}

int Pipelines(int type) {
    return type == 1 ? 1 : 3;
}

std::optional<InputError> AcceptFlowComputer(const FlowEntries& e, FlowRecord& record,
                                             bool* passwordChanged) {
    const auto address = ParseEntry(e.address);
    if (!address || !InRange(e.type, 0, 2) || !InRange(e.byteOrder, 0, 1)) {
        return Refuse("Введены не все параметры");
    }
    if (*address < 1 || *address > 254) {
        return Refuse("Адрес вне допускаемого диапазона");
    }
    std::uint8_t necessity = 0;
    for (int k = 0; k < Pipelines(*e.type); ++k) {
        const PipelineEntry& p = e.pipelines[static_cast<std::size_t>(k)];
        if (!p.ticked) {
            continue;
        }
        if (!p.run1 && !p.run2) {
            return Refuse("Введены не все параметры");
        }
        necessity |= static_cast<std::uint8_t>(1U << k);
        if (p.run2) {
            necessity |= static_cast<std::uint8_t>(1U << (k + 4));
        }
    }
    *passwordChanged = e.password != record.password;
    record.address = static_cast<std::uint8_t>(*address);
    record.type = static_cast<std::uint8_t>(*e.type);
    record.byteOrder = static_cast<std::uint8_t>(*e.byteOrder);
    record.password = e.password;
    record.necessity = necessity;
    return std::nullopt;
}

}  // namespace zor06::config
