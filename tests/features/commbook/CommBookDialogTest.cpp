#include "features/commbook/CommBookDialog.h"

#include "app/AppTestSupport.h"
#include "app/FilteredLineEdit.h"
#include "app/StartUp.h"
#include "core/RadioImage.h"
#include "features/commbook/BookFile.h"
#include "features/commbook/CommBookCodec.h"
#include "features/commbook/CommBookGrid.h"

#include <QApplication>
#include <QPushButton>
#include <QTableView>
#include <QTest>
#include <QTimer>

namespace kpt740 {
namespace {

using namespace std::string_literals;

class CommBookDialogTest : public test::AppTest {
protected:
    void SetUp() override {
        test::AppTest::SetUp();
        test::UseRealLanguageFiles(languageFolder());
        context = std::make_unique<AppContext>(environment());
        RunStartUpSequence(*context);
    }
    void TearDown() override {
        context.reset();
        test::AppTest::TearDown();
    }

    CommBook& book() { return context->workspace.working.Book; }

    static void showActive(QDialog& dialog) {
        dialog.show();
        dialog.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&dialog));
    }

    // Enters a grid cell (grid row 1 = entry 0) and gives its editor.
    static FilteredLineEdit* enter(CommBookDialog& dialog, int gridRow, int column) {
        dialog.grid()->setCurrentIndex(dialog.grid()->model()->index(gridRow - 1, column));
        for (auto* editor : dialog.findChildren<FilteredLineEdit*>(QStringLiteral("BookEditor"))) {
            if (editor->isVisible()) {
                return editor;
            }
        }
        ADD_FAILURE() << "no editor over " << gridRow << "," << column;
        return nullptr;
    }

    static QString cell(const CommBookDialog& dialog, int gridRow, int column) {
        return dialog.grid()->model()->index(gridRow - 1, column).data().toString();
    }

    static QPushButton* button(const QDialog& dialog, const char* name) {
        return dialog.findChild<QPushButton*>(QString::fromLatin1(name));
    }

    std::filesystem::path bookPath(const char* name) const { return userFolder() / name; }

    std::unique_ptr<AppContext> context;
};

TEST_F(CommBookDialogTest, GridShowsTheBookBelowItsHeader) {
    book()[0].callId = "123";
    book()[0].name = "ALICE";
    book()[127].callId = std::string(5, '\xFF');
    CommBookDialog dialog(*context, *prompter);
    const QAbstractItemModel* model = dialog.grid()->model();
    EXPECT_EQ(model->rowCount() + 1, 129); // the header is grid row 0
    EXPECT_EQ(model->columnCount(), 3);
    EXPECT_EQ(model->headerData(0, Qt::Horizontal).toString(),
              QString::fromStdString(context->text.other(3007)));
    EXPECT_EQ(model->headerData(1, Qt::Horizontal).toString(), QStringLiteral("Call ID"));
    EXPECT_EQ(model->headerData(2, Qt::Horizontal).toString(),
              QString::fromStdString(context->text.other(1801)));
    EXPECT_EQ(cell(dialog, 1, 0), QStringLiteral("0"));
    EXPECT_EQ(cell(dialog, 1, 1), QStringLiteral("123"));
    EXPECT_EQ(cell(dialog, 1, 2), QStringLiteral("ALICE"));
    EXPECT_EQ(cell(dialog, 2, 1), QString());
    EXPECT_EQ(cell(dialog, 128, 0), QStringLiteral("127"));
    // Blank radio memory shows as five characters of code 0xFF.
    EXPECT_EQ(cell(dialog, 128, 1), QString(5, QChar(0xFF)));
    EXPECT_FALSE(model->flags(model->index(0, 0)) & Qt::ItemIsEditable);
    EXPECT_EQ(dialog.CurBookEditRow(), 0);
    EXPECT_EQ(dialog.CurBookEditCol(), 0);
}

TEST_F(CommBookDialogTest, TypedCallIdIsHeldWithANulAndEncodedAsCharacters) {
    CommBookDialog dialog(*context, *prompter);
    showActive(dialog);
    FilteredLineEdit* editor = enter(dialog, 1, 1);
    ASSERT_NE(editor, nullptr);
    EXPECT_EQ(dialog.CurBookEditRow(), 1);
    EXPECT_EQ(dialog.CurBookEditCol(), 1);
    editor->selectAll();
    QTest::keyClicks(editor, "1a2-");
    EXPECT_EQ(editor->text(), QStringLiteral("12"));
    FilteredLineEdit* second = enter(dialog, 2, 1); // leaving the cell commits it
    ASSERT_NE(second, nullptr);
    QTest::keyClicks(second, "1234567");
    EXPECT_EQ(second->text(), QStringLiteral("12345"));
    enter(dialog, 3, 2);
    EXPECT_EQ(cell(dialog, 1, 1), QStringLiteral("12"));
    EXPECT_EQ(dialog.workingCopy()[0].callId.raw(), "12\0  "s);
    EXPECT_EQ(dialog.workingCopy()[1].callId.raw(), "12345");
    EXPECT_EQ(book()[0].callId.value(), "") << "not before OK";

    QTest::mouseClick(button(dialog, "CommandOK"), Qt::LeftButton);
    ASSERT_EQ(dialog.result(), QDialog::Accepted);
    RadioImage image;
    NullMessageSink sink;
    EncodeContext encode(sink);
    SetCommDataByDTMFCommuBook(book(), image, encode);
    const auto callIds = image.view(0x1980, 5);
    const std::vector<std::uint8_t> bytes(callIds.begin(), callIds.end());
    EXPECT_EQ(bytes, (std::vector<std::uint8_t>{0x31, 0x32, 0x00, 0x00, 0x00}));
}

TEST_F(CommBookDialogTest, NamesAreTypedInCapitals) {
    CommBookDialog dialog(*context, *prompter);
    showActive(dialog);
    FilteredLineEdit* editor = enter(dialog, 5, 2);
    ASSERT_NE(editor, nullptr);
    QTest::keyClicks(editor, "ab\\~c.1 d-efgh");
    EXPECT_EQ(editor->text(), QStringLiteral("ABC1 DE"));
    // Enter moves on as Tab does, committing the cell.
    QTest::keyClick(editor, Qt::Key_Return);
    EXPECT_EQ(cell(dialog, 5, 2), QStringLiteral("ABC1 DE"));
    EXPECT_EQ(dialog.workingCopy()[4].name.raw(), "ABC1 DE");
    EXPECT_NE(dialog.grid()->currentIndex(), dialog.grid()->model()->index(4, 2));

    FilteredLineEdit* short_ = enter(dialog, 6, 2);
    ASSERT_NE(short_, nullptr);
    QTest::keyClicks(short_, "ab");
    enter(dialog, 6, 1);
    EXPECT_EQ(dialog.workingCopy()[5].name.raw(), "AB\0    "s);
}

TEST_F(CommBookDialogTest, CancelDropsTheWorkingCopyAndOkWithoutEditsKeepsTheBook) {
    book()[3].callId = "555";
    const CommBook before = book();
    {
        CommBookDialog dialog(*context, *prompter);
        showActive(dialog);
        QTest::keyClicks(enter(dialog, 4, 1), "9");
        enter(dialog, 4, 2);
        QTest::mouseClick(button(dialog, "CommandCancel"), Qt::LeftButton);
        EXPECT_EQ(dialog.result(), QDialog::Rejected);
    }
    EXPECT_TRUE(SameCommBook(book(), before));
    EXPECT_EQ(book()[3].callId.value(), "555");
    {
        CommBookDialog dialog(*context, *prompter);
        QTest::mouseClick(button(dialog, "CommandOK"), Qt::LeftButton);
    }
    EXPECT_TRUE(SameCommBook(book(), before));
}

TEST_F(CommBookDialogTest, OkCommitsTheCellBeingEdited) {
    CommBookDialog dialog(*context, *prompter);
    showActive(dialog);
    FilteredLineEdit* editor = enter(dialog, 7, 2);
    ASSERT_NE(editor, nullptr);
    QTest::keyClicks(editor, "bob");
    dialog.findChild<QPushButton*>(QStringLiteral("CommandOK"))->click();
    EXPECT_EQ(book()[6].name.value(), "BOB");
}

TEST_F(CommBookDialogTest, ExportWritesTheWorkingCopyWithTheCellBeingEdited) {
    CommBookDialog dialog(*context, *prompter);
    showActive(dialog);
    FilteredLineEdit* editor = enter(dialog, 2, 1);
    ASSERT_NE(editor, nullptr);
    QTest::keyClicks(editor, "77");
    const std::filesystem::path path = bookPath("out.cb");
    std::filesystem::create_directories(path.parent_path());
    prompter->queueFileName(QString::fromStdString(path.string()));
    button(dialog, "CommandExport")->click();
    ASSERT_EQ(prompter->fileRequests().size(), 1u);
    EXPECT_TRUE(prompter->fileRequests()[0].save);
    EXPECT_EQ(prompter->fileRequests()[0].directory, QStringLiteral("new.cb"));
    EXPECT_EQ(context->workspace.BookFileName, path.string());
    CommBook written{};
    ASSERT_TRUE(ReadBookFile(path, written));
    EXPECT_EQ(written[1].callId.raw(), "77\0  "s);
    EXPECT_TRUE(prompter->asked().empty());
    EXPECT_EQ(book()[1].callId.value(), "") << "the configuration waits for OK";
}

TEST_F(CommBookDialogTest, ImportReplacesTheWorkingCopyUntilOk) {
    CommBook onDisk = DefaultCommBook();
    onDisk[9].callId = "4321";
    onDisk[9].name = "CAROL";
    const std::filesystem::path path = bookPath("in.cb");
    std::filesystem::create_directories(path.parent_path());
    ASSERT_TRUE(WriteBookFile(path, onDisk));

    CommBookDialog dialog(*context, *prompter);
    showActive(dialog);
    prompter->queueFileName(QString::fromStdString(path.string()));
    button(dialog, "CommandImport")->click();
    ASSERT_EQ(prompter->fileRequests().size(), 1u);
    EXPECT_FALSE(prompter->fileRequests()[0].save);
    EXPECT_EQ(cell(dialog, 10, 1), QStringLiteral("4321"));
    EXPECT_EQ(cell(dialog, 10, 2), QStringLiteral("CAROL"));
    EXPECT_EQ(book()[9].callId.value(), "");
    button(dialog, "CommandOK")->click();
    EXPECT_EQ(book()[9].callId.value(), "4321");
    EXPECT_EQ(book()[9].name.value(), "CAROL");
}

TEST_F(CommBookDialogTest, UnreadableBookFileShowsFileErrorAndKeepsTheWorkingCopy) {
    struct Case {
        const char* name;
        std::string content; // empty: no file at all
    };
    for (const Case& c : {Case{"missing.cb", ""}, Case{"short.cb", std::string(100, 'x')}}) {
        prompter->clear();
        if (!c.content.empty()) {
            test::WriteFile(bookPath(c.name), c.content);
        }
        book()[0].callId = "11";
        CommBookDialog dialog(*context, *prompter);
        showActive(dialog);
        prompter->queueFileName(QString::fromStdString(bookPath(c.name).string()));
        button(dialog, "CommandImport")->click();
        ASSERT_EQ(prompter->asked().size(), 1u) << c.name;
        EXPECT_EQ(prompter->asked()[0].text, QStringLiteral("file error.")) << c.name;
        EXPECT_TRUE(dialog.isVisible()) << c.name;
        EXPECT_EQ(dialog.workingCopy()[0].callId.value(), "11") << c.name;
        EXPECT_EQ(cell(dialog, 1, 1), QStringLiteral("11")) << c.name;
        EXPECT_FALSE(std::filesystem::exists(bookPath("missing.cb")));
    }
}

TEST_F(CommBookDialogTest, CancelledFileDialogsReadAndWriteNothing) {
    CommBookDialog dialog(*context, *prompter);
    button(dialog, "CommandImport")->click();
    button(dialog, "CommandExport")->click();
    EXPECT_EQ(prompter->fileRequests().size(), 2u);
    EXPECT_TRUE(prompter->asked().empty());
    EXPECT_EQ(context->workspace.BookFileName, "new.cb");
}

TEST_F(CommBookDialogTest, OpenCommBookDialogReportsAChange) {
    QTimer::singleShot(0, [] {
        auto* dialog = qobject_cast<CommBookDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        dialog->grid()->model()->setData(dialog->grid()->model()->index(0, 2), QStringLiteral("X"));
        dialog->findChild<QPushButton*>(QStringLiteral("CommandOK"))->click();
    });
    EXPECT_TRUE(OpenCommBookDialog(nullptr, *context, *prompter));
    EXPECT_EQ(book()[0].name.value(), "X");
    QTimer::singleShot(0, [] {
        auto* dialog = qobject_cast<CommBookDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        dialog->findChild<QPushButton*>(QStringLiteral("CommandCancel"))->click();
    });
    EXPECT_FALSE(OpenCommBookDialog(nullptr, *context, *prompter));
}

} // namespace
} // namespace kpt740
