#include "gasdata/screens/TFormMean.h"

#include <QDialogButtonBox>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "gasdata/chr_momentary.h"
#include "messages/current_state.h"
#include "widgets/ButtonRow.h"
#include "widgets/WholeText.h"

namespace zor06::screens {
namespace {

constexpr int kWidth = 422;
constexpr int kHeight = 540;

QString Text(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace

TFormMean::TFormMean(std::span<const std::string> lines, QWidget* parent) : QDialog(parent) {
    setWindowTitle(Text(gasdata::kLegendCaption));
    resize(kWidth, kHeight);
    list_ = new QListWidget(this);
    list_->setAccessibleName(Text(gasdata::kLegendCaption));
    for (const std::string& line : lines) {
        list_->addItem(Text(line));
    }

    QDialogButtonBox* buttons = widgets::NewButtonRow(this);
    exit_ = widgets::AddToRow(buttons, Text(messages::kExitText));
    connect(exit_, &QPushButton::clicked, this, &QDialog::reject);

    auto* column = new QVBoxLayout(this);
    column->addWidget(list_);
    column->addWidget(buttons);
    widgets::ReserveTitleRoom(this);
}

}  // namespace zor06::screens
