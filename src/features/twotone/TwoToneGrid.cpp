#include "features/twotone/TwoToneGrid.h"

#include "app/GridLook.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QScrollBar>

namespace kpt740 {

namespace {

constexpr int kToneEditorLength = 6;
constexpr int kNameEditorLength = 7;

QString Latin1(const std::string& text) {
    return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
}

QString ToneEditorCharacter(QChar c) {
    return ToneKey(c.unicode()) == KeyVerdict::Pass ? QString(c) : QString();
}

QString NameEditorCharacter(QChar c) {
    return EntryNameKey(c.unicode()) == KeyVerdict::Pass ? QString(c) : QString();
}

} // namespace

TwoToneEntryModel::TwoToneEntryModel(Entries& entries, QObject* parent)
    : QAbstractTableModel(parent), m_entries(entries) {}

void TwoToneEntryModel::setHeaders(std::array<QString, kColumns> headers) {
    m_headers = std::move(headers);
    emit headerDataChanged(Qt::Horizontal, 0, kColumns - 1);
}

void TwoToneEntryModel::showAll() {
    beginResetModel();
    for (std::size_t i = 0; i < m_entries.size(); ++i) {
        const auto texts = EntryRowTexts(m_entries[i]);
        for (std::size_t c = 0; c < texts.size(); ++c) {
            m_cells[i][c] = Latin1(texts[c]);
        }
    }
    endResetModel();
}

bool TwoToneEntryModel::column1Empty(int gridRow) const {
    return cellText(gridRow, kTone1Column).isEmpty();
}

QString TwoToneEntryModel::cellText(int gridRow, int column) const {
    if (gridRow < kEntryFirstRow || gridRow > kEntryLastRow || column < 0 || column >= kColumns) {
        return {};
    }
    if (column == 0) {
        return QString::number(gridRow - 1);
    }
    return m_cells[static_cast<std::size_t>(gridRow - 1)][static_cast<std::size_t>(column - 1)];
}

int TwoToneEntryModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : kTwoToneEntryCount;
}

int TwoToneEntryModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : kColumns;
}

QVariant TwoToneEntryModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid()) {
        return {};
    }
    if (role == Qt::DisplayRole || role == Qt::EditRole) {
        return cellText(index.row() + 1, index.column());
    }
    return gridlook::CellStyle(index.row() + 1, index.column(), role);
}

QVariant TwoToneEntryModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || section < 0 || section >= kColumns) {
        return {};
    }
    if (role == Qt::DisplayRole) {
        return m_headers[static_cast<std::size_t>(section)];
    }
    return gridlook::HeaderStyle(role);
}

Qt::ItemFlags TwoToneEntryModel::flags(const QModelIndex& index) const {
    if (!index.isValid() || index.column() == 0) {
        return Qt::NoItemFlags;
    }
    return Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsEditable;
}

bool TwoToneEntryModel::setData(const QModelIndex& index, const QVariant& value, int role) {
    if (!index.isValid() || role != Qt::EditRole || index.column() == 0) {
        return false;
    }
    const auto row = static_cast<std::size_t>(index.row());
    const CellCommit commit =
        CommitEntryCell(m_entries[row], index.column(), value.toString().toLatin1().toStdString());
    m_cells[row][static_cast<std::size_t>(index.column() - 1)] = Latin1(commit.text);
    if (commit.rowCleared) {
        m_cells[row][kTone2Column - 1].clear();
        m_cells[row][kNameColumn - 1].clear();
        emit dataChanged(this->index(index.row(), kTone1Column),
                         this->index(index.row(), kNameColumn));
    } else {
        emit dataChanged(index, index);
    }
    return true;
}

QWidget* TwoToneEntryDelegate::createEditor(QWidget* parent, const QStyleOptionViewItem& /*option*/,
                                            const QModelIndex& index) const {
    const bool name = index.column() == kNameColumn;
    auto* editor = new FilteredLineEdit(name ? NameEditorCharacter : ToneEditorCharacter, parent);
    editor->setObjectName(name ? QStringLiteral("NameEditor") : QStringLiteral("ToneEditor"));
    editor->setMaxLength(name ? kNameEditorLength : kToneEditorLength);
    return opened(editor, index);
}

GridCell TwoToneEntryDelegate::openCell() const {
    const QModelIndex index = openIndex();
    if (openEditor() == nullptr || !index.isValid()) {
        return {};
    }
    return {index.row() + 1, index.column()};
}

bool TwoToneEntryDelegate::eventFilter(QObject* object, QEvent* event) {
    if (event->type() == QEvent::KeyPress && object == openEditor()) {
        const auto key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            const GridCell cell = openCell();
            const GridCell next =
                cell.column == kNameColumn
                    ? CellAfterNameEditorEnter(cell)
                    : CellAfterToneEditorEnter(cell, openEditor()->text().toLatin1().toStdString());
            // Entering the next cell commits this one.
            emit moveRequested(next.row, next.column);
            return true;
        }
    }
    return QStyledItemDelegate::eventFilter(object, event);
}

TwoToneEntryView::TwoToneEntryView(TwoToneEntryModel* model, TwoToneEntryDelegate* delegate,
                                   QWidget* parent)
    : QTableView(parent), m_model(model), m_delegate(delegate) {
    setModel(model);
    setItemDelegate(delegate);
    verticalHeader()->hide();
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::CurrentChanged | QAbstractItemView::SelectedClicked);
    connect(delegate, &TwoToneEntryDelegate::moveRequested, this, &TwoToneEntryView::enterCell);
    connect(verticalScrollBar(), &QScrollBar::valueChanged, this,
            [this] { m_delegate->commitOpenEditor(m_model); });
}

void TwoToneEntryView::enterCell(int gridRow, int column) {
    setCurrentIndex(m_model->index(gridRow - 1, column));
}

void TwoToneEntryView::currentChanged(const QModelIndex& current, const QModelIndex& previous) {
    if (!m_redirecting && current.isValid()) {
        const GridCell target{current.row() + 1, current.column()};
        const FilteredLineEdit* editor = m_delegate->openEditor();
        const std::string editorText =
            editor != nullptr ? editor->text().toLatin1().toStdString() : std::string();
        const GridCell entered = CellToEnter(target, m_model->column1Empty(target.row),
                                             m_delegate->openCell(), editorText);
        if (entered != target) {
            // The cell left is still `previous`: its editor is committed on the way.
            m_redirecting = true;
            m_redirectFrom = previous;
            selectionModel()->setCurrentIndex(m_model->index(entered.row - 1, entered.column),
                                              QItemSelectionModel::ClearAndSelect);
            m_redirecting = false;
            return;
        }
    }
    QTableView::currentChanged(current, m_redirecting ? QModelIndex(m_redirectFrom) : previous);
}

} // namespace kpt740
