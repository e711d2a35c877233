// A data view as an item model: the left columns, then the value columns and the columns of the
// ISO 6976 check when the view has them, one row per record; a marked check cell is filled.
// It holds the view; the texts are taken from it when shown, so that long 3-minute archives
// cost no copies.
#pragma once

#include <QAbstractTableModel>

#include "gasdata/data_view.h"

namespace zor06::screens {

class DataViewModel : public QAbstractTableModel {
    Q_OBJECT
public:
    DataViewModel(gasdata::DataView view, QObject* parent);

    const gasdata::DataView& View() const { return view_; }
    // columnCount() when the view has no check.
    int FirstCheckColumn() const;

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    QVariant CheckData(const QModelIndex& index, int role) const;

    gasdata::DataView view_;
    int leftCount_;
    int valueCount_;
    int checkCount_;
};

}  // namespace zor06::screens
