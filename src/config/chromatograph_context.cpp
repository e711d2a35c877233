#include "config/chromatograph_context.h"

#include "config/flow_computers.h"
#include "tables/table_numbers.h"
#include "text/codepage.h"

namespace zor06::config {

std::optional<ChromatographContext> ReadChromatographContext(tables::TableContext& ctx) {
    dialogue::BusyScope busy(ctx.op);
    tables::ControllerImage& image = ctx.image;
    ChromatographContext context;
    if (image.Byte(fields::kFlowComputersFitted) != 0) {
        if (!tables::ReadField(ctx, fields::kFlowComputerCount)) {
            return std::nullopt;
        }
        const int count = FlowCount(image.Byte(fields::kFlowComputerCount));
        if (!tables::ReadFields(ctx,
                                {tables::kFlowAddressTable, 0, static_cast<std::uint8_t>(count)})) {
            return std::nullopt;
        }
        for (int i = 0; i < count; ++i) {
            context.flowComputerAddresses.push_back(image.Byte(tables::kFlowAddressTable, i));
        }
    }
    if (!tables::ReadFields(ctx, {tables::kNamesTable, 1, 2})) {
        return std::nullopt;
    }
    if (tables::NamesInCp866(image)) {
        text::ToCp1251(image.Fields(tables::kNamesTable, 1, 2));
    }
    context.runs = {image.Name(1), image.Name(2)};
    return context;
}

}  // namespace zor06::config
