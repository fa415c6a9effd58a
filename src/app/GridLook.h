#pragma once

#include <QBrush>
#include <QColor>
#include <QVariant>

namespace kpt740 {

// The look shared by the three grids of the main window. Rows are counted as on screen with the
// header as row 0, so the first data row is row 1.
namespace gridlook {

inline QColor HeaderText() {
    return QColor(0, 0, 155);
}
inline QColor LabelText() {
    return QColor(0, 0, 255);
}
inline QColor EvenRowBackground() {
    return QColor(250, 250, 240);
}

// Colour and alignment of a data cell; an invalid value for other roles.
inline QVariant CellStyle(int row, int column, int role) {
    switch (role) {
    case Qt::TextAlignmentRole:
        return QVariant::fromValue(Qt::Alignment(Qt::AlignCenter));
    case Qt::ForegroundRole:
        return column == 0 ? QVariant(QBrush(LabelText())) : QVariant();
    case Qt::BackgroundRole:
        return column >= 1 && row % 2 == 0 ? QVariant(QBrush(EvenRowBackground())) : QVariant();
    default:
        return {};
    }
}

inline QVariant HeaderStyle(int role) {
    switch (role) {
    case Qt::TextAlignmentRole:
        return QVariant::fromValue(Qt::Alignment(Qt::AlignCenter));
    case Qt::ForegroundRole:
        return QBrush(HeaderText());
    default:
        return {};
    }
}

} // namespace gridlook
} // namespace kpt740
