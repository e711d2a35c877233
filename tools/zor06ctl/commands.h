// The commands of zor06ctl; each returns the process exit status.
#pragma once

#include <filesystem>
#include <optional>
#include <string>

#include "link/dial_number.h"
#include "link/hgcbox.h"
#include "settings/settings_types.h"
#include "tables/controller_image.h"
#include "tables/table_service.h"
#include "zor06ctl/cli_options.h"
#include "zor06ctl/command_table.h"
#include "zor06ctl/console_operator.h"

namespace zor06::ctl {

// What a command works with: the link, the controller image and the operator.
struct Session {
    explicit Session(const CommandLine& commandLine)
        : cl(commandLine), op(commandLine.yes, commandLine.retries), tables{link, image, op} {
        op.verbose = commandLine.verbose;
    }
    const CommandLine& cl;
    link::hgcbox link;
    tables::ControllerImage image;
    ConsoleOperator op;
    tables::TableContext tables;
    bool dialled = false;  // the modem of --phone may be in a call that wants hanging up
};

// Opens the link that --tcp or --serial names; false after reporting why.
bool ConnectLink(Session& s);
// Opens the link and identifies the controller as the program's connection start-up does: table
// 0 (the code page of the names among it), then the names, the system parameters and the serial
// number that readings put into their data-set headers. False after reporting why.
bool ConnectAndIdentify(Session& s);

// The work directory of --workdir (or the default one), made where missing; none after saying why.
std::optional<std::filesystem::path> WorkDirectory(const Session& s);

// The settings of `workDir` as the program loads them, their problems on stderr.
settings::ProgramSettings LoadWorkDirSettings(Session& s, const std::filesystem::path& workDir);

// The telephone link (--phone, or the stored telephone subscriber): dials on the open line,
// asking to try again as --yes allows; false after reporting why. EndCall hangs up a call that
// DialPhone may have left up.
bool DialPhone(Session& s, const link::DialRequest& request);
void EndCall(Session& s);

// Prints a wrong-usage message with the command's help; returns kExitUsage.
int UsageError(const std::string& text, const std::string& command);

// Prints fields of the image as "T.F HEX" lines.
void PrintFields(const tables::ControllerImage& image, int table, int first, int count);

// The rows of the commands, each defined in the command's own file.
extern const Command kReadTableCommand;
extern const Command kWriteTableCommand;
extern const Command kRequestCommand;
extern const Command kSearchCommand;
extern const Command kIdentifyCommand;
extern const Command kReadConfigCommand;
extern const Command kClockCommand;
extern const Command kSyncClockCommand;
extern const Command kUsersCommand;
extern const Command kSaveConfigCommand;
extern const Command kWriteConfigCommand;
extern const Command kShowConfigCommand;
extern const Command kProtocolCommand;
extern const Command kPrintProtocolCommand;
extern const Command kStatusCommand;
extern const Command kFunctionsCommand;
extern const Command kShowMessagesCommand;
extern const Command kMessagesCommand;
extern const Command kBoundsCommand;
extern const Command kChromatographCommand;
extern const Command kMoistureCommand;
extern const Command kMomentaryCommand;
extern const Command kExtraParamsCommand;
extern const Command kShowDataCommand;
extern const Command kPassportCommand;
extern const Command kGasPropertiesCommand;
extern const Command kCollectCommand;
extern const Command kDbCommand;

// moisture momentary.
int RunMoistureMomentary(Session& s);

}  // namespace zor06::ctl
