#include "settings/settings_store.h"

#include <algorithm>
#include <optional>
#include <string>
#include <vector>

#include "settings/archive_choices.h"
#include "settings/conn_ini.h"
#include "settings/ini_file.h"
#include "settings/list_files.h"
#include "settings/list_merge.h"
#include "settings/list_sort.h"
#include "settings/locked_update.h"
#include "settings/report_config.h"

namespace zor06::settings {
namespace {

constexpr char kCannotRead[] = "Не удалось прочитать файл настроек ";
constexpr char kCannotWrite[] = "Не удалось записать файл настроек ";
constexpr char kListOutgrown[] =
    "вместе с записями, добавленными другой программой, в списке было бы больше ";
constexpr char kReplaced[] = "Значения вне допустимого диапазона заменены в файле настроек ";

// Reads the files one by one and keeps what went wrong with them.
class Loader {
public:
    IniFile Read(const std::filesystem::path& path) {
        std::string reason;
        auto ini = LoadIniFile(path, &reason);
        if (!ini) {
            problems_.push_back({kCannotRead + path.string(), reason});
            return IniFile{};
        }
        return std::move(*ini);
    }
    // True when there were any.
    bool NoteReplaced(const std::filesystem::path& path,
                      const std::vector<ReplacedValue>& replaced) {
        std::optional<FileProblem> problem = ReplacedValuesProblem(path, replaced);
        if (problem) {
            problems_.push_back(std::move(*problem));
        }
        return problem.has_value();
    }
    std::vector<FileProblem> TakeProblems() { return std::move(problems_); }

private:
    std::vector<FileProblem> problems_;
};

bool Fail(dialogue::Operator& op, const std::filesystem::path& path, const std::string& reason) {
    op.ShowMessage(dialogue::MessageKind::Error, kCannotWrite + path.string(), reason);
    return false;
}

// Writes the sections into the file as it is on disk, keeping everything else in it.
bool UpdateFile(const std::filesystem::path& path, const std::vector<IniSection>& sections,
                dialogue::Operator& op) {
    std::string reason;
    const auto unchanged = [&sections](const IniFile&, std::string*) { return sections; };
    return UpdateLocked(path, unchanged, &reason) || Fail(op, path, reason);
}

// The list as the file holds it, of the kind of the second argument.
PhoneList ListOnDisk(const IniFile& ini, const PhoneList&) {
    return ReadPhoneList(ini);
}
EthernetList ListOnDisk(const IniFile& ini, const EthernetList&) {
    return ReadEthernetList(ini);
}
ObjectList ListOnDisk(const IniFile& ini, const ObjectList&) {
    return ReadObjectList(ini);
}

// Carries this program's changes since `saved` into the list the file holds now; the program then
// has that list, other programs' changes included, and it is the new saved copy.
template <typename List>
bool MergeAndSave(List& list, List& saved, const std::filesystem::path& path,
                  dialogue::Operator& op) {
    std::optional<List> merged;
    const auto merge = [&](const IniFile& onDisk,
                           std::string* reason) -> std::optional<std::vector<IniSection>> {
        merged = MergeList(ListOnDisk(onDisk, list), saved, list);
        if (!merged) {
            *reason = kListOutgrown + std::to_string(List::kCapacity);
            return std::nullopt;
        }
        return ListSections(*merged);
    };
    std::string reason;
    if (!UpdateLocked(path, merge, &reason)) {
        return Fail(op, path, reason);
    }
    list = *merged;
    saved = list;
    return true;
}

template <typename List>
bool SaveListIfChanged(List& list, List& saved, bool& stale, const std::filesystem::path& path,
                       dialogue::Operator& op) {
    if (list == saved && !stale) {
        return true;
    }
    if (!MergeAndSave(list, saved, path, op)) {
        return false;
    }
    stale = false;
    return true;
}

void MarkStaleSections(ProgramSettings& s, const std::vector<ReplacedValue>& replaced) {
    const auto sections = LinkSections(s.link);
    for (std::size_t i = 0; i < sections.size(); ++i) {
        s.linkSectionsStale[i] =
            std::any_of(replaced.begin(), replaced.end(),
                        [&](const ReplacedValue& r) { return r.section == sections[i].name; });
    }
}

}  // namespace

std::optional<FileProblem> ReplacedValuesProblem(const std::filesystem::path& path,
                                                 const std::vector<ReplacedValue>& replaced) {
    if (replaced.empty()) {
        return std::nullopt;
    }
    std::string reason;
    for (const ReplacedValue& r : replaced) {
        reason += (reason.empty() ? "[" : "; [") + r.section + "] " + r.key + "=" + r.fileValue +
                  ", принято " + r.value;
    }
    return FileProblem{kReplaced + path.string(), reason};
}

std::vector<FileProblem> LoadSettings(ProgramSettings& s, const std::filesystem::path& iniDir,
                                      ScreenSize screen, double now) {
    Loader loader;
    std::vector<ReplacedValue> replaced;
    s.archive = ReadArchiveChoices(loader.Read(iniDir / kArchiveChoicesFile), now);

    s.link = ReadLinkSettings(loader.Read(iniDir / kConnFile), screen, &replaced);
    loader.NoteReplaced(iniDir / kConnFile, replaced);
    MarkStaleSections(s, replaced);

    s.phones = ReadPhoneList(loader.Read(iniDir / kPhoneListFile), &replaced);
    s.phonesStale = loader.NoteReplaced(iniDir / kPhoneListFile, replaced);
    SortList(s.phones);
    s.ethernet = ReadEthernetList(loader.Read(iniDir / kEthernetListFile), &replaced);
    s.ethernetStale = loader.NoteReplaced(iniDir / kEthernetListFile, replaced);
    SortList(s.ethernet);
    // The lists' copies are taken here too: compared with an empty list instead, a list emptied
    // in this run would look unchanged and never be written.
    s.linkSaved = s.link;
    s.phonesSaved = s.phones;
    s.ethernetSaved = s.ethernet;

    s.objects = ReadObjectList(loader.Read(iniDir / kObjectListFile), &replaced);
    loader.NoteReplaced(iniDir / kObjectListFile, replaced);  // objects.ini is always written
    SortList(s.objects);
    s.objectsSaved = s.objects;
    s.report = ReadReportConfig(loader.Read(iniDir / kReportConfigFile), &replaced);
    loader.NoteReplaced(iniDir / kReportConfigFile, replaced);
    return loader.TakeProblems();
}

bool SaveArchiveChoices(const ProgramSettings& s, const std::filesystem::path& iniDir,
                        dialogue::Operator& op) {
    return UpdateFile(iniDir / kArchiveChoicesFile, {ArchiveChoicesSection(s.archive)}, op);
}

bool SaveLinkSettings(ProgramSettings& s, const std::filesystem::path& iniDir,
                      dialogue::Operator& op) {
    const auto now = LinkSections(s.link);
    const auto before = LinkSections(s.linkSaved);
    std::vector<IniSection> changed;
    for (std::size_t i = 0; i < now.size(); ++i) {
        if (now[i] != before[i] || s.linkSectionsStale[i]) {
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
    s.linkSectionsStale = {};
    return true;
}

bool SavePhoneList(ProgramSettings& s, const std::filesystem::path& iniDir,
                   dialogue::Operator& op) {
    return SaveListIfChanged(s.phones, s.phonesSaved, s.phonesStale, iniDir / kPhoneListFile, op);
}

bool SaveEthernetList(ProgramSettings& s, const std::filesystem::path& iniDir,
                      dialogue::Operator& op) {
    return SaveListIfChanged(s.ethernet, s.ethernetSaved, s.ethernetStale,
                             iniDir / kEthernetListFile, op);
}

bool SaveObjects(ProgramSettings& s, const std::filesystem::path& iniDir, dialogue::Operator& op) {
    return MergeAndSave(s.objects, s.objectsSaved, iniDir / kObjectListFile, op);
}

}  // namespace zor06::settings
