#include "tables/identification.h"

#include <cstring>

#include "tables/table_numbers.h"
#include "text/codepage.h"
#include "text/text_format.h"

namespace zor06::tables {
namespace {

std::string TwoDigitsOrStars(int value, int min, int max) {
    return value >= min && value <= max ? text::Printf("%02d", value) : "**";
}

}  // namespace

bool AcceptController(const ControllerImage& image, dialogue::Operator& op) {
    const int type = image.Byte(fields::kControllerType);
    if (type != kServedType) {
        op.ShowMessage(dialogue::MessageKind::Info,
                       text::Printf("Код типа подключенного контроллера  %d", type),
                       "Программа обслуживает контроллеры ЗОР_06");
        return false;
    }
    const int version = image.Byte(fields::kSoftwareVersion);
    if (version != kServedVersion) {
        op.ShowMessage(
            dialogue::MessageKind::Info,
            text::Printf("Версия ПО подключенного контроллера %d", version),
            text::Printf("Программа обслуживает контроллеры ЗОР_%02d только с версией ПО %02d",
                         kServedVersion, kServedVersion));
        return false;
    }
    return true;
}

bool ReadAfterIdentification(TableContext& ctx) {
    ControllerImage& image = ctx.image;
    image.SetText(5, 0, "");
    if (ReadFields(ctx, {5, 0, 3})) {
        if (NamesInCp866(image)) {
            text::ToCp1251(image.Fields(5, 0, 3));
        }
    } else {
        image.SetText(5, 0, text::Utf8ToCp1251("Контроллер ЗОР_06"));
        image.SetText(5, 1, text::Utf8ToCp1251("Нитка 1"));
        image.SetText(5, 2, text::Utf8ToCp1251("Нитка 2"));
    }
    bool ok = ReadFields(ctx, {6, 0, 12}) && ReadFields(ctx, {14, 0, 14});
    if (ok && image.Byte(14, 6) != kEncal3000) {
        ctx.op.ShowMessage(dialogue::MessageKind::Info,
                           text::Printf("Код подключенного равен %d.", image.Byte(14, 6)),
                           "Должен быть 3 (Encal3000)");
        ok = false;
    }
    image.SetU32(41, 0, 0);
    if (ok) {
        ok = ReadFields(ctx, {41, 0, 1});
    }
    if (!ok) {
        ctx.op.ShowMessage(dialogue::MessageKind::ExchangeResult,
                           "Не прочитаны данные, для организации",
                           "дальнейшего обмена с устройством");
    }
    ctx.op.SetStatusText(dialogue::Panel::Controller, image.Name(0));
    return ok;
}

std::optional<bool> IdentifySteps::RestoreTables(TableContext&) {
    return std::nullopt;
}

IdentifyOutcome Identify(TableContext& ctx, IdentifySteps& steps, int* answeredFrom) {
    if (!ReadTable(ctx, 0) || !AcceptController(ctx.image, ctx.op)) {
        return IdentifyOutcome::Failed;
    }
    if (answeredFrom != nullptr) {
        *answeredFrom = ctx.link.address;
    }
    steps.AskCredentials();
    const int destroyed = ctx.image.Byte(fields::kDestroyedTable);
    if (destroyed != 0) {
        ctx.op.SetStatusText(dialogue::Panel::Message,
                             text::Printf("Разрушена таблица № %d", destroyed));
        if (ReadTable(ctx, kStateTable)) {
            if (const std::optional<bool> restored = steps.RestoreTables(ctx)) {
                return *restored ? IdentifyOutcome::Identified : IdentifyOutcome::NotReady;
            }
        }
    }
    return ReadAfterIdentification(ctx) ? IdentifyOutcome::Identified : IdentifyOutcome::NotReady;
}

std::optional<int> ReadDestroyedTable(TableContext& ctx) {
    if (!ReadTable(ctx, fields::kDestroyedTable.table)) {
        return std::nullopt;
    }
    return ctx.image.Byte(fields::kDestroyedTable);
}

std::optional<Identification> ReadIdentification(TableContext& ctx) {
    if (!ReadDestroyedTable(ctx)) {
        return std::nullopt;
    }
    Identification identification;
    if (ReadField(ctx, fields::kSoftwareChecksum)) {
        identification.softwareChecksum = ctx.image.U32(fields::kSoftwareChecksum);
    }
    return identification;
}

std::vector<std::pair<std::string, std::string>> IdentificationLines(const ControllerImage& image,
                                                                     const std::uint32_t* checksum,
                                                                     bool complete) {
    const auto b = [&](int field) { return static_cast<int>(image.Byte(0, field)); };
    std::vector<std::pair<std::string, std::string>> lines;
    lines.emplace_back("Код типа контроллера", std::to_string(b(1)));
    if (!complete) {
        lines.emplace_back("Версия программного обеспечения", std::to_string(b(3)));
        return lines;
    }
    lines.emplace_back("Версия аппаратного обеспечения", std::to_string(b(2)));
    lines.emplace_back("Версия программного обеспечения", std::to_string(b(3)));
    lines.emplace_back("Дата создания ПО",
                       TwoDigitsOrStars(b(6), 1, 31) + "." + TwoDigitsOrStars(b(5), 1, 12) + "." +
                           TwoDigitsOrStars(b(4), 0, 99) + "  " + TwoDigitsOrStars(b(7), 0, 23) +
                           ":" + TwoDigitsOrStars(b(8), 0, 59) + ":" +
                           TwoDigitsOrStars(b(9), 0, 59));
    const char* order = b(10) == 0   ? "Мл. адрес - ст. байт"
                        : b(10) == 1 ? "Мл. адрес - мл. байт"
                                     : " ? ";
    lines.emplace_back("Порядок расположения байтов", order);
    lines.emplace_back(
        "Наличие разрушенных таблиц",
        b(0) == 0 ? "Разрушенных таблиц нет" : text::Printf("Разрушена таблица %d", b(0)));
    lines.emplace_back("Возможность работы на разных скоростях обмена",
                       b(11) == 0 ? "Нет" : "Есть");
    lines.emplace_back("Возможность изменения адреса контроллера",
                       b(13) == 0 ? "Есть" : text::Printf("Нет. Адрес = %d", b(13)));
    lines.emplace_back(
        "Номер последней версии протокола VKN-CC33-T, которая поддерживается контроллером",
        text::Printf("%d.%d.%d", b(14), b(15), b(16)));
    if (checksum != nullptr) {
        lines.emplace_back("Контрольная сумма ПО контроллера", text::Printf("%u", *checksum));
    }
    return lines;
}

}  // namespace zor06::tables
