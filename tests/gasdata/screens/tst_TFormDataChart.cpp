// The trend chart of a data view: the chosen columns' lines and their gaps, the setpoint lines,
// the limit of four choices, the zoom reset and the PNG picture.
#include <unistd.h>

#include <QApplication>
#include <QChart>
#include <QChartView>
#include <QDateTimeAxis>
#include <QLabel>
#include <QLineSeries>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <QValueAxis>
#include <QWheelEvent>
#include <filesystem>

#include "gasdata/data_set_builders.h"
#include "gasdata/data_view_model.h"
#include "gasdata/screens/TFormDataChart.h"

namespace zor06::screens {

class TstTFormDataChart : public QObject {
    Q_OBJECT
private slots:
    void chosenColumnsDrawTheirSegmentsAndSetpoints();
    void setpointsThatWereNotReadDrawNothing();
    void theFifthChoiceIsRefused();
    void resetShowsTheWholePeriodAgain();
    void theWheelZoomsTheTimeAndTheArrowKeysPan();
    void pngIsWrittenAndAnUnwritablePathIsReported();
    void saveAsPngWritesTheChosenFileAndSaysWhere();
};

namespace {

constexpr int kMethaneColumn = 8;
constexpr int kDensityColumn = 16;

// Hours 10..15 of one day; 13 is not usable, so every column has lines of 3 and 2 points.
gasdata::DataView HourView() {
    gasdata::DataSet set = gasdata::testing::EmptySet(gasdata::DataKind::ChrHour);
    for (std::uint8_t hour = 10; hour < 16; ++hour) {
        gasdata::ChrHdRecord r;
        r.date = {24, 3, 1};
        r.start = {hour, 0, 0};
        r.end = {static_cast<std::uint8_t>(hour + 1), 0, 0};
        r.status = hour == 13 ? 0x22 : 0;
        r.values.v[gasdata::kMethane] = 94.0F + hour / 10.0F;
        r.values.v[12] = 0.7F + hour / 1000.0F;
        gasdata::testing::Add(set, r);
    }
    return gasdata::BuildDataView(set, {});
}

gasdata::ColumnSetpoints DensitySetpoints() {
    gasdata::ColumnSetpoints lines(20);
    lines[kDensityColumn] = {0.68, 0.75};
    return lines;
}

void Check(TFormDataChart& form, int column, bool on) {
    form.parameterList()->item(column)->setCheckState(on ? Qt::Checked : Qt::Unchecked);
}

QList<QLineSeries*> Lines(const TFormDataChart& form, Qt::PenStyle style) {
    QList<QLineSeries*> lines;
    for (QAbstractSeries* s : form.chart()->series()) {
        auto* line = qobject_cast<QLineSeries*>(s);
        if (line != nullptr && line->pen().style() == style) {
            lines << line;
        }
    }
    return lines;
}

QList<int> PointCounts(const QList<QLineSeries*>& lines) {
    QList<int> counts;
    for (const QLineSeries* line : lines) {
        counts << static_cast<int>(line->count());
    }
    return counts;
}

}  // namespace

void TstTFormDataChart::chosenColumnsDrawTheirSegmentsAndSetpoints() {
    TFormDataChart form(HourView(), DensitySetpoints());
    QCOMPARE(form.chart()->series().size(), 0);
    QVERIFY(form.setpointNote()->isHidden());
    Check(form, kDensityColumn, true);
    QVERIFY(!form.setpointNote()->isHidden());
    QCOMPARE(PointCounts(Lines(form, Qt::SolidLine)), (QList<int>{3, 2}));
    const QList<QLineSeries*> setpoints = Lines(form, Qt::DashLine);
    QCOMPARE(setpoints.size(), 2);
    QCOMPARE(setpoints[0]->at(0).y(), 0.68);
    QCOMPARE(setpoints[1]->at(1).y(), 0.75);
    QCOMPARE(setpoints[0]->pen().color(), Lines(form, Qt::SolidLine)[0]->pen().color());

    Check(form, kMethaneColumn, true);  // no setpoints for methane in this view
    QCOMPARE(form.chart()->series().size(), 6);
    QCOMPARE(Lines(form, Qt::DashLine).size(), 2);
    Check(form, kDensityColumn, false);
    QCOMPARE(PointCounts(Lines(form, Qt::SolidLine)), (QList<int>{3, 2}));
    QCOMPARE(Lines(form, Qt::DashLine).size(), 0);
    QVERIFY(form.setpointNote()->isHidden());
    QCOMPARE(Lines(form, Qt::SolidLine)[0]->at(0).y(), 95.0);
}

void TstTFormDataChart::setpointsThatWereNotReadDrawNothing() {
    TFormDataChart form(HourView(), std::nullopt);
    Check(form, kDensityColumn, true);
    QCOMPARE(form.chart()->series().size(), 2);
    QCOMPARE(Lines(form, Qt::DashLine).size(), 0);
    QVERIFY(form.setpointNote()->isHidden());
}

void TstTFormDataChart::theFifthChoiceIsRefused() {
    TFormDataChart form(HourView(), std::nullopt);
    for (int column = 0; column < 4; ++column) {
        Check(form, column, true);
    }
    QCOMPARE(form.chart()->series().size(), 8);
    Check(form, 4, true);
    QCOMPARE(form.parameterList()->item(4)->checkState(), Qt::Unchecked);
    QVERIFY(form.statusLine()->text().contains(QStringLiteral("не более четырёх параметров")));
    QCOMPARE(form.chart()->series().size(), 8);

    Check(form, 0, false);
    Check(form, 4, true);
    QCOMPARE(form.parameterList()->item(4)->checkState(), Qt::Checked);
    QCOMPARE(form.chart()->series().size(), 8);
}

void TstTFormDataChart::resetShowsTheWholePeriodAgain() {
    TFormDataChart form(HourView(), std::nullopt);
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    Check(form, kDensityColumn, true);
    auto* time = qobject_cast<QDateTimeAxis*>(form.chart()->axes(Qt::Horizontal).at(0));
    QVERIFY(time != nullptr);
    QCOMPARE(time->min().time(), QTime(10, 0));
    QCOMPARE(time->max().time(), QTime(15, 0));
    form.chart()->zoomIn();
    form.chart()->scroll(50, 0);
    QVERIFY(time->min().time() != QTime(10, 0));
    form.resetButton()->click();
    QCOMPARE(time->min().time(), QTime(10, 0));
    QCOMPARE(time->max().time(), QTime(15, 0));
}

void TstTFormDataChart::theWheelZoomsTheTimeAndTheArrowKeysPan() {
    TFormDataChart form(HourView(), std::nullopt);
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    Check(form, kDensityColumn, true);
    QTest::qWait(50);
    auto* time = qobject_cast<QDateTimeAxis*>(form.chart()->axes(Qt::Horizontal).at(0));
    auto* values = qobject_cast<QValueAxis*>(form.chart()->axes(Qt::Vertical).at(0));
    const auto span = [time] { return time->min().msecsTo(time->max()); };
    const qint64 whole = span();
    const double low = values->min();

    const QPointF centre = form.chart()->mapToScene(form.chart()->plotArea().center());
    const QPointF at = form.chartView()->mapFromScene(centre);
    QWheelEvent wheel(at, form.chartView()->mapToGlobal(at), {}, {0, 120}, Qt::NoButton,
                      Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(form.chartView()->viewport(), &wheel);
    QVERIFY(qAbs(span() - whole * 8 / 10) < 1000);
    QCOMPARE(values->min(), low);

    const QDateTime before = time->min();
    QTest::keyClick(form.chartView(), Qt::Key_Left);
    QVERIFY(time->min() < before);
    QVERIFY(qAbs(span() - whole * 8 / 10) < 1000);
}

void TstTFormDataChart::pngIsWrittenAndAnUnwritablePathIsReported() {
    namespace fs = std::filesystem;
    TFormDataChart form(HourView(), DensitySetpoints());
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    Check(form, kDensityColumn, true);
    const fs::path dir = fs::temp_directory_path() / ("zor06-chart-" + std::to_string(getpid()));
    fs::create_directories(dir);
    const QString path = QString::fromStdString((dir / "chart.png").string());
    QVERIFY(form.SavePng(path));
    const QImage image(path, "PNG");
    QVERIFY(!image.isNull());
    QVERIFY(image.width() >= form.chartView()->width());

    const QString unwritable = QString::fromStdString((dir / "missing" / "chart.png").string());
    QVERIFY(!form.SavePng(unwritable));
    QVERIFY(form.statusLine()->text().startsWith(QStringLiteral("Не удалось записать файл")));
    QVERIFY(!fs::exists(unwritable.toStdString()));
    fs::remove_all(dir);
}

void TstTFormDataChart::saveAsPngWritesTheChosenFileAndSaysWhere() {
    namespace fs = std::filesystem;
    TFormDataChart form(HourView(), std::nullopt);
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    const fs::path dir = fs::temp_directory_path() / ("zor06-png-" + std::to_string(getpid()));
    fs::create_directories(dir);
    const fs::path chosen = dir / "zor_06_001_260309.png";
    int asked = 0;
    form.chooseFile = [&]() -> std::optional<fs::path> {
        ++asked;
        return asked == 1 ? std::optional(chosen) : std::nullopt;
    };
    QTest::mouseClick(form.saveButton(), Qt::LeftButton);
    QCOMPARE(asked, 1);
    QVERIFY(!QImage(QString::fromStdString(chosen.string()), "PNG").isNull());
    QCOMPARE(form.statusLine()->text(),
             QStringLiteral("График записан в файл ") + QString::fromStdString(chosen.string()));
    fs::remove(chosen);
    QTest::mouseClick(form.saveButton(), Qt::LeftButton);  // cancelled: nothing written
    QCOMPARE(asked, 2);
    QVERIFY(!fs::exists(chosen));
    fs::remove_all(dir);
}

}  // namespace zor06::screens

QTEST_MAIN(zor06::screens::TstTFormDataChart)
#include "tst_TFormDataChart.moc"
