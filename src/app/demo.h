// The demonstration: the simulated controller on a free loopback port and a temporary work
// directory whose settings reach it over Ethernet. The directory goes when the demonstration
// ends, unless the operator saved files there and wants to keep them.
#pragma once

#include <QProcess>
#include <QTemporaryDir>
#include <filesystem>
#include <memory>

#include "dialogue/operator.h"

namespace zor06::app {

class Demo {
public:
    // Starts the simulator; false with `error` set when it cannot.
    bool Start(const QString& simulator, QString* error);
    std::filesystem::path WorkDir() const { return dir_.path().toStdString(); }
    // The main window's caption, saying that the work directory is temporary and where it is.
    QString Caption(const QString& caption) const;
    // When the operator closes the program: a work directory holding files the operator saved is
    // kept after "Да" to the question that names it, and removed with them after "Нет"; one
    // without them is removed without a question.
    void AskAboutSavedFiles(dialogue::Operator& op);
    // Stops the simulator; the work directory goes unless it was kept. A demonstration ended
    // without the question (a session that ends) keeps a directory with saved files.
    ~Demo();

private:
    bool WriteSettings(quint16 port, QString* error);
    // Keeps the directory; says where on the standard error.
    void Keep();
    QTemporaryDir dir_;
    std::unique_ptr<QProcess> sim_;
    bool asked_ = false;
};

// The simulator beside this program, where the build put it, or on PATH.
QString FindSimulator(const QString& programDir);

}  // namespace zor06::app
