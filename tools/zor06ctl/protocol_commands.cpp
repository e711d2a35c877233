// Configuration protocols from the command line: a configuration file's values as the protocol
// lists them, a protocol of the connected controller, and the document of a saved protocol.
#include <cstdio>
#include <string>
#include <vector>

#include "config/config_file.h"
#include "config/protocol_command.h"
#include "config/protocol_content.h"
#include "zor06ctl/commands.h"
#include "zor06ctl/json.h"
#include "zor06ctl/output_files.h"
#include "zor06ctl/pdf_output.h"
#include "zor06ctl/shared_options.h"

namespace zor06::ctl {
namespace {

struct Line {
    std::string section;
    std::string label;
    std::string value;
};

// One line per label/value row, and per table cell with "ROW: COLUMN" as its label.
std::vector<Line> ContentLines(const config::ProtocolContent& content) {
    std::vector<Line> lines;
    for (const config::ProtocolSection& s : content.sections) {
        for (const auto& row : s.rows) {
            if (s.kind == config::SectionKind::Fields && row.size() == 2) {
                lines.push_back({s.heading, row[0], row[1]});
            } else if (s.kind == config::SectionKind::Table && !row.empty()) {
                for (std::size_t i = 1; i < row.size() && i < s.columns.size(); ++i) {
                    lines.push_back({s.heading, row[0] + ": " + s.columns[i], row[i]});
                }
            }
        }
    }
    return lines;
}

bool SavePdf(const config::ProtocolRecord& record, const std::string& path) {
    std::string reason;
    if (!WriteProtocolPdf(record, path, &reason)) {
        std::fprintf(stderr, "Ошибка вывода данных: %s\n", reason.c_str());
        return false;
    }
    std::printf("%s\n", path.c_str());
    return true;
}

int RunShowConfig(Session& s) {
    if (s.cl.args.size() != 1) {
        return UsageError("show-config takes one configuration file", s.cl.command);
    }
    const auto buffer = config::ReadConfigFile(s.cl.args[0], s.op);
    if (!buffer) {
        return kExitFailed;
    }
    const auto lines =
        ContentLines(config::BuildProtocolContent(config::ProtocolFromConfig(*buffer)));
    std::string json;
    for (const Line& l : lines) {
        if (s.cl.json) {
            json += (json.empty() ? "" : ", ") +
                    JsonObject({{"section", l.section}, {"label", l.label}, {"value", l.value}});
        } else {
            std::printf("%s\t%s\t%s\n", l.section.c_str(), l.label.c_str(), l.value.c_str());
        }
    }
    if (s.cl.json) {
        std::printf("[%s]\n", json.c_str());
    }
    return kExitOk;
}

int RunProtocol(Session& s) {
    if (!s.cl.args.empty()) {
        return UsageError("protocol takes only --out and --pdf", s.cl.command);
    }
    // Without --out the protocol takes its proposed name, known once the tables have been read.
    const std::string out = SaveFileOf(s.cl);
    const std::string pdf = PdfFileOf(s.cl);
    const std::filesystem::path named =
        out.empty() ? std::filesystem::path() : WithExtension(out, ".prc");
    if (!MayWriteFiles(s.cl, {named, pdf})) {
        return kExitUsage;
    }
    const auto workDir = named.empty() ? WorkDirectory(s) : std::nullopt;
    if ((named.empty() && !workDir) || !ConnectLink(s) || !config::ReadProtocolTables(s.tables)) {
        return kExitFailed;
    }
    const config::ProtocolRecord record =
        config::BuildPresentProtocol(s.tables, s.tables.clock.LocalDateTime());
    std::filesystem::path path = named;
    if (path.empty()) {
        path = config::ProposedProtocolPath(record, *workDir);
        if (!MayWriteFiles(s.cl, {path})) {
            return kExitUsage;
        }
    }
    if (!config::WriteProtocolFile(path, record, s.op)) {
        return kExitFailed;
    }
    std::printf("%s\n", path.string().c_str());
    return pdf.empty() || SavePdf(record, pdf) ? kExitOk : kExitFailed;
}

int RunPrintProtocol(Session& s) {
    const std::string pdf = PdfFileOf(s.cl);
    if (s.cl.args.size() != 1 || pdf.empty()) {
        return UsageError("print-protocol takes one protocol file and --pdf", s.cl.command);
    }
    if (!MayWriteFiles(s.cl, {pdf})) {
        return kExitUsage;
    }
    const auto record = config::ReadProtocolFile(s.cl.args[0], s.op);
    if (!record) {
        return kExitFailed;
    }
    return SavePdf(*record, pdf) ? kExitOk : kExitFailed;
}

constexpr Synopsis kShowConfigSynopsis[] = {
    {"show-config FILE.cnf [--json]", "a configuration file's values as a protocol lists them"},
};

constexpr Synopsis kProtocolSynopsis[] = {
    {"protocol [--out F] [--pdf F]", "save a configuration protocol of the controller"},
};

constexpr Option kProtocolOptions[] = {kOutOption, kSaveOption, kPdfOption};

constexpr Synopsis kPrintProtocolSynopsis[] = {
    {"print-protocol F.prc --pdf F", "a saved protocol's printed document as PDF"},
};

constexpr Option kPrintProtocolOptions[] = {kPdfOption};

}  // namespace

constinit const Command kShowConfigCommand{
    .name = "show-config",
    .synopsis = kShowConfigSynopsis,
    .help =
        "zor06ctl show-config FILE.cnf [--json]\n"
        "  The configuration of a file as a protocol lists it, one line per value:\n"
        "  \"SECTION<TAB>LABEL<TAB>VALUE\". Table sections give one line per cell with\n"
        "  the label \"ROW: COLUMN\", ROW being the row's first cell (\"Параметры "
        "газа<TAB>\n"
        "  8: Запись в ВРГ<TAB>Да\"). --json prints a list of {section, label, value}.\n",
    .run = RunShowConfig,
};

constinit const Command kProtocolCommand{
    .name = "protocol",
    .synopsis = kProtocolSynopsis,
    .help =
        "zor06ctl [LINK] protocol [--out FILE.prc] [--pdf FILE.pdf]\n"
        "  Reads every configuration table and the software checksum, saves the\n"
        "  protocol (by default under its proposed name in CONFIG of the work\n"
        "  directory), with --pdf also its printed document, and prints the path of\n"
        "  each file written. An existing file is replaced only with --yes.\n",
    .run = RunProtocol,
    .options = kProtocolOptions,
};

constinit const Command kPrintProtocolCommand{
    .name = "print-protocol",
    .synopsis = kPrintProtocolSynopsis,
    .help =
        "zor06ctl print-protocol FILE.prc --pdf FILE.pdf\n"
        "  The printed document of a saved protocol as a PDF file.\n",
    .run = RunPrintProtocol,
    .options = kPrintProtocolOptions,
};

}  // namespace zor06::ctl
