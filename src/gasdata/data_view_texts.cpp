#include "gasdata/data_view_texts.h"

#include <algorithm>
#include <string_view>

#include "text/codepage.h"
#include "text/text_format.h"

namespace zor06::gasdata {
namespace {

std::string MinuteText(const bytes::ControllerDateTime& d) {
    return text::Printf("%02d.%02d.%02d %02d:%02d:00", d[2], d[1], d[0], d[3], d[4]);
}

}  // namespace

const char* StepTitle(DataKind kind) {
    return IsThreeMinute(kind) ? "Мгновенные" : IsDaily(kind) ? "Суточные" : "Часовые";
}

std::string PeriodCaption(DataKind kind, const dataset::HdmHeader& header) {
    const bytes::ControllerDateTime& s = header.start;
    const bytes::ControllerDateTime& e = header.end;
    switch (KindOf(kind).step) {
        case Step::ThreeMinutes:
            return text::Printf("за период  с  %s  по  %s", MinuteText(s).c_str(),
                                MinuteText(e).c_str());
        case Step::Hour:
            return text::Printf("за период с %02d.%02d.%02d  %02dч  по  %02d.%02d.%02d  %02dч",
                                s[2], s[1], s[0], s[3], e[2], e[1], e[0], e[3]);
        case Step::Day:
            break;
    }
    return text::Printf("за период с %02d.%02d.%02d  по  %02d.%02d.%02d", s[2], s[1], s[0], e[2],
                        e[1], e[0]);
}

std::vector<ColumnHeading> LeftHeadings(bool threeMinute, const LeftHeadingWords& words) {
    if (threeMinute) {
        return {{{"Дата", "", ""}, ""},
                {{"Время", "", ""}, ""},
                {{"Статус", "контроллера", ""}, ""},
                {{"Признаки", "состояния", std::string(words.device)}, ""}};
    }
    return {{{"Дата", std::string(words.dateLine), ""}, ""},
            {{"Время", std::string(words.startLine), ""}, ""},
            {{"Время", std::string(words.endLine), ""}, ""},
            {{"Статус", "контроллера", ""}, ""}};
}

std::string RunName(const dataset::HdmHeader& header) {
    const auto& n = header.runName;
    const auto end = std::find(n.begin(), n.end(), std::uint8_t{0});
    const std::string name = text::Cp1251ToUtf8(std::string_view(
        reinterpret_cast<const char*>(n.data()), static_cast<std::size_t>(end - n.begin())));
    const auto first = name.find_first_not_of(' ');
    if (first == std::string::npos) {
        return {};
    }
    return name.substr(first, name.find_last_not_of(' ') - first + 1);
}

IntervalEnd EndOfInterval(const std::array<std::uint8_t, 3>& end, bool daily) {
    constexpr std::uint8_t kFlag = 0x80;
    const bool flagged = (end[0] & kFlag) != 0;
    return {daily && flagged ? end[0] & 0x7F : end[0], end[1], end[2], daily && !flagged};
}

std::string EndTimeCell(const IntervalEnd& end) {
    return text::Printf("   %02d:%02d:%02d%s", end.hour, end.minute, end.second,
                        end.star ? "*" : "");
}

}  // namespace zor06::gasdata
