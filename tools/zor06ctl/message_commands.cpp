// Saved message files from the command line: their rows as the view shows them.
#include <algorithm>
#include <cctype>
#include <cstdio>
#include <filesystem>
#include <optional>
#include <string>

#include "messages/message_file.h"
#include "messages/message_list_document.h"
#include "zor06ctl/commands.h"
#include "zor06ctl/message_rows.h"
#include "zor06ctl/pdf_output.h"

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

}  // namespace

int RunShowMessages(Session& s) {
    if (s.cl.args.size() != 1) {
        return UsageError("show-messages takes one .aud or .ala file", s.cl.command);
    }
    const std::filesystem::path path = s.cl.args[0];
    const auto archive = ArchiveOfFile(path);
    if (!archive) {
        return UsageError("show-messages takes a file ending in .aud or .ala", s.cl.command);
    }
    const auto file = messages::ReadMessageFile(path, *archive, s.op);
    if (!file) {
        return kExitFailed;
    }
    const auto view = messages::OpenMessageView(*archive, file->header, file->lines,
                                                messages::ViewMode::FromFile, 0);
    std::fputs(MessageRowsText(view, RowFormatOf(s.cl)).c_str(), stdout);
    if (!s.cl.pdf.empty()) {
        std::string reason;
        if (!WriteDocumentPdf(messages::MessageListDocument(*archive, file->header, view.rows, ""),
                              s.cl.pdf, &reason)) {
            std::fprintf(stderr, "Ошибка печати данных: %s\n", reason.c_str());
            return kExitFailed;
        }
    }
    return kExitOk;
}

}  // namespace zor06::ctl
