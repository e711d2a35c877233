// Saved message files from the command line: their rows as the view shows them.
#include <algorithm>
#include <cctype>
#include <cstdio>
#include <filesystem>
#include <optional>
#include <string>

#include "messages/message_file.h"
#include "zor06ctl/commands.h"
#include "zor06ctl/message_list_pdf.h"
#include "zor06ctl/message_rows.h"
#include "zor06ctl/output_files.h"
#include "zor06ctl/shared_options.h"

namespace zor06::ctl {
namespace {

std::optional<messages::Archive> ArchiveOfFile(const std::filesystem::path& path) {
    std::string ext = path.extension().string();
    std::ranges::transform(ext, ext.begin(), [](unsigned char c) { return std::tolower(c); });
    for (const auto archive : {messages::Archive::Interventions, messages::Archive::Diagnostics}) {
        if (ext == messages::FileExtension(archive)) {
            return archive;
        }
    }
    return std::nullopt;
}

int RunShowMessages(Session& s) {
    if (s.cl.args.size() != 1) {
        return UsageError("show-messages takes one .aud or .ala file", s.cl.command);
    }
    const std::filesystem::path path = s.cl.args[0];
    const auto archive = ArchiveOfFile(path);
    if (!archive) {
        return UsageError("show-messages takes a file ending in .aud or .ala", s.cl.command);
    }
    if (!MayWriteFiles(s.cl, {PdfFileOf(s.cl)})) {
        return kExitUsage;
    }
    const auto organisation = ListOrganisation(s);
    if (!organisation) {
        return kExitFailed;
    }
    const auto file = messages::ReadMessageFile(path, *archive, s.op);
    if (!file) {
        return kExitFailed;
    }
    const auto view = messages::OpenMessageView(*archive, file->header, file->lines,
                                                messages::ViewMode::FromFile, 0);
    std::fputs(MessageRowsText(view, RowFormatOf(s.cl)).c_str(), stdout);
    return WriteMessageListPdf(s, *organisation, file->header, view) ? kExitOk : kExitFailed;
}

constexpr Synopsis kShowMessagesSynopsis[] = {
    {"show-messages F.aud|F.ala [--pdf F] [--json|--csv]",
     "a saved message file's rows, and its printed list"},
};

constexpr Option kShowMessagesOptions[] = {kPdfOption};

}  // namespace

constinit const Command kShowMessagesCommand{
    .name = "show-messages",
    .synopsis = kShowMessagesSynopsis,
    .help =
        "zor06ctl show-messages FILE.aud|FILE.ala [--pdf FILE.pdf] [--json|--csv]\n"
        "  The rows of a saved message file as its view shows them, one line per row,\n"
        "  the cells trimmed of blanks and joined by tabs. --json prints one object\n"
        "  {caption, message, rows}; --csv the column headings and the rows as CSV\n"
        "  (RFC 4180, UTF-8); --pdf also writes the printed list, under the\n"
        "  organisation name of INI/title.ini of the work directory.\n",
    .run = RunShowMessages,
    .options = kShowMessagesOptions,
};

}  // namespace zor06::ctl
