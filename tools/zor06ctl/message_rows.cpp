#include "zor06ctl/message_rows.h"

#include <cstdio>
#include <span>

#include "text/text_format.h"
#include "zor06ctl/hex.h"
#include "zor06ctl/json.h"

namespace zor06::ctl {

void PrintMessageRows(const messages::MessageSet& set, bool json) {
    const std::size_t size = messages::KindOf(set.archive).recordSize;
    const std::span<const std::uint8_t> all(set.records);
    for (std::size_t i = 0; i + size <= all.size(); i += size) {
        const std::span<const std::uint8_t> r = all.subspan(i, size);
        const std::string date = text::Printf("%02d.%02d.%02d", r[2], r[1], r[0]);
        const std::string time = text::Printf("%02d:%02d:%02d", r[3], r[4], r[5]);
        const std::string bytes = ToHex(r);
        if (json) {
            std::printf("%s\n",
                        JsonObject({{"date", date}, {"time", time}, {"bytes", bytes}}).c_str());
        } else {
            std::printf("%s %s %s\n", date.c_str(), time.c_str(), bytes.c_str());
        }
    }
}

}  // namespace zor06::ctl
