// Reading all settings files at start and writing each back when it changed. Every write takes
// the file's lock and merges into the file as it is then (locked_update.h), so that programs
// sharing a work directory lose none of each other's changes. A file that cannot
// be read or written is reported, never passed over: the load returns what it met, and a save
// that fails shows it in the message window and returns false; the saved copies then stay as they
// were, so the next save tries again.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "dialogue/operator.h"
#include "settings/ini_values.h"
#include "settings/settings_types.h"

namespace zor06::settings {

// Something the operator should hear about a settings file: a first line that names the file
// (e.g. "Не удалось прочитать файл настроек /…/INI/conn.ini") and a second with the reason.
struct FileProblem {
    std::string text;
    std::string reason;
    bool operator==(const FileProblem&) const = default;
};

// The problem that tells of the values replaced by their defaults in the file at `path`; none when
// nothing was.
std::optional<FileProblem> ReplacedValuesProblem(const std::filesystem::path& path,
                                                 const std::vector<ReplacedValue>& replaced);

// Fills `settings` from the files in `iniDir`: rd_arh_par.ini (missing moments become `now`),
// conn.ini, the two subscriber lists (each then sorted), the saved copies, objects.ini (sorted),
// repconf_par.ini. Missing files give their defaults silently; a file that cannot be read gives
// them too and a problem, and so does a value outside its range (it is written back corrected at
// the next save of its file). Show each problem as ShowMessage(dialogue::MessageKind::Error, text,
// reason).
std::vector<FileProblem> LoadSettings(ProgramSettings& settings,
                                      const std::filesystem::path& iniDir, ScreenSize screen,
                                      double now);

// rd_arh_par.ini, all four keys.
bool SaveArchiveChoices(const ProgramSettings& settings, const std::filesystem::path& iniDir,
                        dialogue::Operator& op);
// conn.ini: only the sections that differ from the saved copy (or held values out of range);
// nothing when none does.
bool SaveLinkSettings(ProgramSettings& settings, const std::filesystem::path& iniDir,
                      dialogue::Operator& op);
// fon_abonents.ini / ethr_abonents.ini: the whole list, unless it equals the saved copy.
// objects.ini: always. Each list written is the list in the file with this program's changes
// since its saved copy carried in (list_merge.h), and becomes the program's list and saved copy.
bool SavePhoneList(ProgramSettings& settings, const std::filesystem::path& iniDir,
                   dialogue::Operator& op);
bool SaveEthernetList(ProgramSettings& settings, const std::filesystem::path& iniDir,
                      dialogue::Operator& op);
bool SaveObjects(ProgramSettings& settings, const std::filesystem::path& iniDir,
                 dialogue::Operator& op);

}  // namespace zor06::settings
