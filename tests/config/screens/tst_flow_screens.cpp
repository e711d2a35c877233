// The flow computers' screens: the line, the list's buttons and questions, one flow computer's
// pipelines and password.
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTableWidget>
#include <QTest>

#include "config/screens/TFormConVich.h"
#include "config/screens/TFormFlouList.h"
#include "config/screens/TFormFlouPar.h"
#include "tests/link/screens/screen_checks.h"
#include "tests/support/recording_operator.h"

namespace zor06::screens {
namespace {

QString LabelOf(const QWidget& screen, const QWidget* field) {
    for (const QLabel* label : screen.findChildren<QLabel*>()) {
        if (label->buddy() == field) {
            return label->text();
        }
    }
    return {};
}

}  // namespace

using config::EditorMode;

class TstFlowScreens : public QObject {
    Q_OBJECT
private slots:
    void init() { op_ = test::RecordingOperator{}; }
    void lineShowsAndStoresItsBytes();
    void listButtonsFollowTheCount();
    void oneFlowComputerTakesThePipelinesOfItsType();
    void anUntickedPipelineHasNoRun();
    void thePasswordIsWhatWasTyped_data();
    void thePasswordIsWhatWasTyped();
    void enterInTheCodeMovesToThePassword();

private:
    test::RecordingOperator op_;
};

void TstFlowScreens::lineShowsAndStoresItsBytes() {
    std::array<std::uint8_t, config::kFlowLineBytes> line{1, 11, 5, 20, 3, 2};
    TFormConVich form(line, EditorMode::Device, op_);
    QVERIFY(test::UnnamedControls(form).isEmpty());
    QCOMPARE(form.countBox()->currentText(), QStringLiteral("1"));
    QVERIFY(form.modeButton(2)->isChecked());
    form.countBox()->setCurrentIndex(2);
    form.modeButton(3)->setChecked(true);
    QTest::mouseClick(form.acceptButton(), Qt::LeftButton);
    QCOMPARE(form.result(), int(QDialog::Accepted));
    QCOMPARE(line, (std::array<std::uint8_t, 6>{3, 11, 5, 20, 3, 3}));
}

void TstFlowScreens::listButtonsFollowTheCount() {
    config::FlowRecords records{};
    for (int i = 0; i < 16; ++i) {
        records[static_cast<std::size_t>(i)].address = static_cast<std::uint8_t>(i + 1);
    }
    TFormFlouList full(records, 16, 3, EditorMode::Device, op_);
    QVERIFY(!full.addButton()->isEnabled());
    QCOMPARE(full.grid()->item(15, 0)->text(), QStringLiteral("   16"));

    TFormFlouList one(records, 1, 3, EditorMode::File, op_);
    QVERIFY(!one.deleteButton()->isEnabled());
    one.editRecord = [](config::FlowRecord& r, int position, bool&, bool* changed) {
        r.address = static_cast<std::uint8_t>(40 + position);
        *changed = true;
        return true;
    };
    QTest::mouseClick(one.addButton(), Qt::LeftButton);
    QCOMPARE(one.grid()->rowCount(), 2);
    QVERIFY(one.deleteButton()->isEnabled());
    QCOMPARE(one.grid()->item(1, 0)->text(), QStringLiteral("   41"));

    one.grid()->selectRow(0);
    op_.answers = {false};
    QTest::mouseClick(one.deleteButton(), Qt::LeftButton);
    QCOMPARE(test::LastMessage(op_, zor06::dialogue::MessageKind::Question),
             std::string("Вы действительно хотите удалить|вычислитель адр. 1?"));
    QCOMPARE(one.grid()->rowCount(), 2);
    op_.answers = {true};
    QTest::mouseClick(one.deleteButton(), Qt::LeftButton);
    QCOMPARE(one.grid()->rowCount(), 1);
    QTest::mouseClick(one.acceptButton(), Qt::LeftButton);
    QCOMPARE(one.result(), int(QDialog::Accepted));
    QCOMPARE(one.Result().count, 1);
    QCOMPARE(one.Result().records[0].address, std::uint8_t(41));
    QVERIFY(one.Result().passwordChanged[0]);
}

void TstFlowScreens::oneFlowComputerTakesThePipelinesOfItsType() {
    config::FlowRecord record;
    record.address = 7;
    record.type = 1;
    record.necessity = 0x11;  // pipeline 1 from run 2
    record.password.fill(' ');
    bool split = false;
    TFormFlouPar form(record, 2, 1, split, op_);  // only run 1 in use
    QVERIFY(test::UnnamedControls(form).isEmpty());
    QCOMPARE(form.windowTitle(), QStringLiteral("Параметры вычислителя расхода газа № 3"));
    QVERIFY(form.pipelineBox(0)->isChecked());
    QVERIFY(!form.runButton(0, 0)->isChecked());  // its stored run 2 is not in use
    QVERIFY(!form.runButton(0, 1)->isEnabled());
    QVERIFY(!form.pipelineBox(1)->isEnabled());

    QTest::mouseClick(form.acceptButton(), Qt::LeftButton);
    QCOMPARE(test::LastMessage(op_, zor06::dialogue::MessageKind::InputError),
             std::string(test::kIncomplete));
    form.runButton(0, 0)->setChecked(true);
    form.typeBox()->setCurrentIndex(0);  // three pipelines, the new ones unticked
    QVERIFY(form.pipelineBox(2)->isEnabled());
    QVERIFY(!form.pipelineBox(2)->isChecked());
    QTest::mouseClick(form.acceptButton(), Qt::LeftButton);
    QCOMPARE(form.result(), int(QDialog::Accepted));
    QCOMPARE(record.necessity, std::uint8_t(0x01));
    QVERIFY(!form.PasswordChanged());
}

void TstFlowScreens::anUntickedPipelineHasNoRun() {
    config::FlowRecord record{7, 0, 0x01, 1, {}};  // pipeline 1 from run 1
    bool split = false;
    TFormFlouPar form(record, 0, 3, split, op_);
    QVERIFY(form.runButton(0, 0)->isChecked());
    form.pipelineBox(0)->setChecked(false);
    QVERIFY(!form.runButton(0, 0)->isChecked());
    QVERIFY(!form.runButton(0, 0)->isEnabled());
    form.pipelineBox(0)->setChecked(true);
    QTest::mouseClick(form.acceptButton(), Qt::LeftButton);
    QCOMPARE(test::LastMessage(op_, zor06::dialogue::MessageKind::InputError),
             std::string(test::kIncomplete));
}

// Typed with or without "SOU" and the box ticked or unticked after typing: the bytes that
// reach the record. A new flow computer's password stays zero bytes until something is typed.
void TstFlowScreens::thePasswordIsWhatWasTyped_data() {
    QTest::addColumn<bool>("split");
    QTest::addColumn<QString>("password");
    QTest::addColumn<QString>("code");
    QTest::addColumn<int>("toggles");
    QTest::addColumn<QByteArray>("stored");
    QTest::newRow("nothing typed, SOU ticked")
        << false << QString() << QString() << 1 << QByteArray(16, '\0');
    QTest::newRow("typed, then SOU ticked")
        << false << "secret-pass-1234" << QString() << 1 << QByteArray("secret-pass-1234");
    QTest::newRow("SOU, then unticked") << true << "pass"
                                        << "77" << 1 << QByteArray("pass        77  ");
}

void TstFlowScreens::thePasswordIsWhatWasTyped() {
    QFETCH(bool, split);
    QFETCH(QString, password);
    QFETCH(QString, code);
    QFETCH(int, toggles);
    QFETCH(QByteArray, stored);
    config::FlowRecord record = config::FlowList({}, 1).NewRecord();
    record.address = 9;
    TFormFlouPar form(record, 1, 3, split, op_);
    const QString limit = split ? QStringLiteral("12") : QStringLiteral("16");
    QCOMPARE(LabelOf(form, form.passwordEdit()),
             QStringLiteral("Пароль на запись\n(до %1 символов)").arg(limit));
    QTest::keyClicks(form.passwordEdit(), password);
    QTest::keyClicks(form.codeEdit(), code);
    for (int i = 0; i < toggles; ++i) {
        form.splitBox()->toggle();
    }
    QVERIFY(LabelOf(form, form.passwordEdit())
                .endsWith(split ? "(до 12 символов)" : "(до 16 символов)"));
    QTest::mouseClick(form.acceptButton(), Qt::LeftButton);
    QCOMPARE(form.result(), int(QDialog::Accepted));
    QCOMPARE(QByteArray(reinterpret_cast<const char*>(record.password.data()), 16), stored);
    QCOMPARE(form.PasswordChanged(), stored != QByteArray(16, '\0'));
}

void TstFlowScreens::enterInTheCodeMovesToThePassword() {
    config::FlowRecord record{7, 0, 0, 1, {}};
    bool split = true;
    TFormFlouPar form(record, 0, 3, split, op_);
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    form.codeEdit()->setFocus();
    QTest::keyClicks(form.codeEdit(), "12");
    QTest::keyClick(form.codeEdit(), Qt::Key_Return);
    QCOMPARE(form.focusWidget(), form.passwordEdit());
    QVERIFY(form.isVisible());
}

}  // namespace zor06::screens

QTEST_MAIN(zor06::screens::TstFlowScreens)
#include "tst_flow_screens.moc"
