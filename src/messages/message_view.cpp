#include "messages/message_view.h"

#include "messages/diagnostic_decoding.h"
#include "messages/message_records.h"
#include "messages/saved_line.h"
#include "tables/date_time_text.h"
#include "text/text_format.h"

namespace zor06::messages {
namespace {

MessageRow RowOfRecord(Archive archive, std::span<const std::uint8_t> record,
                       const DecodeOptions& options) {
    if (archive == Archive::Interventions) {
        return DecodeIntervention(InterventionRecord::Decode(record.first<kInterventionSize>()),
                                  options);
    }
    return DecodeDiagnostic(DiagnosticRecord::Decode(record.first<kDiagnosticSize>()));
}

}  // namespace

const std::array<std::string_view, kCellCount>& ColumnHeadings(Archive archive) {
    static constexpr std::array<std::string_view, kCellCount> kInterventions{
        "Дата",
        "Время",
        "Наименование\nизмененного параметра",
        "Старое\nзначение",
        "Новое\nзначение",
        "Единица\nизмер.",
        "Имя\nоператора"};
    static constexpr std::array<std::string_view, kCellCount> kDiagnostics{
        "Дата",
        "Время",
        "Сообщение\nСобытие",
        "Сообщение\nОбъект / Причина",
        "Текущее\nзначение\nпарам.",
        "Знач.\nуставки",
        "Единица\nизмер."};
    return archive == Archive::Interventions ? kInterventions : kDiagnostics;
}

std::string ViewCaption(Archive archive, const dataset::HdmHeader& header, ViewMode mode,
                        std::uint32_t startIndex) {
    const std::string title(KindOf(archive).title);
    if (mode == ViewMode::ByIndex) {
        return text::Printf("%s с индексами от %u до %u", title.c_str(), startIndex,
                            startIndex + header.recordCount - 1);
    }
    return text::Printf("%s за период с %s по %s", title.c_str(),
                        tables::DateTimeText(header.start).c_str(),
                        tables::DateTimeText(header.end).c_str());
}

MessageView OpenMessageView(Archive archive, const dataset::HdmHeader& header,
                            std::span<const std::uint8_t> data, ViewMode mode,
                            std::uint32_t startIndex, const DecodeOptions& options) {
    MessageView view;
    view.archive = archive;
    view.caption = ViewCaption(archive, header, mode, startIndex);
    const std::size_t size =
        mode == ViewMode::FromFile ? SavedLineSize(archive) : KindOf(archive).recordSize;
    const std::size_t count = data.size() / size;
    view.rows.reserve(count);
    for (std::size_t i = 0; i < count; ++i) {
        const auto item = data.subspan(i * size, size);
        if (mode == ViewMode::FromFile) {
            view.rows.push_back(DecodeSavedLine(archive, item));
        } else if (RecordValid(item)) {
            view.rows.push_back(RowOfRecord(archive, item, options));
        } else {
            MessageRow invalid;
            invalid[kDate] = kInvalidDate;
            view.rows.push_back(std::move(invalid));
            if (view.messageLine.empty()) {
                view.messageLine = kInvalidRecordLine;
            }
        }
    }
    return view;
}

}  // namespace zor06::messages
