#include "settings/report_config.h"

#include <string>

namespace zor06::settings {

ReportConfig ReadReportConfig(const IniFile& ini, std::vector<ReplacedValue>* replaced) {
    constexpr char kSection[] = "REP_CONF";
    RangedReader reader(ini);
    const auto flag = [&reader, &kSection](std::string_view key, int fallback) {
        return reader.Read(kSection, key, 0, 1, fallback);
    };
    ReportConfig config;
    config.composition = flag("prz_composition", config.composition);
    config.thermalUnit = flag("thermal_unit", config.thermalUnit);
    config.calcFormula = flag("calc_formula", config.calcFormula);
    config.methaneCorrection = flag("metan_corr", config.methaneCorrection);
    for (std::size_t i = 0; i < config.decimals.size(); ++i) {
        const std::string key = "fr_" + std::to_string(i + 1);
        config.decimals[i] = reader.Read(kSection, key, 0, kMaxDecimals, config.decimals[i]);
    }
    if (replaced != nullptr) {
        *replaced = reader.Replaced();
    }
    return config;
}

}  // namespace zor06::settings
