#include "messages/screens/MessageForm.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QStyle>
#include <QTableWidget>
#include <QVBoxLayout>
#include <algorithm>
#include <array>

#include "messages/message_csv.h"
#include "messages/message_file.h"
#include "messages/message_list_document.h"
#include "report/layout.h"
#include "widgets/ButtonRow.h"
#include "widgets/report_dialogs.h"

namespace zor06::screens {
namespace {

constexpr int kScreenReserve = 60;

// A narrow empty column stands before the cells.
QStringList Headings(messages::Archive archive) {
    QStringList headings{QString()};
    for (const std::string_view heading : messages::ColumnHeadings(archive)) {
        headings.push_back(
            QString::fromUtf8(heading.data(), static_cast<qsizetype>(heading.size())));
    }
    return headings;
}

// The share of the window's width a cell column may take, in percent: the texts and names
// more than the dates, whose numbers may be long but are seen whole in their tooltips.
constexpr std::array<int, messages::kCellCount> kInterventionShares{12, 11, 30, 13, 13, 10, 11};
constexpr std::array<int, messages::kCellCount> kDiagnosticShares{11, 11, 23, 21, 12, 12, 10};
// The window's frame, margins and the grid's scroll bar.
constexpr int kGridChrome = 50;
constexpr int kNarrowColumn = 10;

// A cell whose text the column cuts shows it whole in its tooltip.
void MarkCutTexts(QTableWidget* grid, int column) {
    const QFontMetrics metrics(grid->font());
    const int margin = 2 * (grid->style()->pixelMetric(QStyle::PM_FocusFrameHMargin) + 1);
    const int room = grid->columnWidth(column) - margin;
    for (int r = 0; r < grid->rowCount(); ++r) {
        QTableWidgetItem* item = grid->item(r, column);
        if (item != nullptr) {
            const bool cut = metrics.horizontalAdvance(item->text()) > room;
            item->setData(Qt::ToolTipRole, cut ? item->text() : QVariant());
        }
    }
}

void Fill(QTableWidget* grid, const messages::MessageView& view, int windowWidth) {
    grid->setColumnCount(static_cast<int>(messages::kCellCount) + 1);
    grid->setHorizontalHeaderLabels(Headings(view.archive));
    grid->setRowCount(static_cast<int>(view.rows.size()));
    for (int r = 0; r < grid->rowCount(); ++r) {
        const auto& row = view.rows[static_cast<std::size_t>(r)];
        for (std::size_t c = 0; c < row.size(); ++c) {
            grid->setItem(r, static_cast<int>(c) + 1,
                          new QTableWidgetItem(QString::fromStdString(row[c])));
        }
    }
    grid->verticalHeader()->hide();
    grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grid->setSelectionBehavior(QAbstractItemView::SelectRows);
    grid->setSelectionMode(QAbstractItemView::SingleSelection);
    grid->resizeColumnsToContents();
    grid->setColumnWidth(0, kNarrowColumn);
    const auto& shares =
        view.archive == messages::Archive::Interventions ? kInterventionShares : kDiagnosticShares;
    const int room = windowWidth - kGridChrome - kNarrowColumn;
    for (std::size_t c = 0; c < shares.size(); ++c) {
        const int column = static_cast<int>(c) + 1;
        grid->setColumnWidth(column, std::min(grid->columnWidth(column), room * shares[c] / 100));
        MarkCutTexts(grid, column);
    }
    QObject::connect(grid->horizontalHeader(), &QHeaderView::sectionResized, grid,
                     [grid](int column) { MarkCutTexts(grid, column); });
    if (grid->rowCount() > 0) {
        grid->selectRow(grid->rowCount() - 1);
    }
}

}  // namespace

MessageForm::MessageForm(messages::MessageView view, const dataset::HdmHeader& header,
                         MessageFormContext context, dialogue::Operator& op, int width,
                         QWidget* parent)
    : QDialog(parent),
      preview(widgets::PreviewPages),
      view_(std::move(view)),
      header_(header),
      context_(std::move(context)),
      op_(op) {
    setWindowTitle(QString::fromStdString(view_.caption));
    message_ = new QLabel(QString::fromStdString(view_.messageLine), this);
    grid_ = new QTableWidget(this);
    Fill(grid_, view_, width);

    QDialogButtonBox* buttons = widgets::NewButtonRow(this);
    exit_ = widgets::AddToRow(buttons, QStringLiteral("Выход"));
    save_ = widgets::AddToRow(buttons, QStringLiteral("Сохранить в файле"));
    csv_ = widgets::AddToRow(buttons, QStringLiteral("Сохранить в CSV"));
    print_ = widgets::AddToRow(buttons, QStringLiteral("Печать"));

    auto* column = new QVBoxLayout(this);
    column->addWidget(message_);
    column->addWidget(grid_, 1);
    column->addWidget(buttons);
    connect(exit_, &QPushButton::clicked, this, &QDialog::reject);
    connect(save_, &QPushButton::clicked, this, [this] { Save(); });
    connect(csv_, &QPushButton::clicked, this, [this] { SaveCsv(); });
    connect(print_, &QPushButton::clicked, this, [this] { Print(); });

    const int rowsHeight =
        grid_->horizontalHeader()->sizeHint().height() + grid_->verticalHeader()->length() + 120;
    const QScreen* screen = QApplication::primaryScreen();
    const int limit =
        screen != nullptr ? screen->availableGeometry().height() - kScreenReserve : rowsHeight;
    resize(width, std::min(rowsHeight, limit));
    exit_->setFocus();
}

void MessageForm::Save() {
    const auto dir = context_.programDir / messages::FileDirectory(view_.archive);
    messages::SaveMessageView(view_, header_, dir, context_.today(), op_);
}

void MessageForm::SaveCsv() {
    const auto dir = context_.programDir / messages::FileDirectory(view_.archive);
    messages::SaveMessageCsv(view_, header_, dir, context_.today(), op_);
}

void MessageForm::Print() {
    const std::optional<std::string> organisation = context_.printData();
    if (!organisation) {
        return;
    }
    report::Pages pages;
    {
        dialogue::BusyScope busy(op_);
        pages = report::Layout(
            messages::MessageListDocument(view_.archive, header_, view_.rows, *organisation));
    }
    if (!preview(pages, this)) {
        op_.ShowMessage(dialogue::MessageKind::Error, "Ошибка печати данных", "");
    }
}

}  // namespace zor06::screens
