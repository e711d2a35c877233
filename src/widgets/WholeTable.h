// Tables short enough to be shown whole: as high as their heading and rows, as wide as their
// columns, never scrolling.
#pragma once

class QTableView;

namespace zor06::widgets {

// The heading, every row and the frame.
int RowsHeight(const QTableView* table);

// Sizes the columns to their headings and cells, then fixes the table at the size that shows
// all of them and every row, the scroll bars off.
void ShowWhole(QTableView* table);

}  // namespace zor06::widgets
