#pragma once

#include <QAbstractTableModel>
#include <QStringList>

namespace kpt740 {

// Grids 1 and 2 of the main window: formatted like the channel grid (header, colours,
// alignment) but holding no channel data.
class EmptyGridModel final : public QAbstractTableModel {
    Q_OBJECT
public:
    // `rows` counts the header row, as the grid's size is given.
    EmptyGridModel(int rows, int columns, QObject* parent = nullptr);

    void setHeaders(const QStringList& headers);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    int m_rows;
    int m_columns;
    QStringList m_headers;
};

} // namespace kpt740
