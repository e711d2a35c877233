// The passport parameters screen: the starting date, the days of the chosen month, the object
// drop-down with "Новый объект", and the checks of "Принять".
#include <QComboBox>
#include <QPushButton>
#include <QSpinBox>
#include <QtTest>

#include "gasdata/screens/TFormExcRep_Date.h"
#include "tests/support/recording_operator.h"

using zor06::gasdata::PassportMode;
using zor06::screens::TFormExcRep_Date;

namespace {

// The daily archive from 15.01.24 to 10.03.24.
const zor06::gasdata::ArchiveBounds kBounds{{24, 1, 15, 10, 0}, {24, 3, 10, 10, 0}};

zor06::settings::ObjectList Objects() {
    zor06::settings::ObjectList list;
    list.entries = {{"ГРС Северная", 1}, {"ГРС Южная", 2}};
    list.current = 1;
    return list;
}

}  // namespace

class TestExcRepDate : public QObject {
    Q_OBJECT
private slots:
    void startsAtTheNewestDateWithTheCurrentObject() {
        auto objects = Objects();
        zor06::test::RecordingOperator op;
        TFormExcRep_Date screen(PassportMode::Day, kBounds, objects, {}, op);
        QCOMPARE(screen.windowTitle(), QStringLiteral(" Параметры отчета за сутки"));
        QCOMPARE(screen.yearBox()->value(), 2024);
        QCOMPARE(screen.monthBox()->currentText(), QStringLiteral("Март"));
        QCOMPARE(screen.dayBox()->currentText(), QStringLiteral("10"));
        QCOMPARE(screen.objectBox()->currentText(), QStringLiteral("ГРС Южная"));
        QCOMPARE(screen.objectBox()->count(), 3);  // and "Новый объект"
        screen.acceptButton()->click();
        QVERIFY(screen.Result().has_value());
        QCOMPARE(screen.Result()->date, (std::array<std::uint8_t, 3>{24, 3, 10}));
        QCOMPARE(QString::fromStdString(screen.Result()->objectName), QStringLiteral("ГРС Южная"));
    }

    void daysFollowTheMonthAndALateDayBecomesItsLast() {
        auto objects = Objects();
        zor06::test::RecordingOperator op;
        TFormExcRep_Date screen(PassportMode::Day, kBounds, objects, {}, op);
        screen.dayBox()->setCurrentIndex(30);  // the 31st of March
        screen.monthBox()->setCurrentIndex(1);
        emit screen.monthBox()->activated(1);
        QCOMPARE(screen.dayBox()->count(), 29);  // February of a leap year
        QCOMPARE(screen.dayBox()->currentText(), QStringLiteral("29"));
    }

    void acceptChecksTheObjectAndTheArchivePeriod() {
        auto objects = Objects();
        zor06::test::RecordingOperator op;
        bool asked = false;
        zor06::screens::PassportObjectHooks hooks;
        hooks.newObject = [&asked](zor06::settings::ObjectList&) {
            asked = true;
            return false;  // the object screen was cancelled
        };
        TFormExcRep_Date screen(PassportMode::Month, kBounds, objects, hooks, op);
        screen.objectBox()->setCurrentIndex(2);
        emit screen.objectBox()->activated(2);
        QVERIFY(asked);
        screen.acceptButton()->click();
        QCOMPARE(op.messages.size(), std::size_t{1});
        QCOMPARE(op.messages[0].kind, zor06::dialogue::MessageKind::InputError);
        QCOMPARE(QString::fromStdString(op.messages[0].text1),
                 QStringLiteral("Не введено наименование объекта"));

        screen.objectBox()->setCurrentIndex(0);
        emit screen.objectBox()->activated(0);
        QCOMPARE(objects.current, std::uint8_t{0});
        screen.monthBox()->setCurrentIndex(3);  // April: after the newest month
        screen.acceptButton()->click();
        QCOMPARE(QString::fromStdString(op.messages.back().text1),
                 QStringLiteral("В архиве нет данных за указанную дату"));
        QVERIFY(!screen.Result().has_value());
        screen.monthBox()->setCurrentIndex(0);  // January: the month of the oldest day counts
        screen.acceptButton()->click();
        QVERIFY(screen.Result().has_value());
    }
};

QTEST_MAIN(TestExcRepDate)
#include "tst_TFormExcRep_Date.moc"
