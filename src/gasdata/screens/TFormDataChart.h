// The trend chart of a data view: up to four chosen value columns over time, each broken where
// the archive has no usable value, with the controller's warning setpoints as dashed lines when
// they were read; zoom, pan and a PNG picture of what is shown.
#pragma once

#include <QDialog>
#include <QList>
#include <QPointF>
#include <filesystem>
#include <functional>
#include <limits>
#include <map>
#include <optional>
#include <vector>

#include "gasdata/chart_series.h"
#include "gasdata/chart_setpoints.h"
#include "gasdata/data_view.h"

class QChart;
class QChartView;
class QDateTimeAxis;
class QLabel;
class QLineSeries;
class QListWidget;
class QListWidgetItem;
class QPushButton;
class QValueAxis;

namespace zor06::screens {

// NOLINTNEXTLINE(readability-identifier-naming): screens keep their established names.
class TFormDataChart : public QDialog {
    Q_OBJECT
public:
    static constexpr int kMostChosen = 4;

    // `setpoints` by value column of `view`; nothing when the controller's were not read.
    TFormDataChart(const gasdata::DataView& view, std::optional<gasdata::ColumnSetpoints> setpoints,
                   QWidget* parent = nullptr);

    // One checkable item per value column, in display order.
    QListWidget* parameterList() const { return list_; }
    QChart* chart() const { return chart_; }
    QChartView* chartView() const { return chartView_; }
    QLabel* statusLine() const { return status_; }
    // What the dashed lines are; shown only while some are drawn.
    QLabel* setpointNote() const { return setpointNote_; }
    QPushButton* resetButton() const { return reset_; }
    QPushButton* saveButton() const { return save_; }
    QPushButton* exitButton() const { return exit_; }

    // The chart as shown, written as a PNG file; the status line says where, or why not.
    bool SavePng(const QString& path);
    // The file "Сохранить как PNG" writes to; none when cancelled. A file dialog unless set.
    std::function<std::optional<std::filesystem::path>()> chooseFile;

private:
    struct Range {
        double min = std::numeric_limits<double>::infinity();
        double max = -std::numeric_limits<double>::infinity();
        void Include(double v);
        bool Empty() const { return min > max; }
    };

    QWidget* NewChoiceColumn();
    void AddButtons(QLayout* column);
    void Choose(QListWidgetItem* item);
    void AddTimeAxis();
    // The segments of a column as drawn, made when it is first chosen.
    const std::vector<QList<QPointF>>& PointsOf(int column);
    void Rebuild();
    void MeasureTime();
    void ShowChoiceStatus();
    // Whether it drew setpoint lines.
    bool AddColumn(int column, const QColor& colour);
    QValueAxis* AxisFor(const std::string& unit, const QColor& colour);
    void AddSetpoint(double value, const QColor& colour, QValueAxis* axis);
    void Attach(QLineSeries* line, QValueAxis* axis);
    void ResetZoom();
    void ChooseFileAndSave();

    gasdata::DataKind kind_;
    std::vector<gasdata::ChartSeries> series_;  // by value column
    std::optional<gasdata::ColumnSetpoints> setpoints_;
    std::vector<int> chosen_;  // value columns in the order they were chosen
    std::map<int, std::vector<QList<QPointF>>> points_;

    QListWidget* list_ = nullptr;
    QChart* chart_ = nullptr;
    QChartView* chartView_ = nullptr;
    QDateTimeAxis* timeAxis_ = nullptr;
    std::map<std::string, QValueAxis*> valueAxes_;  // one per unit
    std::map<QValueAxis*, Range> valueRanges_;
    Range timeRange_;  // msecs of the points drawn
    QLabel* status_ = nullptr;
    QLabel* setpointNote_ = nullptr;
    QPushButton* reset_ = nullptr;
    QPushButton* save_ = nullptr;
    QPushButton* exit_ = nullptr;
};

}  // namespace zor06::screens
