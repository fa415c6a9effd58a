#pragma once

#include "app/LineEditDelegate.h"
#include "features/commbook/CommBook.h"

#include <QAbstractTableModel>
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
class CommBookDelegate final : public LineEditDelegate {
    Q_OBJECT
public:
    using LineEditDelegate::LineEditDelegate;

    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                          const QModelIndex& index) const override;

protected:
    bool eventFilter(QObject* object, QEvent* event) override;
};

} // namespace kpt740
