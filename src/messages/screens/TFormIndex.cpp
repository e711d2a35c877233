#include "messages/screens/TFormIndex.h"

#include <QFormLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "widgets/IntegerEntryFilter.h"

namespace zor06::screens {
namespace {

const std::string_view kPresetTexts[] = {"Весь диапазон данных", "Последние 100 записей",
                                         "Последние 50 записей", "Последние 10 записей",
                                         "Заданный диапазон данных"};

}  // namespace

TFormIndex::TFormIndex(messages::Archive archive, messages::IndexBounds bounds,
                       settings::ArchiveChoices& choices, dialogue::Operator& op, QWidget* parent)
    : PresetDialog(op, parent), model_(archive, bounds, choices) {
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

    auto* column = new QVBoxLayout(this);
    column->addLayout(rows);
    AddPresets(column, QStringLiteral(" Задание для чтения данных "),
               {std::begin(kPresetTexts), std::end(kPresetTexts)}, QStringLiteral("Выход"));

    start_->installEventFilter(this);
    count_->installEventFilter(this);
    Start(model_.Preset());
}

void TFormIndex::Apply(int preset) {
    const messages::IndexFields fields = model_.Choose(preset);
    start_->setText(QString::fromStdString(fields.start));
    count_->setText(QString::fromStdString(fields.count));
    start_->setEnabled(fields.editable);
    count_->setEnabled(fields.editable);
    (fields.editable ? static_cast<QWidget*>(start_) : acceptButton())->setFocus();
}

bool TFormIndex::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            (watched == start_ ? static_cast<QWidget*>(count_) : acceptButton())->setFocus();
            return true;
        }
    }
    return PresetDialog::eventFilter(watched, event);
}

void TFormIndex::AcceptClicked() {
    Conclude(model_.Accept(start_->text().toStdString(), count_->text().toStdString()),
             &selection_);
}

}  // namespace zor06::screens
