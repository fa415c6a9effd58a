#include "app/EmptyGridModel.h"

#include "app/GridLook.h"

namespace kpt740 {

EmptyGridModel::EmptyGridModel(int rows, int columns, QObject* parent)
    : QAbstractTableModel(parent), m_rows(rows - 1), m_columns(columns) {}

void EmptyGridModel::setHeaders(const QStringList& headers) {
    m_headers = headers;
    if (m_columns > 0) {
        emit headerDataChanged(Qt::Horizontal, 0, m_columns - 1);
    }
}

int EmptyGridModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : m_rows;
}

int EmptyGridModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : m_columns;
}

QVariant EmptyGridModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || role == Qt::DisplayRole) {
        return {};
    }
    return gridlook::CellStyle(index.row() + 1, index.column(), role);
}

QVariant EmptyGridModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal) {
        return {};
    }
    if (role == Qt::DisplayRole) {
        return m_headers.value(section);
    }
    return gridlook::HeaderStyle(role);
}

} // namespace kpt740
