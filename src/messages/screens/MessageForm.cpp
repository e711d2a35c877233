#include "messages/screens/MessageForm.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QTableWidget>
#include <QVBoxLayout>
#include <algorithm>

#include "messages/message_csv.h"
#include "messages/message_file.h"
#include "messages/message_list_document.h"
#include "report/layout.h"
#include "widgets/ButtonRow.h"
#include "widgets/report_dialogs.h"

namespace zor06::screens {
namespace {

constexpr int kPrintErrorKind = 1;
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

void Fill(QTableWidget* grid, const messages::MessageView& view) {
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
    grid->setColumnWidth(0, 10);
    grid->verticalHeader()->hide();
    grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grid->setSelectionBehavior(QAbstractItemView::SelectRows);
    grid->setSelectionMode(QAbstractItemView::SingleSelection);
    grid->resizeColumnsToContents();
    grid->setColumnWidth(0, 10);
    if (grid->rowCount() > 0) {
        grid->selectRow(grid->rowCount() - 1);
    }
}

}  // namespace

MessageForm::MessageForm(messages::MessageView view, const dataset::HdmHeader& header,
                         MessageFormContext context, link::Operator& op, int width, QWidget* parent)
    : QDialog(parent),
      preview(widgets::PreviewPages),
      view_(std::move(view)),
      header_(header),
      context_(std::move(context)),
      op_(op) {
    setWindowTitle(QString::fromStdString(view_.caption));
    message_ = new QLabel(QString::fromStdString(view_.messageLine), this);
    grid_ = new QTableWidget(this);
    Fill(grid_, view_);

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
    messages::SaveMessageView(view_, header_, dir, context_.today(), context_.chooseFile, op_);
}

void MessageForm::SaveCsv() {
    const auto dir = context_.programDir / messages::FileDirectory(view_.archive);
    messages::SaveMessageCsv(view_, header_, dir, context_.today(), context_.chooseFile, op_);
}

void MessageForm::Print() {
    const std::optional<std::string> organisation = context_.printData();
    if (!organisation) {
        return;
    }
    report::Pages pages;
    {
        link::BusyScope busy(op_);
        pages = report::Layout(
            messages::MessageListDocument(view_.archive, header_, view_.rows, *organisation));
    }
    if (!preview(pages, this)) {
        op_.ShowMessage(kPrintErrorKind, "Ошибка печати данных", "");
    }
}

}  // namespace zor06::screens
