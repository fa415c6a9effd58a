#include "features/alert/AlertDialog.h"

#include "app/AppTestSupport.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QTimer>

namespace kpt740 {
namespace {

std::string AlertLanguageFile() {
    std::string text = "[OTHER]\n20=DejaVu Sans\n21=10\n101=E101\n102=E102\n2436=E2436\n";
    for (int id = 2600; id <= 2636; ++id) {
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

class AlertDialogTest : public test::AppTest {
protected:
    void SetUp() override {
        test::AppTest::SetUp();
        test::WriteFile(languageFolder() / "english.ini", AlertLanguageFile());
        text = LanguageText(languageFolder(), kEnglish);
        settings = DefaultAlertSettings();
        for (const int position : {12, 3, kPositionPA}) {
            channels.put(UsedChannel(position));
        }
        for (auto& code : fiveTone.codes) {
            code.isEmpty = 1;
        }
    }
    void giveDtmfDigits(std::initializer_list<int> codes) {
        for (const int i : codes) {
            dtmf.codes[static_cast<std::size_t>(i)].digits = "123";
            dtmf.codes[static_cast<std::size_t>(i)].length = 3;
        }
    }
    std::unique_ptr<AlertDialog> open() {
        return std::make_unique<AlertDialog>(settings, channels, dtmf, fiveTone, text);
    }
    static QComboBox* list(QWidget& dialog, const char* name) {
        auto* widget = dialog.findChild<QComboBox*>(QString::fromLatin1(name));
        EXPECT_NE(widget, nullptr) << name;
        return widget;
    }

    LanguageText text;
    AlertSettings settings;
    ChannelTable channels;
    DtmfSettings dtmf;
    FiveToneSettings fiveTone;
};

TEST_F(AlertDialogTest, ListsHoldTheirItems) {
    auto dialog = open();
    EXPECT_EQ(dialog->windowTitle(), E(2600));
    EXPECT_EQ(dialog->findChild<QLabel*>(QStringLiteral("Label2610"))->text(), E(2610));
    EXPECT_EQ(dialog->findChild<QGroupBox*>(QStringLiteral("LoneWorkerFrame"))->title(), E(2612));
    EXPECT_EQ(test::ItemTexts(list(*dialog, "AlarmTypeList")),
              (QStringList{E(2630), E(2631), E(2632), E(2633)}));
    EXPECT_EQ(test::ItemTexts(list(*dialog, "IdCodeTypeList")),
              (QStringList{E(2436), "DTMF", "5Tone"}));
    EXPECT_EQ(test::ItemTexts(list(*dialog, "ChannelSelectionList")),
              (QStringList{E(2634), E(2635)}));
    EXPECT_EQ(test::ItemTexts(list(*dialog, "EmergencyChannelList")), (QStringList{"2", "11"}));
    EXPECT_EQ(list(*dialog, "AlarmTimeList")->count(), 255);
    auto* cycles = list(*dialog, "CyclesList");
    ASSERT_EQ(cycles->count(), 256);
    EXPECT_EQ(cycles->itemText(255), QStringLiteral("255"));
    auto* preAlert = list(*dialog, "PreAlertTimeList");
    EXPECT_EQ(preAlert->count(), 254);
    auto* loneWorker = list(*dialog, "LoneWorkerTimeList");
    EXPECT_EQ(loneWorker->itemText(0), QStringLiteral("5"));
    EXPECT_EQ(loneWorker->itemText(250), QStringLiteral("255"));
    auto* group = list(*dialog, "EmergencyGroupList");
    EXPECT_TRUE(group->isHidden());
    EXPECT_EQ(group->count(), 0);
    EXPECT_TRUE(dialog->findChild<QLabel*>(QStringLiteral("Label2609"))->isHidden());
}

TEST_F(AlertDialogTest, DefaultsShowTheFirstItemsAndOkStoresThem) {
    auto dialog = open();
    EXPECT_EQ(list(*dialog, "AlarmTimeList")->currentText(), QStringLiteral("1"));
    EXPECT_EQ(list(*dialog, "TxTimeList")->currentText(), QStringLiteral("1"));
    EXPECT_EQ(list(*dialog, "RxTimeList")->currentText(), QStringLiteral("1"));
    EXPECT_EQ(list(*dialog, "CyclesList")->currentText(), E(2636));
    EXPECT_EQ(list(*dialog, "PreAlertTimeList")->currentText(), QStringLiteral("1"));
    EXPECT_EQ(list(*dialog, "LoneWorkerTimeList")->currentText(), QStringLiteral("5"));
    EXPECT_FALSE(list(*dialog, "PreAlertTimeList")->isEnabled());
    EXPECT_FALSE(list(*dialog, "LoneWorkerTimeList")->isEnabled());
    test::ClickButton(*dialog, "CommandOK");
    const AlertSettings& stored = dialog->settings();
    EXPECT_EQ(stored.alarmTime, 1);
    EXPECT_EQ(stored.txTime, 1);
    EXPECT_EQ(stored.rxTime, 1);
    EXPECT_EQ(stored.cycles, 0);
    EXPECT_EQ(stored.preAlertTime, 1);
    EXPECT_EQ(stored.loneWorkerTime, 5);
    EXPECT_EQ(stored.emergencyChannel, 3); // the lowest channel in the table
}

TEST_F(AlertDialogTest, DtmfIdentityCodesAreTheCodesWithDigits) {
    giveDtmfDigits({1, 6});
    settings.idCodeType = kIdCodeDtmf;
    struct Case {
        std::uint8_t stored;
        QString shown;
        std::uint8_t afterOk;
    };
    for (const Case& c : {Case{6, "M7", 6}, Case{3, "M2", 1}, Case{1, "M2", 1}}) {
        settings.idCodeNumber = c.stored;
        auto dialog = open();
        auto* codes = list(*dialog, "IdCodeList");
        EXPECT_EQ(test::ItemTexts(codes), (QStringList{"M2", "M7"}));
        EXPECT_EQ(codes->currentText(), c.shown) << int{c.stored};
        test::ClickButton(*dialog, "CommandOK");
        EXPECT_EQ(dialog->settings().idCodeNumber, c.afterOk) << int{c.stored};
    }
}

TEST_F(AlertDialogTest, WithoutDtmfCodesTheListIsEmptyAndOkStoresZero) {
    settings.idCodeType = kIdCodeDtmf;
    settings.idCodeNumber = 5;
    auto dialog = open();
    EXPECT_EQ(list(*dialog, "IdCodeList")->count(), 0);
    test::ClickButton(*dialog, "CommandOK");
    EXPECT_EQ(dialog->settings().idCodeNumber, 0);
}

TEST_F(AlertDialogTest, FiveToneIdentityCodesAreTheCodesInUse) {
    settings.idCodeType = kIdCodeFiveTone;
    settings.idCodeNumber = 42;
    {
        auto dialog = open();
        EXPECT_EQ(test::ItemTexts(list(*dialog, "IdCodeList")), QStringList{"0"});
        test::ClickButton(*dialog, "CommandOK");
        EXPECT_EQ(dialog->settings().idCodeNumber, 0);
    }
    fiveTone.codes[4].isEmpty = 0;
    fiveTone.codes[42].isEmpty = 0;
    auto dialog = open();
    EXPECT_EQ(test::ItemTexts(list(*dialog, "IdCodeList")), (QStringList{"4", "42"}));
    EXPECT_EQ(list(*dialog, "IdCodeList")->currentText(), QStringLiteral("42"));
    test::ClickButton(*dialog, "CommandOK");
    EXPECT_EQ(dialog->settings().idCodeNumber, 42);
}

TEST_F(AlertDialogTest, PickingACodeTypeRebuildsTheCodeList) {
    giveDtmfDigits({0, 9});
    fiveTone.codes[7].isEmpty = 0;
    settings.alarmType = 1;
    settings.idCodeType = kIdCodeNone;
    settings.idCodeNumber = 9;
    auto dialog = open();
    auto* type = list(*dialog, "IdCodeTypeList");
    auto* codes = list(*dialog, "IdCodeList");
    EXPECT_EQ(codes->count(), 0);
    type->setCurrentIndex(1);
    EXPECT_EQ(test::ItemTexts(codes), (QStringList{"M1", "M10"}));
    EXPECT_EQ(codes->currentText(), QStringLiteral("M10"));
    type->setCurrentIndex(2);
    EXPECT_EQ(test::ItemTexts(codes), QStringList{"7"});
    test::ClickButton(*dialog, "CommandOK");
    EXPECT_EQ(dialog->settings().idCodeType, kIdCodeFiveTone);
    EXPECT_EQ(dialog->settings().idCodeNumber, 7);

    auto none = open();
    list(*none, "IdCodeTypeList")->setCurrentIndex(1);
    list(*none, "IdCodeTypeList")->setCurrentIndex(0);
    EXPECT_EQ(list(*none, "IdCodeList")->count(), 0);
    test::ClickButton(*none, "CommandOK");
    EXPECT_EQ(none->settings().idCodeNumber, 0);
}

TEST_F(AlertDialogTest, EnablingFollowsAlarmTypeChannelSelectionAndLoneWorker) {
    struct Case {
        int alarmType;
        int channelSelection;
        bool loneWorker;
    };
    auto dialog = open();
    auto* check = dialog->findChild<QCheckBox*>(QStringLiteral("AutoDetectCheck"));
    for (const Case c :
         {Case{0, 0, false}, Case{1, 1, true}, Case{3, 0, true}, Case{0, 1, false}}) {
        list(*dialog, "AlarmTypeList")->setCurrentIndex(c.alarmType);
        list(*dialog, "ChannelSelectionList")->setCurrentIndex(c.channelSelection);
        check->setChecked(c.loneWorker);
        const bool local = c.alarmType == 0;
        EXPECT_EQ(list(*dialog, "AlarmTimeList")->isEnabled(), local);
        for (const char* name : {"IdCodeTypeList", "IdCodeList", "TxTimeList", "RxTimeList"}) {
            EXPECT_EQ(list(*dialog, name)->isEnabled(), !local) << name << c.alarmType;
        }
        EXPECT_EQ(list(*dialog, "EmergencyChannelList")->isEnabled(), c.channelSelection == 0);
        EXPECT_EQ(list(*dialog, "PreAlertTimeList")->isEnabled(), c.loneWorker);
        EXPECT_EQ(list(*dialog, "LoneWorkerTimeList")->isEnabled(), c.loneWorker);
    }
}

TEST_F(AlertDialogTest, EmergencyChannelShowsTheStoredChannelOrTheLowest) {
    settings.emergencyChannel = 12;
    auto dialog = open();
    EXPECT_EQ(list(*dialog, "EmergencyChannelList")->currentText(), QStringLiteral("11"));
    test::ClickButton(*dialog, "CommandOK");
    EXPECT_EQ(dialog->settings().emergencyChannel, 12);

    ChannelTable noMemory;
    noMemory.put(UsedChannel(kPositionPA));
    AlertDialog empty(settings, noMemory, dtmf, fiveTone, text);
    EXPECT_EQ(list(empty, "EmergencyChannelList")->currentIndex(), -1);
    test::ClickButton(empty, "CommandOK");
    EXPECT_EQ(empty.settings().emergencyChannel, 0);
}

TEST_F(AlertDialogTest, OutOfRangeValuesShowTheirFallbacks) {
    settings.alarmType = 9;
    settings.alarmTime = 0;
    settings.channelSelection = 4;
    settings.autoDetectMode = 3;
    settings.preAlertTime = 255;
    settings.loneWorkerTime = 2;
    auto dialog = open();
    EXPECT_EQ(list(*dialog, "AlarmTypeList")->currentIndex(), 0);
    EXPECT_FALSE(dialog->findChild<QCheckBox*>(QStringLiteral("AutoDetectCheck"))->isChecked());
    EXPECT_EQ(list(*dialog, "PreAlertTimeList")->currentText(), QStringLiteral("1"));
    EXPECT_EQ(list(*dialog, "LoneWorkerTimeList")->currentText(), QStringLiteral("5"));
    test::ClickButton(*dialog, "CommandOK");
    EXPECT_TRUE(SameAlertSettings(dialog->settings(),
                                  AlertSettingsAsShown(settings, channels, IdentityCodeSources{})));
}

TEST_F(AlertDialogTest, OkWithoutEditsKeepsAValidRecord) {
    giveDtmfDigits({4});
    settings = AlertSettings{2, kIdCodeDtmf, 4, 30, 200, 255, 1, 3, 17, 1, 254, 255};
    auto dialog = open();
    test::ClickButton(*dialog, "CommandOK");
    EXPECT_TRUE(SameAlertSettings(dialog->settings(), settings));
}

TEST_F(AlertDialogTest, ShownItemsGiveTheVisibleLabelsAndTexts) {
    settings.autoDetectMode = 1;
    settings.alarmTime = 30;
    auto dialog = open();
    const auto shown = dialog->shownItems();
    ASSERT_EQ(shown.size(), 12u);
    EXPECT_EQ(shown[0], (std::pair{E(2602), E(2630)}));
    EXPECT_EQ(shown[3], (std::pair{E(2605), QStringLiteral("30")}));
    EXPECT_EQ(shown[7], (std::pair{E(2610), QStringLiteral("2")}));
    EXPECT_EQ(shown[9], (std::pair{E(2613), QStringLiteral("ON")}));
    EXPECT_EQ(shown[11], (std::pair{E(2615), QStringLiteral("5")}));
}

class AlertEntryTest : public AlertDialogTest {
protected:
    void SetUp() override {
        AlertDialogTest::SetUp();
        context = std::make_unique<AppContext>(environment());
        context->workspace.working.Channels = channels;
        context->workspace.working.Alert = settings;
        context->workspace.working.FiveTone = fiveTone;
    }
    void answerWith(const char* button) {
        QTimer::singleShot(0, [button] {
            auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
            ASSERT_NE(dialog, nullptr);
            dialog->findChild<QComboBox*>(QStringLiteral("CyclesList"))->setCurrentIndex(9);
            test::ClickButton(*dialog, button);
        });
    }
    std::unique_ptr<AppContext> context;
};

TEST_F(AlertEntryTest, OkStoresTheCopyAndCancelDropsIt) {
    answerWith("CommandCancel");
    EXPECT_FALSE(OpenAlertDialog(nullptr, *context, *prompter));
    EXPECT_TRUE(SameAlertSettings(context->workspace.working.Alert, settings));

    answerWith("CommandOK");
    EXPECT_TRUE(OpenAlertDialog(nullptr, *context, *prompter));
    EXPECT_EQ(context->workspace.working.Alert.cycles, 9);
}

} // namespace
} // namespace kpt740
