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
    return r.station + "\t" + r.outcome + "\t" + CountsText(r.counts, false) + "\t" +
           Seconds(r.seconds) + "\n";
}

std::string ReportJson(const collect::StationReport& r) {
    std::string json = "{\"station\": ";
    json += JsonString(r.station);
    json += ", \"ok\": ";
    json += r.ok ? "true" : "false";
    json += ", \"outcome\": " + JsonString(r.outcome) + ", \"records\": {" +
            CountsText(r.counts, true) + "}, \"seconds\": " + Seconds(r.seconds) +
            ", \"line_bytes\": " + std::to_string(r.lineBytes) + "}";
    return json;
}

}  // namespace

std::string CountLabel(const store::ArchiveCount& count) {
    const std::string name(store::ArchiveName(count.archive));
    return count.run > 0 ? name + ":" + std::to_string(count.run) : name;
}

void AppendItem(std::string& list, std::string_view separator, const std::string& item) {
    if (!list.empty()) {
        list += separator;
    }
    list += item;
}

std::string CountsText(std::span<const store::ArchiveCount> counts, bool json) {
    std::string text;
    for (const store::ArchiveCount& c : counts) {
        AppendItem(text, json ? ", " : " ",
                   (json ? JsonString(CountLabel(c)) + ": " : CountLabel(c) + "=") +
                       std::to_string(c.records));
    }
    return text;
}

std::string StationReportsText(std::span<const collect::StationReport> reports, bool json) {
    std::string text;
    for (const collect::StationReport& r : reports) {
        if (json) {
            AppendItem(text, ",\n ", ReportJson(r));
        } else {
            text += ReportLine(r);
        }
    }
    return json ? "[" + text + "]\n" : text;
}

}  // namespace zor06::ctl
