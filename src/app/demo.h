// The demonstration: the simulated controller on a free loopback port and a temporary work
// directory whose settings reach it over Ethernet.
#pragma once

#include <QProcess>
#include <QTemporaryDir>
#include <filesystem>
#include <memory>

namespace zor06::app {

class Demo {
public:
    // Starts the simulator; false with `error` set when it cannot.
    bool Start(const QString& simulator, QString* error);
    std::filesystem::path WorkDir() const { return dir_.path().toStdString(); }
    ~Demo();

private:
    bool WriteSettings(quint16 port, QString* error);
    QTemporaryDir dir_;
    std::unique_ptr<QProcess> sim_;
};

// The simulator beside this program, where the build put it, or on PATH.
QString FindSimulator(const QString& programDir);

}  // namespace zor06::app
