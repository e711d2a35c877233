#include "messages/message_csv.h"

#include <algorithm>
#include <vector>

#include "messages/csv_save.h"
#include "messages/message_file.h"
#include "text/csv.h"
#include "text/text_format.h"

namespace zor06::messages {
namespace {

std::string Trimmed(std::string_view text) {
    return std::string(text::TrimBlanks(text));
}

std::string HeadingText(std::string_view heading) {
    std::string text(heading);
    std::ranges::replace(text, '\n', ' ');
    return text;
}

}  // namespace

std::string MessageViewCsv(const MessageView& view) {
    std::vector<std::string> fields;
    for (const std::string_view heading : ColumnHeadings(view.archive)) {
        fields.push_back(HeadingText(heading));
    }
    std::string csv = text::CsvRecord(fields);
    for (const MessageRow& row : view.rows) {
        fields.clear();
        std::ranges::transform(row, std::back_inserter(fields), Trimmed);
        csv += text::CsvRecord(fields);
    }
    return csv;
}

bool SaveMessageCsv(const MessageView& view, const dataset::HdmHeader& header,
                    const std::filesystem::path& dir, const bytes::ControllerDateTime& today,
                    dialogue::Operator& op) {
    const std::string name = CsvFileName(DefaultFileName(view.archive, header.address, today));
    return SaveCsvFile(MessageViewCsv(view), dir, name, op);
}

}  // namespace zor06::messages
