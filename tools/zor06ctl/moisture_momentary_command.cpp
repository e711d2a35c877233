// The moisture meter's momentary values, as one refresh of their window shows them.
#include <cstdio>
#include <string_view>

#include "gasdata/exported_cells.h"
#include "gasdata/wmt_momentary.h"
#include "zor06ctl/commands.h"

namespace zor06::ctl {
namespace {

constexpr int kLinkTable = 33;
constexpr int kMoistureLinkField = 1;
constexpr int kMomentaryTable = 37;
constexpr int kMomentaryFields = 7;

}  // namespace

int RunMoistureMomentary(Session& s) {
    if (!ConnectLink(s) || !tables::ReadFields(s.tables, {kLinkTable, kMoistureLinkField, 1})) {
        return kExitFailed;
    }
    if (s.image.Byte(kLinkTable, kMoistureLinkField) == 0) {
        s.op.ShowMessage(dialogue::MessageKind::Info, "Нет связи с влагомером",
                         "(см. текущее состояние контроллера)");
        return kExitFailed;
    }
    if (!tables::ReadFields(s.tables, {kMomentaryTable, 0, kMomentaryFields})) {
        return kExitFailed;
    }
    const auto fields =
        s.image.Fields(kMomentaryTable, 0, kMomentaryFields).first<gasdata::kWmtMomentaryBytes>();
    const gasdata::WmtMomentary content = gasdata::WmtMomentaryContent(fields);
    std::printf("%s\t%s\n", gasdata::kWmtMomentaryDateLabel, content.dateTime.c_str());
    for (const gasdata::LabelledValue& value : content.values) {
        const std::string_view label = gasdata::TrimBlanks(value.label);
        const std::string_view text = gasdata::TrimBlanks(value.text);
        std::printf("%.*s\t%.*s\n", static_cast<int>(label.size()), label.data(),
                    static_cast<int>(text.size()), text.data());
    }
    return kExitOk;
}

}  // namespace zor06::ctl
