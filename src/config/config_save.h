// Saving a configuration where the operator chooses, and reading a controller's configuration.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

#include "config/config_buffer.h"
#include "dialogue/file_choice.h"
#include "dialogue/operator.h"
#include "tables/controller_date.h"
#include "tables/table_service.h"

namespace zor06::config {

inline constexpr const char* kOpenConfigTitle = "Выбор файла с параметрами конфигурации";
inline constexpr const char* kSaveConfigTitle = "Выбор файла для записи параметров конфигурации";
inline constexpr const char* kConfigPattern = "*.cnf";

// The open dialog of configuration files in `configDir`.
dialogue::FileChoice OpenConfigChoice(const std::filesystem::path& configDir);

// Asks for the file to save to until the operator chooses one that may be written: a name
// without an extension gets `extension`, and another existing file than the proposed one is
// replaced only after "Файл %s уже есть." / "Вы хотите заменить существующий файл?" ("Нет" asks
// again). None when cancelled.
std::optional<std::filesystem::path> ChooseSaveTarget(const dialogue::FileChoice& choice,
                                                      std::string_view extension,
                                                      dialogue::Operator& op);

// Writes `bytes` atomically to a file the operator chose, under the busy cursor, making its folder
// when it is missing; false with `reason` set when the write failed.
bool WriteChosenFile(const std::filesystem::path& target, std::string_view bytes,
                     dialogue::Operator& op, std::string* reason);

// Proposes the name, asks for the file again while the operator refuses to replace an existing
// one, and writes the configuration. False when cancelled or the write failed (already shown).
bool SaveConfiguration(const ConfigBuffer& buffer, const std::filesystem::path& configDir,
                       const bytes::ControllerDateTime& now, dialogue::Operator& op);

// A new configuration with the controller image's tables copied in.
ConfigBuffer ConfigurationOf(const tables::ControllerImage& image);

// Reads every configuration table into the image and copies them into a new configuration; none
// after "Параметры конфигурации не прочитаны" when a read fails.
std::optional<ConfigBuffer> ReadControllerConfiguration(tables::TableContext& ctx);

}  // namespace zor06::config
