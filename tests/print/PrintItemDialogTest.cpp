#include "print/PrintItemDialog.h"

#include "PdfText.h"
#include "app/AppTestSupport.h"
#include "app/BuiltInTexts.h"
#include "app/ProgramMainWindow.h"
#include "app/StartUp.h"
#include "core/ChannelRecord.h"
#include "print/PrintTexts.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QFile>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>

namespace kpt740 {
namespace {

using test::PdfPageCount;
using test::PdfPages;

// The printer dialogs as a user would answer them; printing goes into a PDF file.
class ScriptedPrintDialogs final : public PrintDialogs {
public:
    bool setup(QPrinter&, QWidget*) override {
        ++setups;
        return setupAnswer;
    }
    bool print(QPrinter& printer, QWidget*) override {
        ++prints;
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(outputFile);
        return printAnswer;
    }
    void preview(QPrinter& printer, QWidget*,
                 const std::function<void(QPrinter&)>& paint) override {
        ++previews;
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(previewFile);
        paint(printer);
    }

    QString outputFile;
    QString previewFile;
    bool setupAnswer = false;
    bool printAnswer = true;
    int setups = 0;
    int prints = 0;
    int previews = 0;
};

class PrintItemDialogTest : public test::AppTest {
protected:
    void SetUp() override {
        test::AppTest::SetUp();
        test::UseRealLanguageFiles(languageFolder());
        context = std::make_unique<AppContext>(environment());
        RunStartUpSequence(*context);
        dialogs.outputFile = dir.filePath(QStringLiteral("printed.pdf"));
        dialogs.previewFile = dir.filePath(QStringLiteral("preview.pdf"));
        dialog = std::make_unique<PrintItemDialog>(*context, *prompter, dialogs);
        dialog->setClock([] { return QDateTime(QDate(2024, 5, 17), QTime(9, 8, 7)); });
        dialog->show();
    }
    void TearDown() override {
        dialog.reset();
        context.reset();
        test::AppTest::TearDown();
    }

    QCheckBox* item(int index) const {
        return dialog->findChild<QCheckBox*>(QStringLiteral("PrintItem%1").arg(index));
    }
    void click(const char* name) const {
        QPushButton* button = dialog->findChild<QPushButton*>(QLatin1String(name));
        ASSERT_NE(button, nullptr) << name;
        button->click();
    }
    void tickOnly(std::initializer_list<int> items) const {
        for (int i = 0; i < kPrintItemCount; ++i) {
            item(i)->setChecked(std::find(items.begin(), items.end(), i) != items.end());
        }
    }
    QString selectItemsWarning() const {
        return QString::fromUtf8(builtin::kSelectPrintItems.english.data());
    }

    QTemporaryDir dir;
    ScriptedPrintDialogs dialogs;
    std::unique_ptr<AppContext> context;
    std::unique_ptr<PrintItemDialog> dialog;
};

TEST_F(PrintItemDialogTest, SelectAllAndClearAllSetEveryItem) {
    for (int i = 0; i < kPrintItemCount; ++i) {
        ASSERT_NE(item(i), nullptr) << i;
        EXPECT_FALSE(item(i)->isChecked());
        EXPECT_EQ(item(i)->text(), PrintItemCaption(*context, static_cast<PrintItem>(i)));
    }
    click("CommandSelectAll");
    for (int i = 0; i < kPrintItemCount; ++i) {
        EXPECT_TRUE(item(i)->isChecked()) << i;
    }
    click("CommandClearAll");
    for (int i = 0; i < kPrintItemCount; ++i) {
        EXPECT_FALSE(item(i)->isChecked()) << i;
    }
}

TEST_F(PrintItemDialogTest, ButtonsFollowTheLanguage) {
    struct Case {
        int language;
        const char* selectAll;
        const char* preview;
        const char* ok;
    };
    for (const Case c : {Case{1, "Select &All", "Print Pre&view", "&OK"},
                         Case{2, "选择所有(&A)", "打印预览(&V)", "确定(&O)"},
                         Case{3, "選擇所有(&A)", "預覽列印(&V)", "確定(&O)"}}) {
        context->setLanguage(c.language);
        PrintItemDialog localised(*context, *prompter, dialogs);
        EXPECT_EQ(localised.findChild<QPushButton*>(QStringLiteral("CommandSelectAll"))->text(),
                  QString::fromUtf8(c.selectAll));
        EXPECT_EQ(localised.findChild<QPushButton*>(QStringLiteral("CommandPreview"))->text(),
                  QString::fromUtf8(c.preview));
        EXPECT_EQ(localised.findChild<QPushButton*>(QStringLiteral("CommandOK"))->text(),
                  QString::fromUtf8(c.ok));
        EXPECT_EQ(localised.findChild<QCheckBox*>(QStringLiteral("PrintItem0"))->text(),
                  PrintItemCaption(*context, PrintItem::Channels));
    }
}

TEST_F(PrintItemDialogTest, NothingTickedWarnsAndKeepsTheDialogOpen) {
    for (const char* button : {"CommandOK", "CommandPreview", "CommandExportPdf"}) {
        SCOPED_TRACE(button);
        prompter->clear();
        click(button);
        ASSERT_EQ(prompter->asked().size(), 1u);
        EXPECT_EQ(prompter->asked()[0].text, selectItemsWarning());
        EXPECT_EQ(prompter->asked()[0].icon, MessageIcon::Warning);
        EXPECT_TRUE(prompter->fileRequests().empty());
        EXPECT_TRUE(dialog->isVisible());
    }
    EXPECT_EQ(dialogs.prints, 0);
    EXPECT_EQ(dialogs.previews, 0);
}

TEST_F(PrintItemDialogTest, CancelledPrintDialogKeepsTheDialogOpenAndPrintsNothing) {
    tickOnly({3, 9});
    dialogs.printAnswer = false;
    click("CommandOK");
    EXPECT_EQ(dialogs.prints, 1);
    EXPECT_TRUE(dialog->isVisible());
    EXPECT_FALSE(QFile::exists(dialogs.outputFile));
    // The ticks stay, and the flags were taken.
    EXPECT_TRUE(item(3)->isChecked());
    EXPECT_TRUE(dialog->selection()[3]);
    EXPECT_TRUE(dialog->selection()[9]);
    EXPECT_FALSE(dialog->selection()[0]);
}

TEST_F(PrintItemDialogTest, OkPrintsTheTickedItemsAndCloses) {
    tickOnly({0, 3});
    click("CommandOK");
    EXPECT_EQ(dialogs.prints, 1);
    EXPECT_FALSE(dialog->isVisible());
    EXPECT_EQ(dialog->result(), QDialog::Accepted);
    const int pages = PdfPageCount(dialogs.outputFile);
    ASSERT_GE(pages, 2);
    const QStringList text = PdfPages(dialogs.outputFile);
    EXPECT_TRUE(text.front().contains(QStringLiteral("Channel Information")));
    EXPECT_TRUE(text.front().contains(test::FooterLine(1)));
    EXPECT_TRUE(text.back().contains(test::FooterLine(pages)));
    EXPECT_TRUE(text.back().contains(QRegularExpression(QStringLiteral("2024-05-17\\s+09:08:07"))));
}

TEST_F(PrintItemDialogTest, OnlyItemOneOrTwoPrintsNoPage) {
    for (int only : {1, 2}) {
        SCOPED_TRACE(only);
        tickOnly({only});
        prompter->clear();
        click("CommandExportPdf");
        // No empty file is written, and the user hears why.
        EXPECT_TRUE(prompter->fileRequests().empty());
        ASSERT_EQ(prompter->asked().size(), 1u);
        EXPECT_EQ(prompter->asked()[0].text,
                  QString::fromUtf8(builtin::kNothingToPrint.english.data()));
    }
    // Printing such a selection runs to its end without a page.
    click("CommandOK");
    EXPECT_EQ(dialogs.prints, 1);
    EXPECT_FALSE(QFile::exists(dialogs.outputFile));
    EXPECT_FALSE(dialog->isVisible());
}

TEST_F(PrintItemDialogTest, ExportAndPreviewRunTheSameJob) {
    tickOnly({9});
    const QString exported = dir.filePath(QStringLiteral("exported.pdf"));
    prompter->queueFileName(exported);
    click("CommandExportPdf");
    ASSERT_EQ(prompter->fileRequests().size(), 1u);
    EXPECT_TRUE(prompter->fileRequests()[0].save);
    EXPECT_EQ(prompter->fileRequests()[0].defaultSuffix, QStringLiteral("pdf"));
    EXPECT_TRUE(prompter->asked().empty());
    EXPECT_EQ(PdfPageCount(exported), 1);
    EXPECT_TRUE(dialog->isVisible());

    click("CommandPreview");
    EXPECT_EQ(dialogs.previews, 1);
    EXPECT_EQ(PdfPageCount(dialogs.previewFile), 1);
    const QString alert = PrintItemCaption(*context, PrintItem::Alert);
    EXPECT_TRUE(PdfPages(dialogs.previewFile).join(QString()).contains(alert));
    EXPECT_TRUE(PdfPages(exported).join(QString()).contains(alert));

    // A cancelled file dialog writes nothing; an unwritable file is reported.
    click("CommandExportPdf");
    EXPECT_TRUE(prompter->asked().empty());
    prompter->queueFileName(dir.filePath(QStringLiteral("no/such/folder/x.pdf")));
    click("CommandExportPdf");
    ASSERT_EQ(prompter->asked().size(), 1u);
    EXPECT_EQ(prompter->asked()[0].text, QString::fromUtf8(builtin::kPdfFailed.english.data()));
}

// A well-filled configuration through the whole job: twelve channels on three pages, the 5-Tone
// code list on pages of its own, the book on one page.
TEST_F(PrintItemDialogTest, FullReportOfAFilledConfiguration) {
    Configuration& working = context->workspace.working;
    for (int position = 1; position <= 12; ++position) {
        ChannelRecord channel = BlankChannel(position);
        channel.InUse = 1;
        channel.RxFrequency = "040012500";
        channel.Name = "CHAN" + std::to_string(position);
        channel.PttIdCode = "12345";
        working.Channels.put(channel);
    }
    for (std::size_t i = 0; i < working.FiveTone.codes.size(); i += 7) {
        working.FiveTone.codes[i].isEmpty = 0;
        working.FiveTone.codes[i].digits = "1234567";
        working.FiveTone.codes[i].digitCount = 7;
        working.FiveTone.codes[i].name = "FIVE" + std::to_string(i % 100);
    }
    for (std::size_t i = 0; i < working.Book.size(); ++i) {
        working.Book[i].callId = std::to_string(10000 + i);
        working.Book[i].name = "NAME" + std::to_string(i);
    }
    context->workspace.ConfigFileName = "/dealer/fleet/" + std::string(120, 'f') + "/radio.dat";
    click("CommandSelectAll");
    const QString exported = dir.filePath(QStringLiteral("full.pdf"));
    prompter->queueFileName(exported);
    click("CommandExportPdf");
    EXPECT_TRUE(prompter->asked().empty());
    const QStringList pages = PdfPages(exported);
    ASSERT_EQ(static_cast<int>(pages.size()), PdfPageCount(exported));

    auto pagesWith = [&](const QRegularExpression& pattern) {
        std::vector<int> found;
        for (int page = 0; page < pages.size(); ++page) {
            if (pages[page].contains(pattern)) {
                found.push_back(page);
            }
        }
        return found;
    };
    const auto channelPages = pagesWith(QRegularExpression(QStringLiteral("\\bCHAN\\d+\\b")));
    EXPECT_EQ(channelPages, (std::vector<int>{0, 1, 2}));
    EXPECT_TRUE(pages[2].contains(QStringLiteral("CHAN12")));
    EXPECT_TRUE(pages[2].contains(QStringLiteral("CHAN11")));
    EXPECT_FALSE(pages[2].contains(QStringLiteral("CHAN10")));
    const auto bookPages = pagesWith(QRegularExpression(QStringLiteral("\\b10127\\b")));
    ASSERT_EQ(bookPages.size(), 1u);
    EXPECT_TRUE(pages[bookPages[0]].contains(
        QRegularExpression(QStringLiteral("\\b27\\s+10027\\s+NAME27\\s+77\\s+10077\\s+NAME77"
                                          "\\s+127\\s+10127\\s+NAME127\\b"))));
    const auto codeListPages = pagesWith(QRegularExpression(QStringLiteral("\\bFIVE\\d+\\b")));
    EXPECT_GE(codeListPages.size(), 2u);
    for (const int page : codeListPages) {
        EXPECT_TRUE(pages[page].contains(QRegularExpression(QStringLiteral("^\\s*5Tone\\s*$"),
                                                            QRegularExpression::MultilineOption)));
    }
    for (int page = 0; page < pages.size(); ++page) {
        EXPECT_TRUE(pages[page].contains(test::FooterLine(page + 1))) << page;
        EXPECT_TRUE(pages[page].contains(QStringLiteral("radio.dat"))) << page;
    }
}

TEST_F(PrintItemDialogTest, CancelledPrinterSetupIsNoError) {
    tickOnly({4});
    click("CommandSetup");
    EXPECT_EQ(dialogs.setups, 1);
    EXPECT_TRUE(prompter->asked().empty());
    EXPECT_TRUE(dialog->isVisible());
    EXPECT_TRUE(item(4)->isChecked());
    click("CommandCancel");
    EXPECT_FALSE(dialog->isVisible());
    EXPECT_EQ(dialogs.prints, 0);
}

TEST_F(PrintItemDialogTest, PrintCommandOfTheMainWindowOpensTheDialog) {
    ProgramMainWindow window(*context);
    QAction* print = window.findChild<QAction*>(QStringLiteral("MnuPrint"));
    ASSERT_NE(print, nullptr);
    QString opened;
    bool modal = false;
    QTimer::singleShot(0, [&] {
        auto* shown = qobject_cast<PrintItemDialog*>(QApplication::activeModalWidget());
        if (shown != nullptr) {
            opened = shown->objectName();
            modal = shown->isModal();
            shown->reject();
        }
    });
    print->trigger();
    EXPECT_EQ(opened, QStringLiteral("FrmPrint"));
    EXPECT_TRUE(modal);
}

} // namespace
} // namespace kpt740
