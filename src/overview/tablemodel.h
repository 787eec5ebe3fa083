#pragma once

#include <QAbstractTableModel>
#include <QStringList>
#include <QVariantList>
#include <QVector>

namespace solvaro {

// A read-only table of cells for a view: numbers are shown right-aligned and
// sort as numbers, texts sort in the user's language. The order the user last
// chose by a column stays when new rows come.
class TableModel final : public QAbstractTableModel
{
    Q_OBJECT

public:
    explicit TableModel(QStringList headers, QObject *parent = nullptr);

    void setRows(QVector<QVariantList> rows);
    // The rows in the order shown.
    const QVector<QVariantList> &rows() const { return m_rows; }
    const QStringList &headers() const { return m_headers; }

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    int columnCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(
        int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    // Stable: rows equal in the column keep their order.
    void sort(int column, Qt::SortOrder order = Qt::AscendingOrder) override;

private:
    void sortRows();

    QStringList m_headers;
    QVector<QVariantList> m_rows;
    int m_sortColumn = -1;
    Qt::SortOrder m_sortOrder = Qt::AscendingOrder;
};

} // namespace solvaro
