#include "overview/tablemodel.h"

#include <QCollator>
#include <algorithm>

namespace solvaro {

namespace {

bool isNumber(const QVariant &value)
{
    return value.typeId() == QMetaType::Int;
}

} // namespace

TableModel::TableModel(QStringList headers, QObject *parent)
    : QAbstractTableModel(parent)
    , m_headers(std::move(headers))
{
}

void TableModel::setRows(QVector<QVariantList> rows)
{
    beginResetModel();
    m_rows = std::move(rows);
    sortRows();
    endResetModel();
}

int TableModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_rows.size());
}

int TableModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_headers.size());
}

QVariant TableModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= m_rows.size())
        return QVariant();
    const QVariant cell = m_rows[index.row()].value(index.column());
    if (role == Qt::DisplayRole)
        return cell;
    if (role == Qt::TextAlignmentRole)
        return isNumber(cell) ? int(Qt::AlignRight | Qt::AlignVCenter)
                              : int(Qt::AlignLeft | Qt::AlignVCenter);
    return QVariant();
}

QVariant TableModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation == Qt::Horizontal && role == Qt::DisplayRole)
        return m_headers.value(section);
    return QAbstractTableModel::headerData(section, orientation, role);
}

void TableModel::sort(int column, Qt::SortOrder order)
{
    if (column < 0 || column >= m_headers.size())
        return;
    m_sortColumn = column;
    m_sortOrder = order;
    emit layoutAboutToBeChanged({}, QAbstractItemModel::VerticalSortHint);
    sortRows();
    emit layoutChanged({}, QAbstractItemModel::VerticalSortHint);
}

void TableModel::sortRows()
{
    if (m_sortColumn < 0)
        return;
    QCollator collator;
    collator.setNumericMode(true);
    const int column = m_sortColumn;
    const auto less = [&collator, column](const QVariantList &a, const QVariantList &b) {
        const QVariant &x = a.at(column);
        const QVariant &y = b.at(column);
        if (isNumber(x) && isNumber(y))
            return x.toInt() < y.toInt();
        return collator.compare(x.toString(), y.toString()) < 0;
    };
    if (m_sortOrder == Qt::AscendingOrder)
        std::stable_sort(m_rows.begin(), m_rows.end(), less);
    else
        std::stable_sort(m_rows.begin(), m_rows.end(),
            [&less](const QVariantList &a, const QVariantList &b) { return less(b, a); });
}

} // namespace solvaro
