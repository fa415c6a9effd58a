#include "features/scan/ScanDialog.h"

#include "app/AppTestSupport.h"
#include "features/scan/ScanRules.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <algorithm>

namespace kpt740 {
namespace {

std::string ScanLanguageFile() {
    std::string text = "[OTHER]\n20=DejaVu Sans\n21=10\n101=E101\n102=E102\n";
    for (int id = 2400; id <= 2439; ++id) {
        text += std::to_string(id) + "=E" + std::to_string(id) + "\n";
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

// The full revert list's texts with the test language.
const QStringList& FullRevert() {
    static const QStringList items{E(2432),
                                   E(2432) + " + " + E(2433),
                                   E(2403) + "1",
                                   E(2403) + "2",
                                   E(2434),
                                   E(2435),
                                   E(2403) + "1 + " + E(2433),
                                   E(2403) + "2 + " + E(2433)};
    return items;
}

class ScanDialogTest : public test::AppTest {
protected:
    void SetUp() override {
        test::AppTest::SetUp();
        test::WriteFile(languageFolder() / "english.ini", ScanLanguageFile());
        text = LanguageText(languageFolder(), kEnglish);
        settings = DefaultScanSettings();
        settings.scanMode = 1;
        settings.waitTime = 2;
        settings.rxResumeDelay = 1;
        settings.txResumeDelay = 1;
        for (const int position : {12, 3, kPositionPA}) {
            channels.put(UsedChannel(position));
        }
    }
    std::unique_ptr<ScanDialog> open() {
        return std::make_unique<ScanDialog>(settings, channels, text);
    }
    static QComboBox* list(QWidget& dialog, const char* name) {
        auto* widget = dialog.findChild<QComboBox*>(QString::fromLatin1(name));
        EXPECT_NE(widget, nullptr) << name;
        return widget;
    }

    LanguageText text;
    ScanSettings settings;
    ChannelTable channels;
};

TEST_F(ScanDialogTest, ListsHoldTheirItems) {
    auto dialog = open();
    EXPECT_EQ(dialog->windowTitle(), E(2400));
    EXPECT_EQ(dialog->findChild<QLabel*>(QStringLiteral("Label2406"))->text(), E(2406));
    EXPECT_EQ(test::ItemTexts(list(*dialog, "ScanModeList")), (QStringList{E(2430), E(2431)}));
    EXPECT_EQ(
        test::ItemTexts(list(*dialog, "PriorityList")),
        (QStringList{E(2430), E(2403) + "1", E(2403) + "2", E(2403) + "1 + " + E(2403) + "2"}));
    auto* lookBack = list(*dialog, "LookBackTimeAList");
    ASSERT_EQ(lookBack->count(), 46);
    EXPECT_EQ(lookBack->itemText(0), QStringLiteral("0.5"));
    EXPECT_EQ(lookBack->itemText(45), QStringLiteral("5.0"));
    auto* resume = list(*dialog, "TxResumeDelayList");
    ASSERT_EQ(resume->count(), 50);
    EXPECT_EQ(resume->itemText(0), QStringLiteral("0.1"));
    auto* wait = list(*dialog, "WaitTimeList");
    ASSERT_EQ(wait->count(), 254);
    EXPECT_EQ(wait->itemText(253), QStringLiteral("6375"));
    EXPECT_TRUE(wait->isHidden());
    EXPECT_TRUE(list(*dialog, "ScanTypeList")->isHidden());
    EXPECT_EQ(list(*dialog, "ScanTypeList")->itemText(3), E(2439));
    for (const char* group : {"PriorityGroup1List", "PriorityGroup2List"}) {
        EXPECT_TRUE(list(*dialog, group)->isHidden());
        EXPECT_EQ(list(*dialog, group)->count(), 0);
    }
}

TEST_F(ScanDialogTest, PriorityChannelListsHoldTheMemoryChannelsAscending) {
    settings.priorityMode = 3;
    settings.priority1Channel = 12;
    settings.priority2Channel = 77; // no longer in the table
    auto dialog = open();
    auto* list1 = list(*dialog, "PriorityChannel1List");
    auto* list2 = list(*dialog, "PriorityChannel2List");
    EXPECT_EQ(test::ItemTexts(list1), (QStringList{"2", "11"}));
    EXPECT_EQ(test::ItemTexts(list2), test::ItemTexts(list1));
    EXPECT_EQ(list1->currentText(), QStringLiteral("11"));
    EXPECT_EQ(list2->currentText(), QStringLiteral("2"));
    test::ClickButton(*dialog, "CommandOK");
    EXPECT_EQ(dialog->settings().priority1Channel, 12);
    EXPECT_EQ(dialog->settings().priority2Channel, 3);

    ChannelTable none;
    none.put(UsedChannel(kPositionPB));
    ScanDialog empty(settings, none, text);
    EXPECT_EQ(list(empty, "PriorityChannel1List")->count(), 0);
    EXPECT_EQ(list(empty, "PriorityChannel1List")->currentIndex(), -1);
    test::ClickButton(empty, "CommandOK");
    EXPECT_EQ(empty.settings().priority1Channel, 0);
    EXPECT_EQ(empty.settings().priority2Channel, 0);
}

TEST_F(ScanDialogTest, RevertListFollowsEachPriorityPosition) {
    struct Case {
        int priority;
        std::vector<int> shown; // full-list positions
    };
    const std::vector<Case> cases{{0, {0, 1, 4, 5}},
                                  {1, {0, 1, 2, 4, 5, 6}},
                                  {2, {0, 1, 3, 4, 5, 7}},
                                  {3, {0, 1, 2, 3, 4, 5, 6, 7}}};
    for (const Case& c : cases) {
        // Stored revert choice: the last one this priority allows.
        settings.priorityMode = static_cast<std::uint8_t>(c.priority);
        settings.revertChannel = static_cast<std::uint8_t>(c.shown.back());
        auto dialog = open();
        QStringList expected;
        for (const int position : c.shown) {
            expected << FullRevert()[position];
        }
        auto* revert = list(*dialog, "RevertList");
        EXPECT_EQ(test::ItemTexts(revert), expected) << "priority " << c.priority;
        EXPECT_EQ(revert->currentText(), FullRevert()[c.shown.back()]) << c.priority;
        test::ClickButton(*dialog, "CommandOK");
        EXPECT_EQ(dialog->settings().revertChannel, c.shown.back()) << c.priority;
    }
}

TEST_F(ScanDialogTest, ARevertChoiceThePriorityDoesNotAllowShowsTheFirstChoice) {
    settings.priorityMode = 0;
    settings.revertChannel = 2;
    auto dialog = open();
    EXPECT_EQ(list(*dialog, "RevertList")->currentIndex(), 0);
    test::ClickButton(*dialog, "CommandOK");
    EXPECT_EQ(dialog->settings().revertChannel, 0);
}

TEST_F(ScanDialogTest, PriorityThreeToOneResetsTheRevertChoice) {
    settings.priorityMode = 3;
    settings.revertChannel = 3;
    auto dialog = open();
    auto* revert = list(*dialog, "RevertList");
    EXPECT_EQ(revert->currentText(), FullRevert()[3]);
    list(*dialog, "PriorityList")->setCurrentIndex(1);
    EXPECT_EQ(revert->count(), 6);
    EXPECT_EQ(revert->currentIndex(), 0);
    EXPECT_EQ(dialog->settings().revertChannel, 0);
    test::ClickButton(*dialog, "CommandOK");
    EXPECT_EQ(dialog->settings().priorityMode, 1);
    EXPECT_EQ(dialog->settings().revertChannel, 0);
}

TEST_F(ScanDialogTest, AnAllowedRevertChoiceSurvivesAPriorityChange) {
    settings.priorityMode = 1;
    settings.revertChannel = 6;
    auto dialog = open();
    list(*dialog, "PriorityList")->setCurrentIndex(3);
    EXPECT_EQ(list(*dialog, "RevertList")->currentText(), FullRevert()[6]);
    list(*dialog, "RevertList")->setCurrentIndex(7);
    EXPECT_EQ(dialog->settings().revertChannel, 7);
    test::ClickButton(*dialog, "CommandOK");
    EXPECT_EQ(dialog->settings().revertChannel, 7);
}

TEST_F(ScanDialogTest, EnablingFollowsScanModeAndPriority) {
    struct Case {
        int scanMode;
        int priority;
        bool settingsOn;
        bool channel1;
        bool channel2;
    };
    const std::vector<Case> cases{{0, 3, false, false, false},
                                  {1, 0, true, false, false},
                                  {1, 1, true, true, false},
                                  {1, 2, true, false, true},
                                  {1, 3, true, true, true}};
    auto dialog = open();
    const char* others[] = {"PriorityList",      "RevertList",        "LookBackTimeAList",
                            "LookBackTimeBList", "RxResumeDelayList", "TxResumeDelayList",
                            "ScanTypeList",      "WaitTimeList"};
    for (const Case& c : cases) {
        list(*dialog, "ScanModeList")->setCurrentIndex(c.scanMode);
        list(*dialog, "PriorityList")->setCurrentIndex(c.priority);
        for (const char* name : others) {
            EXPECT_EQ(list(*dialog, name)->isEnabled(), c.settingsOn) << name << " " << c.priority;
        }
        EXPECT_EQ(dialog->findChild<QCheckBox*>(QStringLiteral("ScanEntryToneCheck"))->isEnabled(),
                  c.settingsOn);
        EXPECT_EQ(list(*dialog, "PriorityChannel1List")->isEnabled(), c.channel1) << c.priority;
        EXPECT_EQ(list(*dialog, "PriorityGroup1List")->isEnabled(), c.channel1) << c.priority;
        EXPECT_EQ(list(*dialog, "PriorityChannel2List")->isEnabled(), c.channel2) << c.priority;
        EXPECT_EQ(list(*dialog, "PriorityGroup2List")->isEnabled(), c.channel2) << c.priority;
    }
    // Also right after loading, not only after a change.
    settings.scanMode = 1;
    settings.priorityMode = 2;
    auto loaded = open();
    EXPECT_FALSE(list(*loaded, "PriorityChannel1List")->isEnabled());
    EXPECT_TRUE(list(*loaded, "PriorityChannel2List")->isEnabled());
}

TEST_F(ScanDialogTest, OkStoresEveryPositionWithItsOffsetEvenWithScanningOff) {
    settings.scanMode = 0;
    settings.lookBackTimeA = 20;
    settings.scanType = 2;
    auto dialog = open();
    // Disabled lists keep their values; the test sets them as loading from a file would.
    list(*dialog, "LookBackTimeBList")->setCurrentIndex(45);
    list(*dialog, "RxResumeDelayList")->setCurrentIndex(4);
    list(*dialog, "TxResumeDelayList")->setCurrentIndex(49);
    list(*dialog, "WaitTimeList")->setCurrentIndex(253);
    dialog->findChild<QCheckBox*>(QStringLiteral("ScanEntryToneCheck"))->setChecked(true);
    test::ClickButton(*dialog, "CommandOK");
    const ScanSettings& stored = dialog->settings();
    EXPECT_EQ(stored.scanMode, 0);
    EXPECT_EQ(stored.lookBackTimeA, 20);
    EXPECT_EQ(stored.lookBackTimeB, 50);
    EXPECT_EQ(stored.rxResumeDelay, 5);
    EXPECT_EQ(stored.txResumeDelay, 50);
    EXPECT_EQ(stored.scanType, 2);
    EXPECT_EQ(stored.waitTime, 255);
    EXPECT_EQ(stored.scanEntryTone, 1);
}

TEST_F(ScanDialogTest, ValuesOutsideTheirListsAreStoredAsTheFirstItem) {
    settings.priorityMode = 9;
    settings.lookBackTimeA = 3;
    settings.rxResumeDelay = 0;
    settings.waitTime = 1;
    settings.scanType = 7;
    auto dialog = open();
    EXPECT_EQ(list(*dialog, "LookBackTimeAList")->currentText(), QStringLiteral("0.5"));
    test::ClickButton(*dialog, "CommandOK");
    EXPECT_TRUE(SameScanSettings(dialog->settings(), ScanSettingsAsShown(settings, channels)));
    EXPECT_EQ(dialog->settings().priorityMode, 0);
    EXPECT_EQ(dialog->settings().lookBackTimeA, 5);
    EXPECT_EQ(dialog->settings().rxResumeDelay, 1);
    EXPECT_EQ(dialog->settings().waitTime, 2);
}

TEST_F(ScanDialogTest, OkWithoutEditsKeepsAValidRecord) {
    settings.priorityMode = 2;
    settings.revertChannel = 7;
    settings.lookBackTimeA = 33;
    settings.priority1Channel = 12;
    settings.priority2Channel = 3;
    settings.priority1Group = 4; // never edited
    settings.scanEntryTone = 1;
    auto dialog = open();
    test::ClickButton(*dialog, "CommandOK");
    EXPECT_TRUE(SameScanSettings(dialog->settings(), settings));
}

TEST_F(ScanDialogTest, ShownItemsGiveTheVisibleLabelsAndTexts) {
    settings.scanEntryTone = 1;
    auto dialog = open();
    const auto shown = dialog->shownItems();
    ASSERT_EQ(shown.size(), 10u);
    EXPECT_EQ(shown[0], (std::pair{E(2402), E(2431)}));
    EXPECT_EQ(shown[2], (std::pair{E(2404), QStringLiteral("2")}));
    EXPECT_EQ(shown[9], (std::pair{E(2413), QStringLiteral("ON")}));
}

class ScanEntryTest : public ScanDialogTest {
protected:
    void SetUp() override {
        ScanDialogTest::SetUp();
        context = std::make_unique<AppContext>(environment());
        context->workspace.working.Channels = channels;
    }
    void answerWith(const char* button) {
        QTimer::singleShot(0, [button] {
            auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
            ASSERT_NE(dialog, nullptr);
            dialog->findChild<QComboBox*>(QStringLiteral("LookBackTimeAList"))->setCurrentIndex(3);
            test::ClickButton(*dialog, button);
        });
    }
    std::unique_ptr<AppContext> context;
};

TEST_F(ScanEntryTest, CancelKeepsOnlyTheEntryToneRepair) {
    settings.scanEntryTone = 2;
    context->workspace.working.Scan = settings;
    answerWith("CommandCancel");
    EXPECT_FALSE(OpenScanDialog(nullptr, *context, *prompter));
    ScanSettings expected = settings;
    expected.scanEntryTone = 0;
    EXPECT_TRUE(SameScanSettings(context->workspace.working.Scan, expected));

    answerWith("CommandOK");
    EXPECT_TRUE(OpenScanDialog(nullptr, *context, *prompter));
    EXPECT_EQ(context->workspace.working.Scan.lookBackTimeA, 8);
    EXPECT_EQ(context->workspace.working.Scan.scanEntryTone, 0);
}

TEST_F(ScanEntryTest, ACancelledDialogLeavesAValidRecordAlone) {
    settings.revertChannel = 5;
    context->workspace.working.Scan = settings;
    answerWith("CommandCancel");
    EXPECT_FALSE(OpenScanDialog(nullptr, *context, *prompter));
    EXPECT_TRUE(SameScanSettings(context->workspace.working.Scan, settings));
}

} // namespace
} // namespace kpt740
