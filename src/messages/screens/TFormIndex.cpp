#include "messages/screens/TFormIndex.h"

#include <QButtonGroup>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "widgets/ButtonRow.h"
#include "widgets/IntegerEntryFilter.h"
#include "widgets/RadioGroup.h"
#include "widgets/WholeText.h"

namespace zor06::screens {
namespace {

const std::string_view kPresetTexts[] = {"Весь диапазон данных", "Последние 100 записей",
                                         "Последние 50 записей", "Последние 10 записей",
                                         "Заданный диапазон данных"};

}  // namespace

TFormIndex::TFormIndex(messages::Archive archive, messages::IndexBounds bounds,
                       settings::ArchiveChoices& choices, dialogue::Operator& op, QWidget* parent)
    : QDialog(parent), model_(archive, bounds, choices), op_(op) {
    setWindowTitle(QString::fromStdString(std::string(model_.Caption())));

    start_ = new QLineEdit(this);
    count_ = new QLineEdit(this);
    widgets::IntegerEntryFilter::Install(start_);
    widgets::IntegerEntryFilter::Install(count_);

    auto* rows = new QFormLayout;
    rows->addRow(QStringLiteral("Индекс самой старой записи"),
                 new QLabel(QString::number(bounds.oldest), this));
    rows->addRow(QStringLiteral("Индекс самой новой записи"),
                 new QLabel(QString::number(bounds.newest), this));
    rows->addRow(QStringLiteral("Индекс записи начала чтения"), start_);
    rows->addRow(QStringLiteral("Количество записей для чтения"), count_);

    const widgets::RadioGroup radios =
        widgets::NewRadioGroup(QStringLiteral(" Задание для чтения данных "),
                               {std::begin(kPresetTexts), std::end(kPresetTexts)}, this);
    QGroupBox* group = radios.box;
    presets_ = radios.buttons;

    QDialogButtonBox* buttons = widgets::NewButtonRow(this);
    accept_ = widgets::AddToRow(buttons, QStringLiteral("Принять"));
    exit_ = widgets::AddToRow(buttons, QStringLiteral("Выход"));

    auto* column = new QVBoxLayout(this);
    column->addLayout(rows);
    column->addWidget(group);
    column->addWidget(buttons);

    start_->installEventFilter(this);
    count_->installEventFilter(this);
    connect(presets_, &QButtonGroup::idClicked, this, &TFormIndex::Apply);
    connect(accept_, &QPushButton::clicked, this, &TFormIndex::AcceptClicked);
    connect(exit_, &QPushButton::clicked, this, &QDialog::reject);

    const int preset = model_.Preset();
    presets_->button(preset)->setChecked(true);
    Apply(preset);
    widgets::ReserveTitleRoom(this);
}

void TFormIndex::Apply(int preset) {
    const messages::IndexFields fields = model_.Choose(preset);
    start_->setText(QString::fromStdString(fields.start));
    count_->setText(QString::fromStdString(fields.count));
    start_->setEnabled(fields.editable);
    count_->setEnabled(fields.editable);
    (fields.editable ? static_cast<QWidget*>(start_) : accept_)->setFocus();
}

bool TFormIndex::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            (watched == start_ ? static_cast<QWidget*>(count_) : accept_)->setFocus();
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void TFormIndex::AcceptClicked() {
    const messages::IndexVerdict verdict =
        model_.Accept(start_->text().toStdString(), count_->text().toStdString());
    if (!verdict.accepted) {
        op_.ShowMessage(dialogue::MessageKind::InputError, verdict.text1, verdict.text2);
        return;
    }
    selection_ = *verdict.accepted;
    accept();
}

}  // namespace zor06::screens
