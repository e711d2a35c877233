// The moisture meter's momentary values, as one refresh of their window shows them.
#include <cstdio>
#include <string_view>

#include "gasdata/exported_cells.h"
#include "gasdata/momentary_reading.h"
#include "tables/device_link.h"
#include "zor06ctl/commands.h"

namespace zor06::ctl {

int RunMoistureMomentary(Session& s) {
    if (!ConnectLink(s) || !tables::DeviceLinked(s.tables, tables::Device::MoistureMeter)) {
        return kExitFailed;
    }
    const auto content = gasdata::ReadWmtMomentary(s.tables, true);
    if (!content) {
        return kExitFailed;
    }
    std::printf("%s\t%s\n", gasdata::kWmtMomentaryDateLabel, content->dateTime.c_str());
    for (const gasdata::LabelledValue& value : content->values) {
        const std::string_view label = gasdata::TrimBlanks(value.label);
        const std::string_view text = gasdata::TrimBlanks(value.text);
        std::printf("%.*s\t%.*s\n", static_cast<int>(label.size()), label.data(),
                    static_cast<int>(text.size()), text.data());
    }
    return kExitOk;
}

}  // namespace zor06::ctl
