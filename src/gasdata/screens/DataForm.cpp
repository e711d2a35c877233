#include "gasdata/screens/DataForm.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QShowEvent>
#include <QTableView>
#include <QVBoxLayout>
#include <algorithm>

#include "gasdata/abnormal_signs.h"
#include "gasdata/iso_check.h"
#include "gasdata/screens/DataViewModel.h"
#include "gasdata/screens/TFormChromError.h"
#include "gasdata/screens/TFormDataChart.h"
#include "widgets/ButtonRow.h"
#include "widgets/WholeText.h"

namespace zor06::screens {
namespace {

int GridFrame(const QTableView* grid) {
    return 2 * grid->frameWidth();
}

QRect ScreenArea() {
    const QScreen* screen = QApplication::primaryScreen();
    return screen != nullptr ? screen->availableGeometry() : QRect(0, 0, 1024, 768);
}

// One view serves each pair of hourly and daily archives.
const char* ScreenName(gasdata::DataKind kind) {
    switch (kind) {
        case gasdata::DataKind::ChrMinute:
            return "TFormArhMin_Chr";
        case gasdata::DataKind::ChrHour:
        case gasdata::DataKind::ChrDay:
            return "TFormArhivHDM_Chr";
        case gasdata::DataKind::WmtMinute:
            return "TFormArhMom_Wmt";
        case gasdata::DataKind::WmtHour:
        case gasdata::DataKind::WmtDay:
            return "TFormArhivHD_Wmt";
    }
    return "DataForm";
}

}  // namespace

DataForm::DataForm(gasdata::DataView content, DataFormContext context, QWidget* parent)
    : QDialog(parent),
      model_(new DataViewModel(std::move(content), this)),
      context_(std::move(context)),
      chromatograph_(gasdata::IsChromatograph(model_->View().kind)),
      leftCount_(static_cast<int>(model_->View().leftHeadings.size())) {
    setObjectName(QString::fromLatin1(ScreenName(model_->View().kind)));
    setWindowTitle(QString::fromStdString(model_->View().caption));
    left_ = new QTableView(this);
    values_ = new QTableView(this);
    SetUpGrids();

    auto* leftColumn = new QVBoxLayout;
    leftColumn->setSpacing(0);
    leftColumn->addWidget(left_, 1);
    leftColumn->addWidget(NewBarRoom());
    auto* grids = new QHBoxLayout;
    grids->setSpacing(0);
    grids->addLayout(leftColumn);
    grids->addWidget(values_, 1);
    auto* column = new QVBoxLayout(this);
    column->addLayout(grids, 1);
    AddIsoCheckRow(column);
    AddButtons(column);

    // The operator's hidden command: no menu shows it, only its shortcut.
    statusAction_ = new QAction(this);
    statusAction_->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_S));
    addAction(statusAction_);
    connect(statusAction_, &QAction::triggered, this, &DataForm::ToggleStatus);

    for (int c : view().statusColumns) {
        left_->setColumnHidden(c, true);
    }
    FitLeftGrid();
    Resize();
    if (!view().rows.empty()) {
        values_->selectRow(view().startAtLastRow ? static_cast<int>(view().rows.size()) - 1 : 0);
    }
    exit_->setFocus();
    widgets::ReserveTitleRoom(this);
}

const gasdata::DataView& DataForm::view() const {
    return model_->View();
}

void DataForm::SetUpGrids() {
    for (QTableView* grid : {left_, values_}) {
        grid->setModel(model_);
        grid->verticalHeader()->hide();
        grid->horizontalHeader()->setSectionsClickable(false);
        grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
        grid->setSelectionBehavior(QAbstractItemView::SelectRows);
        grid->setSelectionMode(QAbstractItemView::SingleSelection);
        grid->setWordWrap(false);
        connect(grid, &QAbstractItemView::doubleClicked, this, &DataForm::OpenSigns);
    }
    left_->setSelectionModel(values_->selectionModel());
    for (int c = 0; c < model_->columnCount(); ++c) {
        (c < leftCount_ ? values_ : left_)->setColumnHidden(c, true);
    }
    left_->resizeColumnsToContents();
    values_->resizeColumnsToContents();
    left_->verticalHeader()->setDefaultSectionSize(values_->verticalHeader()->defaultSectionSize());

    // One vertical scroll bar, the value grid's, moves both grids.
    left_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    left_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    QScrollBar* leftBar = left_->verticalScrollBar();
    QScrollBar* valueBar = values_->verticalScrollBar();
    connect(valueBar, &QScrollBar::valueChanged, leftBar, &QScrollBar::setValue);
    connect(leftBar, &QScrollBar::valueChanged, valueBar, &QScrollBar::setValue);
}

// The room under the left grid that matches the value grid's horizontal scroll bar, so that
// both grids show the same rows.
QWidget* DataForm::NewBarRoom() {
    auto* room = new QWidget(this);
    room->setFixedHeight(values_->horizontalScrollBar()->sizeHint().height());
    room->setVisible(false);
    connect(values_->horizontalScrollBar(), &QScrollBar::rangeChanged, room,
            [room](int min, int max) { room->setVisible(max > min); });
    return room;
}

void DataForm::AddIsoCheckRow(QBoxLayout* column) {
    if (!view().isoCheck) {
        return;
    }
    for (int c = model_->FirstCheckColumn(); c < model_->columnCount(); ++c) {
        values_->setColumnHidden(c, true);
    }
    isoCheck_ = new QCheckBox(QStringLiteral("Сверка с ISO 6976"), this);
    isoSummary_ =
        new QLabel(QString::fromStdString(gasdata::IsoCheckSummary(*view().isoCheck)), this);
    isoSummary_->setVisible(false);
    auto* row = new QHBoxLayout;
    row->addWidget(isoCheck_);
    row->addSpacing(isoCheck_->sizeHint().height());
    row->addWidget(isoSummary_, 1);
    column->addLayout(row);
    connect(isoCheck_, &QCheckBox::toggled, this, &DataForm::ShowIsoCheck);
}

void DataForm::ShowIsoCheck(bool shown) {
    for (int c = model_->FirstCheckColumn(); c < model_->columnCount(); ++c) {
        values_->setColumnHidden(c, !shown);
        if (shown) {
            values_->resizeColumnToContents(c);
        }
    }
    isoSummary_->setVisible(shown);
    Resize();
}

void DataForm::RunAction(const DataFormContext::Action& action) {
    if (view().isoCheck && !isoCheck_->isChecked()) {
        action(gasdata::WithoutIsoCheck(view()), this);
    } else {
        action(view(), this);
    }
}

void DataForm::AddButtons(QLayout* column) {
    QDialogButtonBox* buttons = widgets::NewButtonRow(this);
    save_ = AddButton(buttons, QStringLiteral("Сохранить в файле"), context_.save);
    print_ = AddButton(buttons, QStringLiteral("Печать"), context_.print);
    if (chromatograph_) {
        export_ = AddButton(buttons, QStringLiteral("Сохранить в формате Excel"),
                            context_.exportWorkbook);
    }
    csv_ = AddButton(buttons, QStringLiteral("Сохранить в CSV"), context_.saveCsv);
    chart_ = widgets::AddToRow(buttons, QStringLiteral("График"));
    connect(chart_, &QPushButton::clicked, this, &DataForm::OpenChart);
    exit_ = widgets::AddToRow(buttons, QStringLiteral("Выход"));
    connect(exit_, &QPushButton::clicked, this, &QDialog::reject);
    column->addWidget(buttons);
}

QPushButton* DataForm::AddButton(QDialogButtonBox* row, const QString& caption,
                                 const DataFormContext::Action& action) {
    QPushButton* button = widgets::AddToRow(row, caption);
    button->setEnabled(static_cast<bool>(action));
    connect(button, &QPushButton::clicked, this, [this, &action] { RunAction(action); });
    return button;
}

void DataForm::FitLeftGrid() {
    left_->setFixedWidth(left_->horizontalHeader()->length() + GridFrame(left_));
}

void DataForm::Resize() {
    const QRect screen = ScreenArea();
    const QMargins margins = layout()->contentsMargins();
    int width = kMoistureWidth;
    if (chromatograph_) {
        const int table = left_->width() + values_->horizontalHeader()->length() +
                          GridFrame(values_) + values_->verticalScrollBar()->sizeHint().width();
        width = std::min(margins.left() + table + margins.right(),
                         screen.width() - kScreenWidthReserve);
    }
    const int grid = values_->horizontalHeader()->sizeHint().height() +
                     values_->verticalHeader()->length() + GridFrame(values_) +
                     values_->horizontalScrollBar()->sizeHint().height();
    int buttons = exit_->sizeHint().height() + layout()->spacing();
    if (isoCheck_ != nullptr) {
        buttons += isoCheck_->sizeHint().height() + layout()->spacing();
    }
    const int height = margins.top() + grid + buttons + margins.bottom();
    resize(width, std::min(height, screen.height() - kScreenHeightReserve));
}

void DataForm::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (!event->spontaneous() && !view().rows.empty()) {
        values_->scrollTo(values_->currentIndex());
    }
}

void DataForm::ToggleStatus() {
    statusShown_ = !statusShown_;
    for (int c : view().statusColumns) {
        left_->setColumnHidden(c, !statusShown_);
    }
    FitLeftGrid();
}

void DataForm::OpenSigns(const QModelIndex& index) {
    if (!chromatograph_ || !statusShown_ || !index.isValid()) {
        return;
    }
    const gasdata::RowSigns& signs = view().rows[static_cast<std::size_t>(index.row())].signs;
    TFormChromError form(gasdata::AbnormalSigns(signs), signs.caption, this);
    form.exec();
}

void DataForm::OpenChart() {
    std::optional<gasdata::ColumnSetpoints> setpoints;
    if (context_.setpoints) {
        setpoints = context_.setpoints(view());
    }
    TFormDataChart chart(view(), std::move(setpoints), this);
    chart.chooseFile = context_.chartFile;
    chart.exec();
}

}  // namespace zor06::screens
