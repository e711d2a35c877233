// The list screens' common window: the grid with sort buttons in two headings, "Изменить",
// "Добавить", "Удалить", "Принять" and "Отменить", and the refilling of the grid after every
// change.
#pragma once

#include <QDialog>
#include <QStringList>
#include <array>
#include <memory>

#include "dialogue/operator.h"
#include "settings/screens/ListEntries.h"

class QPushButton;
class QTableWidget;
class QToolButton;

namespace zor06::screens {

struct ListScreenTexts {
    QString caption;
    QStringList headings;  // "№", the name, the address and, for subscribers, the second key
    int secondKeyColumn = 0;
    bool singleEntryUnsorted = false;  // a single entry disables both sort buttons
};

class ListScreen : public QDialog {
    Q_OBJECT
public:
    QTableWidget* grid() const { return grid_; }
    // Sort key 0 (by name) or 1.
    QToolButton* sortButton(int key) const { return sort_.at(static_cast<std::size_t>(key)); }
    QPushButton* editButton() const { return edit_; }
    QPushButton* addButton() const { return add_; }
    QPushButton* deleteButton() const { return delete_; }
    QPushButton* acceptButton() const { return accept_; }
    QPushButton* cancelButton() const { return cancel_; }

    // Every close but "Принять" (the buttons, Esc, the close box) drops the changes.
    void done(int result) override;

protected:
    ListScreen(std::unique_ptr<ListEntries> entries, const ListScreenTexts& texts,
               dialogue::Operator& op, QWidget* parent);

    ListEntries& entries() { return *entries_; }
    dialogue::Operator& op() { return op_; }
    // "Принять", before the screen closes.
    virtual void TakeChanges() { entries_->Keep(); }

private:
    void Refill();
    void RowChosen(int row);
    void RowDoubleClicked(int row);
    void EditClicked();
    void AddClicked();
    void DeleteClicked();
    void AcceptClicked();
    void SortClicked(int key);

    std::unique_ptr<ListEntries> entries_;
    dialogue::Operator& op_;
    bool singleEntryUnsorted_;
    QTableWidget* grid_ = nullptr;
    std::array<QToolButton*, 2> sort_{};
    QPushButton* edit_ = nullptr;
    QPushButton* add_ = nullptr;
    QPushButton* delete_ = nullptr;
    QPushButton* accept_ = nullptr;
    QPushButton* cancel_ = nullptr;
};

}  // namespace zor06::screens
