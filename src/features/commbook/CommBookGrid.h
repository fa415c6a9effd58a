#pragma once

#include "app/FilteredLineEdit.h"
#include "features/commbook/CommBook.h"

#include <QAbstractTableModel>
#include <QPersistentModelIndex>
#include <QPointer>
#include <QStyledItemDelegate>
#include <array>

namespace kpt740 {

// The book grid: the header row (column 0 number, 1 call ID, 2 name) and one row per entry.
// Grid rows count the header as row 0, so entry n is grid row n + 1 and model row n. It shows
// and edits the dialog's working copy; setData applies the commit rules of a cell.
class CommBookModel final : public QAbstractTableModel {
    Q_OBJECT
public:
    static constexpr int kNumberColumn = 0;
    static constexpr int kCallIdColumn = 1;
    static constexpr int kNameColumn = 2;
    static constexpr int kColumns = 3;

    explicit CommBookModel(CommBook& book, QObject* parent = nullptr);

    void setHeaders(std::array<QString, kColumns> headers);
    // Shows the working copy again, all of it (open editors are dropped).
    void showAll();

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role) override;

private:
    CommBook& m_book;
    std::array<QString, kColumns> m_headers;
};

// The one in-place editor of the book grid: digits only and 5 characters in the call-ID
// column, capitals, digits and blanks and 7 characters in the name column. Enter moves on as
// Tab does. It remembers the editor it has open, so the dialog can commit that cell.
class CommBookDelegate final : public QStyledItemDelegate {
    Q_OBJECT
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                          const QModelIndex& index) const override;
    void setEditorData(QWidget* editor, const QModelIndex& index) const override;
    void setModelData(QWidget* editor, QAbstractItemModel* model,
                      const QModelIndex& index) const override;
    void destroyEditor(QWidget* editor, const QModelIndex& index) const override;

    // The open editor (null when none) and its cell.
    FilteredLineEdit* openEditor() const { return m_editor; }
    QModelIndex openIndex() const { return m_index; }
    // Commits the open editor's text without closing it; false when none is open.
    bool commitOpenEditor(QAbstractItemModel* model) const;

signals:
    // A cell's editor was shown: grid row (1-128) and column.
    void editorShown(int gridRow, int column) const;

protected:
    bool eventFilter(QObject* object, QEvent* event) override;

private:
    mutable QPointer<FilteredLineEdit> m_editor;
    mutable QPersistentModelIndex m_index;
};

} // namespace kpt740
