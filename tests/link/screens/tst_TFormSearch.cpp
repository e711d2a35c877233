// The device search window: its fields and checks, finding the simulated controller on a
// pseudo-terminal, and stopping a search.
#include <unistd.h>

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>
#include <memory>

#include "link/hgcbox.h"
#include "link/screens/TFormSearch.h"
#include "platform/pty.h"
#include "tests/link/screens/screen_checks.h"
#include "tests/support/sim_process.h"

namespace zor06::test {

using screens::TFormSearch;

// Presses "Прервать поиск" when the search lets the interface run for the `pressAt`-th time.
class StoppingOperator : public RecordingOperator {
public:
    void ProcessEvents() override {
        RecordingOperator::ProcessEvents();
        if (form != nullptr && eventPumps == pressAt) {
            stopWasEnabled = form->stopButton()->isEnabled();
            exitWasEnabled = form->exitButton()->isEnabled();
            form->stopButton()->click();
        }
    }
    TFormSearch* form = nullptr;
    int pressAt = 0;
    bool stopWasEnabled = false;
    bool exitWasEnabled = true;
};

class TestSearch : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<TFormSearch> Open() {
        return std::make_unique<TFormSearch>(settings, link, op);
    }

    settings::LinkSettings settings;
    link::hgcbox link;
    StoppingOperator op;
    platform::PtyPair silent;  // a line where nobody answers

private slots:
    void initTestCase() {
        std::string error;
        QVERIFY2(platform::OpenPty(&silent, &error), error.c_str());
    }
    void cleanupTestCase() { close(silent.master); }
    void init() {
        settings = {};
        settings.direct.portName = silent.slavePath;
        settings.direct.preambles = 7;
        op = {};
    }

    void theFieldsStartWithTheirValues() {
        auto form = Open();
        QCOMPARE(form->windowTitle(), QString("Определение адреса контроллера  и скорости обмена"));
        QCOMPARE(form->portBox()->currentText(), QString::fromStdString(silent.slavePath));
        QCOMPARE(form->firstByteEdit()->text(), QString("1000"));
        QCOMPARE(form->nextBytesEdit()->text(), QString("300"));
        QCOMPARE(form->preamblesEdit()->text(), QString("7"));
        QCOMPARE(form->attemptsEdit()->text(), QString("1"));
        QVERIFY(!form->stopButton()->isEnabled());
        QVERIFY(form->searchButton()->isEnabled());
    }

    void wrongEntriesAreRefused_data() {
        QTest::addColumn<int>("field");  // 0 first byte, 1 following bytes, 2 preambles, 3 attempts
        QTest::addColumn<QString>("value");
        QTest::addColumn<QString>("message");
        const QString range = "Вводите значения|согласно допустимого диапазона";
        QTest::newRow("first byte 99") << 0 << "99" << range;
        QTest::newRow("first byte 20001") << 0 << "20001" << range;
        QTest::newRow("following 54") << 1 << "54" << range;
        QTest::newRow("following 3001") << 1 << "3001" << range;
        QTest::newRow("preambles 256") << 2 << "256" << range;
        QTest::newRow("attempts 0") << 3 << "0" << range;
        QTest::newRow("attempts 6") << 3 << "6" << range;
        QTest::newRow("empty attempts") << 3 << "" << QString(kIncomplete);
        QTest::newRow("empty first byte") << 0 << "" << QString(kIncomplete);
    }
    void wrongEntriesAreRefused() {
        QFETCH(int, field);
        QFETCH(QString, value);
        QFETCH(QString, message);
        auto form = Open();
        QLineEdit* const fields[] = {form->firstByteEdit(), form->nextBytesEdit(),
                                     form->preamblesEdit(), form->attemptsEdit()};
        fields[field]->setText(value);
        form->searchButton()->click();
        QCOMPARE(op.messages.size(), std::size_t{1});
        QCOMPARE(QString::fromStdString(LastMessage(op, zor06::dialogue::MessageKind::InputError)),
                 message);
        QCOMPARE(op.eventPumps, 0);  // no search ran
    }

    void aTypedDeviceIsSearchedOnAndNamed() {
        auto form = Open();
        QCOMPARE(UnnamedControls(*form), QStringList());
        form->portBox()->lineEdit()->clear();
        QTest::keyClicks(form->portBox(), "/dev/zor06-typed");
        form->searchButton()->click();
        QCOMPARE(LastMessage(op, zor06::dialogue::MessageKind::Info),
                 std::string("Коммуникационный порт /dev/zor06-typed недоступен|"));
        QCOMPARE(settings.direct.portName, std::string("/dev/zor06-typed"));
    }

    void withoutAPortNothingIsSearched() {
        settings.direct.portName = "/dev/zor06-gone";
        auto form = Open();
        QCOMPARE(form->portBox()->currentIndex(), -1);
        form->searchButton()->click();
        QCOMPARE(LastMessage(op, zor06::dialogue::MessageKind::InputError),
                 std::string(kIncomplete));
    }

    void findsTheControllersAddressAndRate() {
        SimProcess sim(ZOR06_SIM_PATH, {"--pty", "--baud", "19200", "--address", "23"});
        QVERIFY2(sim.Started(), sim.Error().c_str());
        settings.direct.portName = sim.PtyPath();
        auto form = Open();
        form->firstByteEdit()->setText("100");
        form->searchButton()->click();
        QCOMPARE(
            LastMessage(op, zor06::dialogue::MessageKind::ExchangeResult),
            std::string("Установлена связь с устройством|Адр. = 23.  Скорость обмена = 19200"));
        QCOMPARE(form->result(), int(QDialog::Accepted));
        QCOMPARE(int(settings.direct.address), 23);
        QCOMPARE(settings.direct.baud, 19200);
        QCOMPARE(form->addressResult()->text(), QString("23"));
        QCOMPARE(form->rateResult()->text(), QString("19200"));
        QVERIFY(!link.PortOpen());
        QCOMPARE(link.firstByteTimeoutMs, 100);  // taken in milliseconds as entered
    }

    void stoppingEndsTheSearchWithoutAResult() {
        settings.direct.address = 4;
        settings.direct.portName.clear();  // the chosen port becomes the direct line's port
        auto form = Open();
        // The silent line is listed only when it is the current port: list it as a found one.
        form->portBox()->addItem(QString::fromStdString(silent.slavePath));
        form->portBox()->setCurrentIndex(form->portBox()->count() - 1);
        form->firstByteEdit()->setText("100");
        op.form = form.get();
        op.pressAt = 5;  // before the request at the third rate
        form->searchButton()->click();
        QVERIFY(op.stopWasEnabled);
        QVERIFY(!op.exitWasEnabled);
        QCOMPARE(form->rateResult()->text(), QString("1200"));
        QCOMPARE(link.status, 19);  // the pending request was not sent
        QVERIFY(!link.AbortRequested());
        QCOMPARE(LastMessage(op, zor06::dialogue::MessageKind::ExchangeResult),
                 std::string("Устройство не обнаружено|"));
        QCOMPARE(form->result(), int(QDialog::Rejected));
        QVERIFY(form->searchButton()->isEnabled());
        QVERIFY(form->exitButton()->isEnabled());
        QVERIFY(!form->stopButton()->isEnabled());
        QCOMPARE(settings.direct.portName, silent.slavePath);
        QCOMPARE(int(settings.direct.address), 4);
        QVERIFY(!link.PortOpen());
    }
};

}  // namespace zor06::test

QTEST_MAIN(zor06::test::TestSearch)
#include "tst_TFormSearch.moc"
