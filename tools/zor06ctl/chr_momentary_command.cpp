// The chromatograph's momentary values of a run with their zones, as one refresh of their window
// shows them, and the controller's additional parameters.
#include <cstdio>
#include <string>
#include <string_view>

#include "gasdata/exported_cells.h"
#include "gasdata/momentary_reading.h"
#include "tables/device_link.h"
#include "zor06ctl/commands.h"
#include "zor06ctl/data_output.h"
#include "zor06ctl/json.h"
#include "zor06ctl/shared_options.h"

namespace zor06::ctl {
namespace {

struct MomentaryRow {
    std::string name;
    std::string value;
    std::string zone;
};

std::string Trimmed(std::string_view text) {
    return std::string(gasdata::TrimBlanks(text));
}

void PrintRows(const std::vector<MomentaryRow>& rows, const std::string& time, bool json) {
    if (!json) {
        for (const MomentaryRow& row : rows) {
            std::printf("%s\t%s\t%s\n", row.name.c_str(), row.value.c_str(), row.zone.c_str());
        }
        std::printf("%s\t%s\n", gasdata::kChrMomentaryTimeLabel, time.c_str());
        return;
    }
    std::string list;
    for (const MomentaryRow& row : rows) {
        list += (list.empty() ? "" : ", ") +
                JsonObject({{"name", row.name}, {"value", row.value}, {"zone", row.zone}});
    }
    std::printf("{\"time\": %s, \"rows\": [%s]}\n", JsonString(time).c_str(), list.c_str());
}

int RunMomentary(Session& s) {
    if (!s.cl.args.empty() || RunOf(s.cl) == 0) {
        return UsageError("momentary takes --run 1|2", s.cl.command);
    }
    const int run = RunOf(s.cl) - 1;
    const auto settings = LoadDataSettings(s);
    if (!settings || !ConnectLink(s) ||
        !tables::DeviceLinked(s.tables, tables::Device::Chromatograph)) {
        return kExitFailed;
    }
    const auto values = gasdata::ReadChrMomentaryValues(s.tables, run, settings->report, true);
    const auto zones = values ? gasdata::ReadChrZones(s.tables, run, true) : std::nullopt;
    if (!zones) {
        return kExitFailed;
    }
    const gasdata::ChrMomentaryFrame frame = gasdata::ChrMomentaryFrameOf(0, "", settings->report);
    std::vector<MomentaryRow> rows;
    for (std::size_t i = 0; i < frame.names.size(); ++i) {
        rows.push_back({Trimmed(frame.names[i]), Trimmed(values->values[i]),
                        (*zones)[i] ? Trimmed((*zones)[i]->text) : std::string()});
    }
    PrintRows(rows, values->time, s.cl.json);
    return kExitOk;
}

int RunExtraParams(Session& s) {
    if (!s.cl.args.empty()) {
        return UsageError("extra-params takes no arguments", s.cl.command);
    }
    const auto extra = ConnectLink(s) ? gasdata::ReadExtraParameters(s.tables) : std::nullopt;
    if (!extra) {
        return kExitFailed;
    }
    std::printf("%s\t%u\n%s\t%u\n", gasdata::kChrSerialLabel, static_cast<unsigned>(extra->serial),
                gasdata::kSoftwareChecksumLabel, static_cast<unsigned>(extra->softwareChecksum));
    return kExitOk;
}

constexpr Synopsis kMomentarySynopsis[] = {
    {"momentary --run 1|2 [--json]", "the chromatograph's momentary values and zones"},
};

constexpr Option kMomentaryOptions[] = {kRunOption};

constexpr Synopsis kExtraParamsSynopsis[] = {
    {"extra-params",
     "the chromatograph's serial number and the\n"
     "software checksum"},
};

}  // namespace

constinit const Command kMomentaryCommand{
    .name = "momentary",
    .synopsis = kMomentarySynopsis,
    .help =
        "zor06ctl [LINK] momentary --run 1|2 [--json]\n"
        "  The chromatograph's latest values of the run with their gas-parameter zones,\n"
        "  as one refresh of the momentary window shows them, one line per parameter:\n"
        "    \"NAME<TAB>VALUE<TAB>ZONE\"\n"
        "  (the name with its unit, the value after INI/repconf_par.ini of the work\n"
        "  directory, no zone for the sum of the components and the gas temperature),\n"
        "  then \"Время последнего опроса хроматографа<TAB>DD.MM.YY HH:MM:SS\".\n"
        "  --json prints {time, rows: [{name, value, zone}]}. Exit 1 with \"Нет связи с\n"
        "  хроматографом\" when table 33 field 0 says so.\n",
    .run = RunMomentary,
    .options = kMomentaryOptions,
};

constinit const Command kExtraParamsCommand{
    .name = "extra-params",
    .synopsis = kExtraParamsSynopsis,
    .help =
        "zor06ctl [LINK] extra-params\n"
        "  Table 41: \"Серийный номер хроматографа<TAB>N\" and \"Контрольная сумма ПО\n"
        "  контроллера<TAB>N\".\n",
    .run = RunExtraParams,
};

}  // namespace zor06::ctl
