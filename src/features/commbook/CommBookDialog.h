#pragma once

#include "features/commbook/CommBook.h"

#include <QDialog>

class QPushButton;
class QTableView;

namespace kpt740 {

class AppContext;
class CommBookDelegate;
class CommBookModel;
class Prompter;

// The communication book dialog: a grid of the 128 contacts with an in-place editor, import
// and export of book files. It edits a working copy; the configuration changes only at OK.
class CommBookDialog final : public QDialog {
    Q_OBJECT
public:
    CommBookDialog(AppContext& context, Prompter& prompter, QWidget* parent = nullptr);

    void GetBookData();
    void SetBookData();
    void ShowBookData();
    // Reads the book file into the working copy; on failure "file error." is shown and the
    // working copy stays as it was. False on failure.
    bool FreLoadBookFile();
    // Commits the cell being edited, then writes the working copy to the book file.
    bool FreSaveBookFile();

    // The cell whose editor was shown last (0, 0: none yet).
    int CurBookEditRow() const { return m_curRow; }
    int CurBookEditCol() const { return m_curCol; }

    const CommBook& workingCopy() const { return m_book; }
    QTableView* grid() const { return m_grid; }

private:
    void commandImport();
    void commandExport();
    void commandOk();
    void commitEditedCell();

    AppContext& m_context;
    Prompter& m_prompter;
    CommBook m_book{};
    CommBookModel* m_model;
    CommBookDelegate* m_delegate;
    QTableView* m_grid;
    QPushButton* m_import;
    QPushButton* m_export;
    QPushButton* m_ok;
    QPushButton* m_cancel;
    int m_curRow = 0;
    int m_curCol = 0;
};

// Opens the book dialog modally; true when OK changed the configuration's book.
bool OpenCommBookDialog(QWidget* parent, AppContext& context, Prompter& prompter);

} // namespace kpt740
