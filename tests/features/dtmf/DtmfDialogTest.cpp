#include "features/dtmf/DtmfDialog.h"

#include "app/AppTestSupport.h"
#include "app/FilteredLineEdit.h"
#include "app/StartUp.h"
#include "core/StoredRecord.h"
#include "features/dtmf/DtmfCallComposer.h"
#include "features/dtmf/DtmfSettings.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <functional>
#include <memory>

namespace kpt740 {
namespace {

// Runs `answer` on the next modal dialog of type T once it is open; a modal dialog of another
// type, or none within two seconds, is rejected so that a broken test cannot hang.
template <class T> void AnswerModal(std::function<void(T*)> answer) {
    auto* timer = new QTimer;
    auto tries = std::make_shared<int>(0);
    QObject::connect(timer, &QTimer::timeout, [timer, tries, answer] {
        QWidget* modal = QApplication::activeModalWidget();
        if (auto* dialog = qobject_cast<T*>(modal)) {
            timer->stop();
            timer->deleteLater();
            answer(dialog);
        } else if (++*tries > 200) {
            timer->stop();
            timer->deleteLater();
            ADD_FAILURE() << "the expected dialog did not open";
            if (auto* other = qobject_cast<QDialog*>(modal)) {
                other->reject();
            }
        }
    });
    timer->start(10);
}

class DtmfDialogTest : public test::AppTest {
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

    DtmfSettings& record() { return context->workspace.working.Dtmf; }

    template <class T> static T* child(const QWidget& dialog, const char* name) {
        T* found = dialog.findChild<T*>(QString::fromLatin1(name));
        EXPECT_NE(found, nullptr) << name;
        return found;
    }

    // Shows the dialog as the active window, so focus moves as the user's would.
    static void showActive(QDialog& dialog) {
        dialog.show();
        dialog.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&dialog));
    }

    static void clickOkAndWait(DtmfDialog& dialog) {
        QTest::mouseClick(child<QPushButton>(dialog, "CommandOK"), Qt::LeftButton);
        QTRY_VERIFY_WITH_TIMEOUT(dialog.stored(), 2000);
    }

    std::unique_ptr<AppContext> context;
};

TEST_F(DtmfDialogTest, ShowingCorrectionsStayEvenWhenCancelled) {
    DtmfSettings& r = record();
    r.ani = 5;
    r.sendTime = 9;
    r.pttIdMode = 7;
    r.ownId = "7";
    r.separator = 9;
    r.groupCode = 3;
    r.decodeResponse = 4;
    r.firstDigitDelay = 300;
    r.pauseTime = 3;
    r.sideTone = 7;
    {
        DtmfDialog dialog(*context, *prompter);
        EXPECT_EQ(child<QComboBox>(dialog, "SeparatorList")->currentText(), QStringLiteral("*"));
        EXPECT_EQ(child<QComboBox>(dialog, "GroupList")->currentIndex(), 0);
        EXPECT_EQ(child<FilteredLineEdit>(dialog, "OwnId")->text(), QStringLiteral("700"));
        EXPECT_EQ(child<QComboBox>(dialog, "PauseTimeList")->currentIndex(), 0);
        EXPECT_FALSE(child<QCheckBox>(dialog, "SideTone")->isChecked());
        QTest::mouseClick(child<QPushButton>(dialog, "CommandCancel"), Qt::LeftButton);
        EXPECT_EQ(dialog.result(), QDialog::Rejected);
    }
    EXPECT_EQ(r.ani, 0);
    EXPECT_EQ(r.sendTime, 0);
    EXPECT_EQ(r.pttIdMode, 0);
    EXPECT_EQ(r.ownId.value(), "700");
    EXPECT_EQ(r.separator, 14);
    EXPECT_EQ(r.groupCode, 9);
    EXPECT_EQ(r.decodeResponse, 0);
    EXPECT_EQ(r.firstDigitDelay, 0);
    EXPECT_EQ(r.pauseTime, 0);
    EXPECT_EQ(r.sideTone, 0);
}

TEST_F(DtmfDialogTest, CancelAfterEditsLeavesAValidRecordUnchanged) {
    const auto before = ToStoredBytes(record());
    DtmfDialog dialog(*context, *prompter);
    child<FilteredLineEdit>(dialog, "CodeM1")->setText(QStringLiteral("123"));
    child<QComboBox>(dialog, "GroupList")->setCurrentIndex(0);
    QTest::mouseClick(child<QPushButton>(dialog, "CommandCancel"), Qt::LeftButton);
    EXPECT_EQ(ToStoredBytes(record()), before);
}

TEST_F(DtmfDialogTest, OkWithoutEditsKeepsEveryValidValue) {
    DtmfSettings& r = record();
    r.codes[0].digits = "12EF";
    r.codes[0].length = 4;
    r.codes[15].digits = "0123456789ABCDEF01234567";
    r.codes[15].length = 24;
    r.killCode.digits = "1";
    r.killCode.length = 1;
    r.ani = 1;
    r.sendTime = 3;
    r.pttIdMode = 2;
    r.ownId = "123";
    r.separator = 15;
    r.groupCode = 12;
    r.decodeResponse = 2;
    r.firstDigitDelay = 100;
    r.preSendDelay = 30;
    r.resetTime = 15;
    r.postSendDelay = 250;
    r.pauseTime = 20;
    r.sideTone = 1;
    const DtmfSettings before = r;
    DtmfDialog dialog(*context, *prompter);
    EXPECT_EQ(child<FilteredLineEdit>(dialog, "CodeM1")->text(), QStringLiteral("12*#"));
    EXPECT_EQ(child<QComboBox>(dialog, "PreSendDelayList")->currentText(), QStringLiteral("300"));
    EXPECT_EQ(child<QComboBox>(dialog, "ResetTimeList")->currentText(), QStringLiteral("1.5"));
    EXPECT_EQ(child<QComboBox>(dialog, "PostSendDelayList")->currentText(), QStringLiteral("2500"));
    EXPECT_EQ(child<QComboBox>(dialog, "PauseTimeList")->currentText(), QStringLiteral("20"));
    EXPECT_EQ(child<QComboBox>(dialog, "FirstDigitDelayList")->currentText(),
              QStringLiteral("1000"));
    EXPECT_EQ(child<QComboBox>(dialog, "GroupList")->currentText(), QStringLiteral("C"));
    EXPECT_FALSE(child<QComboBox>(dialog, "PttIdModeList")->isVisibleTo(&dialog));
    clickOkAndWait(dialog);
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_TRUE(SameDtmfSettings(r, before));
    EXPECT_EQ(r.codes[15].digits.value(), "0123456789ABCDEF01234567");
}

TEST_F(DtmfDialogTest, CodeBoxesStoreStarAndHashAsEAndF) {
    DtmfDialog dialog(*context, *prompter);
    showActive(dialog);
    FilteredLineEdit* box = child<FilteredLineEdit>(dialog, "CodeM2");
    box->setFocus();
    QTest::keyClicks(box, "12*#xab9e");
    EXPECT_EQ(box->text(), QStringLiteral("12*#AB9"));
    FilteredLineEdit* kill = child<FilteredLineEdit>(dialog, "KillCode");
    kill->setFocus();
    QTest::keyClicks(kill, "123456789012345678");
    EXPECT_EQ(kill->text().size(), 14);
    clickOkAndWait(dialog);
    EXPECT_EQ(record().codes[1].digits.value(), "12EFAB9");
    EXPECT_EQ(record().codes[1].length, 7);
    EXPECT_EQ(record().killCode.length, 14);
}

TEST_F(DtmfDialogTest, GroupOffIsStoredAs255AndLettersAsTheirValues) {
    struct Case {
        int position;
        std::int16_t groupCode;
    };
    for (const Case c : {Case{0, 255}, Case{1, 10}, Case{6, 15}}) {
        DtmfDialog dialog(*context, *prompter);
        child<QComboBox>(dialog, "GroupList")->setCurrentIndex(c.position);
        clickOkAndWait(dialog);
        EXPECT_EQ(record().groupCode, c.groupCode) << c.position;
        DtmfDialog again(*context, *prompter);
        EXPECT_EQ(child<QComboBox>(again, "GroupList")->currentIndex(), c.position);
    }
}

TEST_F(DtmfDialogTest, SeparatorAndOwnIdFollowUpInComposedCalls) {
    record().ownId = "456";
    record().separator = 14;
    DtmfDialog dialog(*context, *prompter);
    showActive(dialog);
    dialog.codeBox(0)->setText(QStringLiteral("123*456"));
    dialog.codeBox(1)->setText(QStringLiteral("*456"));
    dialog.codeBox(2)->setText(QStringLiteral("123*789"));
    dialog.codeBox(DtmfDialog::kKillBox)->setText(QStringLiteral("1*456"));
    child<QComboBox>(dialog, "SeparatorList")->setCurrentIndex(5); // "#"
    EXPECT_EQ(dialog.codeBox(0)->text(), QStringLiteral("123#456"));
    EXPECT_EQ(dialog.codeBox(1)->text(), QStringLiteral("#456"));
    EXPECT_EQ(dialog.codeBox(2)->text(), QStringLiteral("123*789"));

    FilteredLineEdit* id = child<FilteredLineEdit>(dialog, "OwnId");
    id->setFocus();
    QTest::keyClicks(id, "7x");
    dialog.codeBox(3)->setFocus(); // leaving the ID box pads it and follows up
    EXPECT_EQ(id->text(), QStringLiteral("700"));
    EXPECT_EQ(dialog.codeBox(0)->text(), QStringLiteral("123#700"));
    EXPECT_EQ(dialog.codeBox(1)->text(), QStringLiteral("#700"));
    EXPECT_EQ(dialog.codeBox(2)->text(), QStringLiteral("123*789"));
}

TEST_F(DtmfDialogTest, ClosingWithTheFocusInTheIdBoxIsSafe) {
    {
        auto dialog = std::make_unique<DtmfDialog>(*context, *prompter);
        showActive(*dialog);
        child<FilteredLineEdit>(*dialog, "OwnId")->setFocus();
        ASSERT_TRUE(child<FilteredLineEdit>(*dialog, "OwnId")->hasFocus());
    }
    {
        auto special = std::make_unique<DtmfCallComposer>(context->text, QLatin1Char('*'),
                                                          QStringLiteral("456"));
        showActive(*special);
        child<FilteredLineEdit>(*special, "CalledCode")->setFocus();
    }
    EXPECT_EQ(record().ownId.value(), "000");
}

TEST_F(DtmfDialogTest, KillEqualToStunIsRefusedWithMessage3001) {
    DtmfDialog dialog(*context, *prompter);
    showActive(dialog);
    dialog.codeBox(DtmfDialog::kKillBox)->setText(QStringLiteral("123"));
    dialog.codeBox(DtmfDialog::kStunBox)->setText(QStringLiteral("123"));
    QTest::mouseClick(child<QPushButton>(dialog, "CommandOK"), Qt::LeftButton);
    ASSERT_EQ(prompter->asked().size(), 1u);
    EXPECT_EQ(prompter->asked()[0].text, QString::fromStdString(context->text.other(3001)));
    EXPECT_EQ(prompter->asked()[0].buttons, PromptButtons::Ok);
    QTest::qWait(2 * DtmfDialog::kOkDelayMilliseconds);
    EXPECT_FALSE(dialog.stored());
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_EQ(record().killCode.length, 0);

    // Two empty boxes are no clash.
    dialog.codeBox(DtmfDialog::kKillBox)->clear();
    dialog.codeBox(DtmfDialog::kStunBox)->clear();
    clickOkAndWait(dialog);
    EXPECT_EQ(prompter->asked().size(), 1u);
}

TEST_F(DtmfDialogTest, OkStoresOnlyWhenTheTimerFires) {
    DtmfDialog dialog(*context, *prompter);
    dialog.codeBox(0)->setText(QStringLiteral("9"));
    QTest::mouseClick(child<QPushButton>(dialog, "CommandOK"), Qt::LeftButton);
    EXPECT_FALSE(dialog.stored());
    EXPECT_EQ(record().codes[0].length, 0);
    QTRY_VERIFY_WITH_TIMEOUT(dialog.stored(), 2000);
    EXPECT_EQ(record().codes[0].length, 1);
    EXPECT_EQ(record().codes[0].digits.value(), "9");
}

TEST_F(DtmfDialogTest, SpecialCallGoesIntoTheBoxLastFocused) {
    record().ownId = "456";
    DtmfDialog dialog(*context, *prompter);
    showActive(dialog);
    EXPECT_EQ(dialog.CurDTMFEditID(), 0);
    dialog.codeBox(4)->setFocus();
    EXPECT_EQ(dialog.CurDTMFEditID(), 4);
    dialog.codeBox(DtmfDialog::kEndBox)->setFocus();
    EXPECT_EQ(dialog.CurDTMFEditID(), DtmfDialog::kEndBox);

    bool composerSeen = false;
    AnswerModal<DtmfCallComposer>([&composerSeen](DtmfCallComposer* special) {
        composerSeen = true;
        auto* code = special->findChild<FilteredLineEdit*>(QStringLiteral("CalledCode"));
        code->setText(QStringLiteral("5"));
        QTest::mouseClick(special->findChild<QPushButton*>(QStringLiteral("CommandOK")),
                          Qt::LeftButton);
    });
    QTest::mouseClick(child<QPushButton>(dialog, "CommandSpecial"), Qt::LeftButton);
    EXPECT_TRUE(composerSeen);
    EXPECT_EQ(dialog.codeBox(DtmfDialog::kEndBox)->text(), QStringLiteral("500*456"));

    // The kill box cannot take a composed call: Special does nothing there.
    showActive(dialog);
    dialog.codeBox(DtmfDialog::kKillBox)->setFocus();
    EXPECT_EQ(dialog.CurDTMFEditID(), DtmfDialog::kKillBox);
    bool opened = false;
    QTimer guard;
    guard.setSingleShot(true);
    QObject::connect(&guard, &QTimer::timeout, [&opened] {
        if (auto* special = qobject_cast<DtmfCallComposer*>(QApplication::activeModalWidget())) {
            opened = true;
            special->reject();
        }
    });
    guard.start(300);
    QTest::mouseClick(child<QPushButton>(dialog, "CommandSpecial"), Qt::LeftButton);
    EXPECT_FALSE(opened);
}

TEST_F(DtmfDialogTest, ComposerBuildsAniAndPttIdCalls) {
    {
        DtmfCallComposer special(context->text, QLatin1Char('#'), QStringLiteral("456"));
        showActive(special);
        auto* code = child<FilteredLineEdit>(special, "CalledCode");
        EXPECT_EQ(code->text(), QStringLiteral("000"));
        EXPECT_TRUE(child<QGroupBox>(special, "CalledFrame")->isVisible());
        code->setFocus();
        QTest::keyClicks(code, "1a2x3456");
        EXPECT_EQ(code->text(), QStringLiteral("123"));
        QTest::mouseClick(child<QPushButton>(special, "CommandOK"), Qt::LeftButton);
        EXPECT_EQ(special.composedCall(), QStringLiteral("123#456"));
    }
    {
        DtmfCallComposer special(context->text, QLatin1Char('*'), QStringLiteral("456"));
        special.show();
        child<QComboBox>(special, "CallTypeList")->setCurrentIndex(1);
        EXPECT_FALSE(child<QGroupBox>(special, "CalledFrame")->isVisible());
        QTest::mouseClick(child<QPushButton>(special, "CommandOK"), Qt::LeftButton);
        EXPECT_EQ(special.composedCall(), QStringLiteral("*456"));
    }
}

TEST_F(DtmfDialogTest, OpenDtmfDialogReportsWhetherOkChangedTheRecord) {
    AnswerModal<DtmfDialog>([](DtmfDialog* dialog) {
        dialog->codeBox(0)->setText(QStringLiteral("42"));
        QTest::mouseClick(dialog->findChild<QPushButton*>(QStringLiteral("CommandOK")),
                          Qt::LeftButton);
    });
    EXPECT_TRUE(OpenDtmfDialog(nullptr, *context, *prompter));
    EXPECT_EQ(record().codes[0].digits.value(), "42");

    AnswerModal<DtmfDialog>([](DtmfDialog* dialog) {
        QTest::mouseClick(dialog->findChild<QPushButton*>(QStringLiteral("CommandOK")),
                          Qt::LeftButton);
    });
    EXPECT_FALSE(OpenDtmfDialog(nullptr, *context, *prompter));
}

} // namespace
} // namespace kpt740
