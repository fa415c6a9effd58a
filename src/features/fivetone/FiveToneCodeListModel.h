#pragma once

#include "features/fivetone/FiveToneEditorRules.h"
#include "features/fivetone/FiveToneSettings.h"

#include <QAbstractTableModel>
#include <QStringList>
#include <QStyledItemDelegate>
#include <QTableView>
#include <array>
#include <functional>

namespace kpt740 {

inline constexpr int kFiveToneCodeListColumns = 6;
inline constexpr int kFiveToneCodeColumn = 2;
inline constexpr int kFiveToneStandardColumn = 3;
inline constexpr int kFiveToneDurationColumn = 4;
inline constexpr int kFiveToneNameColumn = 5;

// The 100 list codes of the 5-Tone working copy as a grid: number, kind, code, standard,
// duration and name. The cells of columns 3-5 are what the save step stores; commits of the
// in-place editors go to the working copy and the cells at once.
class FiveToneCodeListModel final : public QAbstractTableModel {
    Q_OBJECT
public:
    FiveToneCodeListModel(FiveToneSettings& working, std::function<std::string()> ownId,
                          FiveToneRowTexts texts, QStringList headers, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    // The commit of an editor: a text for columns 2, 4 and 5, the standard index for column 3.
    bool setData(const QModelIndex& index, const QVariant& value, int role) override;

    // Show step: every row from the working copy (stored values made valid first).
    void showRows();
    // Save step: every list code from its row (the code prepared with the own ID).
    void saveRows();

    const FiveToneCodeRow& row(int code) const { return m_rows.at(static_cast<std::size_t>(code)); }
    // The duration cell follows a standard chosen in the standard editor.
    void setDurationCell(int code, const QString& text);
    // Forgets the special call of a code: no digits, columns 1 and 2 empty.
    void resetSpecialCall(int code);
    void applySpecialCall(int code, FiveToneCallType type, const std::string& id, char separator,
                          const std::string& message);
    // The six cells of every row as shown.
    std::vector<std::array<QString, kFiveToneCodeListColumns>> shownRows() const;

private:
    void rowChanged(int code);

    FiveToneSettings& m_working;
    std::function<std::string()> m_ownId;
    FiveToneRowTexts m_texts;
    QStringList m_headers;
    std::array<FiveToneCodeRow, kFiveToneListCodeCount> m_rows{};
};

// The four in-place editors of the code list: code box, standard list, duration list and name
// box. Enter in an editor is reported (the view moves on), not taken as a plain commit.
class FiveToneCodeDelegate final : public QStyledItemDelegate {
    Q_OBJECT
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                          const QModelIndex& index) const override;
    void setEditorData(QWidget* editor, const QModelIndex& index) const override;
    void setModelData(QWidget* editor, QAbstractItemModel* model,
                      const QModelIndex& index) const override;

signals:
    void enterPressed(int row, int column, bool emptyText);
    // The user chose a standard in the standard editor of a row.
    void standardChosen(int row, int standard);

protected:
    bool eventFilter(QObject* object, QEvent* event) override;
};

// The grid of the code list. It keeps track of the cell whose editor is open, commits the
// editor when the grid scrolls and moves on when Enter is pressed in an editor.
class FiveToneCodeListView final : public QTableView {
    Q_OBJECT
public:
    explicit FiveToneCodeListView(QWidget* parent = nullptr);

    // Lays out the grid for `model`: column widths, header height, the delegate.
    void setCodeModel(FiveToneCodeListModel* model);
    FiveToneCodeDelegate* codeDelegate() const { return m_delegate; }

    // The grid row (1-100) and column (2-5) of the open editor; 0, 0 when none is open.
    int editRow() const;
    int editColumn() const;
    QWidget* openEditor() const;
    // Commits the open editor and closes it.
    void commitOpenEditor();
    // Opens the editor of a cell again (after a reset).
    void enterCell(const QModelIndex& index);

protected:
    bool edit(const QModelIndex& index, EditTrigger trigger, QEvent* event) override;
    void closeEditor(QWidget* editor, QAbstractItemDelegate::EndEditHint hint) override;

private:
    void moveOnEnter(int row, int column, bool emptyText);

    FiveToneCodeDelegate* m_delegate;
    QPersistentModelIndex m_editIndex;
};

} // namespace kpt740
