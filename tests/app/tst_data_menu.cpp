// "Данные" → chromatograph and moisture-meter data on the main window against the simulated
// controller: a reading through the period dialog into its view (its own records also when
// another program on the work directory reads meanwhile), saving it and opening the file again, the
// workbook and CSV exports, the moisture meter's and the chromatograph's momentary windows, the
// additional parameters and the legend.
#include <QAbstractButton>
#include <QApplication>
#include <QButtonGroup>
#include <QChart>
#include <QLineEdit>
#include <QLineSeries>
#include <QListWidget>
#include <QPointer>
#include <QPushButton>
#include <QTableView>
#include <QtTest>
#include <filesystem>
#include <functional>
#include <map>
#include <utility>

#include "app/data_menu.h"
#include "gasdata/screens/DataForm.h"
#include "gasdata/screens/TFormChrom_Dop_Par.h"
#include "gasdata/screens/TFormDataChart.h"
#include "gasdata/screens/TFormMean.h"
#include "gasdata/screens/TFormMom.h"
#include "gasdata/screens/TFormMomWmt.h"
#include "messages/screens/TFormShortDate.h"
#include "tests/app/main_harness.h"

using zor06::test::Harness;
namespace fs = std::filesystem;

namespace {

// Works through the modal windows as they come: the period dialog takes its first preset, each
// data view is handed to `onView`, the momentary window to `onMomentary`, any other window to
// `onOther`.
class Driver {
public:
    std::function<void(zor06::screens::DataForm*)> onView;
    std::function<void(zor06::screens::TFormMomWmt*)> onMomentary;
    std::function<void(QDialog*)> onOther;
    QStringList captions;

    Driver() {
        QObject::connect(&timer_, &QTimer::timeout, [this] { Step(); });
        timer_.start(20);
    }

private:
    void Step() {
        QWidget* modal = QApplication::activeModalWidget();
        if (modal == nullptr || modal == last_) {
            return;
        }
        last_ = modal;
        captions << modal->windowTitle();
        if (auto* period = qobject_cast<zor06::screens::TFormShortDate*>(modal)) {
            period->presets()->button(0)->click();
            QMetaObject::invokeMethod(period->acceptButton(), "click", Qt::QueuedConnection);
        } else if (auto* view = qobject_cast<zor06::screens::DataForm*>(modal)) {
            QTimer::singleShot(0, view, [this, view] {
                if (onView) {
                    onView(view);
                }
                view->reject();
            });
        } else if (auto* momentary = qobject_cast<zor06::screens::TFormMomWmt*>(modal)) {
            QTimer::singleShot(0, momentary, [this, momentary] {
                if (onMomentary) {
                    onMomentary(momentary);
                }
                momentary->reject();
            });
        } else if (auto* other = qobject_cast<QDialog*>(modal)) {
            QTimer::singleShot(0, other, [this, other] {
                if (onOther) {
                    onOther(other);
                }
                other->reject();
            });
        }
    }
    QTimer timer_;
    QPointer<QWidget> last_;  // a window made later at the same address is another one
};

void Trigger(Harness& h, const char* name) {
    QAction* item = h.window->MenuItem(QString::fromLatin1(name));
    QVERIFY2(item != nullptr, name);
    item->trigger();
}

}  // namespace

class TestDataMenu : public QObject {
    Q_OBJECT
private slots:
    void readsADayOfHourlyDataSavesItAndOpensTheFileAgain() {
        Harness h({});
        zor06::app::AddDataMenus(h.window->Context(), *h.window);
        QVERIFY(zor06::test::StartUp(h, true));
        const fs::path saved = fs::path(h.dir.path().toStdString()) / "HOURDATA" / "day.hch";
        h.window->screens.chooseFile = [&](TFormMain&, const zor06::dialogue::FileChoice& c,
                                           bool save) -> std::optional<fs::path> {
            return save ? c.dir / "day" : saved;
        };
        Driver driver;
        int rows = 0;
        QString firstDate;
        driver.onView = [&](zor06::screens::DataForm* view) {
            rows = view->leftGrid()->model()->rowCount();
            firstDate = view->leftGrid()->model()->index(0, 0).data().toString();
            view->saveButton()->click();
        };
        Trigger(h, "NChrom_RdHour1");
        QCOMPARE(rows, 24);
        QVERIFY(fs::exists(saved));
        QVERIFY(h.Has(QStringLiteral("Данные сохранены в файле day.hch.")));

        int reopened = 0;
        QString reopenedDate;
        driver.onView = [&](zor06::screens::DataForm* view) {
            reopened = view->leftGrid()->model()->rowCount();
            reopenedDate = view->leftGrid()->model()->index(0, 0).data().toString();
        };
        Trigger(h, "NChrom_ViewHour");
        QCOMPARE(reopened, 24);
        QCOMPARE(reopenedDate, firstDate);
    }

    void aReadingOvertakenByAnotherProgramsOnTheSameWorkDirectoryShowsItsOwnRecords() {
        // Two programs on one work directory, connected to controllers whose archives differ.
        Harness first({"--now", "26-12-09 12:10:30", "--frozen-clock", "--seed", "1"});
        Harness second({"--now", "26-12-09 12:10:30", "--frozen-clock", "--seed", "2"}, 1,
                       first.dir.path().toStdString());
        for (Harness* h : {&first, &second}) {
            zor06::app::AddDataMenus(h->window->Context(), *h->window);
            QVERIFY(zor06::test::StartUp(*h, true));
        }
        Driver driver;
        std::map<QWidget*, QStringList> shown;
        driver.onView = [&shown](zor06::screens::DataForm* view) {
            const QAbstractItemModel* cells = view->leftGrid()->model();
            for (int row = 0; row < cells->rowCount(); ++row) {
                for (int column = 0; column < cells->columnCount(); ++column) {
                    shown[view->parentWidget()] << cells->index(row, column).data().toString();
                }
            }
        };
        Trigger(first, "NChrom_RdHour1");
        const QStringList alone = std::exchange(shown[first.window.get()], {});
        // The second program reads all its records while the first one waits for its next reply.
        zor06::screens::QtOperator& op = first.window->Operator();
        op.onProgress = [&, progress = op.onProgress](int position, int maximum) {
            progress(position, maximum);
            if (position == 1) {
                Trigger(second, "NChrom_RdHour1");
            }
        };
        Trigger(first, "NChrom_RdHour1");
        QVERIFY(!shown[second.window.get()].isEmpty());
        QVERIFY(shown[second.window.get()] != alone);
        QCOMPARE(shown[first.window.get()], alone);
    }

    void theChartOfAReadingDrawsTheControllersSetpointsAndOfAFileNone() {
        Harness h({});
        zor06::app::AddDataMenus(h.window->Context(), *h.window);
        QVERIFY(zor06::test::StartUp(h, true));
        h.window->screens.chooseFile = [&](TFormMain&, const zor06::dialogue::FileChoice& c,
                                           bool save) -> std::optional<fs::path> {
            return save ? c.dir / "chart" : c.dir / "chart.hch";
        };
        Driver driver;
        QList<double> setpoints;
        driver.onView = [](zor06::screens::DataForm* view) {
            view->saveButton()->click();
            view->chartButton()->click();
        };
        driver.onOther = [&](QDialog* other) {
            auto* chart = qobject_cast<zor06::screens::TFormDataChart*>(other);
            if (chart == nullptr) {
                return;
            }
            constexpr int kMethaneColumn = 8;
            chart->parameterList()->item(kMethaneColumn)->setCheckState(Qt::Checked);
            for (QAbstractSeries* s : chart->chart()->series()) {
                auto* line = qobject_cast<QLineSeries*>(s);
                if (line->pen().style() == Qt::DashLine) {
                    setpoints << line->at(0).y();
                }
            }
        };
        Trigger(h, "NChrom_RdHour1");
        // The simulated controller holds the default setpoints of methane.
        QCOMPARE(setpoints, (QList<double>{95.0, 100.0}));

        setpoints.clear();
        driver.onView = [](zor06::screens::DataForm* view) { view->chartButton()->click(); };
        Trigger(h, "NChrom_ViewHour");
        QCOMPARE(driver.captions.filter(QStringLiteral("График: ")).size(), 2);
        QVERIFY(setpoints.isEmpty());
    }

    void exportsTheDailyViewAsAWorkbookAndAsCsv() {
        Harness h({});
        zor06::app::AddDataMenus(h.window->Context(), *h.window);
        QVERIFY(zor06::test::StartUp(h, true));
        const fs::path book = fs::path(h.dir.path().toStdString()) / "DAYDATA" / "month.xlsx";
        h.window->screens.chooseFile = [&](TFormMain&, const zor06::dialogue::FileChoice& c,
                                           bool) -> std::optional<fs::path> {
            return c.dir / "month";
        };
        Driver driver;
        int rows = 0;
        driver.onView = [&rows](zor06::screens::DataForm* view) {
            rows = view->leftGrid()->model()->rowCount();
            view->exportButton()->click();
            view->csvButton()->click();
        };
        Trigger(h, "NChrom_RdDay2");
        QVERIFY(fs::exists(book));
        QVERIFY(h.Has(QStringLiteral("Данные сохранены в файле month.xlsx")));
        QVERIFY(h.Has(QStringLiteral("Данные сохранены в файле month.csv.")));
        QFile csv(QString::fromStdString((book.parent_path() / "month.csv").string()));
        QVERIFY(csv.open(QIODevice::ReadOnly));
        const QList<QByteArray> records = csv.readAll().split('\n');
        QCOMPARE(records.size(),
                 rows + 2);  // the headings, the rows and nothing after the last CRLF
        QVERIFY(records.front().startsWith("Дата,Время Начало,Время Конец,Статус контроллера,"));
    }

    void showsTheMoistureMetersMomentaryValuesOrSaysThereIsNoLink() {
        Harness h({});
        zor06::app::AddDataMenus(h.window->Context(), *h.window);
        QVERIFY(zor06::test::StartUp(h, true));
        Driver driver;
        QString time;
        driver.onMomentary = [&](zor06::screens::TFormMomWmt* window) {
            time = window->timeField()->text();
        };
        Trigger(h, "NWmt_MomData");
        QCOMPARE(time.size(), 17);  // "DD.MM.YY HH:MM:SS"

        Harness off({"--no-moisture-link"});
        zor06::app::AddDataMenus(off.window->Context(), *off.window);
        QVERIFY(zor06::test::StartUp(off, true));
        Trigger(off, "NWmt_MomData");
        QVERIFY(off.Has(QStringLiteral("Нет связи с влагомером")));
    }

    void showsARunsMomentaryValuesAndZonesOrSaysThereIsNoLink() {
        Harness h({});
        zor06::app::AddDataMenus(h.window->Context(), *h.window);
        QVERIFY(zor06::test::StartUp(h, true));
        QVERIFY(h.window->Offered("NChrom_Mom2"));
        Driver driver;
        QString caption;
        QString time;
        QString zone;
        driver.onOther = [&](QDialog* dialog) {
            auto* window = qobject_cast<zor06::screens::TFormMom*>(dialog);
            QVERIFY(window != nullptr);
            caption = window->windowTitle();
            time = window->timeField()->text();
            zone = window->zoneField(7)->text();
        };
        Trigger(h, "NChrom_Mom2");
        QVERIFY2(caption.contains(QStringLiteral("(сер. № 6123; нитка \"Нитка 2\")")),
                 qPrintable(caption));
        QCOMPARE(time.size(), 17);
        QCOMPARE(zone, QStringLiteral(" Нижняя предупредительная зона"));

        Harness off({"--no-chromatograph-link"});
        zor06::app::AddDataMenus(off.window->Context(), *off.window);
        QVERIFY(zor06::test::StartUp(off, true));
        Trigger(off, "NChrom_Mom1");
        QVERIFY(off.Has(QStringLiteral("Нет связи с хроматографом")));
    }

    void showsTheAdditionalParameters() {
        Harness h({});
        zor06::app::AddDataMenus(h.window->Context(), *h.window);
        QVERIFY(zor06::test::StartUp(h, true));
        Driver driver;
        QString serial;
        driver.onOther = [&](QDialog* dialog) {
            auto* window = qobject_cast<zor06::screens::TFormChrom_Dop_Par*>(dialog);
            QVERIFY(window != nullptr);
            serial = window->serialField()->text();
        };
        Trigger(h, "N_Dop_Par");
        QCOMPARE(serial, QStringLiteral("6123"));
    }

    void theLegendNeedsNoController() {
        Harness h({});
        h.window->screens.connect = [](TFormMain&) { return false; };
        zor06::app::AddDataMenus(h.window->Context(), *h.window);
        QVERIFY(zor06::test::StartUp(h, false));
        QVERIFY(!h.window->Offered("NChrom_Mom1"));
        QVERIFY(!h.window->Offered("N_Dop_Par"));
        QVERIFY(h.window->Offered("NMean"));
        Driver driver;
        int lines = 0;
        driver.onOther = [&](QDialog* dialog) {
            auto* legend = qobject_cast<zor06::screens::TFormMean*>(dialog);
            QVERIFY(legend != nullptr);
            lines = legend->list()->count();
        };
        Trigger(h, "NMean");
        QCOMPARE(lines, 37);
    }
};

QTEST_MAIN(TestDataMenu)
#include "tst_data_menu.moc"
