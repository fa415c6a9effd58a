#include "app/LineEditDelegate.h"

namespace kpt740 {

void LineEditDelegate::setEditorData(QWidget* editor, const QModelIndex& index) const {
    if (auto* edit = qobject_cast<FilteredLineEdit*>(editor)) {
        edit->setText(index.data(Qt::EditRole).toString());
        edit->selectAll();
    }
}

void LineEditDelegate::setModelData(QWidget* editor, QAbstractItemModel* model,
                                    const QModelIndex& index) const {
    if (auto* edit = qobject_cast<FilteredLineEdit*>(editor)) {
        model->setData(index, edit->text(), Qt::EditRole);
    }
}

void LineEditDelegate::destroyEditor(QWidget* editor, const QModelIndex& index) const {
    if (editor == m_editor) {
        m_editor = nullptr;
        m_index = QPersistentModelIndex();
    }
    QStyledItemDelegate::destroyEditor(editor, index);
}

bool LineEditDelegate::commitOpenEditor(QAbstractItemModel* model) const {
    if (m_editor == nullptr || !m_index.isValid()) {
        return false;
    }
    setModelData(m_editor, model, m_index);
    return true;
}

FilteredLineEdit* LineEditDelegate::opened(FilteredLineEdit* editor,
                                           const QModelIndex& index) const {
    editor->setAlignment(Qt::AlignCenter);
    editor->setEnterMovesFocus(false);
    m_editor = editor;
    m_index = index;
    emit editorShown(index.row() + 1, index.column());
    return editor;
}

} // namespace kpt740
