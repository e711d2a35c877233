// The daily and monthly gas-quality passports from the command line, built as the menu commands
// build them; the parameters screen's choice comes from the options.
#include <cstdio>
#include <filesystem>
#include <optional>
#include <string>

#include "gasdata/passport_reading.h"
#include "gasdata/passport_templates.h"
#include "settings/ini_file.h"
#include "settings/list_files.h"
#include "settings/list_sort.h"
#include "settings/settings_store.h"
#include "settings/work_dir.h"
#include "tables/controller_date.h"
#include "text/cp1251_text.h"
#include "zor06ctl/commands.h"
#include "zor06ctl/output_files.h"
#include "zor06ctl/shared_options.h"

namespace zor06::ctl {
namespace {

namespace fs = std::filesystem;
using gasdata::PassportMode;

constexpr std::size_t kObjectNameChars = 49;

struct PassportArgs {
    PassportMode mode = PassportMode::Day;
    std::array<std::uint8_t, 3> date{};
    std::string object;
};

// "DD.MM.YY" (day) or "MM.YY" (month), the day checked against its month.
std::optional<std::array<std::uint8_t, 3>> ParseDate(const std::string& text, bool withDay) {
    int day = 1;
    int month = 0;
    int year = 0;
    char tail = 0;
    const int fields = withDay
                           ? std::sscanf(text.c_str(), "%2d.%2d.%2d%c", &day, &month, &year, &tail)
                           : std::sscanf(text.c_str(), "%2d.%2d%c", &month, &year, &tail);
    if (fields != (withDay ? 3 : 2) || year < 0 || year > 99 || day < 1 ||
        day > tables::DaysInMonth(2000 + year, month)) {
        return std::nullopt;
    }
    return std::array<std::uint8_t, 3>{static_cast<std::uint8_t>(year),
                                       static_cast<std::uint8_t>(month),
                                       static_cast<std::uint8_t>(day)};
}

std::optional<PassportArgs> ParseArgs(const CommandLine& cl, std::string* error) {
    const auto& a = cl.args;
    if (a.empty() || (a[0] != "day" && a[0] != "month") || RunOf(cl) == 0) {
        *error = "passport takes day or month and --run 1|2";
        return std::nullopt;
    }
    PassportArgs out;
    out.mode = a[0] == "day" ? PassportMode::Day : PassportMode::Month;
    const std::string dateOption = out.mode == PassportMode::Day ? "--date" : "--month";
    bool dated = false;
    for (std::size_t i = 1; i < a.size(); i += 2) {
        if (i + 1 >= a.size() || (a[i] != dateOption && a[i] != "--object")) {
            *error = "passport " + a[0] + " takes " + dateOption + " and --object";
            return std::nullopt;
        }
        if (a[i] == "--object") {
            out.object = text::CutToField(a[i + 1], kObjectNameChars);
            continue;
        }
        const auto date = ParseDate(a[i + 1], out.mode == PassportMode::Day);
        if (!date) {
            *error =
                dateOption + (out.mode == PassportMode::Day ? " takes DD.MM.YY" : " takes MM.YY");
            return std::nullopt;
        }
        out.date = *date;
        dated = true;
    }
    if (!dated || out.object.empty()) {
        *error = "passport " + a[0] + " needs " + dateOption + " and --object";
        return std::nullopt;
    }
    return out;
}

// The object becomes the current one of objects.ini, appended and saved when it is new.
bool SelectObject(Session& s, const fs::path& workDir, const std::string& name) {
    const fs::path iniDir = settings::IniDir(workDir);
    std::string reason;
    const auto ini = settings::LoadIniFile(iniDir / settings::kObjectListFile, &reason);
    if (!ini) {
        s.op.ShowMessage(
            dialogue::MessageKind::Error,
            "Не удалось прочитать файл " + (iniDir / settings::kObjectListFile).string(), reason);
        return false;
    }
    settings::ProgramSettings program;
    settings::ObjectList& list = program.objects;
    list = settings::ReadObjectList(*ini);
    program.objectsSaved = list;
    for (std::size_t i = 0; i < list.entries.size(); ++i) {
        if (list.entries[i].name == name) {
            list.current = static_cast<std::uint8_t>(i);
            return true;
        }
    }
    if (list.entries.size() >= settings::ObjectList::kCapacity) {
        s.op.ShowMessage(dialogue::MessageKind::InputError, "Не введено наименование объекта", "");
        return false;
    }
    list.entries.push_back({name, static_cast<std::uint8_t>(s.link.address)});
    list.current = static_cast<std::uint8_t>(list.entries.size() - 1);
    settings::SortList(list);
    return settings::SaveObjects(program, iniDir, s.op);
}

int RunPassport(Session& s) {
    std::string error;
    const auto args = ParseArgs(s.cl, &error);
    if (!args) {
        return UsageError(error, s.cl.command);
    }
    const std::string out = SaveFileOf(s.cl);
    if (!MayWriteFiles(s.cl, {out})) {
        return kExitUsage;
    }
    const auto workDir = WorkDirectory(s);
    if (!workDir) {
        return kExitFailed;
    }
    const int run = RunOf(s.cl) - 1;
    gasdata::PassportContext ctx{
        s.tables,
        *workDir,
        [&](PassportMode mode,
            const gasdata::ArchiveBounds& bounds) -> std::optional<gasdata::PassportChoice> {
            if (const auto e = gasdata::PassportChoiceError(mode, args->date, true, bounds)) {
                s.op.ShowMessage(dialogue::MessageKind::InputError, e->first, e->second);
                return std::nullopt;
            }
            if (!SelectObject(s, *workDir, args->object)) {
                return std::nullopt;
            }
            return gasdata::PassportChoice{args->date, args->object};
        },
        {},
        out.empty() ? std::nullopt : std::optional<fs::path>(out),
        gasdata::TemplateSources()};
    if (!ConnectAndIdentify(s)) {
        return kExitFailed;
    }
    // The report's name in REPORT takes the run's name, known once the controller is identified;
    // the archive is read only after that.
    if (out.empty() && !MayWriteFiles(s.cl, {gasdata::PassportPath(ctx, args->mode, run,
                                                                   {args->date, args->object})})) {
        return kExitUsage;
    }
    const auto path = gasdata::MakePassport(ctx, args->mode, run);
    if (!path) {
        return kExitFailed;
    }
    std::printf("%s\n", path->string().c_str());
    return kExitOk;
}

constexpr Synopsis kPassportSynopsis[] = {
    {"passport day|month --run 1|2 (--date DD.MM.YY | --month MM.YY) --object NAME\n"
     "[--out F]",
     "build a gas-quality passport; prints its path"},
};

// The date and the object are read with the arguments, each with the argument after it.
constexpr Option kPassportOptions[] = {
    {.name = "--date", .value = "DD.MM.YY", .amongArguments = true},
    {.name = "--month", .value = "MM.YY", .amongArguments = true},
    {.name = "--object", .value = "NAME", .amongArguments = true},
    kRunOption,
    kOutOption,
    kSaveOption,
};

}  // namespace

constinit const Command kPassportCommand{
    .name = "passport",
    .synopsis = kPassportSynopsis,
    .help =
        "zor06ctl [LINK] passport day --run 1|2 --date DD.MM.YY --object NAME [--out FILE]\n"
        "zor06ctl [LINK] passport month --run 1|2 --month MM.YY --object NAME [--out FILE]\n"
        "  Builds the daily or monthly gas-quality passport of the run as the menu command\n"
        "  does: the daily archive's bounds, the date's check, the records of the gas day\n"
        "  (from the contract hour) or of the month read from the controller, the workbook\n"
        "  filled from day_report_title_v5.xlsx or mon_report_title_v5.xlsx of the work\n"
        "  directory (copied there from the program's own when missing). The object\n"
        "  becomes the current object of INI/objects.ini, appended when it is new. Prints\n"
        "  the path of the workbook: REPORT/OBJECT_RUN_day_YYMMDD.xlsx or\n"
        "  REPORT/OBJECT_RUN_mon_YYMM.xlsx (an existing one is replaced only with --yes),\n"
        "  or FILE with --out.\n",
    .run = RunPassport,
    .options = kPassportOptions,
};

}  // namespace zor06::ctl
