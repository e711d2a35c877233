// Any bytes read as repconf_par.ini: every switch, temperature and count of decimals within its
// range or set; a number the file holds that fits is taken as it is, and one that does not takes
// its default and is named among the replaced values, with the text the file holds. The check's
// limit is a decimal number and is read the same way.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "settings/report_config.h"

namespace {

using namespace zor06::settings;

struct Key {
    std::string name;
    int value;
    std::function<bool(long long)> accepts;
    int fallback;
};

std::function<bool(long long)> UpTo(int max) {
    return [max](long long v) { return v >= 0 && v <= max; };
}

std::function<bool(long long)> OneOf(std::vector<long long> allowed) {
    return [allowed](long long v) { return std::ranges::find(allowed, v) != allowed.end(); };
}

std::vector<Key> KeysOf(const ReportConfig& c) {
    const ReportConfig def;
    std::vector<Key> keys{
        {"prz_composition", c.composition, UpTo(1), def.composition},
        {"thermal_unit", c.thermalUnit, UpTo(1), def.thermalUnit},
        {"calc_formula", c.calcFormula, UpTo(2), def.calcFormula},
        {"metan_corr", c.methaneCorrection, UpTo(1), def.methaneCorrection},
        {"iso_t_comb", c.isoCombustion, OneOf({0, 15, 20, 25}), def.isoCombustion},
        {"iso_t_metering", c.isoMetering, OneOf({0, 15, 20}), def.isoMetering},
        {"c6plus", c.c6plus, UpTo(1), def.c6plus}};
    for (std::size_t i = 0; i < c.decimals.size(); ++i) {
        keys.push_back(
            {"fr_" + std::to_string(i + 1), c.decimals[i], UpTo(kMaxDecimals), def.decimals[i]});
    }
    return keys;
}

// iso_check_limit: the number the file holds when it is one of 0..kMaxIsoCheckLimit, else the
// default, and named among the replaced values when the file held a number outside.
bool IsoCheckLimitRead(const IniFile& ini, double limit,
                       const std::vector<ReplacedValue>& replaced) {
    const double fallback = ReportConfig{}.isoCheckLimit;
    const auto text = ini.Find("REP_CONF", "iso_check_limit");
    const auto number = text ? ParseProfileDecimal(*text) : std::nullopt;
    const bool named = std::ranges::any_of(
        replaced, [](const ReplacedValue& r) { return r.key == "iso_check_limit"; });
    if (!number) {
        return limit == fallback && !named;
    }
    if (*number >= 0 && *number <= kMaxIsoCheckLimit) {
        return limit == *number && !named;
    }
    return limit == fallback && named;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const IniFile ini =
        IniFile::FromBytes(std::string_view(reinterpret_cast<const char*>(data), size));
    std::vector<ReplacedValue> replaced;
    const ReportConfig config = ReadReportConfig(ini, &replaced);
    if (!IsoCheckLimitRead(ini, config.isoCheckLimit, replaced)) {
        std::abort();
    }
    std::erase_if(replaced, [](const ReplacedValue& r) { return r.key == "iso_check_limit"; });
    const std::vector<Key> keys = KeysOf(config);
    std::size_t outside = 0;
    for (const Key& key : keys) {
        if (!key.accepts(key.value)) {
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
        if (key.accepts(*number)) {
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
            noted.value != std::to_string(key.fallback) || noted.section != "REP_CONF") {
            std::abort();
        }
    }
    if (outside != replaced.size()) {
        std::abort();
    }
    return 0;
}
