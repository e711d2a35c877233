// A folder of this process for a reading's work file, removed when the command ends, so that
// runs side by side never share one.
#pragma once

#include <unistd.h>

#include <filesystem>
#include <string>
#include <system_error>

namespace zor06::ctl {

class WorkFolder {
public:
    explicit WorkFolder(const std::string& prefix)
        : path_(std::filesystem::temp_directory_path() /
                (prefix + "-" + std::to_string(::getpid()))) {
        std::error_code ec;
        std::filesystem::create_directories(path_, ec);
    }
    ~WorkFolder() {
        std::error_code ec;
        std::filesystem::remove_all(path_, ec);
    }
    WorkFolder(const WorkFolder&) = delete;
    WorkFolder& operator=(const WorkFolder&) = delete;
    const std::filesystem::path& Path() const { return path_; }

private:
    std::filesystem::path path_;
};

}  // namespace zor06::ctl
