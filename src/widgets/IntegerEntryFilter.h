// Whole-number entry fields take only the digits 0..9 and backspace; every other typed character
// is discarded.
#pragma once

#include <QObject>

class QLineEdit;
class QComboBox;

namespace zor06::widgets {

class IntegerEntryFilter : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;
    // Installs the filter on an edit (or an editable combo box's edit).
    static void Install(QLineEdit* edit);
    static void Install(QComboBox* combo);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};

}  // namespace zor06::widgets
