#include "widgets/TFormQues_Prn.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "dataset/print_data.h"
#include "widgets/ButtonRow.h"
#include "widgets/WholeText.h"

namespace zor06::widgets {

TFormQues_Prn::TFormQues_Prn(const std::array<std::string, 3>& lines,
                             const std::string& organisation, QWidget* parent)
    : QDialog(parent) {
    setWindowTitle(QStringLiteral(" Данные для печати"));
    auto* column = new QVBoxLayout(this);
    organisation_ = new QLineEdit(QString::fromStdString(organisation), this);
    organisation_->setMaxLength(static_cast<int>(dataset::kOrganisationBytes));
    widgets::FitEntry(organisation_, static_cast<int>(dataset::kOrganisationBytes));
    auto* label = new QLabel(QStringLiteral("Наименование организации"), this);
    label->setBuddy(organisation_);
    organisation_->setAccessibleName(label->text());
    column->addWidget(label);
    column->addWidget(organisation_);
    column->addWidget(new QLabel(QStringLiteral("( до 40 символов )"), this));
    for (const std::string& line : lines) {
        auto* text = new QLabel(QString::fromStdString(line), this);
        text->setAlignment(Qt::AlignCenter);
        column->addWidget(text);
    }
    QDialogButtonBox* buttons = NewButtonRow(this);
    print_ = AddToRow(buttons, QStringLiteral("Печатать"));
    cancel_ = AddToRow(buttons, QStringLiteral("Отменить"));
    print_->setDefault(true);
    column->addWidget(buttons);
    connect(print_, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancel_, &QPushButton::clicked, this, &QDialog::reject);
    widgets::ReserveTitleRoom(this);
}

std::string TFormQues_Prn::Organisation() const {
    return organisation_->text().toStdString();
}

std::optional<std::string> AskPrintData(const std::filesystem::path& titleFile, int kind,
                                        const dataset::HdmHeader& header, QWidget* parent) {
    const std::string stored = dataset::ReadOrganisationName(titleFile);
    TFormQues_Prn dialog(dataset::PrintDataLines(kind, header), stored, parent);
    if (dialog.exec() != QDialog::Accepted) {
        return std::nullopt;
    }
    const std::string name = dialog.Organisation();
    if (name != stored) {
        // A title.ini that cannot be written keeps its old name; the printout goes on.
        dataset::WriteOrganisationName(titleFile, name);
    }
    return name;
}

}  // namespace zor06::widgets
