// The link parameters dialog: its controls for each link kind, every check with its message in
// order, and what "Принять" stores.
#include <unistd.h>

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>
#include <functional>
#include <memory>

#include "link/screens/TFormConnParam.h"
#include "platform/pty.h"
#include "tests/link/screens/screen_checks.h"

namespace zor06::test {

using link::LinkKind;
using screens::TFormConnParam;

// A field of the dialog, chosen in a data row.
using Field = std::function<QLineEdit*(TFormConnParam&)>;

}  // namespace zor06::test

// Declared before the data rows use the type: an optimised build instantiates it there.
Q_DECLARE_METATYPE(zor06::test::Field)

namespace zor06::test {

class TestConnParam : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<TFormConnParam> Open(LinkKind kind) {
        return std::make_unique<TFormConnParam>(settings, kind, op);
    }
    // "Принять" with `edit` set to `text`; the message shown, or "" when accepted.
    std::string Refusal(TFormConnParam& form, QLineEdit* edit, const QString& text) {
        op.messages.clear();
        edit->setText(text);
        form.acceptButton()->click();
        const bool accepted = form.result() == QDialog::Accepted;
        if (accepted != op.messages.empty()) {
            return "accepted with a message";
        }
        return accepted ? std::string() : LastMessage(op, zor06::dialogue::MessageKind::InputError);
    }

    settings::LinkSettings settings;
    RecordingOperator op;
    platform::PtyPair pty;

private slots:
    void initTestCase() {
        std::string error;
        QVERIFY2(platform::OpenPty(&pty, &error), error.c_str());
    }
    void cleanupTestCase() { close(pty.master); }
    void init() {
        settings = {};
        settings.direct.portName = pty.slavePath;
        settings.phone.record.portName = pty.slavePath;
        op = {};
    }

    void eachKindHasItsTitleAndControls() {
        auto direct = Open(LinkKind::Direct);
        QCOMPARE(direct->windowTitle(),
                 QString("Параметры связи с устройством (непосредственная связь)"));
        QVERIFY(direct->closePortCheck()->isEnabled());
        QVERIFY(direct->connectWaitEdit() == nullptr);
        QVERIFY(direct->commandEdit() == nullptr);

        auto phone = Open(LinkKind::Telephone);
        QCOMPARE(phone->windowTitle(),
                 QString("Параметры связи с устройством (связь по телефону)"));
        QVERIFY(!phone->closePortCheck()->isEnabled());
        QVERIFY(!phone->portWaitEdit()->isEnabled());
        QCOMPARE(phone->connectWaitEdit()->text(), QString("50"));
        QCOMPARE(phone->firstByteEdit()->text(), QString("6"));

        auto ethernet = Open(LinkKind::Ethernet);
        QCOMPARE(ethernet->windowTitle(),
                 QString("Параметры связи с устройством (Ethernet-интерфейс)"));
        QVERIFY(ethernet->portBox() == nullptr);
        QVERIFY(ethernet->rateBox() == nullptr);
        QVERIFY(ethernet->closePortCheck() == nullptr);
        QCOMPARE(ethernet->connectWaitEdit()->text(), QString("10"));
    }

    void theCurrentRecordIsShown() {
        settings.direct.baud = 19200;
        settings.direct.attempts = 3;
        settings.direct.preambles = 0;
        auto form = Open(LinkKind::Direct);
        QCOMPARE(form->portBox()->currentText(), QString::fromStdString(pty.slavePath));
        QCOMPARE(form->rateBox()->currentText(), QString("19200"));
        QCOMPARE(form->rateBox()->count(), 22);
        QCOMPARE(form->attemptsBox()->currentText(), QString("3"));
        QCOMPARE(form->attemptsBox()->count(), 5);
        QCOMPARE(form->preamblesEdit()->text(), QString("0"));
        QCOMPARE(form->nextBytesEdit()->text(), QString("300"));
    }

    void thePortWaitIsEditableOnlyWhileThePortIsReleased() {
        settings.portWaitS = 7;
        auto form = Open(LinkKind::Direct);
        QVERIFY(!form->portWaitEdit()->isEnabled());
        QCOMPARE(form->portWaitEdit()->text(), QString());
        form->closePortCheck()->click();
        QVERIFY(form->portWaitEdit()->isEnabled());
        QCOMPARE(form->portWaitEdit()->text(), QString("7"));
        form->closePortCheck()->click();
        QCOMPARE(form->portWaitEdit()->text(), QString());
    }

    void everyRangeHasItsMessage_data() {
        QTest::addColumn<int>("kind");
        QTest::addColumn<Field>("field");
        QTest::addColumn<QString>("value");
        QTest::addColumn<QString>("message");
        const auto preambles = [](TFormConnParam& f) { return f.preamblesEdit(); };
        const auto firstByte = [](TFormConnParam& f) { return f.firstByteEdit(); };
        const auto nextBytes = [](TFormConnParam& f) { return f.nextBytesEdit(); };
        const auto wait = [](TFormConnParam& f) { return f.connectWaitEdit(); };
        const auto tries = [](TFormConnParam& f) { return f.connectAttemptsEdit(); };
        const auto portWait = [](TFormConnParam& f) {
            f.closePortCheck()->click();
            return f.portWaitEdit();
        };
        const QString outside = "|Параметр вне допустимого диапазона";
        const QString preamblesName = "Количество преамбул в запросе" + outside;
        const QString firstName = "Время ожидания первого байта ответа" + outside;
        const QString nextName = "Время ожидания следующих байтов ответа" + outside;
        const QString waitName = "Ожидание соединения" + outside;
        const QString triesName = "Количество попыток соединения" + outside;
        // "СОМ" in Cyrillic letters.
        const QString portName = "Время ожидания освобождения СОМ порта" + outside;
        const QString accepted;
        const int direct = 0;
        const int phone = 1;
        const int ethernet = 2;
        QTest::newRow("preambles 0") << direct << Field(preambles) << "0" << accepted;
        QTest::newRow("preambles 256") << direct << Field(preambles) << "256" << preamblesName;
        QTest::newRow("first byte 0") << direct << Field(firstByte) << "0" << firstName;
        QTest::newRow("first byte 120") << ethernet << Field(firstByte) << "120" << accepted;
        QTest::newRow("first byte 121") << ethernet << Field(firstByte) << "121" << firstName;
        QTest::newRow("next bytes 54") << direct << Field(nextBytes) << "54" << nextName;
        QTest::newRow("next bytes 55") << direct << Field(nextBytes) << "55" << accepted;
        QTest::newRow("next bytes 5001") << phone << Field(nextBytes) << "5001" << nextName;
        QTest::newRow("phone wait 0") << phone << Field(wait) << "0" << waitName;
        QTest::newRow("phone wait 360") << phone << Field(wait) << "360" << accepted;
        QTest::newRow("phone wait 361") << phone << Field(wait) << "361" << waitName;
        QTest::newRow("tcp wait 361") << ethernet << Field(wait) << "361" << waitName;
        QTest::newRow("phone tries 0") << phone << Field(tries) << "0" << triesName;
        QTest::newRow("phone tries 10") << phone << Field(tries) << "10" << accepted;
        QTest::newRow("tcp tries 11") << ethernet << Field(tries) << "11" << triesName;
        QTest::newRow("port wait 0") << direct << Field(portWait) << "0" << portName;
        QTest::newRow("port wait 20") << direct << Field(portWait) << "20" << accepted;
        QTest::newRow("port wait 21") << direct << Field(portWait) << "21" << portName;
        QTest::newRow("empty first byte") << direct << Field(firstByte) << "" << kIncomplete;
        QTest::newRow("empty tcp wait") << ethernet << Field(wait) << "" << kIncomplete;
        QTest::newRow("empty port wait") << direct << Field(portWait) << "" << kIncomplete;
    }
    void everyRangeHasItsMessage() {
        QFETCH(int, kind);
        QFETCH(Field, field);
        QFETCH(QString, value);
        QFETCH(QString, message);
        auto form = Open(static_cast<LinkKind>(kind));
        QCOMPARE(QString::fromStdString(Refusal(*form, field(*form), value)), message);
    }

    void theChecksRunInTheirOrder() {
        auto form = Open(LinkKind::Telephone);
        form->firstByteEdit()->setText("0");
        form->connectWaitEdit()->setText("0");
        form->preamblesEdit()->setText("999");
        QCOMPARE(Refusal(*form, form->connectAttemptsEdit(), ""), std::string(kIncomplete));
        QCOMPARE(Refusal(*form, form->connectAttemptsEdit(), "0"),
                 std::string("Количество преамбул в запросе|Параметр вне допустимого диапазона"));
        QCOMPARE(Refusal(*form, form->preamblesEdit(), "5"),
                 std::string("Время ожидания первого байта ответа|Параметр вне допустимого "
                             "диапазона"));
        QCOMPARE(Refusal(*form, form->firstByteEdit(), "5"),
                 std::string("Ожидание соединения|Параметр вне допустимого диапазона"));
    }

    void aTypedDeviceIsStoredAsThePort() {
        auto form = Open(LinkKind::Direct);
        form->portBox()->lineEdit()->clear();
        QTest::keyClicks(form->portBox(), "/dev/zor06-typed");
        QCOMPARE(Refusal(*form, form->firstByteEdit(), "5"), std::string());
        QCOMPARE(settings.direct.portName, std::string("/dev/zor06-typed"));
    }

    void everyFieldIsNamedByItsLabel() {
        for (const LinkKind kind : {LinkKind::Direct, LinkKind::Telephone, LinkKind::Ethernet}) {
            auto form = Open(kind);
            QCOMPARE(UnnamedControls(*form), QStringList());
        }
    }

    void aMissingSelectionIsIncomplete() {
        settings.direct.baud = 9601;  // not one of the list's rates
        settings.direct.portName = "/dev/zor06-gone";
        auto form = Open(LinkKind::Direct);
        QCOMPARE(form->rateBox()->currentIndex(), -1);
        QCOMPARE(form->portBox()->currentIndex(), -1);
        QCOMPARE(Refusal(*form, form->firstByteEdit(), "5"), std::string(kIncomplete));
        form->rateBox()->setCurrentIndex(0);
        QCOMPARE(Refusal(*form, form->firstByteEdit(), "5"), std::string(kIncomplete));
        QCOMPARE(settings.direct.baud, 9601);
    }

    void acceptingStoresTheDirectLine() {
        settings.direct.comPort = 9;
        auto form = Open(LinkKind::Direct);
        form->rateBox()->setCurrentIndex(form->rateBox()->findText("115200"));
        form->attemptsBox()->setCurrentIndex(4);
        form->firstByteEdit()->setText("2");
        form->nextBytesEdit()->setText("100");
        form->preamblesEdit()->setText("3");
        form->closePortCheck()->click();
        form->portWaitEdit()->setText("15");
        form->acceptButton()->click();
        QCOMPARE(form->result(), int(QDialog::Accepted));
        QCOMPARE(settings.direct.portName, pty.slavePath);
        QCOMPARE(int(settings.direct.comPort), 9);  // a pseudo-terminal has no COM number
        QCOMPARE(settings.direct.baud, 115200);
        QCOMPARE(int(settings.direct.attempts), 5);
        QCOMPARE(settings.direct.firstByteTimeoutMs, 2000);
        QCOMPARE(settings.direct.interByteTimeoutMs, 100);
        QCOMPARE(int(settings.direct.preambles), 3);
        QVERIFY(settings.closePort);
        QCOMPARE(settings.portWaitS, 15);
        QCOMPARE(settings.phone.record.baud, 9600);
    }

    void acceptingStoresTheTelephoneAndEthernetSettings() {
        auto phone = Open(LinkKind::Telephone);
        phone->commandEdit()->setText("ATZ");
        phone->connectWaitEdit()->setText("90");
        phone->connectAttemptsEdit()->setText("4");
        phone->acceptButton()->click();
        QCOMPARE(settings.phone.command, std::string("ATZ"));
        QCOMPARE(settings.phone.connectWaitS, 90);
        QCOMPARE(settings.phone.connectAttempts, 4);

        auto ethernet = Open(LinkKind::Ethernet);
        ethernet->connectWaitEdit()->setText("30");
        ethernet->connectAttemptsEdit()->setText("2");
        ethernet->preamblesEdit()->setText("0");
        ethernet->acceptButton()->click();
        QCOMPARE(settings.ethernet.connectWaitS, 30);
        QCOMPARE(settings.ethernet.connectAttempts, 2);
        QCOMPARE(int(settings.ethernet.record.preambles), 0);
        QCOMPARE(int(settings.direct.preambles), 5);
    }

    void leavingDiscardsTheChanges() {
        const settings::LinkSettings before = settings;
        auto form = Open(LinkKind::Direct);
        form->firstByteEdit()->setText("77");
        form->closePortCheck()->click();
        form->exitButton()->click();
        QCOMPARE(form->result(), int(QDialog::Rejected));
        QCOMPARE(settings.direct.firstByteTimeoutMs, before.direct.firstByteTimeoutMs);
        QCOMPARE(settings.closePort, before.closePort);
    }
};

}  // namespace zor06::test

QTEST_MAIN(zor06::test::TestConnParam)
#include "tst_TFormConnParam.moc"
