// The exchange monitor over a link on a scripted line: it shows each exchange, pauses, clears,
// saves its lines, and stops recording when it goes.
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>
#include <fstream>
#include <sstream>

#include "link/hgcbox.h"
#include "link/screens/TFormExchangeMonitor.h"
#include "tests/link/screens/screen_checks.h"
#include "tests/support/fake_clock.h"
#include "tests/support/recording_operator.h"
#include "tests/support/scripted_channel.h"

namespace zor06::test {

class TestExchangeMonitor : public QObject {
    Q_OBJECT
private slots:
    void ShowsPausesClearsAndSavesTheExchanges() {
        FakeClock clock;
        link::hgcbox line(
            1, clock, [](const std::string&, const platform::LineSettings&, platform::OpenError*) {
                return std::unique_ptr<platform::SerialPort>();
            });
        line.attempts = 1;
        line.AttachChannel(std::make_unique<ScriptedChannel>(
            clock, Always({{platform::Millis(5), ReadReply(1, 0, 0, 1, {0x49})}})));
        const auto read = [&line] {
            const std::uint8_t header[] = {0, 0, 1};
            QVERIFY(line.Request(1, header));
        };
        const auto shownLines = [](const screens::TFormExchangeMonitor& monitor) {
            return monitor.linesView()->toPlainText().split('\n', Qt::SkipEmptyParts);
        };
        {
            RecordingOperator op;
            screens::TFormExchangeMonitor monitor(line, op);
            monitor.show();
            QCOMPARE(monitor.windowTitle(), QString("Монитор обмена"));
            QVERIFY(UnnamedControls(monitor).isEmpty());

            read();
            QTRY_COMPARE(shownLines(monitor).size(), 2);
            QVERIFY(shownLines(monitor)[0].contains("  ->  код   1  дл.  "));
            QVERIFY(shownLines(monitor)[1].endsWith("мс  Команда выполнена"));
            QCOMPARE(monitor.countLabel()->text(), QString("Обменов: 1"));
            QTest::keyClick(&monitor, Qt::Key_Escape);
            QVERIFY(monitor.isVisible());

            monitor.pauseButton()->click();
            QCOMPARE(monitor.pauseButton()->text(), QString("Продолжить"));
            read();
            monitor.TimerRefreshTimer();
            QCOMPARE(shownLines(monitor).size(), 2);
            monitor.pauseButton()->click();
            QCOMPARE(monitor.pauseButton()->text(), QString("Пауза"));
            read();
            monitor.TimerRefreshTimer();
            QCOMPARE(shownLines(monitor).size(), 4);

            QTemporaryDir dir;
            const std::filesystem::path path = dir.filePath("monitor.txt").toStdString();
            monitor.chooseFile = [path](QWidget*) { return path; };
            monitor.saveButton()->click();
            std::ifstream file(path, std::ios::binary);
            std::stringstream saved;
            saved << file.rdbuf();
            QCOMPARE(QString::fromStdString(saved.str()),
                     monitor.linesView()->toPlainText() + '\n');
            QVERIFY(op.boxes.empty());
            monitor.chooseFile = [&dir](QWidget*) {
                return std::filesystem::path(dir.filePath("missing/monitor.txt").toStdString());
            };
            monitor.saveButton()->click();
            QCOMPARE(op.boxes.size(), std::size_t{1});
            QVERIFY(QString::fromStdString(op.boxes[0]).startsWith("Не удалось сохранить файл "));

            monitor.clearButton()->click();
            QVERIFY(shownLines(monitor).isEmpty());
            read();
            monitor.TimerRefreshTimer();
            QCOMPARE(shownLines(monitor).size(), 2);
        }
        QCOMPARE(line.Observer(), nullptr);
    }
};

}  // namespace zor06::test

QTEST_MAIN(zor06::test::TestExchangeMonitor)
#include "tst_TFormExchangeMonitor.moc"
