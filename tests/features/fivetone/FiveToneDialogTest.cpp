#include "features/fivetone/FiveToneDialog.h"

#include "app/AppContext.h"
#include "app/AppTestSupport.h"
#include "features/alert/AlertRules.h"
#include "features/fivetone/FiveToneCallComposer.h"
#include "features/fivetone/FiveToneCodeStrings.h"
#include "features/fivetone/FiveToneTextBox.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFocusEvent>
#include <QGroupBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

namespace kpt740 {
namespace {

constexpr char kLanguage[] = "[OTHER]\n3004=Standard\n3005=Info Code #\n1755=Off\n"
                             "[OPTION]\n60052=5-Tone\n60073=Data Call\n60084=MSG:\n"
                             "60300=Kill needs wake-up\n60301=Same digits\n"
                             "60057=Resp0\n60058=Resp1\n60059=Resp2\n60318=None\n60072=Own ID\n"
                             "[MSG]\n900C=ID must have 5 digits\n";

// A working configuration with a 5-Tone record at its defaults and the own ID 54321.
class FiveToneDialogTest : public test::AppTest {
protected:
    void SetUp() override {
        AppTest::SetUp();
        test::WriteFile(languageFolder() / "english.ini", kLanguage);
        context = std::make_unique<AppContext>(environment());
        FiveToneSettings& settings = fiveTone();
        settings = DefaultFiveToneSettings();
        settings.ownId = "54321";
        settings.ownIdLength = 5;
        // An info code that passes the kill/stun/wake-up test beside the empty ones.
        for (auto& info : settings.infoCodes) {
            info.decodeFunction = 1;
        }
        context->workspace.working.decodeTime = kDefaultDecodeTime;
    }

    FiveToneSettings& fiveTone() { return context->workspace.working.FiveTone; }

    template <class T> static T* child(QWidget& parent, const char* name) {
        T* found = parent.findChild<T*>(QString::fromLatin1(name));
        EXPECT_NE(found, nullptr) << name;
        return found;
    }

    static void leave(QWidget* box) {
        QFocusEvent out(QEvent::FocusOut, Qt::TabFocusReason);
        QApplication::sendEvent(box, &out);
    }

    // A list item chosen by the user.
    static void choose(QComboBox* list, int index) {
        list->setCurrentIndex(index);
        emit list->activated(index);
    }

    static void setCode(FiveToneCode& code, const char* digits) {
        code.isEmpty = 0;
        code.digits = digits;
        code.digitCount = static_cast<std::uint8_t>(std::string_view(digits).size());
        code.toneDuration = 7;
    }

    std::unique_ptr<AppContext> context;
};

TEST_F(FiveToneDialogTest, StoredValuesWithoutItemsAreShownAndSavedAsTheFirstItems) {
    fiveTone().toneDuration = 0;
    fiveTone().optionD = 3;
    fiveTone().pauseDigit = 14;
    fiveTone().intervalC = 5;
    fiveTone().intervalA = 20;
    FiveToneDialog dialog(*context, *prompter);
    EXPECT_EQ(child<QComboBox>(dialog, "ToneDurationList")->currentText(), "70");
    EXPECT_EQ(child<QComboBox>(dialog, "OptionDList")->currentText(), "Off");
    EXPECT_EQ(child<QComboBox>(dialog, "PauseDigitList")->currentText(), "Off");
    EXPECT_FALSE(child<QComboBox>(dialog, "PauseTimeList")->isEnabled());
    EXPECT_EQ(child<QComboBox>(dialog, "IntervalCList")->currentText(), "0.5");
    EXPECT_EQ(child<QComboBox>(dialog, "IntervalAList")->currentText(), "200");
    EXPECT_EQ(child<QComboBox>(dialog, "DecodeTimeList")->currentText(), "20");

    choose(child<QComboBox>(dialog, "PauseDigitList"), 2);
    EXPECT_TRUE(child<QComboBox>(dialog, "PauseTimeList")->isEnabled());
    choose(child<QComboBox>(dialog, "PauseDigitList"), 0);

    dialog.commandOk();
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(fiveTone().toneDuration, 7);
    EXPECT_EQ(fiveTone().optionD, 0);
    EXPECT_EQ(fiveTone().pauseDigit, 0);
    EXPECT_EQ(fiveTone().intervalC, 5);
    EXPECT_EQ(fiveTone().intervalA, 20);
    EXPECT_EQ(context->workspace.working.decodeTime, 2);
}

TEST_F(FiveToneDialogTest, DecodeFunctionRulesOfTheInfoCodePanel) {
    fiveTone().infoCodes[0].decodeFunction = 0;
    fiveTone().infoCodes[0].decodeResponse = 2;
    fiveTone().infoCodes[0].name = "BOSS";
    FiveToneDialog dialog(*context, *prompter);
    auto* function = child<QComboBox>(dialog, "DecodeFunctionList");
    auto* response = child<QComboBox>(dialog, "InfoResponseList");
    auto* name = child<FiveToneTextBox>(dialog, "InfoNameBox");
    EXPECT_EQ(child<QGroupBox>(dialog, "InfoCodeFrame")->title(), "Info Code #1");
    EXPECT_EQ(response->currentIndex(), 2);
    EXPECT_FALSE(name->isEnabled()); // function 0 shows no name

    choose(function, 1);
    EXPECT_EQ(response->count(), 2);
    EXPECT_EQ(response->currentIndex(), 0);
    EXPECT_TRUE(response->isEnabled());

    choose(function, 3);
    EXPECT_EQ(response->count(), 3);
    EXPECT_EQ(response->currentIndex(), 2);
    EXPECT_FALSE(response->isEnabled());

    choose(function, 5);
    name->setText(QStringLiteral("WAKE"));
    choose(function, 6);
    EXPECT_FALSE(name->isEnabled());
    EXPECT_EQ(name->text(), "");

    // The shown code is stored before another is shown.
    choose(function, 2);
    child<FiveToneTextBox>(dialog, "InfoDigitsBox")->setText(QStringLiteral("9A"));
    child<QComboBox>(dialog, "InfoNumberList")->setCurrentIndex(1);
    EXPECT_EQ(dialog.workingCopy().infoCodes[0].decodeFunction, 2);
    EXPECT_EQ(dialog.workingCopy().infoCodes[0].digitCount, 2);
    EXPECT_EQ(child<QGroupBox>(dialog, "InfoCodeFrame")->title(), "Info Code #2");
}

TEST_F(FiveToneDialogTest, KillWithoutWakeUpIsRefusedAndTheDialogStaysOpen) {
    fiveTone().infoCodes[0].decodeFunction = 3;
    fiveTone().infoCodes[0].digits = "123";
    fiveTone().infoCodes[0].digitCount = 3;
    const FiveToneSettings before = fiveTone();
    FiveToneDialog dialog(*context, *prompter);
    dialog.commandOk();
    ASSERT_EQ(prompter->asked().size(), 1u);
    EXPECT_EQ(prompter->asked()[0].text, "Kill needs wake-up");
    EXPECT_NE(dialog.result(), QDialog::Accepted);
    EXPECT_TRUE(SameFiveToneSettings(fiveTone(), before));
}

TEST_F(FiveToneDialogTest, OkWithAShortOwnIdAsksForFiveDigits) {
    FiveToneDialog dialog(*context, *prompter);
    auto* ownId = child<FiveToneTextBox>(dialog, "OwnIdBox");
    ownId->setText(QStringLiteral("123"));
    dialog.commandOk();
    leave(ownId);
    ASSERT_EQ(prompter->asked().size(), 2u);
    EXPECT_EQ(prompter->asked()[0].text, "ID must have 5 digits");
    EXPECT_EQ(prompter->asked()[1].text, "ID must have 5 digits");
    EXPECT_NE(dialog.result(), QDialog::Accepted);
}

TEST_F(FiveToneDialogTest, OwnIdBoxTakesDigitsOnly) {
    FiveToneDialog dialog(*context, *prompter);
    auto* ownId = child<FiveToneTextBox>(dialog, "OwnIdBox");
    ownId->clear();
    QTest::keyClicks(ownId, "1a2-3456");
    EXPECT_EQ(ownId->text(), "12345");
    QTest::keyClick(ownId, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(ownId, Qt::Key_X, Qt::ControlModifier); // cut is discarded
    EXPECT_EQ(ownId->text(), "12345");
}

TEST_F(FiveToneDialogTest, CancelKeepsOnlyTheDecodeTimeSavedWhenTheOwnIdWasAccepted) {
    const FiveToneSettings before = fiveTone();
    FiveToneDialog dialog(*context, *prompter);
    child<QComboBox>(dialog, "DecodeTimeList")->setCurrentIndex(5);
    leave(child<FiveToneTextBox>(dialog, "OwnIdBox"));
    EXPECT_EQ(context->workspace.working.decodeTime, 5);

    child<QComboBox>(dialog, "DecodeTimeList")->setCurrentIndex(9);
    child<QComboBox>(dialog, "IntervalAList")->setCurrentIndex(0);
    child<QPushButton>(dialog, "CommandCancel")->click();
    EXPECT_EQ(dialog.result(), QDialog::Rejected);
    EXPECT_EQ(context->workspace.working.decodeTime, 5);
    EXPECT_TRUE(SameFiveToneSettings(fiveTone(), before));
}

TEST_F(FiveToneDialogTest, PttIdCodesAreShownCompletedAndSavedNormalized) {
    fiveTone().pttIdBegin.digits = "123";
    fiveTone().pttIdBegin.digitCount = 5;
    fiveTone().pttIdBegin.toneDuration = 10;
    FiveToneDialog dialog(*context, *prompter);
    auto* begin = child<FiveToneTextBox>(dialog, "PttIdBeginCode");
    EXPECT_EQ(begin->text(), "123EE");
    EXPECT_EQ(child<QComboBox>(dialog, "PttIdBeginDuration")->currentText(), "100");

    begin->clear();
    QTest::keyClicks(begin, "11fg2");
    EXPECT_EQ(begin->text(), "11F2");
    leave(begin);
    EXPECT_EQ(begin->text(), "1EF2");

    choose(child<QComboBox>(dialog, "PttIdEndStandard"), 9); // EEA: 40 ms
    EXPECT_EQ(child<QComboBox>(dialog, "PttIdEndDuration")->currentText(), "40");
    EXPECT_TRUE(child<QPlainTextEdit>(dialog, "ReferenceText")->toPlainText().startsWith("EEA\n"));

    dialog.commandOk();
    EXPECT_EQ(fiveTone().pttIdBegin.digits.value(), "1EF2");
    EXPECT_EQ(fiveTone().pttIdBegin.digitCount, 4);
    EXPECT_EQ(fiveTone().pttIdEnd.standard, 9);
    EXPECT_EQ(fiveTone().pttIdEnd.toneDuration, 4);
}

TEST_F(FiveToneDialogTest, TypingACodeInTheListStoresItWithRepeatTones) {
    FiveToneDialog dialog(*context, *prompter);
    dialog.show();
    FiveToneCodeListView& view = dialog.codeListView();
    FiveToneCodeListModel& model = dialog.codeList();
    EXPECT_EQ(model.data(model.index(0, 3), Qt::DisplayRole).toString(), "ZVEI1");
    EXPECT_EQ(model.data(model.index(0, 4), Qt::DisplayRole).toString(), "70");

    // Without a code, the other cells of the row open no editor.
    view.setCurrentIndex(model.index(0, 4));
    EXPECT_EQ(view.openEditor(), nullptr);

    view.setCurrentIndex(model.index(0, 2));
    ASSERT_NE(view.openEditor(), nullptr);
    EXPECT_EQ(view.editRow(), 1);
    EXPECT_EQ(view.editColumn(), 2);
    QTest::keyClicks(view.openEditor(), "1x12");
    // Enter in a code box with text goes on to the standard of the same row.
    QTest::keyClick(view.openEditor(), Qt::Key_Return);
    EXPECT_EQ(view.currentIndex(), model.index(0, 3));
    EXPECT_EQ(dialog.workingCopy().codes[0].digits.value(), "1E2");
    EXPECT_EQ(dialog.workingCopy().codes[0].digitCount, 3);
    EXPECT_EQ(dialog.workingCopy().codes[0].isEmpty, 0);
    EXPECT_EQ(model.data(model.index(0, 2), Qt::DisplayRole).toString(), "1E2");
    ASSERT_NE(view.openEditor(), nullptr);
    EXPECT_EQ(view.openEditor()->objectName(), "StandardEditor");

    // Choosing CCIR1 sets the row's duration to its 100 ms; Enter goes on to the duration.
    auto* standard = qobject_cast<QComboBox*>(view.openEditor());
    ASSERT_NE(standard, nullptr);
    standard->setCurrentIndex(6);
    emit standard->activated(6);
    EXPECT_EQ(model.data(model.index(0, 4), Qt::DisplayRole).toString(), "100");
    QTest::keyClick(standard, Qt::Key_Return);
    EXPECT_EQ(view.currentIndex(), model.index(0, 4));
    EXPECT_EQ(dialog.workingCopy().codes[0].standard, 6);
    EXPECT_EQ(dialog.workingCopy().codes[0].toneDuration, 10);

    // Emptying a code box stores an empty code.
    view.setCurrentIndex(model.index(1, 2));
    QTest::keyClicks(view.openEditor(), "5");
    view.setCurrentIndex(model.index(1, 2 + 3));
    EXPECT_EQ(dialog.workingCopy().codes[1].isEmpty, 0);
    view.setCurrentIndex(model.index(1, 2));
    qobject_cast<QLineEdit*>(view.openEditor())->clear();
    view.commitOpenEditor();
    EXPECT_EQ(view.openEditor(), nullptr);
    EXPECT_EQ(dialog.workingCopy().codes[1].isEmpty, 1);

    dialog.commandOk();
    EXPECT_EQ(fiveTone().codes[0].digits.value(), "1E2");
    EXPECT_EQ(fiveTone().codes[0].standard, 6);
}

TEST_F(FiveToneDialogTest, DurationCellsAreSavedRoundedHalfToEven) {
    for (std::size_t i = 0; i < 4; ++i) {
        setCode(fiveTone().codes[i], "123");
    }
    FiveToneDialog dialog(*context, *prompter);
    const std::vector<std::pair<QString, int>> cases = {{"75", 8}, {"65", 6}, {"300", 7}, {"", 7}};
    for (std::size_t i = 0; i < cases.size(); ++i) {
        dialog.codeList().setDurationCell(static_cast<int>(i), cases[i].first);
    }
    dialog.commandOk();
    for (std::size_t i = 0; i < cases.size(); ++i) {
        SCOPED_TRACE(cases[i].first.toStdString());
        EXPECT_EQ(fiveTone().codes[i].toneDuration, cases[i].second);
    }
}

TEST_F(FiveToneDialogTest, SpecialCallsRowsShowDataCallsAniAndPttId) {
    setCode(fiveTone().codes[5], "1E2E354321"); // ANI from 11223 with the own ID
    FiveToneDialog dialog(*context, *prompter);
    FiveToneCodeListModel& model = dialog.codeList();
    auto cell = [&](int row, int column) {
        return model.data(model.index(row, column), Qt::DisplayRole).toString();
    };
    EXPECT_EQ(cell(5, 1), "ANI");
    EXPECT_EQ(cell(5, 2), "11223");

    dialog.codeListView().setCurrentIndex(model.index(3, 5));
    {
        FiveToneCallComposer special(dialog, kFiveToneSpecialCallList, context->text, *prompter);
        EXPECT_EQ(child<QComboBox>(special, "CodeNumberList")->currentText(), "3");
        EXPECT_EQ(child<FiveToneTextBox>(special, "DataIdBox")->text(), "12345");
        QTest::keyClicks(child<FiveToneTextBox>(special, "MessageBox"), "o k");
        special.commandOk();
        EXPECT_EQ(special.result(), QDialog::Accepted);
    }
    EXPECT_EQ(cell(3, 1), "Data Call");
    // The row shows the call as typed; its digits carry repeat tones.
    EXPECT_EQ(cell(3, 2), "12345 MSG:OK");
    EXPECT_EQ(dialog.workingCopy().codes[3].digits.value(), "E1E2345E4F4B");

    {
        FiveToneCallComposer special(dialog, kFiveToneSpecialCallList, context->text, *prompter);
        child<QComboBox>(special, "CodeNumberList")->setCurrentIndex(4);
        child<QComboBox>(special, "CallTypeList")->setCurrentIndex(1);
        EXPECT_TRUE(child<QGroupBox>(special, "AniFrame")->isVisibleTo(&special));
        EXPECT_FALSE(child<QGroupBox>(special, "DataFrame")->isVisibleTo(&special));
        // The separator list opens on the stored separator D.
        EXPECT_EQ(child<QComboBox>(special, "SeparatorList")->currentText(), "D");
        child<QComboBox>(special, "SeparatorList")->setCurrentIndex(1);
        special.commandOk();
    }
    EXPECT_EQ(cell(4, 1), "ANI");
    EXPECT_EQ(cell(4, 2), "12345A");
    EXPECT_EQ(dialog.workingCopy().aniSeparator, 10);

    {
        FiveToneCallComposer special(dialog, kFiveToneSpecialCallList, context->text, *prompter);
        child<QComboBox>(special, "CodeNumberList")->setCurrentIndex(6);
        child<QComboBox>(special, "CallTypeList")->setCurrentIndex(2);
        child<QComboBox>(special, "SeparatorList")->setCurrentIndex(0);
        special.commandOk();
    }
    EXPECT_EQ(cell(6, 1), "PTTID");
    EXPECT_EQ(cell(6, 2), "");
    EXPECT_EQ(dialog.workingCopy().aniSeparator, 0);

    dialog.commandOk();
    EXPECT_EQ(fiveTone().codes[4].digits.value(), "12345A54321");
    EXPECT_EQ(fiveTone().codes[6].digits.value(), "E654321");
    EXPECT_EQ(fiveTone().codes[6].digitCount, 7);
    EXPECT_EQ(fiveTone().codes[3].digitCount, 12);

    // Shown again, the data call is summarised with the target ID as typed.
    FiveToneDialog again(*context, *prompter);
    EXPECT_EQ(again.codeList().row(3).kind, "Data Call");
    EXPECT_EQ(again.codeList().row(3).code, "12345        MSG:OK");
}

TEST_F(FiveToneDialogTest, SpecialCallIntoAPttIdBoxAndItsRefusals) {
    FiveToneDialog dialog(*context, *prompter);
    {
        FiveToneCallComposer special(dialog, kFiveToneSpecialCallBegin, context->text, *prompter);
        EXPECT_FALSE(child<QComboBox>(special, "CodeNumberList")->isVisibleTo(&special));
        child<QComboBox>(special, "CallTypeList")->setCurrentIndex(1);
        child<QComboBox>(special, "SeparatorList")->setCurrentIndex(0);
        special.commandOk();
    }
    // The ID directly followed by the own ID, then normalized as every PTT-ID code.
    EXPECT_EQ(dialog.pttIdCodeBox(kFiveToneSpecialCallBegin).text().toStdString(),
              NormalizeCode("1234554321", "54321"));
    EXPECT_EQ(dialog.workingCopy().aniSeparator, 0);

    FiveToneCallComposer special(dialog, kFiveToneSpecialCallEnd, context->text, *prompter);
    auto* id = child<FiveToneTextBox>(special, "DataIdBox");
    id->setText(QStringLiteral("12"));
    special.commandOk();
    ASSERT_EQ(prompter->asked().size(), 1u);
    EXPECT_EQ(prompter->asked()[0].text, "ID must have 5 digits");

    id->setText(QStringLiteral("12345"));
    child<FiveToneTextBox>(special, "MessageBox")->setText(QStringLiteral("ABCDEFGHI"));
    child<QComboBox>(special, "SeparatorList")->setCurrentIndex(3);
    special.commandOk();
    ASSERT_EQ(prompter->asked().size(), 2u);
    EXPECT_TRUE(prompter->asked()[1].text.contains("24"));
    EXPECT_NE(special.result(), QDialog::Accepted);
    EXPECT_EQ(dialog.pttIdCodeBox(kFiveToneSpecialCallEnd).text(), "");
    EXPECT_EQ(dialog.workingCopy().aniSeparator, 0); // nothing written on a refusal

    child<FiveToneTextBox>(special, "MessageBox")->setText(QStringLiteral("ABCDEFGH"));
    special.commandOk();
    EXPECT_EQ(special.result(), QDialog::Accepted);
    EXPECT_EQ(dialog.pttIdCodeBox(kFiveToneSpecialCallEnd).text().size(), 24);
}

TEST_F(FiveToneDialogTest, DoubleClickOnASpecialCallAsksBeforeResettingIt) {
    setCode(fiveTone().codes[0], "E654321");
    FiveToneDialog dialog(*context, *prompter);
    dialog.show();
    FiveToneCodeListView& view = dialog.codeListView();
    FiveToneCodeListModel& model = dialog.codeList();
    const QModelIndex code = model.index(0, 2);
    view.setCurrentIndex(code);
    EXPECT_EQ(view.openEditor(), nullptr); // special calls are not edited in place

    prompter->queueAnswer(PromptAnswer::Cancel);
    emit view.doubleClicked(code);
    ASSERT_EQ(prompter->asked().size(), 1u);
    EXPECT_EQ(prompter->asked()[0].text, "Reset Special Call of this channel,OK or Not?");
    EXPECT_EQ(model.row(0).kind, "PTTID");

    prompter->queueAnswer(PromptAnswer::Ok);
    emit view.doubleClicked(code);
    EXPECT_EQ(model.row(0).kind, "");
    EXPECT_EQ(dialog.workingCopy().codes[0].digitCount, 0);
    ASSERT_NE(view.openEditor(), nullptr);
    EXPECT_EQ(view.openEditor()->objectName(), "CodeEditor");
}

TEST_F(FiveToneDialogTest, ANewOwnIdRetargetsAniAndPttIdCalls) {
    setCode(fiveTone().codes[0], "12345A54321");
    setCode(fiveTone().codes[1], "E654321");
    setCode(fiveTone().pttIdBegin, "E654321");
    FiveToneDialog dialog(*context, *prompter);
    auto* ownId = child<FiveToneTextBox>(dialog, "OwnIdBox");
    ownId->setText(QStringLiteral("11111"));
    leave(ownId);
    FiveToneCodeListModel& model = dialog.codeList();
    EXPECT_EQ(model.row(0).kind, "ANI");
    EXPECT_EQ(model.row(0).code, "12345A");
    EXPECT_EQ(model.row(1).kind, "PTTID");
    EXPECT_EQ(dialog.pttIdCodeBox(kFiveToneSpecialCallBegin).text(), "E611111");

    dialog.commandOk();
    EXPECT_EQ(fiveTone().ownId.value(), "11111");
    EXPECT_EQ(fiveTone().codes[0].digits.value(), NormalizeCode("12345A11111", "11111"));
    EXPECT_EQ(fiveTone().codes[1].digits.value(), NormalizeCode("E611111", "11111"));
    EXPECT_EQ(fiveTone().pttIdBegin.digits.value(), NormalizeCode("E611111", "11111"));
    EXPECT_EQ(fiveTone().pttIdBegin.digitCount, 7);
}

TEST_F(FiveToneDialogTest, OkRepointsTheAlertAtACodeInUse) {
    setCode(fiveTone().codes[3], "123");
    context->workspace.working.Alert.idCodeType = 2; // 5-Tone
    context->workspace.working.Alert.idCodeNumber = 7;
    FiveToneDialog dialog(*context, *prompter);
    dialog.commandOk();
    EXPECT_EQ(context->workspace.working.Alert.idCodeNumber, 3);
}

TEST_F(FiveToneDialogTest, ContentsAreAvailableWithoutShowingTheDialog) {
    setCode(fiveTone().codes[2], "E112345E4F4B");
    fiveTone().infoCodes[1].decodeFunction = 5;
    fiveTone().infoCodes[1].digits = "77";
    fiveTone().infoCodes[1].digitCount = 2;
    const FiveToneDialogContents contents = FiveToneDialogContentsOf(*context, *prompter);
    ASSERT_FALSE(contents.values.empty());
    EXPECT_EQ(contents.values[0].first, "Own ID");
    EXPECT_EQ(contents.values[0].second, "54321");
    ASSERT_EQ(contents.infoCodes.size(), 8u);
    EXPECT_EQ(contents.infoCodes[1][0], "2");
    EXPECT_EQ(contents.infoCodes[1][2], "Resp2");
    EXPECT_EQ(contents.infoCodes[1][3], "77");
    ASSERT_EQ(contents.codeRows.size(), 100u);
    EXPECT_EQ(contents.codeRows[2][0], "2");
    EXPECT_EQ(contents.codeRows[2][1], "Data Call");
    EXPECT_EQ(contents.codeRows[2][2], "12345        MSG:OK");
}

} // namespace
} // namespace kpt740
