#include "zor06ctl/collection_report.h"

#include <cstdio>

#include "zor06ctl/json.h"

namespace zor06::ctl {
namespace {

std::string Seconds(double seconds) {
    char text[32];
    std::snprintf(text, sizeof text, "%.1f", seconds);
    return text;
}

std::string ReportLine(const collect::StationReport& r) {
    std::string counts;
    for (const store::ArchiveCount& c : r.counts) {
        counts += (counts.empty() ? "" : " ") + CountLabel(c) + "=" + std::to_string(c.records);
    }
    return r.station + "\t" + r.outcome + "\t" + counts + "\t" + Seconds(r.seconds) + "\n";
}

std::string ReportJson(const collect::StationReport& r) {
    std::string records;
    for (const store::ArchiveCount& c : r.counts) {
        records += (records.empty() ? "" : ", ") + JsonString(CountLabel(c)) + ": " +
                   std::to_string(c.records);
    }
    return "{\"station\": " + JsonString(r.station) + ", \"ok\": " + (r.ok ? "true" : "false") +
           ", \"outcome\": " + JsonString(r.outcome) + ", \"records\": {" + records +
           "}, \"seconds\": " + Seconds(r.seconds) +
           ", \"line_bytes\": " + std::to_string(r.lineBytes) + "}";
}

}  // namespace

std::string CountLabel(const store::ArchiveCount& count) {
    const std::string name(store::ArchiveName(count.archive));
    return count.run > 0 ? name + ":" + std::to_string(count.run) : name;
}

std::string StationReportsText(std::span<const collect::StationReport> reports, bool json) {
    std::string text;
    for (const collect::StationReport& r : reports) {
        text += json ? (text.empty() ? "[" : ",\n ") + ReportJson(r) : ReportLine(r);
    }
    return json ? (text.empty() ? "[]\n" : text + "]\n") : text;
}

}  // namespace zor06::ctl
