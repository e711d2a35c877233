#include "gasdata/screens/DataViewModel.h"

#include <QColor>
#include <QStringList>

#include "gasdata/iso_check.h"

namespace zor06::screens {
namespace {

// Every heading has four lines, blanks included, so that the headings of both grids are equally
// high and their rows stay side by side.
QString HeadingText(const gasdata::ColumnHeading& heading) {
    QStringList lines;
    for (const std::string& line : heading.lines) {
        lines << (line.empty() ? QStringLiteral(" ") : QString::fromStdString(line));
    }
    lines << (heading.unit.empty() ? QStringLiteral(" ") : QString::fromStdString(heading.unit));
    return lines.join(QLatin1Char('\n'));
}

}  // namespace

DataViewModel::DataViewModel(gasdata::DataView view, QObject* parent)
    : QAbstractTableModel(parent),
      view_(std::move(view)),
      leftCount_(static_cast<int>(view_.leftHeadings.size())),
      valueCount_(static_cast<int>(view_.valueHeadings.size())),
      checkCount_(view_.isoCheck ? static_cast<int>(view_.isoCheck->headings.size()) : 0) {}

int DataViewModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(view_.rows.size());
}

int DataViewModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : leftCount_ + valueCount_ + checkCount_;
}

int DataViewModel::FirstCheckColumn() const {
    return leftCount_ + valueCount_;
}

QVariant DataViewModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= rowCount() || index.column() >= columnCount()) {
        return {};
    }
    if (index.column() >= FirstCheckColumn()) {
        return CheckData(index, role);
    }
    const bool left = index.column() < leftCount_;
    if (role == Qt::TextAlignmentRole) {
        return static_cast<int>((left ? Qt::AlignLeft : Qt::AlignRight) | Qt::AlignVCenter);
    }
    if (role != Qt::DisplayRole) {
        return {};
    }
    const gasdata::DataRow& row = view_.rows[static_cast<std::size_t>(index.row())];
    const auto& texts = left ? row.left : row.values;
    const auto i = static_cast<std::size_t>(left ? index.column() : index.column() - leftCount_);
    // An invalid record has only its first two texts.
    return i < texts.size() ? QString::fromStdString(texts[i]) : QString();
}

QVariant DataViewModel::CheckData(const QModelIndex& index, int role) const {
    const gasdata::DataRow& row = view_.rows[static_cast<std::size_t>(index.row())];
    const auto i = static_cast<std::size_t>(index.column() - FirstCheckColumn());
    if (i >= row.check.size()) {
        return {};
    }
    const gasdata::CheckCell& cell = row.check[i];
    switch (role) {
        case Qt::TextAlignmentRole:
            return static_cast<int>(Qt::AlignRight | Qt::AlignVCenter);
        case Qt::DisplayRole:
            return QString::fromStdString(cell.text);
        case Qt::BackgroundRole:
            return cell.marked ? QVariant(QColor::fromRgb(gasdata::kIsoCheckMarkedRgb))
                               : QVariant();
        default:
            return {};
    }
}

QVariant DataViewModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole || section < 0 ||
        section >= columnCount()) {
        return {};
    }
    const auto i = static_cast<std::size_t>(section);
    if (section >= FirstCheckColumn()) {
        return HeadingText(
            view_.isoCheck->headings[i - static_cast<std::size_t>(FirstCheckColumn())]);
    }
    return HeadingText(section < leftCount_ ? view_.leftHeadings[i]
                                            : view_.valueHeadings[i - view_.leftHeadings.size()]);
}

}  // namespace zor06::screens
