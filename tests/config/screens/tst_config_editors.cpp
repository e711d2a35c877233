// The table editors as a person uses them: what each shows from its bytes, what accepting stores,
// a refusal that keeps the screen open and the bytes as they were, and named controls.
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>
#include <array>

#include "config/screens/TFormConHGC.h"
#include "config/screens/TFormConVU.h"
#include "config/screens/TFormConWMT.h"
#include "config/screens/TFormContrName.h"
#include "config/screens/TFormDistr.h"
#include "config/screens/TFormDt.h"
#include "config/screens/TFormLimits.h"
#include "config/screens/TFormPrzDistr.h"
#include "config/screens/TFormSys.h"
#include "config/screens/TFormTime_Sinhr.h"
#include "config/screens/TimeChangeGroup.h"
#include "tests/link/screens/screen_checks.h"
#include "tests/support/recording_operator.h"

namespace zor06::screens {

using config::EditorMode;

class TstConfigEditors : public QObject {
    Q_OBJECT
private slots:
    void init() { op_ = test::RecordingOperator{}; }
    void acceptCaptionFollowsTheMode();
    void namesAreTypedAndStored();
    void upperLinkRefusalKeepsTheBytes();
    void systemGroupsShowWhatTheChoiceNeeds();
    void periodAndWriteChoices();
    void syncBoxesFollowTheirControllerBox();
    void clockScreenMarksDifferencesAndAsksBeforeCorrecting();
    void limitsAreTypedAsNumbersAndReshown();
    void chromatographGroupsNeedFlowComputers();
    void moistureTimeoutIsChecked();

private:
    test::RecordingOperator op_;
};

void TstConfigEditors::acceptCaptionFollowsTheMode() {
    std::array<std::uint8_t, 2> period{1, 0};
    TFormDistr device(period, EditorMode::Device, op_);
    TFormDistr file(period, EditorMode::File, op_);
    QCOMPARE(device.acceptButton()->text(), QStringLiteral("Записать в устройство"));
    QCOMPARE(file.acceptButton()->text(), QStringLiteral("Принять"));
    QCOMPARE(file.cancelButton()->text(), QStringLiteral("Отменить"));
}

void TstConfigEditors::namesAreTypedAndStored() {
    std::array<std::uint8_t, config::kNamesBytes> names{};
    std::copy_n("GRS", 3, names.begin());
    TFormContrName form(names, EditorMode::Device, op_);
    QCOMPARE(form.nameEdit(0)->text(), QStringLiteral("GRS"));
    QVERIFY(test::UnnamedControls(form).isEmpty());

    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    QTest::mouseClick(form.acceptButton(), Qt::LeftButton);
    QCOMPARE(test::LastMessage(op_, zor06::dialogue::MessageKind::InputError),
             std::string(test::kIncomplete));
    QVERIFY(form.isVisible());

    form.nameEdit(1)->setText(QStringLiteral("Нитка А"));  // key clicks are Latin only
    QTest::keyClicks(form.nameEdit(2), QStringLiteral("Run 2"));
    QTest::mouseClick(form.acceptButton(), Qt::LeftButton);
    QCOMPARE(form.result(), int(QDialog::Accepted));
    QCOMPARE(names[20], std::uint8_t(0xCD));  // Н in Windows-1251
    QCOMPARE(names[27], std::uint8_t(0));
}

void TstConfigEditors::upperLinkRefusalKeepsTheBytes() {
    std::array<std::uint8_t, config::kUpperLinkBytes> bytes{1, 11, 5, 0};
    TFormConVU form(bytes, EditorMode::Device, false, op_);
    QVERIFY(!form.rateBox()->isEnabled());
    QCOMPARE(form.rateBox()->currentText(), QStringLiteral("9600"));
    QVERIFY(test::UnnamedControls(form).isEmpty());
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));

    form.addressBox()->lineEdit()->clear();
    QTest::keyClicks(form.addressBox(), QStringLiteral("25x5"));  // the x is not taken
    form.preamblesEdit()->clear();
    QTest::keyClicks(form.preamblesEdit(), QStringLiteral("9"));
    QTest::mouseClick(form.acceptButton(), Qt::LeftButton);
    QCOMPARE(test::LastMessage(op_, zor06::dialogue::MessageKind::InputError),
             std::string("Адрес должен быть|в диапазоне 1...254"));
    QCOMPARE(bytes, (std::array<std::uint8_t, 4>{1, 11, 5, 0}));

    form.addressBox()->lineEdit()->clear();
    QTest::keyClicks(form.addressBox(), QStringLiteral("42"));
    QTest::mouseClick(form.acceptButton(), Qt::LeftButton);
    QCOMPARE(form.result(), int(QDialog::Accepted));
    QCOMPARE(bytes, (std::array<std::uint8_t, 4>{42, 11, 9, 0}));
}

void TstConfigEditors::systemGroupsShowWhatTheChoiceNeeds() {
    std::array<std::uint8_t, config::kSystemBytes> bytes{3, 201, 3, 0, 201, 4, 9, 1, 0, 1, 0, 1};
    TFormSys form(bytes, EditorMode::File, op_);
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    TimeChangeGroup* summer = form.summerGroup();
    QCOMPARE(summer->monthBox()->currentText(), QStringLiteral("Март"));
    QCOMPARE(summer->ordinalBox()->currentText(), QStringLiteral("Последний"));
    QCOMPARE(summer->weekdayBox()->currentText(), QStringLiteral("Воскресенье"));
    QVERIFY(summer->weekdayBox()->isVisible());
    QVERIFY(!summer->dayBox()->isVisible());
    QVERIFY(!form.winterGroup()->hourBox()->isVisible());  // winter change forbidden
    QVERIFY(test::UnnamedControls(form).isEmpty());

    // The day of the month: February has 28 days, and 30 is no choice there.
    summer->wayBox()->setCurrentIndex(0);
    QVERIFY(summer->dayBox()->isVisible());
    summer->dayBox()->setCurrentIndex(29);
    summer->monthBox()->setCurrentIndex(1);
    QCOMPARE(summer->dayBox()->count(), 28);
    QTest::mouseClick(form.acceptButton(), Qt::LeftButton);
    QCOMPARE(test::LastMessage(op_, zor06::dialogue::MessageKind::InputError),
             std::string(test::kIncomplete));
    QCOMPARE(bytes[0], std::uint8_t(3));

    summer->dayBox()->setCurrentIndex(14);
    form.moistureBox()->setChecked(true);
    QTest::mouseClick(form.acceptButton(), Qt::LeftButton);
    QCOMPARE(form.result(), int(QDialog::Accepted));
    QCOMPARE(bytes, (std::array<std::uint8_t, 12>{2, 15, 3, 0, 201, 4, 9, 1, 1, 1, 0, 1}));
}

void TstConfigEditors::periodAndWriteChoices() {
    std::array<std::uint8_t, 2> period{5, 0};
    TFormDistr distr(period, EditorMode::Device, op_);
    QCOMPARE(distr.periodBox()->currentIndex(), -1);
    QTest::mouseClick(distr.acceptButton(), Qt::LeftButton);
    QCOMPARE(test::LastMessage(op_, zor06::dialogue::MessageKind::InputError),
             std::string("Не введен период|"));

    std::array<std::uint8_t, config::kGasParameterCount> choices{};
    choices[4] = 9;
    TFormPrzDistr prz(choices, EditorMode::Device, op_);
    QVERIFY(!prz.choiceBox(15)->isEnabled());
    QCOMPARE(prz.choiceBox(15)->currentText(), QStringLiteral(" Не записывать "));
    QTest::mouseClick(prz.acceptButton(), Qt::LeftButton);
    QCOMPARE(op_.boxes.size(), std::size_t(1));  // a plain message box
    prz.choiceBox(4)->setCurrentIndex(1);
    QTest::mouseClick(prz.acceptButton(), Qt::LeftButton);
    QCOMPARE(prz.result(), int(QDialog::Accepted));
    QCOMPARE(choices[4], std::uint8_t(1));
}

void TstConfigEditors::syncBoxesFollowTheirControllerBox() {
    config::SyncSwitches value{1, 1, 1, 1};
    TFormTime_Sinhr form(value, EditorMode::Device, op_);
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    form.box(1)->click();  // untick "С временем ЭВМ"
    QVERIFY(!form.box(1)->isChecked());
    QVERIFY(!form.box(3)->isChecked());
    QVERIFY(!form.box(3)->isEnabled());
    QTest::mouseClick(form.acceptButton(), Qt::LeftButton);
    QCOMPARE(value, (config::SyncSwitches{1, 0, 1, 0}));
}

void TstConfigEditors::clockScreenMarksDifferencesAndAsksBeforeCorrecting() {
    const std::array<std::uint8_t, 8> clock{24, 3, 5, 10, 20, 0, 3, 128};
    const std::array<std::uint8_t, 6> chromatograph{24, 3, 5, 10, 21, 30};
    std::array<std::uint8_t, 12> system{3, 201, 3, 10, 201, 4, 9, 1, 0, 1, 0, 1};
    const double pc = tables::DecodeToPc({24, 3, 5, 10, 21, 30});
    const config::ClockView view = config::BuildClockView(clock, chromatograph, pc, system);

    TFormDt form(view, op_);
    QCOMPARE(form.table()->item(0, 1)->text(), QStringLiteral("10:20:00"));
    QCOMPARE(form.table()->item(0, 1)->foreground().color(), QColor(Qt::red));
    QCOMPARE(form.table()->item(0, 0)->foreground().color(), QColor(Qt::black));
    QCOMPARE(form.table()->item(2, 1)->foreground().color(), QColor(Qt::black));
    QVERIFY(form.forbiddenLine()->isHidden());

    op_.answers = {false};
    QTest::mouseClick(form.correctButton(), Qt::LeftButton);
    QCOMPARE(form.result(), int(QDialog::Rejected));
    op_.answers = {true};
    QTest::mouseClick(form.correctButton(), Qt::LeftButton);
    QCOMPARE(form.result(), int(QDialog::Accepted));
    QCOMPARE(form.Correction(), std::int16_t(90));

    system[11] = 0;
    const config::ClockView forbidden = config::BuildClockView(clock, chromatograph, pc, system);
    TFormDt refused(forbidden, op_);
    QVERIFY(!refused.forbiddenLine()->isHidden());
    QVERIFY(!refused.correctButton()->isEnabled());
}

void TstConfigEditors::limitsAreTypedAsNumbersAndReshown() {
    std::array<std::uint8_t, config::kLimitBytes> bytes{};
    TFormLimits form(bytes, 1, EditorMode::File, op_);
    QVERIFY(test::UnnamedControls(form).isEmpty());
    QVERIFY(!form.valueEdit(15)->isEnabled());
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    QLineEdit* heat = form.valueEdit(11);
    heat->clear();
    heat->setFocus();
    QTest::keyClicks(heat, QStringLiteral("3x7,6"));  // x is dropped, the comma becomes a point
    QCOMPARE(heat->text(), QStringLiteral("37.6"));
    form.valueEdit(12)->setFocus();  // leaving the edit shows the row's precision
    QCOMPARE(heat->text(), QStringLiteral("38"));
    QTest::mouseClick(form.acceptButton(), Qt::LeftButton);  // zeros are out of several ranges
    QCOMPARE(op_.messages.back().text2,
             std::string("Вводите значения согласно допустимому диапазону"));
    QCOMPARE(bytes, (std::array<std::uint8_t, config::kLimitBytes>{}));
}

void TstConfigEditors::chromatographGroupsNeedFlowComputers() {
    std::array<std::uint8_t, config::kChromatographLinkBytes> bytes{1, 11, 1, 0, 150, 5, 3,
                                                                    1, 1,  0, 1, 2,   0, 0};
    TFormConHGC none(bytes, EditorMode::Device, {}, {"Север", "Юг"}, op_);
    QVERIFY(test::UnnamedControls(none).isEmpty());
    QVERIFY(none.runBox(0)->text().contains(QStringLiteral("Север")));
    QVERIFY(!none.flowBox(0)->isEnabled());
    QTest::mouseClick(none.acceptButton(), Qt::LeftButton);
    QCOMPARE(none.result(), int(QDialog::Accepted));
    QCOMPARE(bytes[10], std::uint8_t(0));
    QCOMPARE(bytes[8], std::uint8_t(1));  // the synchronisation switch stays

    TFormConHGC two(bytes, EditorMode::Device, {5, 9}, {"Север", "Юг"}, op_);
    QCOMPARE(two.flowBox(0)->itemText(1), QStringLiteral("1 (адр. 9)"));
    QVERIFY(two.flowBox(0)->isEnabled());
    two.flowBox(0)->setCurrentIndex(1);
    two.pipelineBox(0)->setCurrentIndex(2);
    two.runBox(1)->setChecked(true);
    QTest::mouseClick(two.acceptButton(), Qt::LeftButton);
    QCOMPARE(test::LastMessage(op_, zor06::dialogue::MessageKind::InputError),
             std::string(test::kIncomplete));  // run 2 has no source
    two.runBox(1)->setChecked(false);
    QTest::mouseClick(two.acceptButton(), Qt::LeftButton);
    QCOMPARE(two.result(), int(QDialog::Accepted));
    QCOMPARE(bytes[10], std::uint8_t(1));
    QCOMPARE(bytes[11], std::uint8_t(3));

    bytes[12] = 1;  // run 2, not in use, keeps flow computer 1 and pipeline 2
    bytes[13] = 2;
    TFormConHGC unused(bytes, EditorMode::Device, {5, 9}, {"Север", "Юг"}, op_);
    QCOMPARE(unused.flowBox(1)->currentIndex(), -1);
    unused.runBox(1)->setChecked(true);
    QCOMPARE(unused.flowBox(1)->currentIndex(), 1);
    QCOMPARE(unused.pipelineBox(1)->currentIndex(), 1);
}

void TstConfigEditors::moistureTimeoutIsChecked() {
    std::array<std::uint8_t, config::kMoistureLinkBytes> bytes{1, 11, 0, 0, 150, 5, 0, 0};
    TFormConWMT form(bytes, EditorMode::Device, op_);
    QVERIFY(test::UnnamedControls(form).isEmpty());
    form.timeoutBox()->setEditText(QStringLiteral("4"));
    QTest::mouseClick(form.acceptButton(), Qt::LeftButton);
    QCOMPARE(test::LastMessage(op_, zor06::dialogue::MessageKind::InputError),
             std::string("Таймаут должен быть|в диапазоне 5...255"));
    QCOMPARE(bytes[4], std::uint8_t(150));
}

}  // namespace zor06::screens

QTEST_MAIN(zor06::screens::TstConfigEditors)
#include "tst_config_editors.moc"
