// A main window against a simulated controller over TCP, for the tests of its commands.
#pragma once

#include <QApplication>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "app/TFormMain.h"
#include "link/tcp_connect.h"
#include "settings/work_dir.h"
#include "tests/support/sim_process.h"

using zor06::screens::TFormMain;

namespace zor06::test {

struct Shown {
    zor06::dialogue::MessageKind kind;
    QString text1;
    QString text2;
};

constexpr const char* kDescription = "Ethernet, адрес 1";

// A main window whose connection dialog connects straight to a simulator over TCP. Its work
// directory is `dir`, or `workDir` when given (another harness's, to share it).
class Harness {
public:
    explicit Harness(const std::vector<std::string>& simArgs, int storedAddress = 1,
                     std::filesystem::path workDir = {}) {
        std::vector<std::string> args{"--tcp", "127.0.0.1:0"};
        args.insert(args.end(), simArgs.begin(), simArgs.end());
        sim = std::make_unique<zor06::test::SimProcess>(ZOR06_SIM_PATH, args);
        if (workDir.empty()) {
            workDir = dir.path().toStdString();
        }
        std::string error;
        zor06::settings::PrepareWorkDir(workDir, &error);
        window = std::make_unique<TFormMain>(workDir);
        window->Settings().link.linkKind = 2;
        window->Settings().link.ethernet.record.address = static_cast<std::uint8_t>(storedAddress);
        window->Operator().messageWindow = [this](zor06::dialogue::MessageKind kind,
                                                  const QString& a, const QString& b) {
            shown.push_back({kind, a, b});
            return false;
        };
        window->screens.connect = [this, storedAddress](TFormMain& w) {
            ++connectionDialogs;
            zor06::link::EthernetSettings settings;
            settings.record.firstByteTimeoutMs = 1000;
            settings.record.interByteTimeoutMs = 200;
            return zor06::link::TcpConnectTo(w.Link(), settings,
                                             static_cast<std::uint8_t>(storedAddress), "127.0.0.1",
                                             std::to_string(sim->TcpPort()), w.Operator());
        };
        window->screens.programUser = [this](TFormMain&) { ++credentialsAsked; };
        window->screens.describeConnection = [](const zor06::settings::ProgramSettings&) {
            return std::string(kDescription);
        };
    }
    bool Has(const QString& text) const {
        for (const Shown& s : shown) {
            if (s.text1 == text || s.text2 == text) {
                return true;
            }
        }
        return false;
    }

    QTemporaryDir dir;
    std::unique_ptr<zor06::test::SimProcess> sim;
    std::unique_ptr<TFormMain> window;
    std::vector<Shown> shown;
    int credentialsAsked = 0;
    int connectionDialogs = 0;
};

// Closes each modal screen as soon as it is shown, for as long as it lives.
class ModalCloser {
public:
    ModalCloser() {
        QObject::connect(&timer_, &QTimer::timeout, [] {
            if (QWidget* modal = QApplication::activeModalWidget()) {
                modal->close();
            }
        });
        timer_.start(20);
    }

private:
    QTimer timer_;
};

// Waits for the start timer's start-up to end in `identified`.
inline bool StartUp(Harness& h, bool identified) {
    if (!h.sim->Started()) {
        return false;
    }
    return QTest::qWaitFor([&] { return h.window->Offered("Nconnect"); }, 10000) &&
           h.window->Identified() == identified;
}

}  // namespace zor06::test
