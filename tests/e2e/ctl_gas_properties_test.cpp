// zor06ctl gas-properties: the values of a composition as both forms print them, and the
// compositions and conditions it refuses as wrong usage.
#include "tests/e2e/ctl_fixture.h"

namespace zor06::test {
namespace {

// The first worked example of the standard's annex, by the tool's component names.
const std::string kExample1 =
    "methane=93.3212,ethane=2.5656,propane=1.5368,nitrogen=1.0350,co2=1.5414";

TEST(CtlGasProperties, PrintsTheValuesOfTheComposition) {
    const auto table = Ctl(
        {"gas-properties", "--composition", kExample1, "--combustion", "15", "--metering", "15"});
    ASSERT_EQ(table.exitCode, 0) << table.err;
    EXPECT_EQ(table.err, "");
    for (const char* line :
         {"M\t17.388430 g/mol\n", "Z\t0.99776224\n", "Hs_molar\t906.179959 kJ/mol\n",
          "Hs_mass\t52.113961 MJ/kg\n", "Hs\t38.410611 MJ/m3\n"}) {
        EXPECT_NE(table.out.find(line), std::string::npos) << line << table.out;
    }
    EXPECT_TRUE(table.out.starts_with("ISO 6976:2016, combustion 15 °C, metering 15 °C"))
        << table.out;

    const auto json = Ctl({"--json", "gas-properties", "--composition", kExample1, "--combustion",
                           "15", "--metering", "15"});
    ASSERT_EQ(json.exitCode, 0) << json.err;
    EXPECT_TRUE(
        json.out.starts_with("{\"M\": 17.388430, \"Z\": 0.99776224, \"Hs_molar\": "
                             "906.179959, \"Hi_molar\": "))
        << json.out;
    for (const char* key :
         {"Hs_mass", "Hi_mass", "\"Hs\"", "\"Hi\"", "\"D\"", "\"d\"", "Ws", "Wi"}) {
        EXPECT_NE(json.out.find(key), std::string::npos) << key;
    }
}

TEST(CtlGasProperties, SaysWhenItNormalisedTheComposition) {
    const auto r = Ctl({"gas-properties", "--composition", "methane=99.8", "--json"});
    ASSERT_EQ(r.exitCode, 0) << r.err;
    EXPECT_EQ(r.err, "The components summed to 99.8000 % and were normalised to 100 %.\n");
    EXPECT_TRUE(r.out.starts_with("{\"M\": 16.042460, ")) << r.out;
}

TEST(CtlGasProperties, RefusesBadCompositionsAndConditions) {
    const struct {
        std::vector<std::string> args;
        const char* error;
    } cases[] = {
        {{"--composition", "methane=99"}, "Сумма молярных долей"},
        {{"--composition", "methane=-1,ethane=101"}, "отрицательна"},
        {{"--composition", "methane=nan,ethane=100"}, "не является числом"},
        {{"--composition", "methane=abc"}, "methane needs a number"},
        {{"--composition", "argon=100"}, "is not NAME=PCT"},
        {{"--composition", "methane=50,methane=50"}, "names methane twice"},
        {{"--composition", "methane=100", "--metering", "25"}, "--metering takes 0, 15 or 20"},
        {{"--composition", "methane=100", "--combustion", "10"}, "--combustion takes 0, 15"},
        {{"--composition", "methane=100", "--c6plus", "heptane"}, "--c6plus takes hexane or split"},
        {{}, "gas-properties needs --composition"},
    };
    for (const auto& c : cases) {
        std::vector<std::string> args{"gas-properties"};
        args.insert(args.end(), c.args.begin(), c.args.end());
        const auto r = Ctl(args);
        EXPECT_EQ(r.exitCode, 2) << c.error;
        EXPECT_EQ(r.out, "") << c.error;
        EXPECT_NE(r.err.find(c.error), std::string::npos) << r.err;
    }
}

}  // namespace
}  // namespace zor06::test
