#include "messages/current_state.h"

#include <string>

#include "tables/table_numbers.h"
#include "text/text_format.h"

namespace zor06::messages {
namespace {

constexpr std::array<StateLine, 12> kLines{{
    {{"Нештатные ситуации, связанные с опросом хроматографа", ""},
     "",
     StateItem::ChromatographErrors,
     true},
    {{"", ""}, "Наличие связи с хроматографом", StateItem::ChromatographLink, true},
    {{"Нештатные ситуации, связанные с опросом влагомера", ""},
     "",
     StateItem::MoistureErrors,
     true},
    {{"", ""}, "Наличие связи с влагомером", StateItem::MoistureLink, true},
    {{"Нештатные ситуации, связанные с обменом ", "с вычислителями РГ"},
     "",
     StateItem::FlowErrors,
     true},
    {{"", ""}, "Наличие связи с вычислителями расхода газа", StateItem::FlowButton, false},
    {{"", ""}, "Состояние процесса записи параметров в вычислители", StateItem::FlowButton, false},
    {{"Нештатные ситуации, связанные с самодиагностикой", ""},
     "",
     StateItem::SelfDiagnostics,
     true},
    {{"", ""}, "Состояние таблиц параметров конфигурации", StateItem::TablesButton, false},
    {{"Наличие нештатного значения контролируемых величин", ""},
     "Нитка 1 хроматографа",
     StateItem::Run1,
     true},
    {{"", ""}, "Нитка 2 хроматографа", StateItem::Run2, true},
    {{"Дата и время последнего изменения", "признаков нештатных ситуаций"},
     "",
     StateItem::ChangeTime,
     true},
}};

const StateText kNormal{"Норма", false};

StateText ErrorCode(std::uint8_t code) {
    return code == 0 ? kNormal : StateText{text::Printf("Код ошибки %d", code), true};
}
StateText Situation(std::uint8_t sign) {
    return sign == 0 ? kNormal : StateText{"Есть", true};
}
StateText Abnormal(std::uint8_t sign) {
    return sign == 0 ? StateText{"Нет", false} : StateText{"Есть", true};
}
StateText Link(std::uint8_t link) {
    return link != 0 ? kNormal : StateText{"Связи нет", true};
}

}  // namespace

std::span<const StateLine> CurrentStateLines() {
    return kLines;
}

std::string HeadingText(const StateLine& line) {
    std::string text(line.heading[0]);
    if (!line.heading[1].empty()) {
        if (!text.empty() && text.back() != ' ') {
            text += ' ';
        }
        text += line.heading[1];
    }
    return text;
}

Devices DevicesPresent(const tables::ControllerImage& image) {
    return {image.Byte(tables::kSystemTable, 8) != 0, image.Byte(tables::kSystemTable, 9) != 0};
}

bool ItemEnabled(StateItem item, Devices devices) {
    switch (item) {
        case StateItem::MoistureErrors:
        case StateItem::MoistureLink:
            return devices.moistureMeter;
        case StateItem::FlowErrors:
        case StateItem::FlowButton:
            return devices.flowComputers;
        default:
            return true;
    }
}

void CurrentState::FillSigns(const tables::ControllerImage& image) {
    const auto sign = [&](int field) { return image.Byte(tables::kSignsTable, field); };
    Set(StateItem::ChromatographErrors, ErrorCode(sign(7)));
    if (devices_.moistureMeter) {
        Set(StateItem::MoistureErrors, ErrorCode(sign(8)));
    }
    if (devices_.flowComputers) {
        Set(StateItem::FlowErrors, Situation(sign(6)));
    }
    Set(StateItem::SelfDiagnostics, Situation(sign(9)));
    Set(StateItem::Run1, Abnormal(sign(10)));
    Set(StateItem::Run2, Abnormal(sign(11)));
    Set(StateItem::ChangeTime, {text::Printf("%02d.%02d.%02d  %02d:%02d:%02d", sign(2), sign(1),
                                             sign(0), sign(3), sign(4), sign(5)),
                                false});
}

void CurrentState::FillLinks(const tables::ControllerImage& image) {
    Set(StateItem::ChromatographLink, Link(image.Byte(tables::kDeviceLinksTable, 0)));
    if (devices_.moistureMeter) {
        Set(StateItem::MoistureLink, Link(image.Byte(tables::kDeviceLinksTable, 1)));
    }
}

bool Refresh(tables::TableContext& ctx, CurrentState& state, const std::function<bool()>& goOn) {
    if (!goOn()) {
        return false;
    }
    if (tables::ReadFields(ctx, {tables::kSignsTable, 0, 18}, false)) {
        state.FillSigns(ctx.image);
    }
    if (!goOn()) {
        return false;
    }
    if (tables::ReadFields(ctx, {tables::kDeviceLinksTable, 0, 2}, false)) {
        state.FillLinks(ctx.image);
    }
    return true;
}

std::optional<CurrentState> ReadCurrentState(tables::TableContext& ctx) {
    if (!tables::ReadTable(ctx, tables::kSystemTable) ||
        !tables::ReadFields(ctx, {tables::kSignsTable, 0, 18}) ||
        !tables::ReadFields(ctx, {tables::kDeviceLinksTable, 0, 2})) {
        return std::nullopt;
    }
    CurrentState state(DevicesPresent(ctx.image));
    state.FillSigns(ctx.image);
    state.FillLinks(ctx.image);
    return state;
}

}  // namespace zor06::messages
