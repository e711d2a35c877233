// write-config: a configuration file into the controller, as the restoration writes it.
#include <cstdio>
#include <optional>
#include <sstream>
#include <string>

#include "config/config_file.h"
#include "config/prepare_image.h"
#include "config/restore_tables.h"
#include "config/table_state.h"
#include "config/write_tables.h"
#include "tables/identification.h"
#include "tables/table_numbers.h"
#include "text/text_format.h"
#include "zor06ctl/commands.h"
#include "zor06ctl/hex.h"

namespace zor06::ctl {
namespace {

// The tables to write: "all" or a list "T,T,..."; all when not given.
constexpr Option kTablesOption{.name = "--tables", .value = "all|T,T,..."};

// "all" or "T,T,..." of writable tables; none with `error` set.
std::optional<config::Selection> ParseTables(const std::string& text,
                                             const config::TableStates& states,
                                             std::string* error) {
    config::TableStates chosen = states;
    if (text.empty() || text == "all") {
        config::SelectAll(chosen);
        return chosen.selected;
    }
    config::Selection selection{};
    std::istringstream list(text);
    std::string item;
    while (std::getline(list, item, ',')) {
        const auto table = ParseInt(item, 0, tables::kTableCount - 1);
        if (!table || !tables::Table(*table).writable) {
            *error = "--tables: not a writable table: " + item;
            return std::nullopt;
        }
        selection[static_cast<std::size_t>(*table)] = true;
    }
    if (text.back() == ',') {
        *error = "--tables: an empty table number";
        return std::nullopt;
    }
    return selection;
}

int Failed(const Session& s) {
    std::fprintf(stderr, "%s\n", s.link.StatusText().c_str());
    return kExitFailed;
}

int Written(const config::Selection& selection) {
    int n = 0;
    for (const bool b : selection) {
        n += b ? 1 : 0;
    }
    return n;
}

int RunWriteConfig(Session& s) {
    if (s.cl.args.size() != 1) {
        return UsageError("write-config takes one configuration file", s.cl.command);
    }
    const auto buffer = config::ReadConfigFile(s.cl.args[0], s.op);
    if (!buffer) {
        return kExitFailed;
    }
    if (!ConnectLink(s)) {
        return kExitFailed;
    }
    const auto states = config::ReadTableStatesBeforeWrite(s.tables);
    if (!states) {
        return Failed(s);
    }
    std::string error;
    auto selection = ParseTables(s.cl.ValueOf({kTablesOption.name}), *states, &error);
    if (!selection) {
        return UsageError(error, s.cl.command);
    }
    const int chosen = Written(*selection);
    if (!config::PrepareImage(*buffer, s.image, (*selection)[tables::kUsersTable], s.op)) {
        return kExitFailed;
    }
    // A destroyed users table knows nobody; an intact one is written by the program user.
    if ((*selection)[tables::kUsersTable] && states->destroyed[tables::kUsersTable]) {
        if (!config::WriteUsersAsNobody(s.tables)) {
            return Failed(s);
        }
        (*selection)[tables::kUsersTable] = false;
    }
    if ((*selection)[tables::kClockTable] && !config::WriteClockFromPc(s.tables, *selection)) {
        std::fprintf(stderr, "Время контроллера не записано\n");
        return kExitFailed;
    }
    if (!config::WriteTables(s.tables, *selection)) {
        return Failed(s);
    }
    std::printf("Записано таблиц: %d\n", chosen);
    const auto left = tables::ReadDestroyedTable(s.tables);
    if (!left) {
        return Failed(s);
    }
    if (*left != 0) {
        std::fprintf(stderr, "%s\n", text::Printf("Разрушена таблица № %d", *left).c_str());
        return kExitFailed;
    }
    return kExitOk;
}

constexpr Synopsis kWriteConfigSynopsis[] = {
    {"write-config FILE [--tables all|T,T,...]", "write a configuration file into the controller"},
};

constexpr Option kWriteConfigOptions[] = {kTablesOption};

}  // namespace

constinit const Command kWriteConfigCommand{
    .name = "write-config",
    .synopsis = kWriteConfigSynopsis,
    .help =
        "zor06ctl [LINK] write-config FILE [--tables all|T,T,...] [--yes]\n"
        "  Writes a configuration file (.cnf) into the controller as the restoration of\n"
        "  destroyed tables does: the file's checks (their messages on stderr, exit 1),\n"
        "  then the chosen tables in the controller's order (flow computers first).\n"
        "  \"all\" (the default) is every writable table but the clock (2) and the\n"
        "  users (4), which are written only when table 7 reports them destroyed or\n"
        "  they are named. A destroyed users table is written with blank credentials;\n"
        "  the clock gets the PC's time after a question (\"Да\" only with --yes).\n",
    .run = RunWriteConfig,
    .options = kWriteConfigOptions,
};

}  // namespace zor06::ctl
