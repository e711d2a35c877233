// Saving a configuration where the operator chooses, and reading a controller's configuration.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

#include "config/config_buffer.h"
#include "dialogue/file_choice.h"
#include "dialogue/operator.h"
#include "files/save_as.h"
#include "tables/controller_date.h"
#include "tables/table_service.h"

namespace zor06::config {

inline constexpr const char* kOpenConfigTitle = "Выбор файла с параметрами конфигурации";
inline constexpr const char* kSaveConfigTitle = "Выбор файла для записи параметров конфигурации";
inline constexpr const char* kConfigPattern = "*.cnf";

// The open dialog of configuration files in `configDir`.
dialogue::FileChoice OpenConfigChoice(const std::filesystem::path& configDir);

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
