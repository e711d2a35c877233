#include "gasdata/screens/TFormDataChart.h"

#include <QBuffer>
#include <QChart>
#include <QDateTime>
#include <QDateTimeAxis>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QLabel>
#include <QLegendMarker>
#include <QLineSeries>
#include <QListWidget>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTimeZone>
#include <QVBoxLayout>
#include <QValueAxis>
#include <algorithm>
#include <array>
#include <cmath>
#include <filesystem>

#include "gasdata/screens/TrendChartView.h"
#include "platform/file_io.h"
#include "widgets/ButtonRow.h"

namespace zor06::screens {
namespace {

// Told apart on screen and on a grey printout alike.
const std::array<QColor, TFormDataChart::kMostChosen> kColours{
    QColor(0x1f, 0x4e, 0xb4), QColor(0xd6, 0x5a, 0x00), QColor(0x1a, 0x8a, 0x2e),
    QColor(0xb0, 0x1c, 0x6e)};

constexpr qreal kLineWidth = 2.0;
constexpr qreal kSetpointWidth = 1.5;
constexpr double kValueMargin = 0.05;  // of the values' span, above and below

QString Text(const std::string& s) {
    return QString::fromStdString(s);
}

QString Legend(const gasdata::ChartSeries& s) {
    return s.unit.empty() ? Text(s.name) : Text(s.name) + ", " + Text(s.unit);
}

// The controller's clock shows wall time; the axis labels it as such in any time zone.
qreal Msecs(std::int64_t controllerSeconds) {
    const QDateTime utc =
        QDateTime(QDate(2000, 1, 1), QTime(0, 0), QTimeZone::utc()).addSecs(controllerSeconds);
    return static_cast<qreal>(QDateTime(utc.date(), utc.time()).toMSecsSinceEpoch());
}

// The view's caption with its period on a line of its own, so that neither is cut off.
QString TitleOf(const std::string& caption) {
    QString title = Text(caption).toHtmlEscaped();
    const qsizetype period = title.indexOf(QStringLiteral(" за период"));
    if (period > 0) {
        title.replace(period, 1, QStringLiteral("<br>"));
    }
    return title;
}

QString TimeFormat(gasdata::DataKind kind) {
    return gasdata::IsDaily(kind) ? QStringLiteral("dd.MM.yy")
                                  : QStringLiteral("dd.MM.yy<br>hh:mm");
}

void HideFromLegend(QChart* chart, QLineSeries* line) {
    for (QLegendMarker* marker : chart->legend()->markers(line)) {
        marker->setVisible(false);
    }
}

}  // namespace

void TFormDataChart::Range::Include(double v) {
    min = std::min(min, v);
    max = std::max(max, v);
}

TFormDataChart::TFormDataChart(const gasdata::DataView& view,
                               std::optional<gasdata::ColumnSetpoints> setpoints, QWidget* parent)
    : QDialog(parent), kind_(view.kind), setpoints_(std::move(setpoints)) {
    setWindowTitle(QStringLiteral("График: ") + Text(view.caption));
    for (int c = 0; c < static_cast<int>(view.valueHeadings.size()); ++c) {
        series_.push_back(gasdata::BuildChartSeries(view, c));
    }
    chart_ = new QChart;
    chart_->setTitle(TitleOf(view.caption));
    chart_->legend()->setAlignment(Qt::AlignBottom);
    chartView_ = new TrendChartView(chart_, this);
    chartView_->setAccessibleName(QStringLiteral("График"));
    chartView_->setMinimumSize(640, 420);

    auto* row = new QHBoxLayout;
    row->addWidget(NewChoiceColumn());
    row->addWidget(chartView_, 1);
    // The choice stands left of the chart, so Tab reaches it first.
    setTabOrder(list_, chartView_);
    auto* column = new QVBoxLayout(this);
    column->addLayout(row, 1);
    setpointNote_ = new QLabel(
        QStringLiteral("Штриховые линии: нижняя и верхняя предупредительные уставки"), this);
    setpointNote_->setVisible(false);
    column->addWidget(setpointNote_);
    status_ = new QLabel(this);
    status_->setAccessibleName(QStringLiteral("Состояние"));
    // A long file name wraps rather than widen the window past the screen.
    status_->setWordWrap(true);
    column->addWidget(status_);
    AddButtons(column);
    Rebuild();
    resize(1000, 620);
}

QWidget* TFormDataChart::NewChoiceColumn() {
    auto* box = new QWidget(this);
    auto* layout = new QVBoxLayout(box);
    layout->setContentsMargins(0, 0, 0, 0);
    auto* caption = new QLabel(QStringLiteral("Параметры (не более %1):").arg(kMostChosen), box);
    list_ = new QListWidget(box);
    caption->setBuddy(list_);
    list_->setAccessibleName(QStringLiteral("Параметры"));
    for (const gasdata::ChartSeries& s : series_) {
        auto* item = new QListWidgetItem(Legend(s), list_);
        item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsUserCheckable);
        item->setCheckState(Qt::Unchecked);
    }
    list_->setMinimumWidth(list_->sizeHintForColumn(0) + 2 * list_->frameWidth() + 24);
    connect(list_, &QListWidget::itemChanged, this, &TFormDataChart::Choose);
    layout->addWidget(caption);
    layout->addWidget(list_, 1);
    return box;
}

void TFormDataChart::AddButtons(QLayout* column) {
    QDialogButtonBox* buttons = widgets::NewButtonRow(this);
    reset_ = widgets::AddToRow(buttons, QStringLiteral("Сбросить масштаб"));
    save_ = widgets::AddToRow(buttons, QStringLiteral("Сохранить как PNG"));
    exit_ = widgets::AddToRow(buttons, QStringLiteral("Выход"));
    connect(reset_, &QPushButton::clicked, this, &TFormDataChart::ResetZoom);
    connect(save_, &QPushButton::clicked, this, &TFormDataChart::ChooseFileAndSave);
    connect(exit_, &QPushButton::clicked, this, &QDialog::reject);
    column->addWidget(buttons);
}

void TFormDataChart::Choose(QListWidgetItem* item) {
    const int column = list_->row(item);
    const auto at = std::find(chosen_.begin(), chosen_.end(), column);
    if (item->checkState() != Qt::Checked) {
        if (at != chosen_.end()) {
            chosen_.erase(at);
        }
    } else if (at == chosen_.end()) {
        if (static_cast<int>(chosen_.size()) >= kMostChosen) {
            const QSignalBlocker quiet(list_);
            item->setCheckState(Qt::Unchecked);
            status_->setText(QStringLiteral(
                "Можно выбрать не более четырёх параметров: снимите отметку с одного из "
                "выбранных"));
            return;
        }
        chosen_.push_back(column);
    }
    Rebuild();
}

void TFormDataChart::AddTimeAxis() {
    timeAxis_ = new QDateTimeAxis(chart_);
    timeAxis_->setFormat(TimeFormat(kind_));
    timeAxis_->setTitleText(gasdata::IsDaily(kind_) ? QStringLiteral("Дата")
                                                    : QStringLiteral("Время"));
    timeAxis_->setTickCount(6);
    chart_->addAxis(timeAxis_, Qt::AlignBottom);
}

const std::vector<QList<QPointF>>& TFormDataChart::PointsOf(int column) {
    const auto found = points_.find(column);
    if (found != points_.end()) {
        return found->second;
    }
    std::vector<QList<QPointF>> segments;
    for (const gasdata::ChartSegment& segment :
         series_[static_cast<std::size_t>(column)].segments) {
        QList<QPointF>& points = segments.emplace_back();
        points.reserve(static_cast<qsizetype>(segment.size()));
        for (const gasdata::ChartPoint& p : segment) {
            points.append({Msecs(p.seconds), p.value});
        }
    }
    return points_.emplace(column, std::move(segments)).first->second;
}

void TFormDataChart::Rebuild() {
    // Every axis is made anew: an axis left without series is no longer drawn once it gets them
    // again.
    chart_->removeAllSeries();
    for (QAbstractAxis* axis : chart_->axes()) {
        chart_->removeAxis(axis);
        delete axis;
    }
    valueAxes_.clear();
    valueRanges_.clear();
    AddTimeAxis();
    MeasureTime();
    bool setpointsDrawn = false;
    for (std::size_t slot = 0; slot < chosen_.size(); ++slot) {
        setpointsDrawn = AddColumn(chosen_[slot], kColours[slot]) || setpointsDrawn;
    }
    setpointNote_->setVisible(setpointsDrawn);
    ShowChoiceStatus();
    ResetZoom();
}

// The time span of the chosen lines, known before the setpoint lines are drawn across it.
void TFormDataChart::MeasureTime() {
    timeRange_ = {};
    for (const int column : chosen_) {
        for (const QList<QPointF>& segment : PointsOf(column)) {
            timeRange_.Include(segment.front().x());
            timeRange_.Include(segment.back().x());
        }
    }
    if (!timeRange_.Empty() && timeRange_.max == timeRange_.min) {
        // A single moment gets half an archive step on either side.
        const double pad = 500.0 * static_cast<double>(gasdata::StepSeconds(kind_));
        timeRange_.Include(timeRange_.min - pad);
        timeRange_.Include(timeRange_.max + pad);
    }
}

void TFormDataChart::ShowChoiceStatus() {
    QStringList empty;
    for (const int column : chosen_) {
        const gasdata::ChartSeries& s = series_[static_cast<std::size_t>(column)];
        if (s.segments.empty()) {
            empty << Text(s.name);
        }
    }
    if (chosen_.empty()) {
        status_->setText(QStringLiteral("Отметьте параметры для графика"));
    } else if (!empty.isEmpty()) {
        status_->setText(QStringLiteral("Нет значений за период: ") + empty.join(", "));
    } else {
        status_->clear();
    }
}

bool TFormDataChart::AddColumn(int column, const QColor& colour) {
    const gasdata::ChartSeries& s = series_[static_cast<std::size_t>(column)];
    QValueAxis* axis = AxisFor(s.unit, colour);
    const QPen pen(colour, kLineWidth);
    bool first = true;
    for (const QList<QPointF>& points : PointsOf(column)) {
        auto* line = new QLineSeries;
        line->setName(Legend(s));
        line->setPen(pen);
        // A lone value between gaps has no line to show it.
        line->setPointsVisible(points.size() == 1);
        line->replace(points);
        for (const QPointF& p : points) {
            valueRanges_[axis].Include(p.y());
        }
        Attach(line, axis);
        if (!first) {
            HideFromLegend(chart_, line);
        }
        first = false;
    }
    if (!setpoints_ || timeRange_.Empty() ||
        static_cast<std::size_t>(column) >= setpoints_->size()) {
        return false;
    }
    const gasdata::SetpointLines& lines = (*setpoints_)[static_cast<std::size_t>(column)];
    bool drawn = false;
    for (const std::optional<double>& v : {lines.lower, lines.upper}) {
        if (v) {
            AddSetpoint(*v, colour, axis);
            drawn = true;
        }
    }
    return drawn;
}

QValueAxis* TFormDataChart::AxisFor(const std::string& unit, const QColor& colour) {
    const auto found = valueAxes_.find(unit);
    if (found != valueAxes_.end()) {
        return found->second;
    }
    auto* axis = new QValueAxis(chart_);
    axis->setTitleText(Text(unit));
    // In the colour of its first line, so that each scale is seen to belong to its line.
    axis->setTitleBrush(colour);
    axis->setLabelsColor(colour);
    // The first unit's scale on the left, the next on the right, and so on.
    chart_->addAxis(axis, valueAxes_.size() % 2 == 0 ? Qt::AlignLeft : Qt::AlignRight);
    valueAxes_.emplace(unit, axis);
    return axis;
}

void TFormDataChart::AddSetpoint(double value, const QColor& colour, QValueAxis* axis) {
    auto* line = new QLineSeries;
    line->setName(QStringLiteral("Уставка"));
    line->setPen(QPen(colour, kSetpointWidth, Qt::DashLine));
    line->append(timeRange_.min, value);
    line->append(timeRange_.max, value);
    valueRanges_[axis].Include(value);
    Attach(line, axis);
    HideFromLegend(chart_, line);
}

void TFormDataChart::Attach(QLineSeries* line, QValueAxis* axis) {
    chart_->addSeries(line);
    line->attachAxis(timeAxis_);
    line->attachAxis(axis);
}

void TFormDataChart::ResetZoom() {
    chart_->zoomReset();
    if (!timeRange_.Empty()) {
        timeAxis_->setRange(QDateTime::fromMSecsSinceEpoch(static_cast<qint64>(timeRange_.min)),
                            QDateTime::fromMSecsSinceEpoch(static_cast<qint64>(timeRange_.max)));
    }
    for (const auto& [axis, range] : valueRanges_) {
        const double span = range.max - range.min;
        const double margin = span > 0
                                  ? span * kValueMargin
                                  : (range.max != 0 ? std::abs(range.max) * kValueMargin : 1.0);
        axis->setRange(range.min - margin, range.max + margin);
    }
}

bool TFormDataChart::SavePng(const QString& path) {
    const QImage image = chartView_->grab().toImage();
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    if (image.isNull() || !image.save(&buffer, "PNG")) {
        status_->setText(QStringLiteral("Не удалось построить изображение графика"));
        return false;
    }
    std::string reason;
    if (!platform::WriteFileAtomically(
            std::filesystem::path(path.toStdString()),
            std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())), &reason)) {
        status_->setText(QStringLiteral("Не удалось записать файл %1: %2").arg(path, Text(reason)));
        return false;
    }
    status_->setText(QStringLiteral("График записан в файл %1").arg(path));
    return true;
}

void TFormDataChart::ChooseFileAndSave() {
    if (chooseFile) {
        if (const auto path = chooseFile()) {
            SavePng(QString::fromStdString(path->string()));
        }
        return;
    }
    QFileDialog dialog(this, QStringLiteral("Сохранить как PNG"), QString(),
                       QStringLiteral("Рисунок PNG (*.png)"));
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix(QStringLiteral("png"));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return;
    }
    SavePng(dialog.selectedFiles().front());
}

}  // namespace zor06::screens
