// Saved data files (.mch .hch .dch .mwm .hwm .dwm): the data-set header followed by the records
// exactly as received.
#pragma once

#include <filesystem>
#include <optional>
#include <span>
#include <string>

#include "dialogue/operator.h"
#include "files/save_as.h"
#include "gasdata/data_set.h"

namespace zor06::gasdata {

// The proposed name (without directory) for saving `set` on `today` (the PC's date).
std::string DefaultDataFileName(const DataSet& set, const bytes::ControllerDateTime& today);

// The file's bytes: the header with the count of the records that follow, then the records.
std::string EncodeDataFile(const DataSet& set);

// None when the bytes are not a data set of `kind`. Reads records until the header's count or
// the end of the bytes, whichever comes first; a partial record at the end is left out.
std::optional<DataSet> ParseDataFile(std::span<const std::uint8_t> bytes, DataKind kind);

// Opens a saved file for viewing; none after the message that says why.
std::optional<DataSet> ReadDataFile(const std::filesystem::path& path, DataKind kind,
                                    dialogue::Operator& op);

// "Просмотр/Печать из файла": asks for a saved file of `kind` in its directory under
// `programDir`; none when cancelled or after the message.
std::optional<DataSet> ChooseDataFile(DataKind kind, const std::filesystem::path& programDir,
                                      dialogue::Operator& op);

// "Сохранить в файле": asks for the file in the kind's directory under `programDir`, proposing
// the default name, writes it and reports. False when cancelled or the write failed (shown).
bool SaveDataSet(const DataSet& set, const std::filesystem::path& programDir,
                 const bytes::ControllerDateTime& today, dialogue::Operator& op);

inline constexpr char kDataFileSaveTitle[] = "Введите имя файла для сохранения данных";
inline constexpr char kDataFileOpenTitle[] = "Выберите файл с данными";

}  // namespace zor06::gasdata
