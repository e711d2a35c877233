#include "zor06-sim/message_archive.h"

#include <algorithm>
#include <ctime>

#include "bytes/byte_reader.h"
#include "link/crc16.h"
#include "link/frame.h"
#include "zor06-sim/message_records.h"

namespace zor06::sim {
namespace {

constexpr std::size_t kCountAtByIndex = 6;  // reply data bytes before the count
constexpr std::size_t kDateSize = 6;

std::array<std::uint8_t, 6> DateAt(std::span<const std::uint8_t> b, std::size_t at) {
    std::array<std::uint8_t, 6> d{};
    std::copy_n(b.begin() + static_cast<long>(at), d.size(), d.begin());
    return d;
}

}  // namespace

std::array<std::uint8_t, 6> RecordDate(std::uint32_t k) {
    std::tm base{};
    base.tm_year = 124;
    base.tm_mon = 2;
    base.tm_mday = 1;
    const std::time_t t = timegm(&base) + static_cast<std::time_t>(k) * 600;
    std::tm d{};
    gmtime_r(&t, &d);
    return {static_cast<std::uint8_t>(d.tm_year - 100), static_cast<std::uint8_t>(d.tm_mon + 1),
            static_cast<std::uint8_t>(d.tm_mday),       static_cast<std::uint8_t>(d.tm_hour),
            static_cast<std::uint8_t>(d.tm_min),        static_cast<std::uint8_t>(d.tm_sec)};
}

MessageArchive::MessageArchive(messages::Archive archive, const MessageArchiveConfig& config)
    : kind_(messages::KindOf(archive)), config_(config) {}

std::uint32_t MessageArchive::Oldest() const {
    return config_.size == 0 ? std::max<std::uint32_t>(config_.oldestIndex, 1)
                             : config_.oldestIndex;
}

std::uint32_t MessageArchive::Newest() const {
    return config_.size == 0 ? Oldest() : config_.oldestIndex + (config_.size - 1);
}

bool MessageArchive::Holds(std::uint32_t index) const {
    return index - config_.oldestIndex < config_.size;  // unsigned: the indices may wrap
}

std::vector<std::uint8_t> MessageArchive::Record(std::uint32_t index) const {
    const std::uint32_t k = index - config_.oldestIndex;
    std::vector<std::uint8_t> r(kind_.recordSize);
    const auto date = RecordDate(k);
    std::copy(date.begin(), date.end(), r.begin());
    if (kind_.archive == messages::Archive::Interventions) {
        const auto body = InterventionBody(k, config_.namesInCp866);
        std::copy(body.begin(), body.end(), r.begin() + kDateSize);
    } else {
        const auto body = DiagnosticBody(k);
        std::copy(body.begin(), body.end(), r.begin() + kDateSize);
    }
    link::PutCrc16(r.data(), r.size() - 2);
    if (config_.badCrcIndex == index) {
        r.back() ^= 0x5A;
    }
    return r;
}

int MessageArchive::Batch(int asked) const {
    // No reply is longer than the 255 bytes that its length byte can say.
    int batch = std::min(asked, kind_.batch);
    if (config_.shortBatch > 0) {
        batch = std::min(batch, config_.shortBatch);
    }
    return batch;
}

void MessageArchive::AppendRecords(std::vector<std::uint8_t>& data, std::uint32_t from,
                                   int count) const {
    for (int i = 0; i < count; ++i) {
        const auto r = Record(from + static_cast<std::uint32_t>(i));
        data.insert(data.end(), r.begin(), r.end());
    }
}

std::vector<std::uint8_t> MessageArchive::AnswerByIndex(std::span<const std::uint8_t> block) const {
    const std::uint32_t start = bytes::ByteReader(block.subspan(2)).U32();
    int count = 0;
    if (Holds(start)) {
        const std::uint32_t left = config_.size - (start - config_.oldestIndex);
        count = static_cast<int>(
            std::min<std::uint32_t>(left, static_cast<std::uint32_t>(Batch(block[6]))));
    }
    std::vector<std::uint8_t> data(kCountAtByIndex, 0);
    data.push_back(static_cast<std::uint8_t>(count));
    AppendRecords(data, start, count);
    return data;
}

std::vector<std::uint8_t> MessageArchive::AnswerByPeriod(std::span<const std::uint8_t> block) {
    const std::uint8_t sequence = block[2];
    if (sequence == 0) {
        // A new series: from the first record not before the start.
        const auto start = DateAt(block, 3);
        seriesEnd_ = DateAt(block, 9);
        seriesNext_ = 0;
        while (seriesNext_ < config_.size && RecordDate(seriesNext_) < start) {
            ++seriesNext_;
        }
    } else if (sequence == lastSequence_) {
        seriesNext_ = lastBatch_;
    }
    lastSequence_ = sequence;
    lastBatch_ = seriesNext_;
    const auto inPeriod = [&](std::uint32_t k) {
        return k < config_.size && RecordDate(k) <= seriesEnd_;
    };
    int count = 0;
    const int batch = Batch(kind_.batch);
    while (count < batch && inPeriod(seriesNext_ + static_cast<std::uint32_t>(count))) {
        ++count;
    }
    std::vector<std::uint8_t> data{static_cast<std::uint8_t>(config_.errorFlag ? 0x80 : 0), 0,
                                   static_cast<std::uint8_t>(count), 0};
    AppendRecords(data, config_.oldestIndex + seriesNext_, count);
    seriesNext_ += static_cast<std::uint32_t>(count);
    data[3] = inPeriod(seriesNext_) ? 1 : 0;
    return data;
}

}  // namespace zor06::sim
