#include "archive/reading_support.h"

#include <algorithm>
#include <fstream>
#include <iterator>

namespace zor06::archive {

void ShowProgress(dialogue::Operator& op, int position, int maximum) {
    const int max = std::max(maximum, 1);
    op.SetProgress(std::clamp(position, 0, max), max);
}

std::uint32_t SerialNumber(const tables::ControllerImage& image) {
    return image.U32(fields::kChromatographSerial);
}

std::uint32_t EnsureSerialNumber(tables::TableContext& ctx) {
    if (SerialNumber(ctx.image) == 0) {
        tables::ReadField(ctx, fields::kChromatographSerial);
    }
    return SerialNumber(ctx.image);
}

std::optional<std::vector<std::uint8_t>> LoadRecords(const std::filesystem::path& path,
                                                     std::size_t count, std::size_t size) {
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        return std::nullopt;
    }
    std::vector<std::uint8_t> bytes((std::istreambuf_iterator<char>(in)),
                                    std::istreambuf_iterator<char>());
    if (bytes.size() != count * size) {
        return std::nullopt;
    }
    return bytes;
}

}  // namespace zor06::archive
