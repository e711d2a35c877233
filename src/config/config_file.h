// Configuration files (".cnf"): opening with their checks, saving atomically and readable by
// their owner only (they hold the flow computers' passwords), the proposed name, and the copy of
// a controller's tables into a configuration.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

#include "config/config_buffer.h"
#include "dialogue/operator.h"
#include "tables/controller_date.h"
#include "tables/controller_image.h"

namespace zor06::config {

// The file's configuration, or none after the reason was shown. Files of software versions 4 and
// 5 open as version 6 with their identification cleared.
std::optional<ConfigBuffer> ReadConfigFile(const std::filesystem::path& path,
                                           dialogue::Operator& op);
// The same checks on a file's bytes; `fileName` (without directory) names it in the messages.
std::optional<ConfigBuffer> ParseConfigFile(std::string_view bytes, const std::string& fileName,
                                            dialogue::Operator& op);

// Writes the configuration, readable by its owner only, and says so, and also when the file it
// replaced was open to other users; a failed write is reported and leaves the old file.
bool WriteConfigFile(const std::filesystem::path& path, const ConfigBuffer& buffer,
                     dialogue::Operator& op);

// "zor_06-NAME-YYMMDDhhmm.cnf" with the controller name of the configuration; characters a file
// name must not hold ('/', control characters) become '_'.
std::string ProposedConfigName(const ConfigBuffer& buffer, const bytes::ControllerDateTime& now);

// The controller's tables in the image into the configuration; passwords stay blank, as the
// controller never returns them.
void CopyImageToBuffer(const tables::ControllerImage& image, ConfigBuffer& buffer);

}  // namespace zor06::config
