// A symlink with a stable name to the simulator's pseudo-terminal, whose /dev/pts number changes
// from run to run.
#pragma once

#include <string>

namespace zor06::sim {

class PtyLink {
public:
    PtyLink() = default;
    PtyLink(const PtyLink&) = delete;
    PtyLink& operator=(const PtyLink&) = delete;
    // Removes the link unless it has been pointed elsewhere meanwhile.
    ~PtyLink();

    // Makes `path` point to `target`, replacing a symlink there but nothing else.
    bool Create(const std::string& path, const std::string& target, std::string* error);

private:
    std::string path_;
    std::string target_;
};

}  // namespace zor06::sim
