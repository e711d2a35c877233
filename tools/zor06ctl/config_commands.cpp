// The clocks and the users of the connected controller.
#include <cstdio>
#include <string>
#include <vector>

#include "config/access_command.h"
#include "config/clock_command.h"
#include "config/clock_view.h"
#include "config/users_table.h"
#include "text/codepage.h"
#include "zor06ctl/commands.h"
#include "zor06ctl/json.h"

namespace zor06::ctl {
namespace {

// Reads the clocks as "Дата и время" does; none after the reason was reported.
std::optional<config::ClockView> ReadClockView(Session& s) {
    if (!ConnectLink(s)) {
        return std::nullopt;
    }
    return config::ReadClocks(s.tables).view;
}

std::string Trimmed(std::string text) {
    const auto end = text.find_last_not_of(' ');
    text.erase(end == std::string::npos ? 0 : end + 1);
    return text;
}

int RunClock(Session& s) {
    if (!s.cl.args.empty()) {
        return UsageError("clock takes no arguments", s.cl.command);
    }
    const auto view = ReadClockView(s);
    if (!view) {
        return kExitFailed;
    }
    const int correction = config::TimeCorrection(view->controller, view->pc);
    if (s.cl.json) {
        std::string json = "{\"clocks\": [";
        for (std::size_t i = 0; i < view->rows.size(); ++i) {
            const config::ClockRow& r = view->rows[i];
            std::vector<std::pair<std::string, std::string>> fields{
                {"label", r.label}, {"date", r.date}, {"time", r.time}};
            if (!r.weekday.empty()) {
                fields.insert(fields.end(), {{"weekday", r.weekday}, {"timeType", r.timeType}});
            }
            json += (i > 0 ? ", " : "") + JsonObject(fields);
        }
        std::printf("%s], \"correction\": %d, \"pcSyncAllowed\": %s}\n", json.c_str(), correction,
                    view->pcSyncAllowed ? "true" : "false");
        return kExitOk;
    }
    for (const config::ClockRow& r : view->rows) {
        std::printf("%s\t%s\t%s", r.label.c_str(), r.date.c_str(), r.time.c_str());
        if (!r.weekday.empty()) {
            std::printf("\t%s\t%s", r.weekday.c_str(), r.timeType.c_str());
        }
        std::printf("\n");
    }
    std::printf("Коррекция\t%d\n", correction);
    return kExitOk;
}

int RunSyncClock(Session& s) {
    if (!s.cl.args.empty()) {
        return UsageError("sync-clock takes no arguments", s.cl.command);
    }
    const auto view = ReadClockView(s);
    if (!view) {
        return kExitFailed;
    }
    if (!view->pcSyncAllowed) {
        std::fprintf(stderr, "Синхронизация времени контроллера с временем ЭВМ запрещена\n");
        return kExitFailed;
    }
    if (!s.op.ShowMessage(dialogue::MessageKind::Question,
                          "Вы уверены, что часы ЭВМ показывают правильное время?", "")) {
        return kExitFailed;
    }
    if (!config::SendTimeCorrection(s.tables, config::TimeCorrection(view->controller, view->pc))) {
        std::fprintf(stderr, "%s\n", s.link.StatusText().c_str());
        return kExitFailed;
    }
    std::printf("Корректировка времени выполнена\n");
    return kExitOk;
}

int RunUsers(Session& s) {
    if (!s.cl.args.empty()) {
        return UsageError("users takes no arguments", s.cl.command);
    }
    const auto users = ConnectLink(s) ? config::ReadUsers(s.tables) : std::nullopt;
    if (!users) {
        return kExitFailed;
    }
    std::string json;
    for (int slot = 0; slot < config::kUserSlots; ++slot) {
        const config::UserRecord& u = (*users)[static_cast<std::size_t>(slot)];
        if (!u.Registered()) {
            continue;
        }
        // Only the name and the level: passwords and codes are never shown.
        const std::string name = Trimmed(text::Cp1251ToUtf8(
            std::string_view(reinterpret_cast<const char*>(u.name.data()), u.name.size())));
        const std::string level(config::AccessLevelText(u.level));
        if (s.cl.json) {
            json += (json.empty() ? "" : ", ") + JsonObject({{"slot", std::to_string(slot + 1)},
                                                             {"name", name},
                                                             {"level", std::to_string(u.level)},
                                                             {"levelText", level}});
        } else {
            std::printf("%d\t%s\t%s\n", slot + 1, name.c_str(), level.c_str());
        }
    }
    if (s.cl.json) {
        std::printf("[%s]\n", json.c_str());
    }
    return kExitOk;
}

constexpr Synopsis kClockSynopsis[] = {
    {"clock [--json]", "the controller's, PC's and chromatograph's clocks"},
};

constexpr Synopsis kSyncClockSynopsis[] = {
    {"sync-clock [--yes]", "correct the controller's clock from the PC's"},
};

constexpr Synopsis kUsersSynopsis[] = {
    {"users [--json]", "the registered users and their access levels"},
};

}  // namespace

constinit const Command kClockCommand{
    .name = "clock",
    .synopsis = kClockSynopsis,
    .help =
        "zor06ctl [LINK] clock [--json]\n"
        "  Reads the controller's, the chromatograph's and the PC's clocks and prints\n"
        "  one line per clock: \"В контроллере<TAB>dd.mm.yy<TAB>hh:mm:ss<TAB>weekday<TAB>\n"
        "  time type\", \"В ЭВМ<TAB>...\", \"В хроматографе<TAB>dd.mm.yy<TAB>hh:mm:ss\",\n"
        "  then \"Коррекция<TAB>N\": the seconds a correction would add.\n",
    .run = RunClock,
};

constinit const Command kSyncClockCommand{
    .name = "sync-clock",
    .synopsis = kSyncClockSynopsis,
    .help =
        "zor06ctl [LINK] sync-clock [--yes]\n"
        "  Corrects the controller's clock from the PC's after the question \"Вы\n"
        "  уверены, что часы ЭВМ показывают правильное время?\" (\"Да\" only with\n"
        "  --yes); needs the credentials of a registered user. Exit 1 when the\n"
        "  controller forbids setting its clock from the PC.\n",
    .run = RunSyncClock,
};

constinit const Command kUsersCommand{
    .name = "users",
    .synopsis = kUsersSynopsis,
    .help =
        "zor06ctl [LINK] users [--json]\n"
        "  Prints one line per registered user: \"N<TAB>NAME<TAB>access level\" (N is the\n"
        "  slot from 1). Passwords and identification codes are never printed.\n",
    .run = RunUsers,
};

}  // namespace zor06::ctl
