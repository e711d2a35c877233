// The simulator's own hold on its pseudo-terminal's slave side. Holding it keeps the master from
// failing between client sessions. It also undoes a client's exclusive-use flag, which on a
// pseudo-terminal outlives the client's close and would turn the next client (without
// administrator rights) away as busy.
#pragma once

#include <string>

namespace zor06::sim {

class SlaveHold {
public:
    SlaveHold() = default;
    SlaveHold(const SlaveHold&) = delete;
    SlaveHold& operator=(const SlaveHold&) = delete;
    ~SlaveHold();

    bool Open(const std::string& slavePath, std::string* error);
    // Readable after a client closed the slave; then call ClientClosed(). -1 when closes cannot
    // be watched.
    int CloseWatch() const { return watch_; }
    void ClientClosed();
    // Drops the exclusive-use flag; harmless while a client keeps the line open.
    void AllowNextClient();

private:
    int slave_ = -1;
    int watch_ = -1;
};

}  // namespace zor06::sim
