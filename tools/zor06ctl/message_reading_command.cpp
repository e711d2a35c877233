// Reading the message archives from the command line: the boundary indices first, then the same
// reading loops as the program, by index or by period.
#include <cstdio>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "messages/archive_commands.h"
#include "messages/archive_kind.h"
#include "messages/index_range.h"
#include "messages/message_file.h"
#include "messages/message_reading.h"
#include "platform/file_io.h"
#include "zor06ctl/commands.h"
#include "zor06ctl/hex.h"
#include "zor06ctl/message_dates.h"
#include "zor06ctl/message_list_pdf.h"
#include "zor06ctl/message_rows.h"
#include "zor06ctl/output_files.h"
#include "zor06ctl/reading_exit.h"
#include "zor06ctl/shared_options.h"
#include "zor06ctl/work_folder.h"

namespace zor06::ctl {
namespace {

// What the arguments after the archive name ask for.
struct MessageRequest {
    messages::Archive archive = messages::Archive::Diagnostics;
    enum class How { All, Last, Index, Period } how = How::All;
    std::uint32_t first = 0;  // --last N: N; --index: the start
    std::uint32_t count = 0;  // --index: the count
    bytes::ControllerDateTime from{};
    bytes::ControllerDateTime to{};
};

std::optional<std::uint32_t> ParseIndex(const std::string& text) {
    if (text.empty() || text.size() > 10 ||
        text.find_first_not_of("0123456789") != std::string::npos) {
        return std::nullopt;
    }
    const unsigned long long v = std::stoull(text);
    if (v > 0xFFFFFFFFULL) {
        return std::nullopt;
    }
    return static_cast<std::uint32_t>(v);
}

std::optional<MessageRequest> ParseRequest(const std::vector<std::string>& args,
                                           std::string* error) {
    MessageRequest r;
    if (args.empty() || (args[0] != "interventions" && args[0] != "diagnostics")) {
        *error = "messages takes interventions or diagnostics first";
        return std::nullopt;
    }
    r.archive = args[0] == "interventions" ? messages::Archive::Interventions
                                           : messages::Archive::Diagnostics;
    const std::vector<std::string> rest(args.begin() + 1, args.end());
    if (rest.size() == 1 && rest[0] == "--all") {
        r.how = MessageRequest::How::All;
    } else if (rest.size() == 2 && rest[0] == "--last") {
        const auto n = ParseIndex(rest[1]);
        if (!n || *n == 0) {
            *error = "--last takes a number of records from 1";
            return std::nullopt;
        }
        r.how = MessageRequest::How::Last;
        r.first = *n;
    } else if (rest.size() == 3 && rest[0] == "--index") {
        const auto start = ParseIndex(rest[1]);
        const auto count = ParseIndex(rest[2]);
        if (!start || !count) {
            *error = "--index takes START COUNT, whole numbers";
            return std::nullopt;
        }
        r.how = MessageRequest::How::Index;
        r.first = *start;
        r.count = *count;
    } else if (rest.size() == 4 && rest[0] == "--from" && rest[2] == "--to") {
        const auto from = ParseMessageDate(rest[1]);
        const auto to = ParseMessageDate(rest[3]);
        if (!from || !to) {
            *error = "--from and --to take \"DD.MM.YY HH:MM:SS\"";
            return std::nullopt;
        }
        r.how = MessageRequest::How::Period;
        r.from = *from;
        r.to = *to;
    } else {
        *error =
            "messages takes one of --all, --last N, --index START COUNT, --from DATE --to DATE";
        return std::nullopt;
    }
    return r;
}

// The range to read by index, after the same checks as the index dialog; none after a message.
std::optional<messages::IndexSelection> IndexRange(Session& s, const MessageRequest& r) {
    const std::optional<messages::IndexBounds> found =
        messages::ReadIndexBounds(s.tables, r.archive);
    if (!found) {
        return std::nullopt;
    }
    const messages::IndexBounds& bounds = *found;
    switch (r.how) {
        case MessageRequest::How::All:
            return messages::WholeRange(bounds);
        case MessageRequest::How::Last:
            return messages::LastRecords(bounds, r.first);
        default: {
            const messages::IndexVerdict verdict =
                messages::CheckIndexEntry(bounds, r.first, r.count);
            if (!verdict.accepted) {
                s.op.ShowMessage(dialogue::MessageKind::InputError, verdict.text1, verdict.text2);
            }
            return verdict.accepted;
        }
    }
}

// --save: the saved lines as the view's "Сохранить в файле" writes them.
bool SaveMessageFile(Session& s, const std::filesystem::path& path, const messages::MessageSet& set,
                     const messages::MessageView& view) {
    std::string reason;
    const std::string bytes = messages::EncodeMessageFile(set.archive, set.header, view.rows);
    if (!platform::WriteFileAtomically(path, bytes, &reason)) {
        s.op.ShowMessage(dialogue::MessageKind::Error, "Ошибка записи файла " + path.string(),
                         reason);
        return false;
    }
    return true;
}

int RunMessages(Session& s) {
    std::string error;
    const std::optional<MessageRequest> request = ParseRequest(s.cl.args, &error);
    if (!request) {
        return UsageError(error, s.cl.command);
    }
    if (request->how == MessageRequest::How::Period && request->to < request->from) {
        s.op.ShowMessage(dialogue::MessageKind::InputError, "Дата и время конца опроса должны быть",
                         "больше даты и времени начала опроса");
        return kExitFailed;
    }
    // A name without extension gets the archive's, as the view's save dialog gives it.
    const std::string save = SaveFileOf(s.cl);
    const std::filesystem::path saveTo =
        save.empty() ? std::filesystem::path()
                     : WithExtension(save, messages::FileExtension(request->archive));
    if (!MayWriteFiles(s.cl, {saveTo, PdfFileOf(s.cl)})) {
        return kExitUsage;
    }
    const auto organisation = ListOrganisation(s);
    // The code page of the names and the controller's name and serial number in the header come
    // from the identification, as in the program, where every reading follows one.
    if (!organisation || !ConnectAndIdentify(s)) {
        return kExitFailed;
    }
    const platform::TemporaryFolder folder("zor06ctl-messages",
                                           {messages::KindOf(request->archive).workFile});
    if (!WorkFolderMade(s, folder)) {
        return kExitFailed;
    }
    std::optional<messages::MessageSet> read;
    messages::ReadingContext ctx{s.tables, folder.Path(),
                                 [&read](const messages::MessageSet& set) { read = set; }};
    archive::ReadingEnd end = archive::ReadingEnd::NothingShown;
    if (request->how == MessageRequest::How::Period) {
        end = messages::ReadMessagesByPeriod(ctx, request->archive, request->from, request->to);
    } else {
        const auto range = IndexRange(s, *request);
        if (!range) {
            return kExitFailed;
        }
        end = messages::ReadMessagesByIndex(ctx, request->archive, range->start, range->count);
    }
    if (!read) {
        return kExitFailed;
    }
    const auto view =
        messages::OpenMessageView(read->archive, read->header, read->records, read->mode,
                                  read->startIndex, messages::DecodeOptionsOf(s.image));
    std::fputs(MessageRowsText(view, RowFormatOf(s.cl)).c_str(), stdout);
    const bool written = (saveTo.empty() || SaveMessageFile(s, saveTo, *read, view)) &&
                         WriteMessageListPdf(s, *organisation, read->header, view);
    return ReadingExit(written ? kExitOk : kExitFailed, end);
}

constexpr Synopsis kMessagesSynopsis[] = {
    {"messages interventions|diagnostics (--all | --last N | --index START COUNT |\n"
     "--from DATE --to DATE) [--save F] [--pdf F] [--json|--csv]",
     "read a message archive, one line per record"},
};

// The selection is read with the arguments; its numbers and dates follow as plain ones.
constexpr Option kMessagesOptions[] = {
    {.name = "--all", .amongArguments = true},
    {.name = "--last", .amongArguments = true},
    {.name = "--index", .amongArguments = true},
    {.name = "--from", .amongArguments = true},
    {.name = "--to", .amongArguments = true},
    kSaveOption,
    kOutOption,
    kPdfOption,
};

}  // namespace

constinit const Command kMessagesCommand{
    .name = "messages",
    .synopsis = kMessagesSynopsis,
    .help =
        "zor06ctl [LINK] messages interventions|diagnostics SELECTION [--save FILE]\n"
        "         [--pdf FILE] [--json|--csv]\n"
        "  SELECTION  --all | --last N | --index START COUNT | --from DATE --to DATE\n"
        "  DATE \"DD.MM.YY HH:MM:SS\" (a four-digit year and no seconds are accepted).\n"
        "  Identifies the controller (the code page of its names), reads the boundary\n"
        "  indices (not by period), then the records, and prints one line per row of\n"
        "  the archive's view. --save writes the .aud/.ala file, --pdf the printed list\n"
        "  under the organisation name of INI/title.ini. --csv prints the view's\n"
        "  column headings and rows as CSV (RFC 4180, UTF-8).\n",
    .run = RunMessages,
    .options = kMessagesOptions,
};

}  // namespace zor06::ctl
