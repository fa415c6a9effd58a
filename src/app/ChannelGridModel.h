#pragma once

#include "core/ChannelCells.h"

#include <QAbstractTableModel>
#include <QStringList>
#include <array>
#include <vector>

namespace kpt740 {

class LanguageText;
class MessageSink;
class Workspace;

// Grid 0: one row per channel position (203 rows below the header) and 12 columns (0 the row
// label, 1-10 the channel's cells, 6 hidden, 11 empty). It holds no data of its own: every
// cell is derived from the workspace's channel table when the grid is redrawn, completely by
// ShowListByData (one model reset) or one row by ReShowGrid.
class ChannelGridModel final : public QAbstractTableModel {
    Q_OBJECT
public:
    static constexpr int kRows = 203;
    static constexpr int kColumns = 12;
    static constexpr int kHiddenColumn = 6;

    // Messages met while deriving cells ("Not IsNumeric") go to `sink` after the redraw.
    ChannelGridModel(const Workspace& workspace, const LanguageText& text, MessageSink& sink,
                     QObject* parent = nullptr);

    // The grid's row (1-203, header row 0) of a model row, and back: row r shows position r.
    static int GridRow(const QModelIndex& index) { return index.row() + 1; }
    QModelIndex indexAt(int gridRow, int column) const { return index(gridRow - 1, column); }

    void ShowListByData();
    void ReShowGrid(int gridRow);

    // The text of a cell as shown (header row 0 gives the header text).
    QString cellText(int gridRow, int column) const;

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

private:
    struct Row {
        bool filled = false;
        ChannelCells cells;
    };
    void LoadShowList();
    void writeRow(int gridRow, const ChannelRecord* record, const OtherTextLookup& lookup,
                  MessageSink& sink);

    const Workspace& m_workspace;
    const LanguageText& m_text;
    MessageSink& m_sink;
    std::array<QString, kColumns> m_headers;
    std::vector<std::string> m_steps;
    std::array<Row, kRows> m_rows;
};

} // namespace kpt740
