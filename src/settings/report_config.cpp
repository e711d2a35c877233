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
    config.calcFormula = reader.Read(kSection, "calc_formula", 0, 2, config.calcFormula);
    config.methaneCorrection = flag("metan_corr", config.methaneCorrection);
    static constexpr int kCombustion[] = {0, 15, 20, 25};
    static constexpr int kMetering[] = {0, 15, 20};
    config.isoCombustion =
        reader.ReadOneOf(kSection, "iso_t_comb", kCombustion, config.isoCombustion);
    config.isoMetering =
        reader.ReadOneOf(kSection, "iso_t_metering", kMetering, config.isoMetering);
    config.c6plus = flag("c6plus", config.c6plus);
    config.isoCheckLimit =
        reader.ReadDecimal(kSection, "iso_check_limit", 0, kMaxIsoCheckLimit, config.isoCheckLimit);
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
