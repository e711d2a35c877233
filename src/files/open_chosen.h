// Reading a file the operator chose, whole, with the one message every file kind gives when it
// cannot be opened.
#pragma once

#include <filesystem>
#include <optional>
#include <string>

#include "dialogue/operator.h"

namespace zor06::files {

inline constexpr char kOpenFailed[] = "Ошибка открытия файла";

// The file's bytes; none after kOpenFailed, with the reason as the second line when `withReason`.
std::optional<std::string> ReadChosenFile(const std::filesystem::path& path, dialogue::Operator& op,
                                          bool withReason);

}  // namespace zor06::files
