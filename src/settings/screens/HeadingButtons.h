// Small buttons inside a grid's column headings, kept at the right end of their sections while
// the columns are resized or scrolled.
#pragma once

#include <QObject>
#include <utility>
#include <vector>

class QTableView;
class QToolButton;

namespace zor06::screens {

class HeadingButtons : public QObject {
    Q_OBJECT
public:
    explicit HeadingButtons(QTableView* table);

    QToolButton* Add(int section);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Place();

    QTableView* table_;
    std::vector<std::pair<int, QToolButton*>> buttons_;
};

}  // namespace zor06::screens
