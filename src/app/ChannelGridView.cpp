#include "app/ChannelGridView.h"

#include <QHeaderView>
#include <QKeyEvent>

namespace kpt740 {

ChannelGridView::ChannelGridView(QWidget* parent) : QTableView(parent) {
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setSelectionBehavior(QAbstractItemView::SelectItems);
    setTabKeyNavigation(false);
    setWordWrap(false);
    verticalHeader()->hide();
    horizontalHeader()->setHighlightSections(false);
    horizontalHeader()->setSectionsClickable(false);
    horizontalHeader()->setDefaultAlignment(Qt::AlignCenter);
    connect(this, &QAbstractItemView::doubleClicked, this, [this](const QModelIndex& index) {
        emit cellActivated(index.row() + 1, index.column());
    });
}

int ChannelGridView::currentGridRow() const {
    return currentIndex().isValid() ? currentIndex().row() + 1 : 0;
}

int ChannelGridView::currentGridColumn() const {
    return currentIndex().isValid() ? currentIndex().column() : 0;
}

void ChannelGridView::setCurrentCell(int gridRow, int column) {
    if (model() != nullptr) {
        setCurrentIndex(model()->index(gridRow - 1, column));
    }
}

void ChannelGridView::keyPressEvent(QKeyEvent* event) {
    const Qt::KeyboardModifiers modifiers = event->modifiers() & ~Qt::KeypadModifier;
    const int row = currentGridRow();
    if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) &&
        modifiers == Qt::NoModifier) {
        if (row > 0) {
            emit cellActivated(row, currentGridColumn());
        }
        event->accept();
        return;
    }
    if (modifiers == Qt::ControlModifier &&
        (event->key() == Qt::Key_C || event->key() == Qt::Key_X || event->key() == Qt::Key_V)) {
        // The keys act on whole channels; the view's own copy of a cell's text would be wrong.
        if (row > 0) {
            if (event->key() == Qt::Key_C) {
                emit copyRequested(row);
            } else if (event->key() == Qt::Key_X) {
                emit cutRequested(row);
            } else {
                emit pasteRequested(row);
            }
        }
        event->accept();
        return;
    }
    QTableView::keyPressEvent(event);
}

} // namespace kpt740
