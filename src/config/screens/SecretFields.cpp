#include "config/screens/SecretFields.h"

#include <QFormLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>

#include "config/screens/EditorDialog.h"
#include "widgets/AsteriskEcho.h"
#include "widgets/IntegerEntryFilter.h"

namespace zor06::screens {

QLineEdit* SecretEdit(std::size_t maxLength, bool digits, QWidget* parent) {
    auto* edit = new QLineEdit(parent);
    edit->setMaxLength(static_cast<int>(maxLength));
    widgets::MaskWithAsterisks(edit);
    if (digits) {
        widgets::IntegerEntryFilter::Install(edit);
    }
    return edit;
}

QGroupBox* SecretPair(const QString& title, const QString& first, const QString& again,
                      const std::array<QLineEdit*, 2>& edits, QWidget* parent) {
    auto* group = new QGroupBox(title, parent);
    auto* rows = new QFormLayout(group);
    rows->addRow(BuddyLabel(first, edits[0]), edits[0]);
    rows->addRow(BuddyLabel(again, edits[1]), edits[1]);
    return group;
}

}  // namespace zor06::screens
