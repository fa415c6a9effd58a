#pragma once

#include "app/FilteredLineEdit.h"

#include <QModelIndex>
#include <QPersistentModelIndex>
#include <QPointer>
#include <QStyledItemDelegate>

namespace kpt740 {

// An item delegate whose in-place editors are filtered text boxes. It knows the one editor it
// has open and that editor's cell, so a dialog can commit the cell being edited (before a
// scroll, an import or OK) without closing the editor.
class LineEditDelegate : public QStyledItemDelegate {
    Q_OBJECT
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    // The editor opens with the cell's text selected; its text is committed as it stands.
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
    // A cell's editor was shown: grid row (model row + 1, the header being row 0) and column.
    void editorShown(int gridRow, int column) const;

protected:
    // Takes a new editor of `index` as the open one: centred text, Enter left to the grid's
    // own rules, and the news told. Returns the editor, for createEditor to hand on.
    FilteredLineEdit* opened(FilteredLineEdit* editor, const QModelIndex& index) const;

private:
    mutable QPointer<FilteredLineEdit> m_editor;
    mutable QPersistentModelIndex m_index;
};

} // namespace kpt740
