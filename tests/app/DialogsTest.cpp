#include "AppTestSupport.h"
#include "app/AboutDialog.h"
#include "app/ChannelGridModel.h"
#include "app/Localisation.h"
#include "app/ModelTypeDialog.h"
#include "app/StartUp.h"
#include "app/SystemInfoWindow.h"

#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSysInfo>
#include <QTabWidget>
#include <QTest>
#include <QTimer>
#include <QToolBar>

namespace kpt740 {
namespace {

using test::TestText;

class DialogsTest : public test::AppTest {
protected:
    void SetUp() override {
        test::AppTest::SetUp();
        context = std::make_unique<AppContext>(environment({{3, "/dev/ttyUSB0", "USB serial"}}));
        RunStartUpSequence(*context);
    }
    void TearDown() override {
        context.reset();
        test::AppTest::TearDown();
    }
    std::unique_ptr<AppContext> context;
};

TEST_F(DialogsTest, ModelTypeDialogShowsTheModelAndTheBandPlans) {
    ModelTypeDialog dialog(context->workspace, context->text, *prompter);
    EXPECT_EQ(dialog.windowTitle(), TestText(1, 2300));
    EXPECT_EQ(dialog.findChild<QLabel*>(QStringLiteral("ModelLabel"))->text(), TestText(1, 2301));
    EXPECT_EQ(dialog.findChild<QLabel*>(QStringLiteral("BandLabel"))->text(), TestText(1, 2302));
    EXPECT_EQ(dialog.findChild<QPushButton*>(QStringLiteral("CommandOK"))->text(),
              TestText(1, 101));
    EXPECT_EQ(dialog.findChild<QPushButton*>(QStringLiteral("CommandCancel"))->text(),
              TestText(1, 102));
    auto* model = dialog.findChild<QComboBox*>(QStringLiteral("ModelList"));
    EXPECT_EQ(model->count(), 1);
    EXPECT_EQ(model->currentText(), QStringLiteral("KPT740"));
    EXPECT_FALSE(model->isEnabled());
    auto* band = dialog.findChild<QComboBox*>(QStringLiteral("BandList"));
    ASSERT_EQ(band->count(), 32);
    EXPECT_EQ(band->currentIndex(), 25);
    EXPECT_EQ(band->currentText(), QStringLiteral("Rx(400 - 489.9950 MHz) Tx(400 - 489.9950 MHz)"));
    EXPECT_EQ(band->itemText(2), QStringLiteral("Rx(136 - 173.99750 MHz) Tx(144 - 145.99750 MHz)"));
}

TEST_F(DialogsTest, ModelTypeDialogOkWithTheSameBandChangesNothing) {
    context->workspace.working.Channels.DeleteChannel(kPositionVfo);
    ModelTypeDialog dialog(context->workspace, context->text, *prompter);
    QTest::mouseClick(dialog.findChild<QPushButton*>(QStringLiteral("CommandOK")), Qt::LeftButton);
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_FALSE(dialog.bandChanged());
    EXPECT_TRUE(prompter->asked().empty());
    EXPECT_EQ(context->workspace.working.Channels.Count, 0);
}

TEST_F(DialogsTest, ANewBandAsksAndBuildsANewConfiguration) {
    struct Case {
        PromptAnswer answer;
        bool changed;
    };
    for (const Case c : {Case{PromptAnswer::Cancel, false}, Case{PromptAnswer::Ok, true}}) {
        context->workspace.working.Channels.put(BlankChannel(7));
        prompter->clear();
        prompter->queueAnswer(c.answer);
        ModelTypeDialog dialog(context->workspace, context->text, *prompter);
        dialog.findChild<QComboBox*>(QStringLiteral("BandList"))->setCurrentIndex(2);
        QTest::mouseClick(dialog.findChild<QPushButton*>(QStringLiteral("CommandOK")),
                          Qt::LeftButton);
        EXPECT_FALSE(dialog.isVisible());
        EXPECT_EQ(dialog.bandChanged(), c.changed);
        ASSERT_EQ(prompter->asked().size(), 1u);
        EXPECT_EQ(prompter->asked()[0].text, QStringLiteral("Frequency data will be cleared."));
        EXPECT_EQ(prompter->asked()[0].title, QStringLiteral("Warning"));
        EXPECT_EQ(prompter->asked()[0].buttons, PromptButtons::OkCancel);
        EXPECT_EQ(prompter->asked()[0].icon, MessageIcon::Warning);
        const Workspace& ws = context->workspace;
        if (!c.changed) {
            EXPECT_EQ(ws.identity.BandCode, 49);
            EXPECT_TRUE(ws.working.Channels.ChannelExists(7));
            continue;
        }
        EXPECT_EQ(ws.identity.BandCode, 2);
        EXPECT_EQ(ws.identity.BandText, "Rx(136 - 173.99750 MHz) Tx(144 - 145.99750 MHz)");
        EXPECT_DOUBLE_EQ(ws.identity.Limits.TxUpper, 145.9975);
        EXPECT_EQ(ws.working.BandCode, 2);
        EXPECT_FALSE(ws.working.Channels.ChannelExists(7));
        EXPECT_FALSE(ws.IsModified());
    }
}

TEST_F(DialogsTest, TheModelMenuRedrawsTheGridForTheNewBand) {
    test::RecordingMainWindow window(*context);
    context->setLanguage(kSimplifiedChinese);
    prompter->queueAnswer(PromptAnswer::Ok);
    QTimer::singleShot(0, [] {
        QWidget* dialog = QApplication::activeModalWidget();
        ASSERT_NE(dialog, nullptr);
        dialog->findChild<QComboBox*>(QStringLiteral("BandList"))->setCurrentIndex(24);
        QTest::mouseClick(dialog->findChild<QPushButton*>(QStringLiteral("CommandOK")),
                          Qt::LeftButton);
    });
    window.action(QStringLiteral("MnuModel"))->trigger();
    ASSERT_EQ(prompter->asked().size(), 1u);
    EXPECT_EQ(prompter->asked()[0].text, QStringLiteral("频率数据将被清除。"));
    EXPECT_EQ(prompter->asked()[0].title, QStringLiteral("警告"));
    EXPECT_EQ(context->workspace.identity.BandCode, 48);
    EXPECT_TRUE(window.windowTitle().contains(QStringLiteral("Rx(400 - 469.9950 MHz)")));
    EXPECT_EQ(window.channelModel()->cellText(203, 1), QStringLiteral("435.00000"));
}

TEST_F(DialogsTest, AboutBoxAndSystemInformation) {
    AboutDialog about(*context);
    EXPECT_EQ(about.findChild<QLabel*>(QStringLiteral("AboutTitle"))->text(),
              QStringLiteral("KPT740"));
    EXPECT_EQ(about.findChild<QLabel*>(QStringLiteral("AboutVersion"))->text(),
              TestText(1, 2200) + QStringLiteral(" 1.0.0"));
    EXPECT_EQ(about.findChild<QLabel*>(QStringLiteral("AboutDisclaimer"))->text(),
              TestText(1, 2100));
    EXPECT_EQ(about.findChild<QLabel*>(QStringLiteral("AboutDescription"))->text(),
              TestText(1, 2101));
    EXPECT_EQ(about.font().family(), QStringLiteral("DejaVu Sans"));

    about.show();
    QTest::mouseClick(about.findChild<QPushButton*>(QStringLiteral("CommandSysInfo")),
                      Qt::LeftButton);
    auto* info = about.findChild<SystemInfoWindow*>();
    ASSERT_NE(info, nullptr);
    EXPECT_TRUE(info->isVisible());
    const QString text = info->text();
    EXPECT_TRUE(
        text.contains(QStringLiteral("Operating system: ") + QSysInfo::prettyProductName()));
    EXPECT_TRUE(text.contains(QStringLiteral("Qt: ") + QString::fromLatin1(qVersion())));
    EXPECT_TRUE(text.contains(QStringLiteral("COM3  /dev/ttyUSB0  (USB serial)")));
    EXPECT_TRUE(text.contains(QStringLiteral("Settings file: ") +
                              QString::fromStdString(settingsFile().string())));
    QTest::mouseClick(about.findChild<QPushButton*>(QStringLiteral("CommandOK")), Qt::LeftButton);
    EXPECT_EQ(about.result(), QDialog::Accepted);

    SystemFacts none;
    EXPECT_TRUE(SystemInformationText(none).contains(QStringLiteral("Serial ports: none found")));
}

class LocalisationTest : public test::AppTest {};

TEST_F(LocalisationTest, IdsInTagsCaptionsAndTooltips) {
    LanguageText text(languageFolder(), kEnglish);
    QMainWindow window;
    SetTextId(&window, 2300);
    auto* label = new QLabel(QStringLiteral("design"), &window);
    SetTextId(label, 2301);
    auto* untagged = new QLabel(QStringLiteral("kept"), &window);
    auto* button = new QPushButton(QStringLiteral("design"), &window);
    SetTextId(button, 101);
    SetTipId(button, 102);
    auto* zeroTag = new QPushButton(QStringLiteral("kept"), &window);
    SetTextId(zeroTag, 0);
    auto* group = new QGroupBox(QStringLiteral("design"), &window);
    SetTextId(group, 2302);
    auto* tabs = new QTabWidget(&window);
    auto* page = new QWidget;
    SetTextId(page, 1000);
    SetTipId(page, 1001);
    tabs->addTab(page, QStringLiteral("design"));
    QMenu* menu = window.menuBar()->addMenu(QStringLiteral("1040"));
    QAction* numeric = menu->addAction(QStringLiteral("1041"));
    QAction* named = menu->addAction(QStringLiteral("Fixed caption"));
    QToolBar* bar = window.addToolBar(QStringLiteral("bar"));
    QAction* tipped = bar->addAction(QString());
    SetTipId(tipped, 1042);
    QAction* plain = bar->addAction(QString());
    auto* child = new QDialog(&window);
    auto* childLabel = new QLabel(QStringLiteral("child"), child);
    SetTextId(childLabel, 2301);

    LocaliseForm(&window, text);
    EXPECT_EQ(window.windowTitle(), TestText(1, 2300));
    EXPECT_EQ(label->text(), TestText(1, 2301));
    EXPECT_EQ(untagged->text(), QStringLiteral("kept"));
    EXPECT_EQ(button->text(), TestText(1, 101));
    EXPECT_EQ(button->toolTip(), TestText(1, 102));
    EXPECT_EQ(zeroTag->text(), QStringLiteral("kept"));
    EXPECT_EQ(group->title(), TestText(1, 2302));
    EXPECT_EQ(tabs->tabText(0), TestText(1, 1000));
    EXPECT_EQ(tabs->tabToolTip(0), TestText(1, 1001));
    EXPECT_EQ(menu->title(), TestText(1, 1040));
    EXPECT_EQ(numeric->text(), TestText(1, 1041));
    EXPECT_EQ(numeric->property(kTextIdProperty).toInt(), 1041);
    EXPECT_EQ(named->text(), QStringLiteral("Fixed caption"));
    EXPECT_EQ(tipped->toolTip(), TestText(1, 1042));
    EXPECT_EQ(plain->toolTip(), QString());
    EXPECT_EQ(childLabel->text(), QStringLiteral("child"));
    EXPECT_EQ(window.font().family(), QStringLiteral("DejaVu Sans"));
    EXPECT_EQ(window.font().pointSize(), 10);
    EXPECT_EQ(label->font().pointSize(), 10);
    EXPECT_EQ(menu->font().pointSize(), 10);

    // The ids survive in the tags: a second localisation in another language re-captions.
    text.setLanguageIndex(kTraditionalChinese);
    LocaliseForm(&window, text);
    EXPECT_EQ(numeric->text(), TestText(3, 1041));
    EXPECT_EQ(menu->title(), TestText(3, 1040));
    EXPECT_EQ(tipped->toolTip(), TestText(3, 1042));
    EXPECT_EQ(label->text(), TestText(3, 2301));
}

TEST_F(LocalisationTest, FontTextsThatDoNotApplyAreSkipped) {
    test::WriteFile(languageFolder() / "english.ini", "[OTHER]\n20=\n21=big\n101=  Close  \n");
    LanguageText text(languageFolder(), kEnglish);
    QDialog dialog;
    QFont font = dialog.font();
    font.setPointSize(13);
    dialog.setFont(font);
    auto* ok = new QPushButton(&dialog);
    auto* cancel = new QPushButton(QStringLiteral("design"), &dialog);
    LocaliseForm(&dialog, text);
    SetOkCancelCaptions(ok, cancel, text);
    EXPECT_EQ(dialog.font().pointSize(), 13);
    EXPECT_EQ(dialog.font().family(), font.family());
    EXPECT_EQ(ok->text(), QStringLiteral("Close"));
    EXPECT_EQ(cancel->text(), QString());

    // Close and Help come from the program's own table, in every language.
    const std::vector<std::pair<int, QStringList>> captions{
        {kEnglish, {"&Close", "&Help"}},
        {kSimplifiedChinese, {"关闭(&C)", "帮助(&H)"}},
        {kTraditionalChinese, {"關閉(&C)", "說明(&H)"}},
    };
    for (const auto& [language, expected] : captions) {
        text.setLanguageIndex(language);
        SetCloseHelpCaptions(ok, cancel, text);
        EXPECT_EQ((QStringList{ok->text(), cancel->text()}), expected) << language;
    }
}

} // namespace
} // namespace kpt740
