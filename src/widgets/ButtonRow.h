// A centred row of dialog buttons that keeps the order the screen gives them on every platform
// (the platforms' own button orders would swap "Нет" and "Да", or "Принять" and "Выход").
#pragma once

class QDialogButtonBox;
class QPushButton;
class QString;
class QWidget;

namespace zor06::widgets {

QDialogButtonBox* NewButtonRow(QWidget* parent);
// Appends a button to the right of those already in the row.
QPushButton* AddToRow(QDialogButtonBox* row, const QString& caption);

}  // namespace zor06::widgets
