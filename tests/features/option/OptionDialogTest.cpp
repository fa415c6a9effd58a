#include "features/option/OptionDialog.h"

#include "app/AppTestSupport.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <set>

namespace kpt740 {
namespace {

// The option dialog's texts as "E<id>", except the ids a test leaves out.
std::string OptionLanguageFile(const std::set<int>& missing = {}) {
    std::string text = "[OTHER]\n20=DejaVu Sans\n21=10\n101=E101\n102=E102\n";
    for (const auto& [first, last] : {std::pair{1701, 1799}, std::pair{3010, 3011}}) {
        for (int id = first; id <= last; ++id) {
            if (!missing.contains(id)) {
                text += std::to_string(id) + "=E" + std::to_string(id) + "\n";
            }
        }
    }
    return text;
}

QString E(int id) {
    return QStringLiteral("E%1").arg(id);
}

ChannelRecord UsedChannel(int position) {
    ChannelRecord record = BlankChannel(position);
    record.InUse = 1;
    return record;
}

class OptionDialogTest : public test::AppTest {
protected:
    void SetUp() override {
        test::AppTest::SetUp();
        writeLanguage();
        settings = DefaultOptionSettings();
        for (const int position : {12, 3, kPositionPA}) {
            channels.put(UsedChannel(position));
        }
        channels.put(BlankChannel(50)); // exists but not in use
    }
    void writeLanguage(const std::set<int>& missing = {}) {
        test::WriteFile(languageFolder() / "english.ini", OptionLanguageFile(missing));
        text = LanguageText(languageFolder(), kEnglish);
    }
    std::unique_ptr<OptionDialog> open() {
        return std::make_unique<OptionDialog>(settings, channels, text);
    }
    static QComboBox* list(QWidget& dialog, const QString& name) {
        auto* widget = dialog.findChild<QComboBox*>(name);
        EXPECT_NE(widget, nullptr) << name.toStdString();
        return widget;
    }
    static QComboBox* list(QWidget& dialog, int i) {
        return list(dialog, QStringLiteral("List%1").arg(i));
    }
    static void showActive(QWidget& dialog) {
        dialog.show();
        dialog.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&dialog));
    }

    LanguageText text;
    OptionSettings settings;
    ChannelTable channels;
};

TEST_F(OptionDialogTest, ListsHoldTheirItemsAndOnlyTheDesignedOnesAreHidden) {
    auto dialog = open();
    EXPECT_EQ(dialog->windowTitle(), E(1701));
    EXPECT_EQ(dialog->findChild<QPushButton*>(QStringLiteral("CommandOK"))->text(), E(101));
    EXPECT_EQ(test::ItemTexts(list(*dialog, 0)), (QStringList{E(1750), E(1751), E(1752)}));
    EXPECT_EQ(list(*dialog, 3)->count(), 21);
    EXPECT_EQ(list(*dialog, 4)->count(), 26);
    EXPECT_EQ(test::ItemTexts(list(*dialog, 7)), (QStringList{"0s", "1s", "2s", "3s", "Always"}));
    EXPECT_EQ(list(*dialog, 8)->itemText(31), QStringLiteral("32"));
    EXPECT_EQ(test::ItemTexts(list(*dialog, 9)),
              (QStringList{"1750Hz", "2100Hz", "1000Hz", "1450Hz"}));
    ASSERT_EQ(list(*dialog, 10)->count(), 31);
    EXPECT_EQ(list(*dialog, 10)->itemText(0), E(1755));
    EXPECT_EQ(list(*dialog, 10)->itemText(30), QStringLiteral("30E1782"));
    EXPECT_EQ(test::ItemTexts(list(*dialog, 15)), (QStringList{E(1755), "Repeater", "Busy"}));
    EXPECT_EQ(test::ItemTexts(list(*dialog, 16)), (QStringList{E(1755), E(3010), E(3011)}));
    EXPECT_EQ(test::ItemTexts(list(*dialog, QStringLiteral("ExtraList"))),
              (QStringList{E(1796), E(1797)}));

    const std::set<int> hidden{4, 6, 7, 13, 15};
    for (int i = 0; i < OptionDialog::kListCount; ++i) {
        const auto* label = dialog->findChild<QLabel*>(QStringLiteral("Label%1").arg(1702 + i));
        ASSERT_NE(label, nullptr);
        EXPECT_EQ(label->text(), E(1702 + i));
        EXPECT_EQ(list(*dialog, i)->isHidden(), hidden.contains(i)) << "list " << i;
        EXPECT_EQ(label->isHidden(), hidden.contains(i)) << "label " << i;
    }
    EXPECT_TRUE(dialog->findChild<QComboBox*>(QStringLiteral("ExtraList"))->isHidden());
}

TEST_F(OptionDialogTest, DesignCaptionsStandWhereTheLanguageHasNoText) {
    writeLanguage({1730, 1737, 1738, 3010});
    settings.powerOnPasswordEnabled = 1;
    auto dialog = open();
    EXPECT_EQ(dialog->findChild<QCheckBox*>(QStringLiteral("Check0"))->text(),
              QString::fromUtf8("功能操作"));
    EXPECT_EQ(dialog->findChild<QCheckBox*>(QStringLiteral("Check1"))->text(), E(1731));
    EXPECT_EQ(dialog->findChild<QCheckBox*>(QStringLiteral("EnableCheck"))->text(),
              QString::fromUtf8("启用开机密码"));
    EXPECT_EQ(dialog->findChild<QLabel*>(QStringLiteral("Label1738"))->text(),
              QString::fromUtf8("开机密码"));
    EXPECT_EQ(list(*dialog, 16)->itemText(1), QString::fromUtf8("120°"));
}

TEST_F(OptionDialogTest, ChannelListComesFromTheChannelsInUse) {
    settings.channelIndex = 200;
    auto dialog = open();
    auto* channelList = list(*dialog, 2);
    EXPECT_EQ(test::ItemTexts(channelList), (QStringList{"2", "11", "PA"}));
    EXPECT_EQ(channelList->currentText(), QStringLiteral("PA"));

    channelList->setCurrentIndex(1);
    EXPECT_EQ(dialog->settings().channelIndex, 11);
    channelList->setCurrentIndex(2);
    EXPECT_EQ(dialog->settings().channelIndex, 200);

    ChannelTable empty;
    OptionDialog none(settings, empty, text);
    EXPECT_EQ(test::ItemTexts(list(none, 2)), QStringList{"0"});
}

TEST_F(OptionDialogTest, AChannelNotInUseShowsTheFirstItemAndIsKeptUntilChanged) {
    settings.channelIndex = 49; // channel 50 exists but is not in use
    auto dialog = open();
    EXPECT_EQ(list(*dialog, 2)->currentText(), QStringLiteral("2"));
    test::ClickButton(*dialog, "CommandOK");
    EXPECT_EQ(dialog->result(), QDialog::Accepted);
    EXPECT_EQ(dialog->settings().channelIndex, 49);
}

TEST_F(OptionDialogTest, ValuesOutsideTheirListsShowTheFirstItemAndStayUnlessChanged) {
    settings.setting1705 = 40;
    settings.setting1706 = -3;
    settings.busyMode = 2;
    settings.setting1710 = 32;
    auto dialog = open();
    EXPECT_TRUE(dialog->loaded());
    EXPECT_EQ(list(*dialog, 3)->currentIndex(), 0);
    EXPECT_EQ(list(*dialog, 4)->currentIndex(), 0);
    EXPECT_EQ(list(*dialog, 15)->currentIndex(), 2);
    EXPECT_EQ(list(*dialog, 8)->currentIndex(), 0);
    test::ClickButton(*dialog, "CommandOK");
    EXPECT_EQ(dialog->settings().setting1705, 40);
    EXPECT_EQ(dialog->settings().setting1706, -3);
    EXPECT_EQ(dialog->settings().busyMode, 2);
    EXPECT_EQ(dialog->settings().setting1710, 32);

    auto changed = open();
    list(*changed, 3)->setCurrentIndex(7);
    test::ClickButton(*changed, "CommandOK");
    EXPECT_EQ(changed->settings().setting1705, 7);
}

TEST_F(OptionDialogTest, List0DecidesList1AndTheExtraList) {
    auto dialog = open();
    auto* list0 = list(*dialog, 0);
    auto* list1 = list(*dialog, 1);
    auto* extra = list(*dialog, QStringLiteral("ExtraList"));

    list0->setCurrentIndex(1);
    EXPECT_EQ(list1->currentIndex(), 1);
    EXPECT_FALSE(list1->isEnabled());
    EXPECT_FALSE(extra->isHidden());
    extra->setCurrentIndex(1);
    EXPECT_EQ(dialog->settings().setting1702, 1);
    EXPECT_EQ(dialog->settings().setting1703, 1);
    EXPECT_EQ(dialog->settings().setting1702Extra, 1);

    list0->setCurrentIndex(0);
    EXPECT_EQ(list1->currentIndex(), 0);
    EXPECT_TRUE(list1->isEnabled());
    EXPECT_TRUE(extra->isHidden());
    EXPECT_EQ(extra->currentIndex(), 0);
    EXPECT_EQ(dialog->settings().setting1703, 0);
    EXPECT_EQ(dialog->settings().setting1702Extra, 0);

    list0->setCurrentIndex(2);
    EXPECT_EQ(list1->currentIndex(), 1);
    EXPECT_TRUE(list1->isEnabled());
    EXPECT_TRUE(extra->isHidden());
    EXPECT_EQ(dialog->settings().setting1702, 2);
    EXPECT_EQ(dialog->settings().setting1703, 1);
}

TEST_F(OptionDialogTest, ShowingTheRecordChangesNothing) {
    // List 0 at item 1 would force list 1 to item 1 if the handlers ran while loading.
    settings.setting1702 = 1;
    settings.setting1703 = 0;
    settings.setting1702Extra = 1;
    auto dialog = open();
    EXPECT_FALSE(list(*dialog, 1)->isEnabled());
    EXPECT_FALSE(list(*dialog, QStringLiteral("ExtraList"))->isHidden());
    EXPECT_EQ(list(*dialog, 1)->currentIndex(), 0);
    EXPECT_TRUE(SameOptionSettings(dialog->settings(), settings));
}

TEST_F(OptionDialogTest, CheckBoxesSwitchTheirMembers) {
    settings.internalFunctionOperation = 1;
    auto dialog = open();
    struct Case {
        const char* name;
        std::int16_t OptionSettings::*field;
    };
    for (const Case c : {Case{"Check0", &OptionSettings::functionOperation},
                         Case{"Check1", &OptionSettings::internalFunctionOperation},
                         Case{"Check2", &OptionSettings::initKey},
                         Case{"Check3", &OptionSettings::tailToneElimination}}) {
        auto* box = dialog->findChild<QCheckBox*>(QString::fromLatin1(c.name));
        ASSERT_NE(box, nullptr);
        const int before = dialog->settings().*c.field;
        EXPECT_EQ(box->isChecked(), before == 1) << c.name;
        box->click();
        EXPECT_EQ(dialog->settings().*c.field, before == 1 ? 0 : 1) << c.name;
    }
}

TEST_F(OptionDialogTest, WelcomeBoxesTakeOneCharacterEachAndMoveOn) {
    settings.welcomeText = "Hi";
    auto dialog = open();
    showActive(*dialog);
    std::array<QLineEdit*, 7> boxes{};
    for (std::size_t i = 0; i < boxes.size(); ++i) {
        boxes[i] = dialog->findChild<QLineEdit*>(QStringLiteral("WelcomeText%1").arg(i));
        ASSERT_NE(boxes[i], nullptr);
    }
    EXPECT_EQ(boxes[0]->text(), QStringLiteral("H"));
    EXPECT_EQ(boxes[1]->text(), QStringLiteral("i"));
    EXPECT_EQ(boxes[2]->text(), QString());

    boxes[2]->setFocus();
    EXPECT_EQ(boxes[2]->selectedText(), QString());
    QTest::keyClick(boxes[2], Qt::Key_Backslash, Qt::NoModifier);
    QTest::keyClick(boxes[2], Qt::Key_AsciiTilde, Qt::ShiftModifier);
    QTest::keyClick(boxes[2], Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(boxes[2]->text(), QString());
    EXPECT_TRUE(boxes[2]->hasFocus());
    QTest::keyClicks(boxes[2], QStringLiteral("!"));
    EXPECT_EQ(boxes[2]->text(), QStringLiteral("!"));
    EXPECT_TRUE(boxes[3]->hasFocus());
    QTest::keyClick(boxes[3], Qt::Key_Space);
    QTest::keyClicks(boxes[4], QStringLiteral("Z"));
    EXPECT_TRUE(boxes[5]->hasFocus());

    // Focus selects the whole box, so typing replaces it.
    boxes[0]->setFocus();
    EXPECT_EQ(boxes[0]->selectedText(), QStringLiteral("H"));
    QTest::keyClicks(boxes[0], QStringLiteral("W"));
    EXPECT_EQ(boxes[0]->text(), QStringLiteral("W"));

    test::ClickButton(*dialog, "CommandOK");
    EXPECT_EQ(dialog->settings().welcomeText.raw(), std::string("Wi! Z  "));
}

TEST_F(OptionDialogTest, PasswordBoxTakesSixDigitsAndFollowsTheEnableBox) {
    auto dialog = open();
    showActive(*dialog);
    auto* password = dialog->findChild<QLineEdit*>(QStringLiteral("PasswordText"));
    auto* label = dialog->findChild<QLabel*>(QStringLiteral("Label1738"));
    auto* enable = dialog->findChild<QCheckBox*>(QStringLiteral("EnableCheck"));
    EXPECT_TRUE(password->isHidden());
    EXPECT_TRUE(label->isHidden());

    enable->click();
    EXPECT_FALSE(password->isHidden());
    EXPECT_FALSE(label->isHidden());
    password->setFocus();
    QTest::keyClicks(password, QStringLiteral("1a2-3"));
    QTest::keyClick(password, Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(password->text(), QStringLiteral("123"));
    QTest::keyClick(password, Qt::Key_Backspace);
    EXPECT_EQ(password->text(), QStringLiteral("12"));

    dialog->EnablePassWord(2);
    EXPECT_TRUE(password->isHidden());
    dialog->EnablePassWord(1);
    EXPECT_FALSE(password->isHidden());

    QTest::keyClicks(password, QStringLiteral("3"));
    test::ClickButton(*dialog, "CommandOK");
    EXPECT_EQ(dialog->settings().powerOnPasswordEnabled, 1);
    EXPECT_EQ(dialog->settings().powerOnPassword.raw(), std::string("123\0  ", 6));
}

TEST_F(OptionDialogTest, ASixDigitPasswordIsStoredWithoutTerminator) {
    settings.powerOnPasswordEnabled = 1;
    settings.powerOnPassword = "123456";
    auto dialog = open();
    auto* password = dialog->findChild<QLineEdit*>(QStringLiteral("PasswordText"));
    EXPECT_FALSE(password->isHidden());
    EXPECT_EQ(password->text(), QStringLiteral("123456"));
    EXPECT_EQ(password->maxLength(), 6);
    test::ClickButton(*dialog, "CommandOK");
    EXPECT_EQ(dialog->settings().powerOnPassword.raw(), std::string("123456"));
}

TEST_F(OptionDialogTest, EnterMovesToTheNextControlWithoutClosing) {
    auto dialog = open();
    showActive(*dialog);
    auto* list0 = list(*dialog, 0);
    list0->setFocus();
    QTest::keyClick(list0, Qt::Key_Return);
    EXPECT_FALSE(list0->hasFocus());
    EXPECT_TRUE(dialog->isVisible());
    auto* box = dialog->findChild<QLineEdit*>(QStringLiteral("WelcomeText6"));
    box->setFocus();
    QTest::keyClick(box, Qt::Key_Enter);
    EXPECT_FALSE(box->hasFocus());
    EXPECT_TRUE(dialog->isVisible());
}

TEST_F(OptionDialogTest, OkWithoutEditsKeepsTheRecord) {
    settings.setting1702 = 2;
    settings.setting1703 = 1;
    settings.channelIndex = 11;
    settings.toneFrequency = 3;
    settings.setting1712 = 30;
    settings.initKey = 1;
    settings.welcomeText = "A B";
    settings.powerOnPasswordEnabled = 1;
    settings.powerOnPassword = std::string("42\0", 3);
    for (const OptionSettings& record : {DefaultOptionSettings(), settings}) {
        OptionDialog dialog(record, channels, text);
        test::ClickButton(dialog, "CommandOK");
        EXPECT_TRUE(SameOptionSettings(dialog.settings(), record));
    }
}

TEST_F(OptionDialogTest, ShownItemsGiveTheVisibleLabelsAndTexts) {
    settings.setting1702 = 1;
    settings.functionOperation = 1;
    settings.welcomeText = "Hi";
    auto dialog = open();
    const auto shown = dialog->shownItems();
    auto has = [&shown](const QString& label, const QString& value) {
        return std::find(shown.begin(), shown.end(), std::pair{label, value}) != shown.end();
    };
    EXPECT_TRUE(has(E(1702), E(1751)));
    EXPECT_TRUE(has(QString(), E(1796))); // the extra list beside list 0
    EXPECT_TRUE(has(E(1704), QStringLiteral("2")));
    EXPECT_TRUE(has(E(1730), QStringLiteral("ON")));
    EXPECT_TRUE(has(E(1731), QStringLiteral("OFF")));
    EXPECT_TRUE(has(E(1737), QStringLiteral("OFF")));
    EXPECT_TRUE(has(E(1739), QStringLiteral("Hi")));
    for (const auto& [label, value] : shown) {
        EXPECT_NE(label, E(1706));
        EXPECT_NE(label, E(1717));
        EXPECT_NE(label, E(1738)); // password hidden
    }
}

class OptionEntryTest : public OptionDialogTest {
protected:
    void SetUp() override {
        OptionDialogTest::SetUp();
        context = std::make_unique<AppContext>(environment());
        context->workspace.working.Option = settings;
        context->workspace.working.Channels = channels;
    }
    // Answers the dialog once it is open: picks list 3 item 5, then presses `button`.
    void answerWith(const char* button) {
        QTimer::singleShot(0, [button] {
            auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
            ASSERT_NE(dialog, nullptr);
            dialog->findChild<QComboBox*>(QStringLiteral("List3"))->setCurrentIndex(5);
            test::ClickButton(*dialog, button);
        });
    }
    std::unique_ptr<AppContext> context;
};

TEST_F(OptionEntryTest, OkStoresTheCopyAndCancelDropsIt) {
    answerWith("CommandCancel");
    EXPECT_FALSE(OpenOptionDialog(nullptr, *context, *prompter));
    EXPECT_TRUE(SameOptionSettings(context->workspace.working.Option, settings));

    answerWith("CommandOK");
    EXPECT_TRUE(OpenOptionDialog(nullptr, *context, *prompter));
    EXPECT_EQ(context->workspace.working.Option.setting1705, 5);
    EXPECT_TRUE(prompter->asked().empty());
}

} // namespace
} // namespace kpt740
