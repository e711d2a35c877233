// The common body of the four archive data views: the caption, a grid of each record's date,
// times and status beside a grid of its values, which scroll and select together, and the
// buttons, whose work the program around the view provides.
#pragma once

#include <QDialog>
#include <filesystem>
#include <functional>
#include <optional>

#include "gasdata/chart_setpoints.h"
#include "gasdata/data_view.h"

class QAction;
class QBoxLayout;
class QCheckBox;
class QDialogButtonBox;
class QLabel;
class QModelIndex;
class QPushButton;
class QTableView;

namespace zor06::screens {

class DataViewModel;

// What the buttons do; a button whose action is empty stays disabled.
struct DataFormContext {
    using Action = std::function<void(const gasdata::DataView& view, QWidget* parent)>;
    Action save;            // "Сохранить в файле"
    Action print;           // "Печать"
    Action exportWorkbook;  // "Сохранить в формате Excel", chromatograph views only
    Action saveCsv;         // "Сохранить в CSV"
    // The warning setpoints of the controller the view was read from, by value column, asked
    // for when a chart opens; nothing when they could not be read. Left empty for a file, which
    // may come from another controller.
    std::function<std::optional<gasdata::ColumnSetpoints>(const gasdata::DataView& view)> setpoints;
    // The file the chart's "Сохранить как PNG" writes to, proposed in the work directory; none
    // when cancelled.
    std::function<std::optional<std::filesystem::path>()> chartFile;
};

class DataForm : public QDialog {
    Q_OBJECT
public:
    static constexpr int kMoistureWidth = 720;
    static constexpr int kScreenWidthReserve = 20;
    static constexpr int kScreenHeightReserve = 60;

    // The form names itself after the screen of its data kind (TFormArhMin_Chr, TFormArhivHDM_Chr,
    // TFormArhMom_Wmt, TFormArhivHD_Wmt).
    DataForm(gasdata::DataView content, DataFormContext context, QWidget* parent = nullptr);

    const gasdata::DataView& view() const;
    // Both grids show one model, so that a row selected in either is selected in both: the
    // left grid its first view().leftHeadings.size() columns, the value grid the others.
    QTableView* leftGrid() const { return left_; }
    QTableView* valueGrid() const { return values_; }
    QAction* statusAction() const { return statusAction_; }
    bool StatusShown() const { return statusShown_; }
    QPushButton* saveButton() const { return save_; }
    QPushButton* printButton() const { return print_; }
    QPushButton* exportButton() const { return export_; }  // none in the moisture views
    QPushButton* csvButton() const { return csv_; }
    QPushButton* chartButton() const { return chart_; }
    QPushButton* exitButton() const { return exit_; }
    // "Сверка с ISO 6976" and the line of marked records under it: only in a view that has the
    // check. While the box is clear the check's columns stay hidden and the buttons' actions
    // get the view without them.
    QCheckBox* isoCheckBox() const { return isoCheck_; }
    QLabel* isoCheckSummary() const { return isoSummary_; }

protected:
    void showEvent(QShowEvent* event) override;

private:
    void SetUpGrids();
    QWidget* NewBarRoom();
    void AddIsoCheckRow(QBoxLayout* column);
    void ShowIsoCheck(bool shown);
    void RunAction(const DataFormContext::Action& action);
    void AddButtons(QLayout* column);
    QPushButton* AddButton(QDialogButtonBox* row, const QString& caption,
                           const DataFormContext::Action& action);
    void FitLeftGrid();
    void Resize();
    void ToggleStatus();
    void OpenSigns(const QModelIndex& index);
    void OpenChart();

    DataViewModel* model_;
    DataFormContext context_;
    bool chromatograph_;
    bool statusShown_ = false;
    int leftCount_;
    QTableView* left_ = nullptr;
    QTableView* values_ = nullptr;
    QAction* statusAction_ = nullptr;
    QPushButton* save_ = nullptr;
    QPushButton* print_ = nullptr;
    QPushButton* export_ = nullptr;
    QPushButton* csv_ = nullptr;
    QPushButton* chart_ = nullptr;
    QPushButton* exit_ = nullptr;
    QCheckBox* isoCheck_ = nullptr;
    QLabel* isoSummary_ = nullptr;
};

}  // namespace zor06::screens
