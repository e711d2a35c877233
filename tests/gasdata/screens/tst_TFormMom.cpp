// The chromatograph's momentary window: values and zones refreshed at once and on every tick,
// each reading on its own, coloured zones, the refresh button and the timer that stops with the
// window.
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <deque>

#include "gasdata/screens/TFormMom.h"
#include "tests/link/screens/screen_checks.h"

namespace zor06::screens {

class TstMom : public QObject {
    Q_OBJECT
private slots:
    void showingRefreshesAtOnceAndStartsTheTimer();
    void eachFailedReadingKeepsWhatItShowed();
    void theButtonTogglesTheRefresh();
    void closingStopsTheTimer_data();
    void closingStopsTheTimer();
};

namespace {

// Readings in turn; nothing (a failed reading) once they run out.
template <typename T>
struct Queue {
    std::function<std::optional<T>()> Hook() {
        return [this]() -> std::optional<T> {
            ++calls;
            if (items.empty()) {
                return std::nullopt;
            }
            T next = items.front();
            items.pop_front();
            return next;
        };
    }
    std::deque<T> items;
    int calls = 0;
};

struct Readings {
    Queue<gasdata::ChrMomentaryValues> values;
    Queue<gasdata::ChrZones> zones;
    TFormMom::Refresh Hooks() { return {values.Hook(), zones.Hook()}; }
};

gasdata::ChrMomentaryFrame Frame() {
    gasdata::ChrMomentaryFrame frame;
    frame.caption =
        "Мгновенные данные хроматографа (сер. № 7; нитка \"Нитка 1\"), зоны параметров газа";
    for (std::size_t i = 0; i < frame.names.size(); ++i) {
        frame.names[i] = " Параметр " + std::to_string(i) + ", %";
    }
    frame.formulaLabel = "Расчет по ГОСТ";
    return frame;
}

gasdata::ChrMomentaryValues Values(std::string time, std::string first) {
    gasdata::ChrMomentaryValues v;
    v.time = std::move(time);
    v.values.fill("1.0000");
    v.values[0] = std::move(first);
    return v;
}

gasdata::ChrZones Zones(std::uint8_t first) {
    std::array<std::uint8_t, gasdata::kChrZoneBytes> codes{};
    codes[0] = first;
    codes[9] = 3;
    return gasdata::ChrZonesOf(codes);
}

QColor TextColour(const QLineEdit* field) {
    return field->palette().color(QPalette::Text);
}

}  // namespace

void TstMom::showingRefreshesAtOnceAndStartsTheTimer() {
    Readings r;
    r.values.items = {Values("09.12.26 12:09:00", "0.0523")};
    r.zones.items = {Zones(7)};
    TFormMom form(Frame(), r.Hooks());
    QCOMPARE(r.values.calls, 0);
    form.show();
    QCOMPARE(r.values.calls, 1);
    QCOMPARE(r.zones.calls, 1);
    QVERIFY(form.refreshTimer().isActive());
    QCOMPARE(form.refreshTimer().interval(), 10000);
    QCOMPARE(form.refreshButton()->text(), QStringLiteral("Не обновлять данные"));
    QCOMPARE(form.windowTitle(), QString::fromStdString(Frame().caption));
    QCOMPARE(form.formulaLabel()->text(), QStringLiteral("Расчет по ГОСТ"));
    QCOMPARE(form.timeField()->text(), QStringLiteral("09.12.26 12:09:00"));
    QCOMPARE(form.valueField(0)->text(), QStringLiteral("0.0523"));
    QCOMPARE(form.nameLabel(5)->buddy(), form.valueField(5));
    QCOMPARE(form.nameLabel(5)->text(), QStringLiteral(" Параметр 5, %"));
    QCOMPARE(form.zoneField(0)->text(), QStringLiteral("?"));
    QCOMPARE(TextColour(form.zoneField(0)), QColor(0, 128, 0));
    QCOMPARE(form.zoneField(9)->text(), QStringLiteral(" Нижняя аварийная зона"));
    QCOMPARE(TextColour(form.zoneField(9)), QColor(255, 0, 0));
    QCOMPARE(form.zoneField(1)->text(), QStringLiteral(" Норма"));
    QVERIFY(form.zoneField(15) == nullptr);
    QVERIFY(form.zoneField(16) == nullptr);
    QCOMPARE(test::UnnamedControls(form), QStringList());
}

void TstMom::eachFailedReadingKeepsWhatItShowed() {
    Readings r;
    r.values.items = {Values("09.12.26 12:09:00", "0.0523")};
    r.zones.items = {Zones(0), Zones(2)};
    TFormMom form(Frame(), r.Hooks());
    form.show();
    form.TimerTimer();  // the values fail, the zones still change
    QCOMPARE(r.zones.calls, 2);
    QCOMPARE(form.timeField()->text(), QStringLiteral("09.12.26 12:09:00"));
    QCOMPARE(form.zoneField(0)->text(), QStringLiteral(" Верхняя предупредительная зона"));
    QCOMPARE(TextColour(form.zoneField(0)), QColor(114, 56, 56));
    r.values.items = {Values("09.12.26 12:12:00", "0.0600")};
    form.TimerTimer();  // now the zones fail
    QCOMPARE(form.valueField(0)->text(), QStringLiteral("0.0600"));
    QCOMPARE(form.zoneField(0)->text(), QStringLiteral(" Верхняя предупредительная зона"));
    QVERIFY(form.refreshTimer().isActive());
}

void TstMom::theButtonTogglesTheRefresh() {
    Readings r;
    TFormMom form(Frame(), r.Hooks());
    form.show();
    QTest::mouseClick(form.refreshButton(), Qt::LeftButton);
    QCOMPARE(form.refreshButton()->text(), QStringLiteral("Обновлять данные"));
    QVERIFY(!form.refreshTimer().isActive());
    QTest::mouseClick(form.refreshButton(), Qt::LeftButton);
    QCOMPARE(form.refreshButton()->text(), QStringLiteral("Не обновлять данные"));
    QVERIFY(form.refreshTimer().isActive());
    QCOMPARE(r.values.calls, 1);
}

void TstMom::closingStopsTheTimer_data() {
    QTest::addColumn<bool>("byButton");
    QTest::newRow("Выход") << true;
    QTest::newRow("close box") << false;
}

void TstMom::closingStopsTheTimer() {
    QFETCH(bool, byButton);
    Readings r;
    TFormMom form(Frame(), r.Hooks());
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

}  // namespace zor06::screens

QTEST_MAIN(zor06::screens::TstMom)
#include "tst_TFormMom.moc"
