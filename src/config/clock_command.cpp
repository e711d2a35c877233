#include "config/clock_command.h"

#include <array>

#include "bytes/byte_writer.h"
#include "link/frame.h"
#include "tables/table_numbers.h"

namespace zor06::config {

ClockReadResult ReadClocks(tables::TableContext& ctx) {
    dialogue::BusyScope busy(ctx.op);
    ClockReadResult result;
    if (!tables::ReadFields(ctx, {tables::kStateTable, 0, 14})) {
        return result;
    }
    if (ctx.image.Byte(tables::kStateTable, tables::kSystemTable) != 0) {
        ctx.op.ShowMessage(dialogue::MessageKind::SeeControllerState,
                           "Разрушена таблица системных параметров.",
                           "Информация о текущих дате и времени не может быть представлена");
        result.reading = ClockReading::SystemTableDestroyed;
        return result;
    }
    if (!tables::ReadFields(ctx, {tables::kSystemTable, 0, 12})) {
        return result;
    }
    if (ctx.image.Byte(tables::kStateTable, tables::kClockTable) != 0) {
        // The third letter of "Воcстановить" is a Latin c in this text; keep it so.
        result.restoreAsked =
            ctx.op.ShowMessage(dialogue::MessageKind::Question, "Таблица даты и времени разрушена.",
                               "Воcстановить сейчас?");
        result.reading = ClockReading::ClockTableDestroyed;
        return result;
    }
    if (!tables::ReadFields(ctx, {tables::kClockTable, 0, 8}) ||
        !tables::ReadFields(ctx, {tables::kChromatographClockTable, 0, 6})) {
        return result;
    }
    result.reading = ClockReading::Read;
    const tables::ControllerImage& image = ctx.image;
    result.view = BuildClockView(image.Fields(tables::kClockTable, 0, 8).first<8>(),
                                 image.Fields(tables::kChromatographClockTable, 0, 6).first<6>(),
                                 ctx.link.lastExchangeTime,
                                 image.Fields(tables::kSystemTable, 0, 12).first<12>());
    return result;
}

bool SendTimeCorrection(tables::TableContext& ctx, std::int16_t seconds) {
    dialogue::BusyScope busy(ctx.op);
    ctx.op.SetStatusText(dialogue::Panel::Message, "");
    std::array<std::uint8_t, 2> value{};
    bytes::ByteWriter(value).I16(seconds);
    if (ctx.link.Request(link::code::kClockCorrection, value)) {
        ctx.op.SetStatusText(dialogue::Panel::Message, "Корректировка времени выполнена");
        return true;
    }
    ctx.op.SetStatusText(dialogue::Panel::Message, ctx.link.StatusText());
    ctx.op.ShowMessage(dialogue::MessageKind::Info, "Корректировка времени не выполнена", "");
    return false;
}

}  // namespace zor06::config
