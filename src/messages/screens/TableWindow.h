// A window that shows a table to read and closes with its "Выход" button; the status windows of
// the controller's functions and of the flow-computer exchange are such windows.
#pragma once

#include <QDialog>
#include <QStringList>

class QTableWidget;
class QPushButton;

namespace zor06::screens {

class TableWindow : public QDialog {
    Q_OBJECT
public:
    QTableWidget* grid() const { return grid_; }
    QPushButton* exitButton() const { return exit_; }

protected:
    // The grid, named as the window, has `rows` rows and a column for each heading; it shows no
    // row headings and selects nothing. The screen fills it and lays the window out.
    TableWindow(const QString& caption, int rows, const QStringList& headings, QWidget* parent);

private:
    QTableWidget* grid_ = nullptr;
    QPushButton* exit_ = nullptr;
};

}  // namespace zor06::screens
