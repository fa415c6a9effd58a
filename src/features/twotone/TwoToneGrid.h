#pragma once

#include "app/LineEditDelegate.h"
#include "features/twotone/TwoToneRules.h"
#include "features/twotone/TwoToneSettings.h"

#include <QAbstractTableModel>
#include <QTableView>
#include <array>

namespace kpt740 {

// The 2-Tone entry grid: a header row and one row per entry (entry n is grid row n + 1 and
// model row n), column 0 the entry number, 1 and 2 the tones, 3 the name. It keeps the cell
// texts as shown and applies the commit rules to the dialog's copy of the entries.
class TwoToneEntryModel final : public QAbstractTableModel {
    Q_OBJECT
public:
    static constexpr int kColumns = 4;
    using Entries = std::array<TwoToneCode, kTwoToneEntryCount>;

    explicit TwoToneEntryModel(Entries& entries, QObject* parent = nullptr);

    void setHeaders(std::array<QString, kColumns> headers);
    // Fills every row from the entries.
    void showAll();
    bool column1Empty(int gridRow) const;
    QString cellText(int gridRow, int column) const;

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role) override;

private:
    Entries& m_entries;
    std::array<std::array<QString, 3>, kTwoToneEntryCount> m_cells;
    std::array<QString, kColumns> m_headers;
};

// The grid's two in-place editors: the tone editor (6 characters, digits and ".") over
// columns 1 and 2 and the name editor (7 characters) over column 3. Enter asks the view to
// move as the entry rules say. It remembers the editor it has open.
class TwoToneEntryDelegate final : public LineEditDelegate {
    Q_OBJECT
public:
    using LineEditDelegate::LineEditDelegate;

    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                          const QModelIndex& index) const override;

    // The cell of the open editor; row 0, column 0 when none is open.
    GridCell openCell() const;

signals:
    void moveRequested(int gridRow, int column);

protected:
    bool eventFilter(QObject* object, QEvent* event) override;
};

// The entry grid's view: entering a tone-2 or name cell of a row without a first tone lands
// on its first tone instead, and scrolling commits the cell being edited.
class TwoToneEntryView final : public QTableView {
    Q_OBJECT
public:
    TwoToneEntryView(TwoToneEntryModel* model, TwoToneEntryDelegate* delegate,
                     QWidget* parent = nullptr);

    // Makes a grid cell (rows 1-32) current, opening its editor.
    void enterCell(int gridRow, int column);

protected:
    void currentChanged(const QModelIndex& current, const QModelIndex& previous) override;

private:
    TwoToneEntryModel* m_model;
    TwoToneEntryDelegate* m_delegate;
    bool m_redirecting = false;
    QPersistentModelIndex m_redirectFrom;
};

} // namespace kpt740
