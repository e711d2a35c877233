#include "dataset/print_data.h"

#include "platform/file_io.h"
#include "text/codepage.h"
#include "text/text_format.h"

namespace zor06::dataset {
namespace {

enum class PeriodForm { Hourly, Daily, Moment };

struct KindLines {
    const char* first;
    const char* second;
    PeriodForm period;
};

// The Latin "a" that ends "контроллерa" belongs to these texts.
constexpr KindLines kKinds[kPrintKinds] = {
    {"Часовые измерительные данные нитки %d хроматографа", "контроллерa ЗОР_06",
     PeriodForm::Hourly},
    {"Суточные измерительные данные нитки %d хроматографа", "контроллерa ЗОР_06",
     PeriodForm::Daily},
    {"Мгновенные данные нитки %d хроматографа", "контроллерa  ЗОР_06", PeriodForm::Moment},
    {"Перечень диагностических сообщений", "контроллерa ЗОР_06", PeriodForm::Moment},
    {"Перечень сообщений о вмешательствах оператора", "в работу к контроллерa ЗОР_06",
     PeriodForm::Moment},
    {"Архив оценок качества калибровки нитки %d хроматографа", "контроллерa ЗОР_06",
     PeriodForm::Moment},
    {"Часовые измерительные данные влагомера", "контроллерa ЗОР_06", PeriodForm::Hourly},
    {"Суточные измерительные данные влагомера", "контроллерa ЗОР_06", PeriodForm::Daily},
    {"Мгновенные данные влагомера", "контроллерa  ЗОР_06", PeriodForm::Moment},
};

std::string PeriodLine(PeriodForm form, const bytes::ControllerDateTime& s,
                       const bytes::ControllerDateTime& e) {
    switch (form) {
        case PeriodForm::Hourly:
            return text::Printf("за период  с  %02d.%02d.%02d  %02dч  по  %02d.%02d.%02d  %02dч",
                                s[2], s[1], s[0], s[3], e[2], e[1], e[0], e[3]);
        case PeriodForm::Daily:
            return text::Printf("за период  с  %02d.%02d.%02d  по  %02d.%02d.%02d", s[2], s[1],
                                s[0], e[2], e[1], e[0]);
        case PeriodForm::Moment:
            break;
    }
    return text::Printf(
        "за период  с  %02d.%02d.%02d  %02d:%02d:%02d  по  %02d.%02d.%02d  %02d:%02d:%02d", s[2],
        s[1], s[0], s[3], s[4], s[5], e[2], e[1], e[0], e[3], e[4], e[5]);
}

}  // namespace

std::string OrganisationNameOf(std::string_view bytes) {
    bytes = bytes.substr(0, kOrganisationBytes);
    return text::Cp1251ToUtf8(bytes.substr(0, bytes.find('\0')));
}

std::string OrganisationNameBytes(const std::string& name) {
    std::string bytes = text::Utf8ToCp1251(name);
    bytes.resize(kOrganisationBytes, '\0');
    return bytes;
}

std::string ReadOrganisationName(const std::filesystem::path& file) {
    std::string bytes;
    std::string reason;
    if (platform::ReadWholeFile(file, &bytes, &reason) != platform::ReadStatus::Read) {
        return {};
    }
    return OrganisationNameOf(bytes);
}

bool WriteOrganisationName(const std::filesystem::path& file, const std::string& name) {
    std::string reason;
    return platform::WriteFileAtomically(file, OrganisationNameBytes(name), &reason);
}

std::array<std::string, 3> PrintDataLines(int kind, const HdmHeader& header) {
    if (kind < 0 || kind >= kPrintKinds) {
        return {};
    }
    const KindLines& k = kKinds[kind];
    return {text::Printf(k.first, header.Run() + 1), k.second,
            PeriodLine(k.period, header.start, header.end)};
}

}  // namespace zor06::dataset
