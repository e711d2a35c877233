// A file dialog as a service asks for it: the front end shows it, or answers without one.
#pragma once

#include <filesystem>
#include <string>

namespace zor06::dialogue {

// The dialog's title, the directory it starts in, the file pattern and, for saving, the proposed
// file name.
struct FileChoice {
    std::string title;
    std::filesystem::path dir;
    std::string pattern;
    std::filesystem::path proposed;
};

enum class FileDialog { Open, Save };

}  // namespace zor06::dialogue
