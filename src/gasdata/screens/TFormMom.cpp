#include "gasdata/screens/TFormMom.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPalette>
#include <QVBoxLayout>

#include "widgets/WholeText.h"

namespace zor06::screens {
namespace {

constexpr int kWidth = 760;
constexpr int kHeight = 562;
// The widest value the display conversion gives a usual analysis, with four decimals.
constexpr char kWideValueSample[] = "-12345.6789";

QString Text(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<int>(text.size()));
}

QLineEdit* NewShownField(QWidget* parent) {
    auto* field = new QLineEdit(parent);
    field->setReadOnly(true);
    return field;
}

}  // namespace

TFormMom::TFormMom(const gasdata::ChrMomentaryFrame& frame, Refresh refresh, QWidget* parent)
    : MomentaryWindow(parent), read_(std::move(refresh)) {
    setWindowTitle(Text(frame.caption));
    resize(kWidth, kHeight);

    auto* timeLabel = new QLabel(Text(gasdata::kChrMomentaryTimeLabel), this);
    time_ = NewShownField(this);
    timeLabel->setBuddy(time_);
    auto* timeRow = new QHBoxLayout;
    timeRow->addWidget(timeLabel);
    timeRow->addWidget(time_);
    timeRow->addStretch(1);

    auto* grid = new QGridLayout;
    grid->addWidget(new QLabel(Text(gasdata::kChrMomentaryNameHeading), this), 0, 0);
    grid->addWidget(new QLabel(Text(gasdata::kChrMomentaryValueHeading), this), 0, 1);
    AddRows(frame, grid);
    formula_ = new QLabel(Text(frame.formulaLabel), this);

    auto* column = new QVBoxLayout(this);
    column->addLayout(timeRow);
    column->addLayout(grid);
    column->addWidget(formula_);
    AddButtons(column);
    widgets::ReserveTitleRoom(this);
}

void TFormMom::AddRows(const gasdata::ChrMomentaryFrame& frame, QGridLayout* grid) {
    for (int i = 0; i < gasdata::kChrParameters; ++i) {
        const std::size_t at = Index(i);
        names_[at] = new QLabel(Text(frame.names[at]), this);
        values_[at] = NewShownField(this);
        widgets::KeepWideEnoughFor(values_[at], QLatin1String(kWideValueSample));
        values_[at]->setSizePolicy(QSizePolicy::Minimum, QSizePolicy::Fixed);
        values_[at]->setAlignment(Qt::AlignRight);
        names_[at]->setBuddy(values_[at]);
        grid->addWidget(names_[at], i + 1, 0);
        grid->addWidget(values_[at], i + 1, 1);
        if (gasdata::HasZone(i)) {
            zones_[at] = NewShownField(this);
            zones_[at]->setAccessibleName(Text(frame.names[at]).trimmed() +
                                          QStringLiteral(" — зона параметра"));
            grid->addWidget(zones_[at], i + 1, 2);
        }
    }
    grid->setColumnStretch(2, 1);
}

void TFormMom::ReadAndShow() {
    if (read_.values) {
        if (const auto values = read_.values()) {
            ShowValues(*values);
        }
    }
    if (read_.zones) {
        if (const auto zones = read_.zones()) {
            ShowZones(*zones);
        }
    }
}

void TFormMom::ShowValues(const gasdata::ChrMomentaryValues& values) {
    time_->setText(Text(values.time));
    for (std::size_t i = 0; i < values_.size(); ++i) {
        widgets::SetWholeText(values_[i], Text(values.values[i]));
    }
}

void TFormMom::ShowZones(const gasdata::ChrZones& zones) {
    for (std::size_t i = 0; i < zones_.size(); ++i) {
        if (zones_[i] == nullptr || !zones[i]) {
            continue;
        }
        const gasdata::Rgb c = zones[i]->colour;
        QPalette palette = zones_[i]->palette();
        palette.setColor(QPalette::Text, QColor(c.red, c.green, c.blue));
        zones_[i]->setPalette(palette);
        zones_[i]->setText(Text(zones[i]->text));
    }
}

}  // namespace zor06::screens
