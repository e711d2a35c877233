// The archive data views: what the grids show, how the two grids move together, the hidden
// status columns and the abnormal-signs window behind them, the buttons and the window's size.
#include <QApplication>
#include <QCheckBox>
#include <QHeaderView>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QTableView>
#include <QTest>
#include <QTimer>

#include "gasdata/iso_check.h"
#include "gasdata/screens/DataForm.h"
#include "gasdata/screens/TFormChromError.h"

namespace zor06::screens {

class TstDataForm : public QObject {
    Q_OBJECT
private slots:
    void gridsShowTheTextsAndHeadings();
    void aRowSelectedInEitherGridIsSelectedInBoth();
    void bothGridsScrollTogetherAndStartWhereTheViewSays_data();
    void bothGridsScrollTogetherAndStartWhereTheViewSays();
    void ctrlSTogglesTheStatusColumns();
    void doubleClickOpensTheSignsOnlyWhileTheStatusIsShown();
    void moistureViewsHaveNoSignsAndNoWorkbook();
    void buttonsCallTheirActionsOrStayDisabled();
    void isoCheckBoxShowsTheCheckColumnsAndHandsThemToTheButtons();
    void windowFitsTheTableWithinTheScreen();
    void eachKindNamesItsScreen_data();
    void eachKindNamesItsScreen();
};

namespace {

// Closes every abnormal-signs window that opens while it lives, noting what it showed.
struct SignsCloser {
    SignsCloser() {
        QObject::connect(&timer, &QTimer::timeout, [this] {
            auto* form = qobject_cast<TFormChromError*>(QApplication::activeModalWidget());
            if (form != nullptr) {
                captions << form->windowTitle();
                firstLines << form->lists().at(0)->item(0)->text();
                form->reject();
            }
        });
        timer.start(20);
    }
    QTimer timer;
    QStringList captions;
    QStringList firstLines;
};

gasdata::ColumnHeading Heading(std::string first, std::string unit = {}) {
    return {{std::move(first), "", ""}, std::move(unit)};
}

gasdata::DataView HourView(int rows, int valueColumns = 3) {
    gasdata::DataView view;
    view.kind = gasdata::DataKind::ChrHour;
    view.caption = "Часовые данные хроматографа";
    view.leftHeadings = {Heading("Дата"), Heading("Начало"), Heading("Конец"), Heading("Статус")};
    view.valueHeadings.push_back({{"Сум. МД", "гексана", "и б.т.с.,"}, "%"});
    for (int c = 1; c < valueColumns; ++c) {
        view.valueHeadings.push_back({{"МД", "пропана,", " "}, "%"});
    }
    view.statusColumns = {3};
    for (int r = 0; r < rows; ++r) {
        gasdata::DataRow row;
        const std::string hour = std::to_string(10 + r % 10);
        row.left = {"   01.12.26", "   " + hour + ":00:00", "   " + hour + ":59:59", "    Норма"};
        for (int c = 0; c < valueColumns; ++c) {
            row.values.push_back("  1.234" + std::to_string(c) + " ");
        }
        row.signs = {1, static_cast<std::uint8_t>(r == 1 ? 0x02 : 0), 0,
                     " Часовые данные с 01.12.26 " + hour + ":00:00 по " + hour + ":59:59"};
        view.rows.push_back(row);
    }
    return view;
}

// Three check columns of the superior calorific value; row 1's difference is marked.
gasdata::DataView CheckedHourView(int rows) {
    gasdata::DataView view = HourView(rows);
    gasdata::IsoCheckColumns check;
    check.headings = {{{"Тсг высш.", "хромато-", "графа,"}, "МДж/м3"},
                      {{"Тсг высш.", "расчет по", "ISO 6976,"}, "МДж/м3"},
                      {{"Тсг высш.", "отклоне-", "ние,"}, "%"}};
    check.decimals = {4, 4, 3};
    check.limit = 0.05;
    check.marked = 1;
    view.isoCheck = check;
    for (int r = 0; r < rows; ++r) {
        view.rows[static_cast<std::size_t>(r)].check = {
            {"38.1000 ", 38.1, false},
            {"38.0800 ", 38.08, false},
            {r == 1 ? "  0.060 " : "  0.020 ", r == 1 ? 0.06 : 0.02, r == 1}};
    }
    return view;
}

gasdata::DataView MoistureView() {
    gasdata::DataView view;
    view.kind = gasdata::DataKind::WmtMinute;
    view.caption = "Мгновенные данные влагомера";
    view.leftHeadings = {Heading("Дата"), Heading("Время"), Heading("Статус"), Heading("Слово")};
    view.valueHeadings = {{{"Т т.росы", "WDP", "при Рраб."}, "°С"}};
    view.statusColumns = {2, 3};
    gasdata::DataRow row;
    row.left = {"  01.12.26", "  10:00:00", "  Норма", "  Норма"};
    row.values = {"  1.5000"};
    view.rows.push_back(row);
    return view;
}

QString Cell(const QTableView* grid, int row, int column) {
    return grid->model()->index(row, column).data().toString();
}

QPoint RowPoint(const QTableView* grid, int row, int column) {
    return grid->visualRect(grid->model()->index(row, column)).center();
}

// A double click arrives as a press and release followed by the double click itself.
void DoubleClick(QTableView* grid, int row, int column) {
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, RowPoint(grid, row, column));
    QTest::mouseDClick(grid->viewport(), Qt::LeftButton, {}, RowPoint(grid, row, column));
}

// The hidden command's shortcut, pressed wherever the focus is.
void PressCtrlS() {
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_S, Qt::ControlModifier);
}

}  // namespace

void TstDataForm::gridsShowTheTextsAndHeadings() {
    gasdata::DataView view = HourView(2);
    view.rows[0].left = {"     Данные", "недостов."};
    view.rows[0].values.clear();
    DataForm form(view, {});
    QCOMPARE(form.windowTitle(), QStringLiteral("Часовые данные хроматографа"));
    const QAbstractItemModel* model = form.valueGrid()->model();
    QCOMPARE(model->columnCount(), 7);
    QCOMPARE(model->headerData(0, Qt::Horizontal).toString().trimmed(), QStringLiteral("Дата"));
    QCOMPARE(model->headerData(4, Qt::Horizontal).toString(),
             QStringLiteral("Сум. МД\nгексана\nи б.т.с.,\n%"));
    QCOMPARE(Cell(form.leftGrid(), 0, 0), QStringLiteral("     Данные"));
    QCOMPARE(Cell(form.leftGrid(), 0, 1), QStringLiteral("недостов."));
    QCOMPARE(Cell(form.valueGrid(), 0, 4), QString());
    QCOMPARE(Cell(form.leftGrid(), 1, 2), QStringLiteral("   11:59:59"));
    QCOMPARE(Cell(form.valueGrid(), 1, 6), QStringLiteral("  1.2342 "));
    for (int c = 0; c < 7; ++c) {
        QCOMPARE(form.leftGrid()->isColumnHidden(c), c >= 3);
        QCOMPARE(form.valueGrid()->isColumnHidden(c), c < 4);
    }
}

void TstDataForm::aRowSelectedInEitherGridIsSelectedInBoth() {
    DataForm form(HourView(5), {});
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    const auto selectedInBoth = [&form](int row) {
        return form.leftGrid()->selectionModel()->isRowSelected(row) &&
               form.valueGrid()->selectionModel()->isRowSelected(row) &&
               form.valueGrid()->selectionModel()->selectedRows(0).size() == 1;
    };
    QVERIFY(selectedInBoth(0));
    QTest::mouseClick(form.leftGrid()->viewport(), Qt::LeftButton, {},
                      RowPoint(form.leftGrid(), 2, 1));
    QVERIFY(selectedInBoth(2));
    QTest::mouseClick(form.valueGrid()->viewport(), Qt::LeftButton, {},
                      RowPoint(form.valueGrid(), 4, 5));
    QVERIFY(selectedInBoth(4));
}

void TstDataForm::bothGridsScrollTogetherAndStartWhereTheViewSays_data() {
    QTest::addColumn<bool>("atLast");
    QTest::addColumn<int>("valueColumns");
    QTest::newRow("first row") << false << 3;
    QTest::newRow("last row") << true << 3;
    QTest::newRow("last row, scrolled sideways") << true << 20;
}

void TstDataForm::bothGridsScrollTogetherAndStartWhereTheViewSays() {
    QFETCH(bool, atLast);
    QFETCH(int, valueColumns);
    gasdata::DataView view = HourView(200, valueColumns);
    view.startAtLastRow = atLast;
    DataForm form(view, {});
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    QScrollBar* values = form.valueGrid()->verticalScrollBar();
    QScrollBar* left = form.leftGrid()->verticalScrollBar();
    QCOMPARE(form.valueGrid()->currentIndex().row(), atLast ? 199 : 0);
    QVERIFY(values->maximum() > 0);
    QCOMPARE(values->value(), atLast ? values->maximum() : 0);
    QCOMPARE(left->maximum(), values->maximum());
    QCOMPARE(left->value(), values->value());
    QCOMPARE(form.leftGrid()->viewport()->height(), form.valueGrid()->viewport()->height());
    values->setValue(values->maximum() / 2);
    QCOMPARE(left->value(), values->maximum() / 2);
    QCOMPARE(form.leftGrid()->rowAt(0), form.valueGrid()->rowAt(0));
}

void TstDataForm::ctrlSTogglesTheStatusColumns() {
    DataForm form(HourView(3), {});
    form.show();
    QVERIFY(QTest::qWaitForWindowActive(&form));
    const int narrow = form.leftGrid()->width();
    QVERIFY(form.leftGrid()->isColumnHidden(3));
    form.valueGrid()->setFocus();
    PressCtrlS();
    QVERIFY(form.StatusShown());
    QVERIFY(!form.leftGrid()->isColumnHidden(3));
    QVERIFY(form.leftGrid()->width() > narrow);
    PressCtrlS();
    QVERIFY(form.leftGrid()->isColumnHidden(3));
    QCOMPARE(form.leftGrid()->width(), narrow);
}

void TstDataForm::doubleClickOpensTheSignsOnlyWhileTheStatusIsShown() {
    DataForm form(HourView(3), {});
    form.show();
    QVERIFY(QTest::qWaitForWindowActive(&form));
    SignsCloser closer;
    DoubleClick(form.valueGrid(), 1, 4);
    QVERIFY(closer.captions.isEmpty());

    PressCtrlS();
    DoubleClick(form.leftGrid(), 1, 3);
    QCOMPARE(closer.captions,
             QStringList{QStringLiteral(" Часовые данные с 01.12.26 11:00:00 по 11:59:59")});
    QCOMPARE(closer.firstLines,
             QStringList{QStringLiteral("Нет данных - контроллер был выключен")});
}

void TstDataForm::moistureViewsHaveNoSignsAndNoWorkbook() {
    DataForm form(MoistureView(), {});
    QCOMPARE(form.width(), DataForm::kMoistureWidth);
    QCOMPARE(form.exportButton(), nullptr);
    form.show();
    QVERIFY(QTest::qWaitForWindowActive(&form));
    QVERIFY(form.leftGrid()->isColumnHidden(2) && form.leftGrid()->isColumnHidden(3));
    PressCtrlS();
    QVERIFY(!form.leftGrid()->isColumnHidden(2) && !form.leftGrid()->isColumnHidden(3));
    SignsCloser closer;
    DoubleClick(form.leftGrid(), 0, 2);
    QVERIFY(closer.captions.isEmpty());
}

void TstDataForm::buttonsCallTheirActionsOrStayDisabled() {
    QStringList calls;
    const auto record = [&calls](QString name) {
        return [&calls, name](const gasdata::DataView& view, QWidget* parent) {
            calls << name + QStringLiteral(":") + QString::fromStdString(view.caption) +
                         (parent != nullptr && parent->isVisible() ? "" : ":no parent");
        };
    };
    DataFormContext context;
    context.save = record(QStringLiteral("save"));
    context.exportWorkbook = record(QStringLiteral("excel"));
    context.saveCsv = record(QStringLiteral("csv"));
    DataForm form(HourView(1), context);
    form.show();
    QCOMPARE(form.saveButton()->text(), QStringLiteral("Сохранить в файле"));
    QCOMPARE(form.printButton()->text(), QStringLiteral("Печать"));
    QCOMPARE(form.exportButton()->text(), QStringLiteral("Сохранить в формате Excel"));
    QCOMPARE(form.csvButton()->text(), QStringLiteral("Сохранить в CSV"));
    QVERIFY(!form.printButton()->isEnabled());
    form.printButton()->click();
    QTest::mouseClick(form.exportButton(), Qt::LeftButton);
    QTest::mouseClick(form.csvButton(), Qt::LeftButton);
    QTest::mouseClick(form.saveButton(), Qt::LeftButton);
    QCOMPARE(calls, (QStringList{QStringLiteral("excel:Часовые данные хроматографа"),
                                 QStringLiteral("csv:Часовые данные хроматографа"),
                                 QStringLiteral("save:Часовые данные хроматографа")}));
    QTest::mouseClick(form.exitButton(), Qt::LeftButton);
    QVERIFY(!form.isVisible());
    QCOMPARE(form.result(), int(QDialog::Rejected));
}

void TstDataForm::isoCheckBoxShowsTheCheckColumnsAndHandsThemToTheButtons() {
    QCOMPARE(DataForm(HourView(1), {}).isoCheckBox(), nullptr);

    QList<bool> exported;  // whether each export got the check
    DataFormContext context;
    context.exportWorkbook = [&exported](const gasdata::DataView& view, QWidget*) {
        exported << (view.isoCheck.has_value() && view.rows.at(0).check.size() == 3);
    };
    DataForm form(CheckedHourView(3), context);
    form.show();
    QCheckBox* box = form.isoCheckBox();
    QVERIFY(box != nullptr);
    QCOMPARE(box->text(), QStringLiteral("Сверка с ISO 6976"));
    QVERIFY(!box->isChecked());
    const QAbstractItemModel* model = form.valueGrid()->model();
    QCOMPARE(model->columnCount(), 4 + 3 + 3);
    const QList<int> checkColumns{7, 8, 9};
    for (int c : checkColumns) {
        QVERIFY(form.valueGrid()->isColumnHidden(c));
        QVERIFY(form.leftGrid()->isColumnHidden(c));
    }
    QVERIFY(!form.isoCheckSummary()->isVisible());
    form.exportButton()->click();

    box->click();
    QVERIFY(form.isoCheckSummary()->isVisible());
    QCOMPARE(form.isoCheckSummary()->text(),
             QStringLiteral("Отклонение от ISO 6976 более 0.05 %: записей 1"));
    for (int c : checkColumns) {
        QVERIFY(!form.valueGrid()->isColumnHidden(c));
        QVERIFY(form.leftGrid()->isColumnHidden(c));
        // Whole headings: every column is at least as wide as its heading needs.
        QVERIFY(form.valueGrid()->columnWidth(c) >=
                form.valueGrid()->horizontalHeader()->sectionSizeHint(c));
    }
    QCOMPARE(model->headerData(8, Qt::Horizontal).toString(),
             QStringLiteral("Тсг высш.\nрасчет по\nISO 6976,\nМДж/м3"));
    QCOMPARE(Cell(form.valueGrid(), 1, 9), QStringLiteral("  0.060 "));
    const QColor marked = QColor::fromRgb(gasdata::kIsoCheckMarkedRgb);
    for (int r = 0; r < 3; ++r) {
        for (int c : checkColumns) {
            const QVariant fill = model->index(r, c).data(Qt::BackgroundRole);
            QCOMPARE(fill.isValid() && fill.value<QColor>() == marked, r == 1 && c == 9);
        }
    }
    QVERIFY(!model->index(1, 6).data(Qt::BackgroundRole).isValid());
    form.exportButton()->click();

    box->click();
    QVERIFY(form.valueGrid()->isColumnHidden(8));
    form.exportButton()->click();
    QCOMPARE(exported, (QList<bool>{false, true, false}));
}

void TstDataForm::windowFitsTheTableWithinTheScreen() {
    const QRect screen = QApplication::primaryScreen()->availableGeometry();
    DataForm narrow(HourView(3), {});
    QVERIFY(narrow.width() < screen.width() - DataForm::kScreenWidthReserve);
    QVERIFY(narrow.width() >=
            narrow.leftGrid()->width() + narrow.valueGrid()->horizontalHeader()->length());
    QVERIFY(narrow.height() < screen.height() - DataForm::kScreenHeightReserve);

    DataForm wide(HourView(300, 20), {});
    QCOMPARE(wide.width(), screen.width() - DataForm::kScreenWidthReserve);
    QCOMPARE(wide.height(), screen.height() - DataForm::kScreenHeightReserve);
}

void TstDataForm::eachKindNamesItsScreen_data() {
    QTest::addColumn<gasdata::DataKind>("kind");
    QTest::addColumn<QString>("name");
    using gasdata::DataKind;
    QTest::newRow("3-minute chromatograph") << DataKind::ChrMinute << "TFormArhMin_Chr";
    QTest::newRow("hourly chromatograph") << DataKind::ChrHour << "TFormArhivHDM_Chr";
    QTest::newRow("daily chromatograph") << DataKind::ChrDay << "TFormArhivHDM_Chr";
    QTest::newRow("3-minute moisture") << DataKind::WmtMinute << "TFormArhMom_Wmt";
    QTest::newRow("hourly moisture") << DataKind::WmtHour << "TFormArhivHD_Wmt";
    QTest::newRow("daily moisture") << DataKind::WmtDay << "TFormArhivHD_Wmt";
}

void TstDataForm::eachKindNamesItsScreen() {
    QFETCH(gasdata::DataKind, kind);
    QFETCH(QString, name);
    gasdata::DataView view = gasdata::IsChromatograph(kind) ? HourView(1) : MoistureView();
    view.kind = kind;
    const DataForm form(view, {});
    QCOMPARE(form.objectName(), name);
}

}  // namespace zor06::screens

QTEST_MAIN(zor06::screens::TstDataForm)
#include "tst_DataForm.moc"
