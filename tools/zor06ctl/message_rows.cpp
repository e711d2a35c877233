#include "zor06ctl/message_rows.h"

#include <cstdio>
#include <string_view>

#include "messages/message_csv.h"
#include "text/text_format.h"
#include "zor06ctl/json.h"

namespace zor06::ctl {
namespace {

std::string Trimmed(std::string_view text) {
    return std::string(text::TrimBlanks(text));
}

}  // namespace

std::string MessageRowsText(const messages::MessageView& view, RowFormat format) {
    if (format == RowFormat::Csv) {
        return messages::MessageViewCsv(view);
    }
    const bool json = format == RowFormat::Json;
    std::string out;
    if (json) {
        out = "{\"caption\": " + JsonString(view.caption) +
              ", \"message\": " + JsonString(view.messageLine) + ", \"rows\": [";
    }
    for (std::size_t r = 0; r < view.rows.size(); ++r) {
        if (json) {
            out += r == 0 ? "[" : ", [";
        }
        for (std::size_t c = 0; c < view.rows[r].size(); ++c) {
            const std::string cell = Trimmed(view.rows[r][c]);
            if (json) {
                out += (c == 0 ? "" : ", ") + JsonString(cell);
            } else {
                out += (c == 0 ? "" : "\t") + cell;
            }
        }
        out += json ? "]" : "\n";
    }
    if (json) {
        out += "]}\n";
    }
    return out;
}

}  // namespace zor06::ctl
