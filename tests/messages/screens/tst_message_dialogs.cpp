// The archive reading dialogs on screen: the remembered preset applied on showing, the controls it
// enables, and what "Принять" hands back or refuses.
#include <QApplication>
#include <QButtonGroup>
#include <QComboBox>
#include <QDateEdit>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include "messages/screens/PeriodGroupBox.h"
#include "messages/screens/TFormIndex.h"
#include "messages/screens/TFormPeriod.h"
#include "messages/screens/TFormShortDate.h"
#include "tests/support/recording_operator.h"

namespace zor06::screens {

class TstMessageDialogs : public QObject {
    Q_OBJECT
private slots:
    void indexPresetFillsDisabledFields();
    void indexGivenRangeIsLoweredOrRefused();
    void periodGivenPeriodRoundTrips();
    void shortDateStartsFromTheBounds();
};

void TstMessageDialogs::indexPresetFillsDisabledFields() {
    test::RecordingOperator op;
    settings::ArchiveChoices choices;  // "Последние 100 записей"
    TFormIndex form(messages::Archive::Diagnostics, {5, 60}, choices, op);
    QCOMPARE(form.windowTitle(), QStringLiteral("Индексы архивных записей диагностики"));
    QCOMPARE(form.presets()->checkedId(), 1);
    QCOMPARE(form.startEdit()->text(), QStringLiteral("5"));
    QCOMPARE(form.countEdit()->text(), QStringLiteral("56"));
    QVERIFY(!form.startEdit()->isEnabled());
    form.acceptButton()->click();
    QCOMPARE(form.result(), int(QDialog::Accepted));
    QCOMPARE(form.Selection(), (messages::IndexSelection{5, 56}));
}

void TstMessageDialogs::indexGivenRangeIsLoweredOrRefused() {
    test::RecordingOperator op;
    settings::ArchiveChoices choices;
    TFormIndex form(messages::Archive::Interventions, {5, 60}, choices, op);
    form.presets()->button(4)->click();
    QCOMPARE(choices.indexKind, 4);
    QVERIFY(form.startEdit()->isEnabled());
    form.acceptButton()->click();
    QCOMPARE(op.messages.size(), std::size_t{1});
    QCOMPARE(QString::fromStdString(op.messages[0].text1),
             QStringLiteral("Не введен индекс записи начала чтения"));
    QTest::keyClicks(form.startEdit(), "58x");  // the letter is filtered out
    form.countEdit()->setText(QStringLiteral("10"));
    form.acceptButton()->click();
    QCOMPARE(form.result(), int(QDialog::Accepted));
    QCOMPARE(form.Selection(), (messages::IndexSelection{58, 3}));
}

void TstMessageDialogs::periodGivenPeriodRoundTrips() {
    test::RecordingOperator op;
    settings::ArchiveChoices choices;
    choices.periodKind = 2;
    choices.periodBegin = tables::DecodeToPc({24, 5, 1, 8, 0, 0});
    choices.periodEnd = tables::DecodeToPc({24, 5, 2, 9, 30, 15});
    TFormPeriod form(choices, tables::DecodeToPc({24, 6, 1, 0, 0, 0}), op);
    QVERIFY(form.startGroup()->dateEdit()->isEnabled());
    QCOMPARE(form.endGroup()->list(2)->currentText(), QStringLiteral("15"));
    form.acceptButton()->click();
    QCOMPARE(form.result(), int(QDialog::Accepted));
    QCOMPARE(form.Result(), (messages::Period{{24, 5, 1, 8, 0, 0}, {24, 5, 2, 9, 30, 15}}));

    TFormPeriod again(choices, tables::DecodeToPc({24, 6, 1, 0, 0, 0}), op);
    again.endGroup()->SetDate({2024, 4, 1});
    again.acceptButton()->click();
    QCOMPARE(again.result(), int(QDialog::Rejected));
    QCOMPARE(QString::fromStdString(op.messages.back().text2),
             QStringLiteral("больше даты и времени начала опроса"));

    // A year past what the controller's date byte holds is not typed into another one.
    again.endGroup()->SetDate({2300, 1, 1});
    QCOMPARE(again.endGroup()->Date().year, 2255);
}

void TstMessageDialogs::shortDateStartsFromTheBounds() {
    test::RecordingOperator op;
    settings::ArchiveChoices choices;
    choices.periodKind = 1;  // "Заданный период" of an hourly archive
    const messages::ArchiveBounds bounds{{19, 6, 10, 2, 0}, {19, 6, 10, 8, 0}};
    TFormShortDate form(messages::DataArchive::Hourly, bounds, {19, 6, 10, 9, 0, 0}, choices, op);
    QCOMPARE(form.oldestLabel()->text(),
             QStringLiteral("Дата и время самой старой записи в архиве:  10.06.19 02ч"));
    QCOMPARE(form.startGroup()->ListCount(), 1);
    QCOMPARE(form.startGroup()->list(0)->currentIndex(), 2);
    QCOMPARE(form.endGroup()->list(0)->currentIndex(), 8);
    QCOMPARE(form.cancelButton()->text(), QStringLiteral("Отменить"));
    form.acceptButton()->click();
    QCOMPARE(form.result(), int(QDialog::Accepted));
    QCOMPARE(form.Result(), (messages::Period{{19, 6, 10, 2, 0, 0}, {19, 6, 10, 8, 0, 0}}));
}

}  // namespace zor06::screens

QTEST_MAIN(zor06::screens::TstMessageDialogs)
#include "tst_message_dialogs.moc"
