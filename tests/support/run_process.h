// Runs a program to its end and collects its exit status and output.
#pragma once

#include <string>
#include <vector>

namespace zor06::test {

struct ProcessResult {
    int exitCode = -1;  // -1 when it did not exit normally
    std::string out;
    std::string err;
};

// `binary` without a directory is looked up on PATH.
ProcessResult RunProcess(const std::string& binary, const std::vector<std::string>& args);

}  // namespace zor06::test
