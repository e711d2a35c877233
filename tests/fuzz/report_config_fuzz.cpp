// Any bytes read as repconf_par.ini: every switch is 0 or 1 and every count of decimals 0..15; a
// number the file holds in range is taken as it is, and one outside takes its default and is
// named among the replaced values, with the text the file holds.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#include "settings/report_config.h"

namespace {

using namespace zor06::settings;

struct Key {
    std::string name;
    int value;
    int max;
    int fallback;
};

std::vector<Key> KeysOf(const ReportConfig& c) {
    const ReportConfig def;
    std::vector<Key> keys{{"prz_composition", c.composition, 1, def.composition},
                          {"thermal_unit", c.thermalUnit, 1, def.thermalUnit},
                          {"calc_formula", c.calcFormula, 1, def.calcFormula},
                          {"metan_corr", c.methaneCorrection, 1, def.methaneCorrection}};
    for (std::size_t i = 0; i < c.decimals.size(); ++i) {
        keys.push_back(
            {"fr_" + std::to_string(i + 1), c.decimals[i], kMaxDecimals, def.decimals[i]});
    }
    return keys;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const IniFile ini =
        IniFile::FromBytes(std::string_view(reinterpret_cast<const char*>(data), size));
    std::vector<ReplacedValue> replaced;
    const std::vector<Key> keys = KeysOf(ReadReportConfig(ini, &replaced));
    std::size_t outside = 0;
    for (const Key& key : keys) {
        if (key.value < 0 || key.value > key.max) {
            std::abort();
        }
        const auto text = ini.Find("REP_CONF", key.name);
        const auto number = text ? ParseProfileInt(*text) : std::nullopt;
        if (!number) {
            if (key.value != key.fallback) {
                std::abort();
            }
            continue;
        }
        if (*number >= 0 && *number <= key.max) {
            if (key.value != *number) {
                std::abort();
            }
            continue;
        }
        if (outside == replaced.size()) {
            std::abort();  // replaced without a word
        }
        const ReplacedValue& noted = replaced[outside++];
        if (key.value != key.fallback || noted.key != key.name || noted.fileValue != *text ||
            noted.value != key.fallback || noted.section != "REP_CONF") {
            std::abort();
        }
    }
    if (outside != replaced.size()) {
        std::abort();
    }
    return 0;
}
