#pragma once

#include <QTableView>

namespace kpt740 {

// The view of a main-window grid: read-only, one current cell, and the keyboard of the channel
// grid (Enter opens like a double-click; Ctrl+C, Ctrl+X, Ctrl+V with exactly Ctrl held copy,
// cut and paste whole channels). Rows are reported as grid rows (header row 0).
class ChannelGridView final : public QTableView {
    Q_OBJECT
public:
    explicit ChannelGridView(QWidget* parent = nullptr);

    // Current cell as grid row and column; row 0 when there is none.
    int currentGridRow() const;
    int currentGridColumn() const;
    void setCurrentCell(int gridRow, int column);

signals:
    // A double-click or Enter on a cell.
    void cellActivated(int gridRow, int column);
    void copyRequested(int gridRow);
    void cutRequested(int gridRow);
    void pasteRequested(int gridRow);

protected:
    void keyPressEvent(QKeyEvent* event) override;
};

} // namespace kpt740
