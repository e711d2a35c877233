// The momentary moisture window: a refresh at once and on every tick, failed readings that
// change nothing, the refresh button and the timer that stops with the window.
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include "gasdata/screens/TFormMomWmt.h"
#include "tests/link/screens/screen_checks.h"
#include "tests/support/cut_texts.h"

namespace zor06::screens {

class TstMomWmt : public QObject {
    Q_OBJECT
private slots:
    void showingRefreshesAtOnceAndStartsTheTimer();
    void aFailedRefreshChangesNothing();
    void theButtonTogglesTheRefresh();
    void closingStopsTheTimer_data();
    void closingStopsTheTimer();
    void everyValueIsShownWhole();
};

namespace {

// Readings in turn; nothing (a failed reading) once they run out.
struct Readings {
    TFormMomWmt::Refresh Hook() {
        return [this]() -> std::optional<WmtMomentaryLines> {
            ++calls;
            if (next == queue.size()) {
                return std::nullopt;
            }
            return queue[next++];
        };
    }
    std::vector<WmtMomentaryLines> queue;
    std::size_t next = 0;
    int calls = 0;
};

WmtMomentaryLines Lines(std::string time, std::string first) {
    return {std::move(time),
            {{" PV21 – Температура точки росы газа по воде WDP при рабочем давлении,  °C", first},
             {" PV22 – Температура точки росы газа по углеводородам HDP при рабочем давлении,  °C",
              "  2.0000"}}};
}

QString BuddyText(const QWidget& form, const QWidget* field) {
    for (const QLabel* label : form.findChildren<QLabel*>()) {
        if (label->buddy() == field) {
            return label->text();
        }
    }
    return {};
}

}  // namespace

void TstMomWmt::showingRefreshesAtOnceAndStartsTheTimer() {
    Readings readings;
    readings.queue = {Lines("09.12.26 10:00:00", "  -12.5000")};
    TFormMomWmt form(readings.Hook());
    QCOMPARE(form.windowTitle(), QStringLiteral(" Мгновенные данные влагомера"));
    QCOMPARE(readings.calls, 0);
    form.show();
    QCOMPARE(readings.calls, 1);
    QVERIFY(form.refreshTimer().isActive());
    QCOMPARE(form.refreshTimer().interval(), 10000);
    QCOMPARE(form.refreshButton()->text(), QStringLiteral("Не обновлять данные"));
    QCOMPARE(form.timeField()->text(), QStringLiteral("09.12.26 10:00:00"));
    QCOMPARE(BuddyText(form, form.timeField()),
             QStringLiteral("Дата и время, к которым относятся данные"));
    QCOMPARE(form.valueFields().size(), std::size_t{2});
    QCOMPARE(form.valueFields()[0]->text(), QStringLiteral("  -12.5000"));
    QCOMPARE(BuddyText(form, form.valueFields()[1]),
             QStringLiteral(" PV22 – Температура точки росы газа по углеводородам HDP при "
                            "рабочем давлении,  °C"));
    QCOMPARE(test::UnnamedControls(form), QStringList());
}

void TstMomWmt::aFailedRefreshChangesNothing() {
    Readings readings;
    readings.queue = {Lines("09.12.26 10:00:00", "  1.0000"), Lines("09.12.26 10:00:10", "NAN")};
    TFormMomWmt form(readings.Hook());
    form.show();
    form.TimerTimer();
    QCOMPARE(form.timeField()->text(), QStringLiteral("09.12.26 10:00:10"));
    QCOMPARE(form.valueFields()[0]->text(), QStringLiteral("NAN"));
    form.TimerTimer();
    QCOMPARE(readings.calls, 3);
    QCOMPARE(form.timeField()->text(), QStringLiteral("09.12.26 10:00:10"));
    QCOMPARE(form.valueFields()[0]->text(), QStringLiteral("NAN"));
    QVERIFY(form.refreshTimer().isActive());
}

void TstMomWmt::theButtonTogglesTheRefresh() {
    Readings readings;
    TFormMomWmt form(readings.Hook());
    form.show();
    QTest::mouseClick(form.refreshButton(), Qt::LeftButton);
    QCOMPARE(form.refreshButton()->text(), QStringLiteral("Обновлять данные"));
    QVERIFY(!form.refreshTimer().isActive());
    QTest::mouseClick(form.refreshButton(), Qt::LeftButton);
    QCOMPARE(form.refreshButton()->text(), QStringLiteral("Не обновлять данные"));
    QVERIFY(form.refreshTimer().isActive());
    QCOMPARE(readings.calls, 1);
}

void TstMomWmt::closingStopsTheTimer_data() {
    QTest::addColumn<bool>("byButton");
    QTest::newRow("Выход") << true;
    QTest::newRow("close box") << false;
}

void TstMomWmt::closingStopsTheTimer() {
    QFETCH(bool, byButton);
    Readings readings;
    TFormMomWmt form(readings.Hook());
    form.show();
    QVERIFY(form.refreshTimer().isActive());
    QCOMPARE(form.exitButton()->text(), QStringLiteral("Выход"));
    if (byButton) {
        QTest::mouseClick(form.exitButton(), Qt::LeftButton);
    } else {
        form.close();
    }
    QVERIFY(!form.isVisible());
    QVERIFY(!form.refreshTimer().isActive());
}

void TstMomWmt::everyValueIsShownWhole() {
    Readings readings;
    WmtMomentaryLines lines = Lines("31.12.24 23:59:59", "  -15.363");
    lines.values.push_back({" PV23 – Избыточное давление газа WDP,  bar", "  -9999.9"});
    lines.values.push_back({" PV24 – Прив. температура", "NAN"});
    lines.values.push_back({" PV25 – Избыточное давление  газа HDP,  bar", "  -12345.6"});
    readings.queue = {lines};
    TFormMomWmt form(readings.Hook());
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    QCOMPARE(form.valueFields().size(), std::size_t{5});
    QCOMPARE(test::CutTexts(form), QStringList());
}

}  // namespace zor06::screens

QTEST_MAIN(zor06::screens::TstMomWmt)
#include "tst_TFormMomWmt.moc"
