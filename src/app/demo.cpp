#include "app/demo.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>
#include <cstdio>
#include <string>

#include "app/work_dir_files.h"
#include "platform/quit_signals.h"
#include "settings/settings_store.h"
#include "settings/work_dir.h"
#include "text/text_format.h"

namespace zor06::app {
namespace {

// Keeps the last text only: the demo has no operator before the main window exists, so a failed
// write is reported through Start's error.
class QuietOperator : public dialogue::Operator {
public:
    bool ShowMessage(dialogue::MessageKind, std::string_view text1,
                     std::string_view text2) override {
        last = std::string(text1) + (text2.empty() ? "" : ": ") + std::string(text2);
        return false;
    }
    void MessageBox(std::string_view, std::string_view) override {}
    void SetStatusText(dialogue::Panel, std::string_view text) override {
        last = std::string(text);
    }
    void SetBusy(bool) override {}
    std::string last;
};

}  // namespace

QString FindSimulator(const QString& programDir) {
    for (const QString& candidate :
         {programDir + "/zor06-sim", QStringLiteral(ZOR06_SIM_INSTALLED)}) {
        if (QFileInfo(candidate).isExecutable()) {
            return candidate;
        }
    }
    return QStandardPaths::findExecutable(QStringLiteral("zor06-sim"));
}

bool Demo::Start(const QString& simulator, QString* error) {
    if (!dir_.isValid() || simulator.isEmpty()) {
        *error = simulator.isEmpty() ? QStringLiteral("zor06-sim not found")
                                     : QStringLiteral("no temporary directory");
        return false;
    }
    sim_ = std::make_unique<QProcess>();
    sim_->setProcessChannelMode(QProcess::ForwardedErrorChannel);
    // Even when this program is killed outright, the simulator must not stay behind.
    sim_->setChildProcessModifier([] { platform::EndWithParent(); });
    sim_->start(simulator, {QStringLiteral("--tcp"), QStringLiteral("127.0.0.1:0")});
    if (!sim_->waitForStarted(5000) || !sim_->waitForReadyRead(5000)) {
        *error = QStringLiteral("zor06-sim did not start");
        return false;
    }
    // "TCP 127.0.0.1:PORT"
    const QString line = QString::fromUtf8(sim_->readLine()).trimmed();
    const quint16 port = static_cast<quint16>(line.section(':', -1).toUInt());
    if (!line.startsWith(QStringLiteral("TCP ")) || port == 0) {
        *error = QStringLiteral("unexpected start line of zor06-sim: ") + line;
        return false;
    }
    return WriteSettings(port, error);
}

bool Demo::WriteSettings(quint16 port, QString* error) {
    std::string why;
    const auto workDir = settings::PrepareWorkDir(WorkDir(), &why);
    if (!workDir) {
        *error = QString::fromStdString(why);
        return false;
    }
    settings::ProgramSettings program;
    settings::LoadSettings(program, settings::IniDir(*workDir), {1280, 1024}, 0);
    program.link.linkKind = 2;
    program.ethernet.entries = {
        {"Демонстрационный контроллер", 1, (127u << 24) | 1u, static_cast<std::int32_t>(port)}};
    program.ethernet.current = 0;
    QuietOperator op;
    if (!settings::SaveLinkSettings(program, settings::IniDir(*workDir), op) ||
        !settings::SaveEthernetList(program, settings::IniDir(*workDir), op)) {
        *error = QString::fromStdString(op.last);
        return false;
    }
    return true;
}

QString Demo::Caption(const QString& caption) const {
    return QStringLiteral("%1 — демонстрация, временный рабочий каталог %2")
        .arg(caption, dir_.path());
}

void Demo::AskAboutSavedFiles(dialogue::Operator& op) {
    asked_ = true;
    const auto saved = SavedFiles(WorkDir());
    if (saved && saved->empty()) {
        return;
    }
    // A directory that could not be read through may hold saved files as well.
    const std::string count = saved ? std::to_string(saved->size()) : std::string("?");
    if (op.ShowMessage(dialogue::MessageKind::Question,
                       text::Printf("Во временном каталоге %s сохранены файлы: %s.",
                                    dir_.path().toStdString().c_str(), count.c_str()),
                       "Оставить каталог? (\"Нет\" удалит его вместе с файлами)")) {
        Keep();
    }
}

void Demo::Keep() {
    dir_.setAutoRemove(false);
    std::fprintf(stderr, "zor06 --demo: the work directory stays: %s\n",
                 dir_.path().toLocal8Bit().constData());
}

Demo::~Demo() {
    if (sim_) {
        sim_->terminate();
        sim_->waitForFinished(3000);
    }
    if (!asked_) {
        const auto saved = SavedFiles(WorkDir());
        if (!saved || !saved->empty()) {
            Keep();
        }
    }
}

}  // namespace zor06::app
