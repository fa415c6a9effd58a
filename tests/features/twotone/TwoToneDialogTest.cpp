#include "features/twotone/TwoToneDialog.h"

#include "app/AppTestSupport.h"
#include "app/FilteredLineEdit.h"
#include "app/StartUp.h"
#include "core/ChannelRecord.h"
#include "features/twotone/TwoToneGrid.h"
#include "features/twotone/TwoToneRules.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>
#include <QTimer>

namespace kpt740 {
namespace {

class TwoToneDialogTest : public test::AppTest {
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

    TwoToneSettings& record() { return context->workspace.working.TwoTone; }

    template <class T> static T* child(const QWidget& dialog, const char* name) {
        T* found = dialog.findChild<T*>(QString::fromLatin1(name));
        EXPECT_NE(found, nullptr) << name;
        return found;
    }

    static void showActive(QDialog& dialog) {
        dialog.show();
        dialog.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&dialog));
    }

    // The grid editor that is open now, if any.
    static FilteredLineEdit* openEditor(const TwoToneDialog& dialog) {
        for (auto* editor : dialog.grid()->findChildren<FilteredLineEdit*>()) {
            if (editor->isVisible()) {
                return editor;
            }
        }
        return nullptr;
    }

    static FilteredLineEdit* enter(TwoToneDialog& dialog, int gridRow, int column) {
        dialog.grid()->enterCell(gridRow, column);
        FilteredLineEdit* editor = openEditor(dialog);
        EXPECT_NE(editor, nullptr) << gridRow << "," << column;
        return editor;
    }

    static GridCell current(const TwoToneDialog& dialog) {
        const QModelIndex index = dialog.grid()->currentIndex();
        return {index.row() + 1, index.column()};
    }

    static void type(FilteredLineEdit* editor, const char* text) {
        ASSERT_NE(editor, nullptr);
        editor->selectAll();
        QTest::keyClick(editor, Qt::Key_Backspace);
        QTest::keyClicks(editor, text);
    }

    std::unique_ptr<AppContext> context;
};

TEST_F(TwoToneDialogTest, ShowsTwoPagesWithTheRecordAndItsFallbacks) {
    record().time3 = 200;
    record().time4 = 50;
    record().format = 13; // Long B
    record().toneCHigh = 0;
    record().sideTone = 1;
    TwoToneDialog dialog(*context, *prompter);
    EXPECT_EQ(dialog.windowTitle(), QString::fromStdString(context->text.option(60051)));
    EXPECT_EQ(child<QTabWidget>(dialog, "TabStrip")->count(), 2);
    EXPECT_EQ(child<QPushButton>(dialog, "CommandOK")->text(),
              QString::fromStdString(context->text.option(60024)));
    EXPECT_EQ(child<QComboBox>(dialog, "Time1List")->currentText(), QStringLiteral("0.5"));
    EXPECT_EQ(child<QComboBox>(dialog, "Time3List")->currentText(), QStringLiteral("1.0"));
    EXPECT_EQ(child<QComboBox>(dialog, "Time4List")->currentText(), QStringLiteral("1000"));
    EXPECT_EQ(child<QComboBox>(dialog, "IntervalList")->count(), 251);
    EXPECT_TRUE(child<QCheckBox>(dialog, "SideTone")->isChecked());
    EXPECT_EQ(child<QComboBox>(dialog, "FormatList")->currentText(), QStringLiteral("Long B"));
    EXPECT_EQ(child<FilteredLineEdit>(dialog, "ToneA")->text(), QStringLiteral("321.7"));
    EXPECT_EQ(child<FilteredLineEdit>(dialog, "ToneC")->text(), QStringLiteral("626.5"));
    EXPECT_EQ(child<FilteredLineEdit>(dialog, "ToneD")->text(), QStringLiteral("2043.8"));

    // Rows 1-32 show entries 0-31; only entry 0 is in use by default.
    const TwoToneEntryModel* model = dialog.gridModel();
    EXPECT_EQ(model->rowCount() + 1, 33);
    EXPECT_EQ(model->cellText(1, 0), QStringLiteral("0"));
    EXPECT_EQ(model->cellText(1, 1), QStringLiteral("321.7"));
    EXPECT_EQ(model->cellText(1, 2), QStringLiteral("928.1"));
    EXPECT_EQ(model->cellText(32, 0), QStringLiteral("31"));
    EXPECT_EQ(model->cellText(2, 1), QString());
}

TEST_F(TwoToneDialogTest, ToneBoxesFollowTheFormat) {
    TwoToneDialog dialog(*context, *prompter);
    struct Case {
        int format;
        std::array<bool, 4> enabled;
    };
    for (const Case& c :
         {Case{0, {true, true, false, false}}, Case{11, {false, false, true, true}},
          Case{14, {false, false, true, false}}, Case{3, {true, true, false, false}}}) {
        child<QComboBox>(dialog, "FormatList")->setCurrentIndex(c.format);
        const std::array<const char*, 4> names{"ToneA", "ToneB", "ToneC", "ToneD"};
        for (std::size_t i = 0; i < names.size(); ++i) {
            EXPECT_EQ(child<FilteredLineEdit>(dialog, names[i])->isEnabled(), c.enabled[i])
                << c.format << " " << names[i];
        }
    }
}

TEST_F(TwoToneDialogTest, ToneBoxIsFilteredAndLimitedWhenLeft) {
    TwoToneDialog dialog(*context, *prompter);
    showActive(dialog);
    child<QTabWidget>(dialog, "TabStrip")->setCurrentIndex(1);
    FilteredLineEdit* box = child<FilteredLineEdit>(dialog, "ToneA");
    FilteredLineEdit* other = child<FilteredLineEdit>(dialog, "ToneB");
    struct Case {
        const char* typed;
        const char* shown;
    };
    for (const Case& c : {Case{"12", "288"}, Case{"321.70", "321.7"}, Case{"9999", "3116"},
                          Case{"", "288"}, Case{"1a0x00", "1000"}}) {
        box->setFocus();
        type(box, c.typed);
        other->setFocus();
        EXPECT_EQ(box->text(), QString::fromLatin1(c.shown)) << c.typed;
    }
}

TEST_F(TwoToneDialogTest, ClosingWithTheFocusInAToneBoxIsSafe) {
    const TwoToneSettings before = record();
    {
        auto dialog = std::make_unique<TwoToneDialog>(*context, *prompter);
        showActive(*dialog);
        child<QTabWidget>(*dialog, "TabStrip")->setCurrentIndex(1);
        child<FilteredLineEdit>(*dialog, "ToneA")->setFocus();
        ASSERT_TRUE(child<FilteredLineEdit>(*dialog, "ToneA")->hasFocus());
    }
    EXPECT_TRUE(SameTwoToneSettings(record(), before));
}

TEST_F(TwoToneDialogTest, ToneCellsAreLimitedAndStoreToneAndDivider) {
    TwoToneDialog dialog(*context, *prompter);
    showActive(dialog);
    type(enter(dialog, 3, 1), "3500");
    type(enter(dialog, 3, 2), "100");
    enter(dialog, 3, 3);
    const TwoToneEntryModel* model = dialog.gridModel();
    EXPECT_EQ(model->cellText(3, 1), QStringLiteral("3116.0"));
    EXPECT_EQ(model->cellText(3, 2), QStringLiteral("288.0"));
    const TwoToneCode& entry = dialog.workingCopy().codes[2];
    EXPECT_EQ(entry.isEmpty, 0);
    EXPECT_EQ(JoinWord(entry.tone1High, entry.tone1Low), 31160);
    EXPECT_EQ(JoinWord(entry.divider1High, entry.divider1Low), EntryDivider(3116.0));
    EXPECT_EQ(JoinWord(entry.tone2High, entry.tone2Low), 2880);
    EXPECT_EQ(record().codes[2].isEmpty, 1) << "the configuration waits for OK";
}

TEST_F(TwoToneDialogTest, ClearingColumnOneClearsTheWholeEntry) {
    record().codes[0].name = "ALPHA";
    TwoToneDialog dialog(*context, *prompter);
    showActive(dialog);
    EXPECT_EQ(dialog.gridModel()->cellText(1, 3), QStringLiteral("ALPHA"));
    type(enter(dialog, 1, 1), "");
    enter(dialog, 2, 1);
    const TwoToneEntryModel* model = dialog.gridModel();
    for (int column = 1; column <= 3; ++column) {
        EXPECT_EQ(model->cellText(1, column), QString()) << column;
    }
    const TwoToneCode& entry = dialog.workingCopy().codes[0];
    EXPECT_EQ(entry.isEmpty, 1);
    EXPECT_EQ(JoinWord(entry.tone1High, entry.tone1Low), 0);
    EXPECT_EQ(JoinWord(entry.divider2High, entry.divider2Low), 0);
    EXPECT_EQ(entry.name.value(), "");
}

TEST_F(TwoToneDialogTest, CellsOfARowWithoutFirstToneSendTheCursorToColumnOne) {
    TwoToneDialog dialog(*context, *prompter);
    showActive(dialog);
    enter(dialog, 5, 3);
    EXPECT_EQ(current(dialog), (GridCell{5, 1}));
    enter(dialog, 6, 2);
    EXPECT_EQ(current(dialog), (GridCell{6, 1}));
    // Leaving column 1 of the same row with a number is allowed: the commit fills the row.
    type(openEditor(dialog), "500");
    enter(dialog, 6, 2);
    EXPECT_EQ(current(dialog), (GridCell{6, 2}));
    EXPECT_EQ(dialog.gridModel()->cellText(6, 1), QStringLiteral("500.0"));
    // A row in use can be entered anywhere.
    enter(dialog, 1, 3);
    EXPECT_EQ(current(dialog), (GridCell{1, 3}));
}

TEST_F(TwoToneDialogTest, EnterMovesThroughTheGrid) {
    TwoToneDialog dialog(*context, *prompter);
    showActive(dialog);
    // An empty first tone moves down, wrapping from the last row to row 1.
    QTest::keyClick(enter(dialog, 32, 1), Qt::Key_Return);
    EXPECT_EQ(current(dialog), (GridCell{1, 1}));
    // A first tone is committed and the cursor moves right.
    FilteredLineEdit* tone = enter(dialog, 4, 1);
    type(tone, "1000");
    QTest::keyClick(tone, Qt::Key_Return);
    EXPECT_EQ(current(dialog), (GridCell{4, 2}));
    EXPECT_EQ(dialog.gridModel()->cellText(4, 1), QStringLiteral("1000.0"));
    QTest::keyClick(openEditor(dialog), Qt::Key_Return);
    EXPECT_EQ(current(dialog), (GridCell{4, 3}));
    FilteredLineEdit* name = openEditor(dialog);
    ASSERT_NE(name, nullptr);
    EXPECT_EQ(name->objectName(), QStringLiteral("NameEditor"));
    QTest::keyClicks(name, "Ab\\~cdefgh");
    EXPECT_EQ(name->text(), QStringLiteral("Abcdefg"));
    QTest::keyClick(name, Qt::Key_Return);
    EXPECT_EQ(current(dialog), (GridCell{5, 1}));
    EXPECT_EQ(dialog.workingCopy().codes[3].name.value(), "Abcdefg");
    EXPECT_EQ(dialog.gridModel()->cellText(4, 3), QStringLiteral("Abcdefg"));
}

TEST_F(TwoToneDialogTest, OkStoresTheOwnCodeFromTheFormatsBoxes) {
    record().toneAHigh = 0x09; // 250.0 Hz, never entered: stored as 280.0 Hz
    record().toneALow = 0xC4;
    TwoToneDialog dialog(*context, *prompter);
    child<QComboBox>(dialog, "FormatList")->setCurrentIndex(13); // Long B
    child<FilteredLineEdit>(dialog, "ToneB")->setText(QStringLiteral("1000"));
    child<QComboBox>(dialog, "Time1List")->setCurrentIndex(3);
    child<QComboBox>(dialog, "Time4List")->setCurrentIndex(7);
    child<QCheckBox>(dialog, "SideTone")->setChecked(true);
    child<QPushButton>(dialog, "CommandOK")->click();
    ASSERT_EQ(dialog.result(), QDialog::Accepted);
    const TwoToneSettings& r = record();
    EXPECT_EQ(r.format, 13);
    EXPECT_EQ(r.ownTone1High, 0x27);
    EXPECT_EQ(r.ownTone1Low, 0x10);
    EXPECT_EQ(r.ownDivider1High, 0x12);
    EXPECT_EQ(r.ownDivider1Low, 0xC0);
    EXPECT_EQ(r.ownTone2High + r.ownTone2Low + r.ownDivider2High + r.ownDivider2Low, 0);
    EXPECT_EQ(JoinWord(r.toneBHigh, r.toneBLow), 10000);
    EXPECT_EQ(JoinWord(r.toneAHigh, r.toneALow), 2800);
    EXPECT_EQ(r.time1, 8);
    EXPECT_EQ(r.time4, 7);
    EXPECT_EQ(r.sideTone, 1);
    EXPECT_EQ(child<FilteredLineEdit>(dialog, "ToneA")->text(), QStringLiteral("280"));
}

TEST_F(TwoToneDialogTest, CancelKeepsTheRecordAndASecondOkChangesNothing) {
    const TwoToneSettings before = record();
    {
        TwoToneDialog dialog(*context, *prompter);
        showActive(dialog);
        type(enter(dialog, 1, 1), "");
        enter(dialog, 2, 1);
        child<QComboBox>(dialog, "FormatList")->setCurrentIndex(5);
        child<QPushButton>(dialog, "CommandCancel")->click();
    }
    EXPECT_TRUE(SameTwoToneSettings(record(), before));

    { // The first OK derives the own dividers from the boxes; after that OK is idempotent.
        TwoToneDialog dialog(*context, *prompter);
        child<QPushButton>(dialog, "CommandOK")->click();
    }
    const TwoToneSettings settled = record();
    {
        TwoToneDialog dialog(*context, *prompter);
        child<QPushButton>(dialog, "CommandOK")->click();
    }
    EXPECT_TRUE(SameTwoToneSettings(record(), settled));
}

TEST_F(TwoToneDialogTest, OkRepointsChannelsOfAnEntryMadeEmpty) {
    TwoToneCode& second = record().codes[4];
    second.isEmpty = 0;
    second.divider1High = 0x07;
    second.divider1Low = 0x49;
    second.tone1High = 0x0C;
    second.tone1Low = 0x91;
    ChannelRecord channel = BlankChannel(1);
    channel.Signalling = 2;
    channel.TwoToneEntry = 0;
    ASSERT_TRUE(context->workspace.working.Channels.put(channel));

    QTimer::singleShot(0, [this] {
        auto* dialog = qobject_cast<TwoToneDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        showActive(*dialog);
        type(enter(*dialog, 1, 1), "");
        enter(*dialog, 2, 1);
        dialog->findChild<QPushButton*>(QStringLiteral("CommandOK"))->click();
    });
    EXPECT_TRUE(OpenTwoToneDialog(nullptr, *context, *prompter));
    EXPECT_EQ(record().codes[0].isEmpty, 1);
    EXPECT_EQ(context->workspace.working.Channels.find(1)->TwoToneEntry, 4);
}

} // namespace
} // namespace kpt740
