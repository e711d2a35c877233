#include "gasdata/screens/TFormMomWmt.h"

#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

#include "text/number_text.h"
#include "widgets/WholeText.h"

namespace zor06::screens {
namespace {

QLineEdit* NewValueField(QWidget* parent) {
    auto* field = new QLineEdit(parent);
    field->setReadOnly(true);
    return field;
}

// Room for the widest value after the views' two leading blanks.
QLineEdit* NewNumberField(QWidget* parent) {
    QLineEdit* field = NewValueField(parent);
    widgets::KeepWideEnoughFor(field,
                               QStringLiteral("  ") + QLatin1String(text::kWideNumberSample));
    return field;
}

}  // namespace

TFormMomWmt::TFormMomWmt(Refresh refresh, QWidget* parent)
    : MomentaryWindow(parent), readLines_(std::move(refresh)) {
    setWindowTitle(QStringLiteral(" Мгновенные данные влагомера"));

    auto* timeLabel = new QLabel(QStringLiteral("Дата и время, к которым относятся данные"), this);
    time_ = NewValueField(this);
    timeLabel->setBuddy(time_);
    valueRows_ = new QFormLayout;

    auto* column = new QVBoxLayout(this);
    column->addWidget(timeLabel);
    column->addWidget(time_);
    column->addLayout(valueRows_);
    AddButtons(column);
}

void TFormMomWmt::ReadAndShow() {
    if (!readLines_) {
        return;
    }
    if (const std::optional<WmtMomentaryLines> lines = readLines_()) {
        Show(*lines);
    }
}

void TFormMomWmt::Show(const WmtMomentaryLines& lines) {
    time_->setText(QString::fromStdString(lines.time));
    for (std::size_t i = 0; i < lines.values.size(); ++i) {
        if (i == values_.size()) {
            labels_.push_back(new QLabel(this));
            values_.push_back(NewNumberField(this));
            labels_.back()->setBuddy(values_.back());
            valueRows_->addRow(labels_.back(), values_.back());
        }
        labels_[i]->setText(QString::fromStdString(lines.values[i].first));
        widgets::SetWholeText(values_[i], QString::fromStdString(lines.values[i].second));
    }
}

}  // namespace zor06::screens
