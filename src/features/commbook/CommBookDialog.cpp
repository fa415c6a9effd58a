#include "features/commbook/CommBookDialog.h"

#include "app/AppContext.h"
#include "app/BuiltInTexts.h"
#include "app/Localisation.h"
#include "app/Prompter.h"
#include "features/commbook/BookFile.h"
#include "features/commbook/CommBookGrid.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QPushButton>
#include <QScrollBar>
#include <QTableView>
#include <QVBoxLayout>

namespace kpt740 {

namespace {

constexpr int kCaptionText = 1800;
constexpr int kNameHeaderText = 1801;
constexpr int kImportText = 1802;
constexpr int kExportText = 1803;
constexpr int kNumberHeaderText = 3007;
constexpr std::array<int, CommBookModel::kColumns> kColumnTwips{500, 1000, 1500};

constexpr int kVisibleRows = 12;

const QString kBookFilter = QStringLiteral("Communication Book (*.cb)");
const QString kBookSuffix = QStringLiteral("cb");

} // namespace

CommBookDialog::CommBookDialog(AppContext& context, Prompter& prompter, QWidget* parent)
    : QDialog(parent), m_context(context), m_prompter(prompter),
      m_model(new CommBookModel(m_book, this)), m_delegate(new CommBookDelegate(this)),
      m_grid(new QTableView(this)), m_import(new QPushButton(this)),
      m_export(new QPushButton(this)), m_ok(new QPushButton(this)),
      m_cancel(new QPushButton(this)) {
    const LanguageText& text = context.text;
    setObjectName(QStringLiteral("FrmCommuBook"));
    SetTextId(this, kCaptionText);
    m_grid->setObjectName(QStringLiteral("BookGrid"));
    m_import->setObjectName(QStringLiteral("CommandImport"));
    SetTextId(m_import, kImportText);
    m_export->setObjectName(QStringLiteral("CommandExport"));
    SetTextId(m_export, kExportText);
    m_ok->setObjectName(QStringLiteral("CommandOK"));
    m_cancel->setObjectName(QStringLiteral("CommandCancel"));

    m_model->setHeaders({OtherText(text, kNumberHeaderText), QStringLiteral("Call ID"),
                         OtherText(text, kNameHeaderText)});
    m_grid->setModel(m_model);
    m_grid->setItemDelegate(m_delegate);
    m_grid->verticalHeader()->hide();
    m_grid->setSelectionMode(QAbstractItemView::SingleSelection);
    m_grid->setEditTriggers(QAbstractItemView::AllEditTriggers);
    m_grid->setTabKeyNavigation(true);
    for (int column = 0; column < CommBookModel::kColumns; ++column) {
        m_grid->setColumnWidth(
            column, TwipsToPixels(m_grid, kColumnTwips[static_cast<std::size_t>(column)]));
    }
    m_grid->horizontalHeader()->setStretchLastSection(true);
    connect(m_delegate, &CommBookDelegate::editorShown, this, [this](int row, int column) {
        m_curRow = row;
        m_curCol = column;
    });

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(m_import);
    buttons->addWidget(m_export);
    buttons->addStretch();
    buttons->addWidget(m_ok);
    buttons->addWidget(m_cancel);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_grid);
    layout->addLayout(buttons);
    const int gridWidth =
        TwipsToPixels(m_grid, kColumnTwips[0] + kColumnTwips[1] + kColumnTwips[2]);
    m_grid->setMinimumWidth(gridWidth + m_grid->verticalScrollBar()->sizeHint().width() +
                            2 * m_grid->frameWidth());

    m_grid->setMinimumHeight(m_grid->horizontalHeader()->sizeHint().height() +
                             kVisibleRows * m_grid->verticalHeader()->defaultSectionSize());

    LocaliseForm(this, text);
    SetOkCancelCaptions(m_ok, m_cancel, text);
    GetBookData();
    ShowBookData();

    connect(m_import, &QPushButton::clicked, this, &CommBookDialog::commandImport);
    connect(m_export, &QPushButton::clicked, this, &CommBookDialog::commandExport);
    connect(m_ok, &QPushButton::clicked, this, &CommBookDialog::commandOk);
    connect(m_cancel, &QPushButton::clicked, this, &QDialog::reject);
}

void CommBookDialog::GetBookData() {
    m_book = m_context.workspace.working.Book;
}

void CommBookDialog::SetBookData() {
    m_context.workspace.working.Book = m_book;
}

void CommBookDialog::ShowBookData() {
    m_model->showAll();
}

bool CommBookDialog::FreLoadBookFile() {
    if (!ReadBookFile(m_context.workspace.BookFileName, m_book)) {
        m_prompter.tell(this, BuiltIn(m_context.text, builtin::kFileError));
        return false;
    }
    ShowBookData();
    return true;
}

bool CommBookDialog::FreSaveBookFile() {
    commitEditedCell();
    if (!WriteBookFile(m_context.workspace.BookFileName, m_book)) {
        m_prompter.tell(this, BuiltIn(m_context.text, builtin::kFileError));
        return false;
    }
    return true;
}

void CommBookDialog::commitEditedCell() {
    m_delegate->commitOpenEditor(m_model);
}

void CommBookDialog::commandImport() {
    FileRequest request;
    request.save = false;
    request.title = OtherText(m_context.text, kImportText);
    request.directory = QString::fromStdString(m_context.workspace.BookFileName);
    request.filter = kBookFilter;
    request.defaultSuffix = kBookSuffix;
    const QString path = m_prompter.fileName(this, request);
    if (path.isEmpty()) {
        return;
    }
    m_context.workspace.BookFileName = path.toStdString();
    FreLoadBookFile();
}

void CommBookDialog::commandExport() {
    // The cell being edited goes into the file; read it before the file dialog takes focus.
    commitEditedCell();
    FileRequest request;
    request.save = true;
    request.title = OtherText(m_context.text, kExportText);
    request.directory = QString::fromStdString(m_context.workspace.BookFileName);
    request.filter = kBookFilter;
    request.defaultSuffix = kBookSuffix;
    const QString path = m_prompter.fileName(this, request);
    if (path.isEmpty()) {
        return;
    }
    m_context.workspace.BookFileName = path.toStdString();
    FreSaveBookFile();
}

void CommBookDialog::commandOk() {
    commitEditedCell();
    SetBookData();
    accept();
}

bool OpenCommBookDialog(QWidget* parent, AppContext& context, Prompter& prompter) {
    const CommBook before = context.workspace.working.Book;
    CommBookDialog dialog(context, prompter, parent);
    const bool accepted = dialog.exec() == QDialog::Accepted;
    return accepted && !SameCommBook(context.workspace.working.Book, before);
}

} // namespace kpt740
