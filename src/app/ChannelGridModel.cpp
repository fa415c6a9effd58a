#include "app/ChannelGridModel.h"

#include "app/GridLook.h"
#include "app/Localisation.h"
#include "core/Encodings.h"
#include "files/Workspace.h"
#include "text/LanguageText.h"

#include <map>

namespace kpt740 {

namespace {

// Header text ids of columns 0-10; columns 8 and 9 add a second line.
constexpr std::array<int, 11> kHeaderIds{3006, 1101, 1140, 1103, 1104, 1106,
                                         1108, 1109, 1107, 1107, 1110};

QString FromStd(const std::string& text) {
    return QString::fromStdString(text);
}

} // namespace

ChannelGridModel::ChannelGridModel(const Workspace& workspace, const LanguageText& text,
                                   MessageSink& sink, QObject* parent)
    : QAbstractTableModel(parent), m_workspace(workspace), m_text(text), m_sink(sink) {}

void ChannelGridModel::LoadShowList() {
    for (std::size_t column = 0; column < kHeaderIds.size(); ++column) {
        m_headers[column] = OtherText(m_text, kHeaderIds[column]);
    }
    m_headers[8] += QStringLiteral("\n") + OtherText(m_text, 1112);
    m_headers[9] += QStringLiteral("\n") + OtherText(m_text, 1113);
    m_headers[11].clear();
    m_steps = StepList(m_workspace.identity.BandCode);
}

void ChannelGridModel::writeRow(int gridRow, const ChannelRecord* record,
                                const OtherTextLookup& lookup, MessageSink& sink) {
    Row& row = m_rows[static_cast<std::size_t>(gridRow - 1)];
    if (record == nullptr) {
        row = Row{};
        return;
    }
    row.filled = true;
    row.cells =
        ChannelRowCells(*record, m_steps, m_workspace.identity.Limits.RxLower, lookup, sink);
}

void ChannelGridModel::ShowListByData() {
    // A full redraw looks up the same few texts two hundred times: ask the language file once.
    std::map<int, std::string> texts;
    const OtherTextLookup lookup = [&](int id) -> std::string {
        auto found = texts.find(id);
        if (found == texts.end()) {
            found = texts.emplace(id, m_text.other(id)).first;
        }
        return found->second;
    };
    // Messages wait until the views are consistent again: a message box runs an event loop.
    RecordingMessageSink pending;

    beginResetModel();
    LoadShowList();
    m_rows.fill(Row{});
    for (const ChannelRecord& record : m_workspace.working.Channels.used()) {
        if (record.Position >= 1 && record.Position <= kRows) {
            writeRow(record.Position, &record, lookup, pending);
        }
    }
    endResetModel();

    for (const Message& message : pending.messages()) {
        m_sink.show(message);
    }
}

void ChannelGridModel::ReShowGrid(int gridRow) {
    if (gridRow < 1 || gridRow > kRows) {
        return;
    }
    RecordingMessageSink pending;
    writeRow(
        gridRow, m_workspace.working.Channels.find(gridRow),
        [this](int id) { return m_text.other(id); }, pending);
    emit dataChanged(indexAt(gridRow, 1), indexAt(gridRow, 10));
    for (const Message& message : pending.messages()) {
        m_sink.show(message);
    }
}

QString ChannelGridModel::cellText(int gridRow, int column) const {
    if (column < 0 || column >= kColumns) {
        return {};
    }
    if (gridRow == 0) {
        return m_headers[static_cast<std::size_t>(column)];
    }
    if (gridRow < 1 || gridRow > kRows) {
        return {};
    }
    if (column == 0) {
        return FromStd(ChannelLabel(gridRow));
    }
    const Row& row = m_rows[static_cast<std::size_t>(gridRow - 1)];
    if (!row.filled || column > 10) {
        return {};
    }
    return FromStd(row.cells[static_cast<std::size_t>(column - 1)]);
}

int ChannelGridModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : kRows;
}

int ChannelGridModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : kColumns;
}

QVariant ChannelGridModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid()) {
        return {};
    }
    if (role == Qt::DisplayRole) {
        return cellText(GridRow(index), index.column());
    }
    return gridlook::CellStyle(GridRow(index), index.column(), role);
}

QVariant ChannelGridModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal) {
        return {};
    }
    if (role == Qt::DisplayRole) {
        return cellText(0, section);
    }
    return gridlook::HeaderStyle(role);
}

Qt::ItemFlags ChannelGridModel::flags(const QModelIndex& index) const {
    return index.isValid() ? Qt::ItemIsEnabled | Qt::ItemIsSelectable : Qt::NoItemFlags;
}

} // namespace kpt740
