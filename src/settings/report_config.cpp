#include "settings/report_config.h"

#include <string>

namespace zor06::settings {

ReportConfig ReadReportConfig(const IniFile& ini) {
    constexpr char kSection[] = "REP_CONF";
    ReportConfig config;
    config.composition = ini.ReadInt(kSection, "prz_composition", config.composition);
    config.thermalUnit = ini.ReadInt(kSection, "thermal_unit", config.thermalUnit);
    config.calcFormula = ini.ReadInt(kSection, "calc_formula", config.calcFormula);
    config.methaneCorrection = ini.ReadInt(kSection, "metan_corr", config.methaneCorrection);
    for (std::size_t i = 0; i < config.decimals.size(); ++i) {
        const std::string key = "fr_" + std::to_string(i + 1);
        config.decimals[i] = ini.ReadInt(kSection, key, config.decimals[i]);
    }
    return config;
}

}  // namespace zor06::settings
