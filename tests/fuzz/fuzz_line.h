// What the table fuzz targets share: the table service over a link whose scripted channel answers
// the first transmission with the fuzzer's bytes, on a fake clock so that no timeout really waits.
//
// Input: [0] table (the n-th table that has fields), [1] first field, [2] number of fields,
// [3] options (bit 0 show progress / ask, bit 1 a second attempt, bits 4..7 chunk size - 1),
// then the bytes the controller sends, one chunk a millisecond.
#pragma once

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <memory>
#include <span>
#include <vector>

#include "link/hgcbox.h"
#include "tables/table_service.h"
#include "tests/support/fake_clock.h"
#include "tests/support/recording_operator.h"
#include "tests/support/scripted_channel.h"

namespace zor06::fuzz {

constexpr std::size_t kOptionBytes = 4;
constexpr std::uint8_t kImageFill = 0x5A;

// A table that has fields, a first field inside it and a count the frame can carry.
inline tables::TableHeader PickHeader(std::span<const std::uint8_t> options, std::size_t maxBytes) {
    std::vector<int> present;
    for (int n = 0; n < tables::kTableCount; ++n) {
        if (tables::Table(n).fieldCount > 0) {
            present.push_back(n);
        }
    }
    const int table = present[options[0] % present.size()];
    const tables::TableInfo& info = tables::Table(table);
    const int first = options[1] % info.fieldCount;
    const int fit = std::max<int>(1, static_cast<int>(maxBytes / info.fieldSize));
    const int count = 1 + options[2] % std::min(info.fieldCount - first, fit);
    return {static_cast<std::uint8_t>(table), static_cast<std::uint8_t>(first),
            static_cast<std::uint8_t>(count)};
}

struct FuzzedLine {
    explicit FuzzedLine(std::span<const std::uint8_t> input) {
        const std::uint8_t options = input[3];
        show = (options & 1) != 0;
        link.attempts = (options & 2) != 0 ? 2 : 1;
        link.firstByteTimeoutMs = 2000;
        link.interByteTimeoutMs = 50;
        image.bytes.fill(kImageFill);
        std::vector<test::Chunk> chunks;
        const std::size_t chunkSize = 1 + (options >> 4);
        const auto reply = input.subspan(kOptionBytes);
        for (std::size_t at = 0; at < reply.size(); at += chunkSize) {
            const auto piece = reply.subspan(at, std::min(chunkSize, reply.size() - at));
            chunks.push_back({platform::Millis(1), test::Bytes(piece.begin(), piece.end())});
        }
        auto scripted = std::make_unique<test::ScriptedChannel>(clock, test::InTurn({chunks}));
        channel = scripted.get();
        link.AttachChannel(std::move(scripted));
    }

    tables::TableContext Context() { return {link, image, op, clock}; }

    // Every image byte outside `header`'s range still holds the fill.
    bool UntouchedOutside(tables::TableHeader header) {
        const auto range = image.Fields(header.table, header.first, header.count);
        const std::size_t from = static_cast<std::size_t>(range.data() - image.bytes.data());
        for (std::size_t i = 0; i < image.bytes.size(); ++i) {
            if ((i < from || i >= from + range.size()) && image.bytes[i] != kImageFill) {
                return false;
            }
        }
        return true;
    }

    test::FakeClock clock;
    link::hgcbox link{1, clock,
                      [](const std::string&, const platform::LineSettings&, platform::OpenError*) {
                          return std::unique_ptr<platform::SerialPort>();
                      }};
    test::RecordingOperator op;
    tables::ControllerImage image;
    test::ScriptedChannel* channel = nullptr;
    bool show = false;
};

inline void Require(bool condition) {
    if (!condition) {
        std::abort();
    }
}

}  // namespace zor06::fuzz
