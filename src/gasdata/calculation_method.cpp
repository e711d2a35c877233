#include "gasdata/calculation_method.h"

#include "text/text_format.h"

namespace zor06::gasdata {
namespace {

constexpr int kDelivered = 0;
constexpr int kComponentTable = 1;
constexpr int kIso6976 = 2;

// "t сгор. 25 °C, t изм. 20 °C" and the C6+ split when it is used.
std::string ConditionsText(const settings::ReportConfig& config) {
    return text::Printf("t сгор. %d °C, t изм. %d °C%s", config.isoCombustion, config.isoMetering,
                        config.c6plus == 1 ? ", C6+ как C6-C8" : "");
}

}  // namespace

iso6976::ReferenceConditions IsoConditionsOf(const settings::ReportConfig& config) {
    return {static_cast<double>(config.isoCombustion), static_cast<double>(config.isoMetering),
            config.c6plus == 1 ? iso6976::HeavyFraction::SplitHexaneHeptaneOctane
                               : iso6976::HeavyFraction::AsHexane};
}

std::string ReportStandardText(const settings::ReportConfig& config) {
    switch (config.calcFormula) {
        case kComponentTable:
            return "по ГОСТ 22667-82 и ГОСТ 30319.1-96";
        case kIso6976:
            // Short enough for the summary's one line: t1 combustion, t2 metering.
            return text::Printf("по ISO 6976:2016, t1=%d °C, t2=%d °C%s:", config.isoCombustion,
                                config.isoMetering, config.c6plus == 1 ? ", C6+ как C6-C8" : "");
        case kDelivered:
        default:
            return "по ДСТУ ISO 6976:2009:";
    }
}

std::string MomentaryFormulaLabel(const settings::ReportConfig& config) {
    switch (config.calcFormula) {
        case kComponentTable:
            return "Расчет по ГОСТ";
        case kIso6976:
            return "Расчет по ISO 6976:2016";
        case kDelivered:
        default:
            return "Расчет по ДСТУ ИСО";
    }
}

std::string CaptionMethodText(const settings::ReportConfig& config) {
    return config.calcFormula == kIso6976 ? "; расчет по ISO 6976:2016, " + ConditionsText(config)
                                          : std::string();
}

}  // namespace zor06::gasdata
