#include "settings/settings_store.h"

#include <string>
#include <vector>

#include "settings/archive_choices.h"
#include "settings/conn_ini.h"
#include "settings/ini_file.h"
#include "settings/list_files.h"
#include "settings/list_sort.h"
#include "settings/report_config.h"

namespace zor06::settings {
namespace {

constexpr int kStatusPanel = 2;

IniFile LoadOrEmpty(const std::filesystem::path& path) {
    std::string error;
    return LoadIniFile(path, &error).value_or(IniFile{});
}

bool Fail(link::Operator& op, const std::string& error) {
    op.SetStatusText(kStatusPanel, "Файл настроек не записан: " + error);
    return false;
}

// Writes the sections into the file as it is on disk, keeping everything else in it.
bool UpdateFile(const std::filesystem::path& path, const std::vector<IniSection>& sections,
                link::Operator& op) {
    std::string error;
    auto ini = LoadIniFile(path, &error);
    if (!ini) {
        return Fail(op, error);
    }
    for (const IniSection& section : sections) {
        ini->WriteSection(section);
    }
    return SaveIniFile(path, *ini, &error) || Fail(op, error);
}

template <typename List>
bool SaveListIfChanged(const List& list, List& saved, const std::filesystem::path& path,
                       link::Operator& op) {
    if (list == saved) {
        return true;
    }
    if (!UpdateFile(path, ListSections(list), op)) {
        return false;
    }
    saved = list;
    return true;
}

}  // namespace

void LoadSettings(ProgramSettings& s, const std::filesystem::path& iniDir, ScreenSize screen,
                  double now) {
    s.archive = ReadArchiveChoices(LoadOrEmpty(iniDir / kArchiveChoicesFile), now);
    s.link = ReadLinkSettings(LoadOrEmpty(iniDir / kConnFile), screen);
    s.phones = ReadPhoneList(LoadOrEmpty(iniDir / kPhoneListFile));
    SortList(s.phones);
    s.ethernet = ReadEthernetList(LoadOrEmpty(iniDir / kEthernetListFile));
    SortList(s.ethernet);
    // The lists' copies are taken here too: compared with an empty list instead, a list emptied
    // in this run would look unchanged and never be written.
    s.linkSaved = s.link;
    s.phonesSaved = s.phones;
    s.ethernetSaved = s.ethernet;
    s.objects = ReadObjectList(LoadOrEmpty(iniDir / kObjectListFile));
    SortList(s.objects);
    s.report = ReadReportConfig(LoadOrEmpty(iniDir / kReportConfigFile));
}

bool SaveArchiveChoices(const ProgramSettings& s, const std::filesystem::path& iniDir,
                        link::Operator& op) {
    return UpdateFile(iniDir / kArchiveChoicesFile, {ArchiveChoicesSection(s.archive)}, op);
}

bool SaveLinkSettings(ProgramSettings& s, const std::filesystem::path& iniDir, link::Operator& op) {
    const auto now = LinkSections(s.link);
    const auto before = LinkSections(s.linkSaved);
    std::vector<IniSection> changed;
    for (std::size_t i = 0; i < now.size(); ++i) {
        if (now[i] != before[i]) {
            changed.push_back(now[i]);
        }
    }
    if (changed.empty()) {
        return true;
    }
    if (!UpdateFile(iniDir / kConnFile, changed, op)) {
        return false;
    }
    s.linkSaved = s.link;
    return true;
}

bool SavePhoneList(ProgramSettings& s, const std::filesystem::path& iniDir, link::Operator& op) {
    return SaveListIfChanged(s.phones, s.phonesSaved, iniDir / kPhoneListFile, op);
}

bool SaveEthernetList(ProgramSettings& s, const std::filesystem::path& iniDir, link::Operator& op) {
    return SaveListIfChanged(s.ethernet, s.ethernetSaved, iniDir / kEthernetListFile, op);
}

bool SaveObjects(const ProgramSettings& s, const std::filesystem::path& iniDir,
                 link::Operator& op) {
    return UpdateFile(iniDir / kObjectListFile, ListSections(s.objects), op);
}

}  // namespace zor06::settings
