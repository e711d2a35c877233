#include "gasdata/screens/TFormExcRep_Date.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QVBoxLayout>
#include <algorithm>

#include "tables/controller_date.h"
#include "text/text_format.h"
#include "widgets/ButtonRow.h"

namespace zor06::screens {
namespace {

const char* const kMonths[] = {"Январь", "Февраль", "Март",     "Апрель",  "Май",    "Июнь",
                               "Июль",   "Август",  "Сентябрь", "Октябрь", "Ноябрь", "Декабрь"};

QString DateLine(const char* format, const messages::Date5& d) {
    return QString::fromStdString(text::Printf(format, d[2], d[1], d[0]));
}

}  // namespace

TFormExcRep_Date::TFormExcRep_Date(gasdata::PassportMode mode, const gasdata::ArchiveBounds& bounds,
                                   settings::ObjectList& objects, PassportObjectHooks hooks,
                                   dialogue::Operator& op, QWidget* parent)
    : QDialog(parent),
      mode_(mode),
      bounds_(bounds),
      objects_(objects),
      hooks_(std::move(hooks)),
      op_(op) {
    setWindowTitle(mode == gasdata::PassportMode::Day
                       ? QStringLiteral(" Параметры отчета за сутки")
                       : QStringLiteral(" Параметры отчета за месяц"));
    auto* column = new QVBoxLayout(this);
    column->addWidget(
        new QLabel(DateLine("Дата самой старой записи в архиве суточных данных:  %02d.%02d.%02d",
                            bounds.oldest),
                   this));
    column->addWidget(new QLabel(
        DateLine("Дата последней записи в архиве:  %02d.%02d.%02d", bounds.newest), this));
    auto* form = new QFormLayout;
    year_ = new QSpinBox(this);
    year_->setRange(2000, 2099);  // the year byte 0..99 shown as 2000 + n
    year_->setValue(2000 + bounds.newest[0]);
    month_ = new QComboBox(this);
    for (const char* name : kMonths) {
        month_->addItem(QString::fromUtf8(name));
    }
    month_->setCurrentIndex(std::clamp(bounds.newest[1] - 1, 0, 11));
    day_ = new QComboBox(this);
    object_ = new QComboBox(this);
    form->addRow(QStringLiteral("Год"), year_);
    form->addRow(QStringLiteral("Месяц"), month_);
    form->addRow(QStringLiteral("День"), day_);
    form->addRow(QStringLiteral("Объект"), object_);
    column->addLayout(form);
    if (mode == gasdata::PassportMode::Month) {
        form->setRowVisible(day_, false);
    }
    FillDays();
    day_->setCurrentIndex(std::clamp(bounds.newest[2] - 1, 0, day_->count() - 1));
    FillObjects();

    QDialogButtonBox* buttons = widgets::NewButtonRow(this);
    QPushButton* list = widgets::AddToRow(buttons, QStringLiteral("Список объектов"));
    accept_ = widgets::AddToRow(buttons, QStringLiteral("Принять"));
    QPushButton* cancel = widgets::AddToRow(buttons, QStringLiteral("Отменить"));
    column->addWidget(buttons);

    connect(month_, &QComboBox::activated, this, [this] { FillDays(); });
    connect(year_, &QSpinBox::valueChanged, this, [this] { FillDays(); });
    connect(object_, &QComboBox::activated, this, &TFormExcRep_Date::ObjectChosen);
    connect(list, &QPushButton::clicked, this, [this] {
        if (hooks_.editList && hooks_.editList()) {
            FillObjects();
        }
    });
    connect(accept_, &QPushButton::clicked, this, &TFormExcRep_Date::BitBtn1Click);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    setModal(true);
    accept_->setDefault(true);
}

// The days of the chosen month and year; a day past the month's end becomes its last day.
void TFormExcRep_Date::FillDays() {
    const int days = tables::DaysInMonth(year_->value(), month_->currentIndex() + 1);
    const int chosen = std::max(day_->currentIndex(), 0);
    const QSignalBlocker quiet(day_);
    day_->clear();
    for (int d = 1; d <= days; ++d) {
        day_->addItem(QString::number(d));
    }
    day_->setCurrentIndex(std::min(chosen, days - 1));
}

void TFormExcRep_Date::FillObjects() {
    const QSignalBlocker quiet(object_);
    object_->clear();
    for (const settings::ObjectEntry& e : objects_.entries) {
        object_->addItem(QString::fromStdString(e.name));
    }
    if (objects_.entries.size() < settings::ObjectList::kCapacity) {
        object_->addItem(QStringLiteral("Новый объект"));
    }
    object_->setCurrentIndex(objects_.entries.empty() ? -1 : objects_.current);
}

void TFormExcRep_Date::ObjectChosen(int index) {
    if (index >= 0 && static_cast<std::size_t>(index) < objects_.entries.size()) {
        objects_.current = static_cast<std::uint8_t>(index);
        return;
    }
    // "Новый объект": a cancelled object screen leaves it chosen, and "Принять" refuses it.
    if (hooks_.newObject && hooks_.newObject(objects_)) {
        FillObjects();
    }
}

void TFormExcRep_Date::BitBtn1Click() {
    const int index = object_->currentIndex();
    const bool chosen = index >= 0 && static_cast<std::size_t>(index) < objects_.entries.size();
    const std::array<std::uint8_t, 3> date{
        static_cast<std::uint8_t>(year_->value() - 2000),
        static_cast<std::uint8_t>(month_->currentIndex() + 1),
        static_cast<std::uint8_t>(mode_ == gasdata::PassportMode::Day ? day_->currentIndex() + 1
                                                                      : 1)};
    if (const auto error = gasdata::PassportChoiceError(mode_, date, chosen, bounds_)) {
        op_.ShowMessage(dialogue::MessageKind::InputError, error->first, error->second);
        return;
    }
    result_ = gasdata::PassportChoice{date, objects_.entries[static_cast<std::size_t>(index)].name};
    accept();
}

}  // namespace zor06::screens
