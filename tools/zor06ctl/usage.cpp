// The tool's help: the link and the common options, the command list made from the commands'
// rows, the exit statuses.
#include <string>
#include <string_view>

#include "zor06ctl/command_table.h"

namespace zor06::ctl {
namespace {

constexpr std::string_view kToolHead =
    "zor06ctl [LINK] COMMAND [ARGS]\n"
    "LINK  --tcp HOST:PORT | --serial DEVICE [--baud N (default 9600)]\n"
    "      --address N (1..255, default 1)  --preambles N (default 5)\n"
    "      --attempts N (default 1)  --first-byte-timeout MS (default 5000)\n"
    "      --inter-byte-timeout MS (default 300)\n"
    "      --phone NUMBER  with --serial: the line is a modem; dial NUMBER before the\n"
    "                      command (result texts on stderr) and hang up after it\n"
    "      --modem-command TEXT  AT commands sent before the dial, split at ^\n"
    "                      (e.g. \"AT&F^ATS0=0\")\n"
    "      --password TEXT  --id-code DIGITS   the program user's credentials; text on\n"
    "                      the command line is visible to other users in the process\n"
    "                      list: prefer --password-file FILE, --id-code-file FILE (first\n"
    "                      line) or the variables ZOR06_PASSWORD and ZOR06_ID_CODE\n"
    "      --workdir DIR   without --tcp/--serial: the link kept in DIR/INI/conn.ini\n"
    "                      (default $XDG_DATA_HOME/zor06); on the telephone link\n"
    "                      its current subscriber is dialled as with --phone\n"
    "      --yes (answer questions \"Да\" and replace existing files; \"Повторить\n"
    "      попытку?\" at most --retries N times in a row, default 3)\n"
    "      --verbose (progress texts on stderr)\n"
    "      --trace  every request and reply on stderr as the exchange monitor shows\n"
    "               them: time, direction, code, length, the bytes in hex; the reply\n"
    "               line adds the wait in ms and the link's status text\n"
    "COMMANDS\n";

constexpr std::string_view kToolTail =
    "--csv  messages, show-messages, chromatograph, moisture and show-data print their\n"
    "      rows as CSV (RFC 4180, UTF-8) instead of tab-separated lines; not with --json\n"
    "Exit status: 0 success, 1 a controller operation failed, 2 wrong usage or a\n"
    "file to be written exists already (replaced only with --yes).\n"
    "COMMAND --help shows the command's own help.\n";

}  // namespace

std::string Usage(std::string_view command) {
    if (const Command* row = FindCommand(command)) {
        return CommandHelp(*row);
    }
    std::string usage(kToolHead);
    for (const Command* row : Commands()) {
        for (const Synopsis& synopsis : row->synopsis) {
            usage += CommandListEntry(synopsis);
        }
    }
    usage += kToolTail;
    return usage;
}

}  // namespace zor06::ctl
