#include "link/screens/entry_fields.h"

#include <QComboBox>
#include <QLineEdit>
#include <algorithm>

#include "platform/serial_port_posix.h"
#include "widgets/IntegerEntryFilter.h"

namespace zor06::screens {

void FillPortList(QComboBox* box, const std::string& current) {
    std::vector<std::string> ports = platform::ListSerialPorts();
    if (!current.empty() && std::find(ports.begin(), ports.end(), current) == ports.end() &&
        platform::ComPortPresent(current)) {
        ports.push_back(current);
    }
    // A device the scan cannot know (a pseudo-terminal made later, an unusual adapter) is typed.
    box->setEditable(true);
    box->setInsertPolicy(QComboBox::NoInsert);
    box->clear();
    for (const std::string& port : ports) {
        box->addItem(QString::fromStdString(port));
    }
    box->setCurrentIndex(box->findText(QString::fromStdString(current)));
}

std::string SelectedPort(const QComboBox* box) {
    return box->currentText().trimmed().toStdString();
}

QLineEdit* NewNumberEdit(QWidget* parent, int maxLength) {
    auto* edit = new QLineEdit(parent);
    edit->setMaxLength(maxLength);
    widgets::IntegerEntryFilter::Install(edit);
    return edit;
}

std::optional<int> FieldValue(const QLineEdit* edit) {
    bool ok = false;
    const int value = edit->text().trimmed().toInt(&ok);
    return ok ? std::optional<int>(value) : std::nullopt;
}

bool FieldInRange(const QLineEdit* edit, int min, int max) {
    const auto value = FieldValue(edit);
    return value && *value >= min && *value <= max;
}

bool FieldAccepted(const QLineEdit* edit, settings::LinkParameter parameter) {
    const auto value = FieldValue(edit);
    return value && settings::Accepts(parameter, *value);
}

}  // namespace zor06::screens
