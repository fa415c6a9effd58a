#include "features/commbook/CommBookGrid.h"

#include "app/FilteredLineEdit.h"
#include "app/GridLook.h"
#include "core/FixedText.h"
#include "features/commbook/CommBookEditing.h"

#include <QKeyEvent>

namespace kpt740 {

namespace {

// Book texts are single-byte characters; codes 128-255 (such as 0xFF from blank radio
// memory) show as their Latin-1 characters and go back unchanged.
QString BookText(const std::string& text) {
    return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
}

std::string BookBytes(const QString& text) {
    return text.toLatin1().toStdString();
}

} // namespace

CommBookModel::CommBookModel(CommBook& book, QObject* parent)
    : QAbstractTableModel(parent), m_book(book) {}

void CommBookModel::setHeaders(std::array<QString, kColumns> headers) {
    m_headers = std::move(headers);
    emit headerDataChanged(Qt::Horizontal, 0, kColumns - 1);
}

void CommBookModel::showAll() {
    beginResetModel();
    endResetModel();
}

int CommBookModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(kCommBookEntries);
}

int CommBookModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : kColumns;
}

QVariant CommBookModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid()) {
        return {};
    }
    if (role == Qt::DisplayRole || role == Qt::EditRole) {
        const CommBookEntry& entry = m_book[static_cast<std::size_t>(index.row())];
        switch (index.column()) {
        case kNumberColumn:
            return QString::number(index.row());
        case kCallIdColumn:
            return BookText(entry.callId.value());
        default:
            return BookText(entry.name.value());
        }
    }
    return gridlook::CellStyle(index.row() + 1, index.column(), role);
}

QVariant CommBookModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || section < 0 || section >= kColumns) {
        return {};
    }
    if (role == Qt::DisplayRole) {
        return m_headers[static_cast<std::size_t>(section)];
    }
    return gridlook::HeaderStyle(role);
}

Qt::ItemFlags CommBookModel::flags(const QModelIndex& index) const {
    if (!index.isValid() || index.column() == kNumberColumn) {
        // The number column is a fixed header: it cannot be entered.
        return Qt::NoItemFlags;
    }
    return Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsEditable;
}

bool CommBookModel::setData(const QModelIndex& index, const QVariant& value, int role) {
    if (!index.isValid() || role != Qt::EditRole || index.column() == kNumberColumn) {
        return false;
    }
    CommBookEntry& entry = m_book[static_cast<std::size_t>(index.row())];
    const std::string text = BookBytes(value.toString());
    if (index.column() == kCallIdColumn) {
        CommitCallId(entry, text);
    } else {
        CommitBookName(entry, text);
    }
    emit dataChanged(index, index);
    return true;
}

QWidget* CommBookDelegate::createEditor(QWidget* parent, const QStyleOptionViewItem& /*option*/,
                                        const QModelIndex& index) const {
    const bool callId = index.column() == CommBookModel::kCallIdColumn;
    auto* editor = new FilteredLineEdit(
        [callId](QChar c) {
            const char typed = c.toLatin1();
            const char kept = callId ? CallIdKey(typed) : BookNameKey(typed);
            return kept == '\0' ? QString() : QString(QLatin1Char(kept));
        },
        parent);
    editor->setObjectName(QStringLiteral("BookEditor"));
    editor->setMaxLength(static_cast<int>(callId ? kCallIdSize : kBookNameSize));
    return opened(editor, index);
}

bool CommBookDelegate::eventFilter(QObject* object, QEvent* event) {
    if (event->type() == QEvent::KeyPress) {
        const auto key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            if (auto* editor = qobject_cast<QWidget*>(object)) {
                emit commitData(editor);
                emit closeEditor(editor, QAbstractItemDelegate::EditNextItem);
                return true;
            }
        }
    }
    return QStyledItemDelegate::eventFilter(object, event);
}

} // namespace kpt740
