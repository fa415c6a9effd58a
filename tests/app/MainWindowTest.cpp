#include "AppTestSupport.h"
#include "app/ChannelGridModel.h"
#include "app/ChannelGridView.h"
#include "app/HelpWindow.h"
#include "app/Localisation.h"
#include "app/StartUp.h"
#include "app/TreeSplitter.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QSplitterHandle>
#include <QStackedWidget>
#include <QStatusBar>
#include <QTest>
#include <QTextBrowser>
#include <QTimer>
#include <QToolBar>
#include <QTreeWidget>

namespace kpt740 {
namespace {

using test::TestText;

class MainWindowTest : public test::AppTest {
protected:
    void SetUp() override {
        test::AppTest::SetUp();
        context = std::make_unique<AppContext>(environment());
        RunStartUpSequence(*context);
    }
    void TearDown() override {
        window.reset();
        context.reset();
        test::AppTest::TearDown();
    }
    test::RecordingMainWindow& open(QSize size = {1000, 700}) {
        window = std::make_unique<test::RecordingMainWindow>(*context);
        window->resize(size);
        window->show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(window.get()));
        return *window;
    }
    static QStringList captions(const QList<QAction*>& actions) {
        QStringList result;
        for (const QAction* action : actions) {
            result << (action->isSeparator() ? QStringLiteral("-") : action->text());
        }
        return result;
    }
    // Runs `answer` on the next modal dialog that opens.
    static void onNextDialog(std::function<void(QWidget*)> answer) {
        QTimer::singleShot(0, [answer] {
            QWidget* dialog = QApplication::activeModalWidget();
            ASSERT_NE(dialog, nullptr);
            answer(dialog);
        });
    }

    std::unique_ptr<AppContext> context;
    std::unique_ptr<test::RecordingMainWindow> window;
};

TEST_F(MainWindowTest, TitleShowsTypeBandAndFile) {
    auto& w = open();
    EXPECT_EQ(w.windowTitle(),
              QStringLiteral("KPT740[KPT740:Rx(400 - 489.9950 MHz) Tx(400 - 489.9950 MHz)]"
                             "[E2012:new.dat]"));
    context->workspace.ConfigFileName = "C:\\data\\site1.dat";
    w.ShowListByData();
    EXPECT_TRUE(w.windowTitle().endsWith(QStringLiteral("[E2012:C:\\data\\site1.dat]")));
}

TEST_F(MainWindowTest, TreeNodesAndWhatEachOpens) {
    auto& w = open();
    QTreeWidget* tree = w.tree();
    ASSERT_EQ(tree->topLevelItemCount(), 1);
    QTreeWidgetItem* root = tree->topLevelItem(0);
    EXPECT_EQ(root->text(0), QStringLiteral("KPT740"));
    EXPECT_TRUE(root->isExpanded());

    struct Node {
        const char* key;
        QString caption;
        const char* hook;
    };
    const std::vector<Node> nodes{
        {"N1", "CH", nullptr},
        {"N4", TestText(1, 5021), "openOptionDialog"},
        {"N5", TestText(1, 5023), "openDtmfDialog"},
        {"N6", TestText(1, 5024), "openTwoToneDialog"},
        {"N7", TestText(1, 5025), "openFiveToneDialog"},
        {"N10", TestText(1, 2400), "openScanDialog"},
        {"N8", TestText(1, 5804), "openCommBookDialog"},
        {"N9", TestText(1, 5028), "readEmbeddedMessage"},
    };
    ASSERT_EQ(root->childCount(), static_cast<int>(nodes.size()));
    for (int i = 0; i < root->childCount(); ++i) {
        const Node& node = nodes[static_cast<std::size_t>(i)];
        QTreeWidgetItem* item = root->child(i);
        EXPECT_EQ(item, w.treeNode(QString::fromLatin1(node.key)));
        EXPECT_EQ(item->text(0), node.caption) << node.key;

        w.calls.clear();
        w.gridStack()->setCurrentIndex(2);
        QTest::mouseClick(tree->viewport(), Qt::LeftButton, {},
                          tree->visualItemRect(item).center());
        QStringList expected{QStringLiteral("hideGridEditors")};
        if (node.hook != nullptr) {
            expected << QString::fromLatin1(node.hook);
            EXPECT_EQ(w.gridStack()->currentIndex(), 2) << node.key;
        } else {
            EXPECT_EQ(w.gridStack()->currentIndex(), 0) << node.key;
        }
        EXPECT_EQ(w.calls, expected) << node.key;
    }
    w.calls.clear();
    QTest::mouseClick(tree->viewport(), Qt::LeftButton, {}, tree->visualItemRect(root).center());
    EXPECT_EQ(w.calls, QStringList{QStringLiteral("hideGridEditors")});
}

TEST_F(MainWindowTest, MenusItemsShortcutsAndHiddenItems) {
    auto& w = open();
    QStringList titles;
    for (QAction* menu : w.menuBar()->actions()) {
        titles << menu->text();
    }
    EXPECT_EQ(titles, (QStringList{TestText(1, 1000), TestText(1, 1060), TestText(1, 1010),
                                   TestText(1, 1030), TestText(1, 1040), TestText(1, 1020),
                                   TestText(1, 1050)}));

    auto menu = [&](const char* name) {
        return captions(w.findChild<QMenu*>(QString::fromLatin1(name))->actions());
    };
    auto t = [](int id) { return TestText(1, id); };
    EXPECT_EQ(menu("MenuFile"),
              (QStringList{t(1001), t(1002), t(1003), t(1004), "-", t(1005), "-", t(1006)}));
    EXPECT_EQ(menu("MenuModel"), QStringList{t(1061)});
    EXPECT_EQ(menu("MenuEdit"), (QStringList{t(1011), t(1021), t(1022), t(1023), t(1024), t(1025),
                                             t(2401), t(2601), t(1804), t(1028)}));
    EXPECT_EQ(menu("MenuSettings"), (QStringList{t(1031), t(1032), t(1033)}));
    EXPECT_EQ(menu("MenuProgram"), (QStringList{t(1041), t(1042), t(1043)}));
    EXPECT_EQ(menu("MenuView"), (QStringList{t(1026), t(1027)}));
    EXPECT_EQ(menu("MenuHelp"), (QStringList{t(1051), t(1052)}));

    struct Item {
        const char* name;
        const char* hook;
    };
    const std::vector<Item> items{
        {"MnuNew", "newFile"},
        {"MnuOpen", "openFile"},
        {"MnuSave", "saveFile"},
        {"MnuSaveAs", "saveFileAs"},
        {"MnuPrint", "printSelection"},
        {"MnuOption", "openOptionDialog"},
        {"MnuDTMF", "openDtmfDialog"},
        {"Mnu2Tone", "openTwoToneDialog"},
        {"Mnu5Tone", "openFiveToneDialog"},
        {"MnuScan", "openScanDialog"},
        {"MnuAlert", "openAlertDialog"},
        {"MnuCommBook", "openCommBookDialog"},
        {"MnuEMg", "readEmbeddedMessage"},
        {"MnuPort", "openPortDialog"},
        {"MnuRead", "readRadio"},
        {"MnuWrite", "writeRadio"},
        {"MnuPassword", "openPasswordDialog"},
    };
    for (const Item& item : items) {
        w.calls.clear();
        QAction* action = w.action(QString::fromLatin1(item.name));
        ASSERT_NE(action, nullptr) << item.name;
        action->trigger();
        EXPECT_EQ(w.calls, QStringList{QString::fromLatin1(item.hook)}) << item.name;
    }
    w.calls.clear();
    w.action(QStringLiteral("MnuHidden"))->trigger();
    EXPECT_TRUE(w.calls.isEmpty());

    const std::vector<std::pair<const char*, QKeySequence>> shortcuts{
        {"MnuNew", QKeySequence(QStringLiteral("Ctrl+N"))},
        {"MnuOpen", QKeySequence(QStringLiteral("Ctrl+O"))},
        {"MnuSave", QKeySequence(QStringLiteral("Ctrl+S"))},
        {"MnuSaveAs", QKeySequence()},
        {"MnuExit", QKeySequence()},
    };
    for (const auto& [name, keys] : shortcuts) {
        EXPECT_EQ(w.action(QString::fromLatin1(name))->shortcut(), keys) << name;
    }
    w.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&w));
    w.calls.clear();
    QTest::keyClick(&w, Qt::Key_N, Qt::ControlModifier);
    QTest::keyClick(&w, Qt::Key_O, Qt::ControlModifier);
    QTest::keyClick(&w, Qt::Key_S, Qt::ControlModifier);
    EXPECT_EQ(w.calls, (QStringList{"newFile", "openFile", "saveFile"}));

    for (const char* hidden : {"MnuHidden", "MnuAlert"}) {
        EXPECT_FALSE(w.action(QString::fromLatin1(hidden))->isVisible()) << hidden;
    }
    for (const char* shown : {"MnuDTMF", "Mnu2Tone", "Mnu5Tone", "MnuScan", "MnuEMg"}) {
        EXPECT_TRUE(w.action(QString::fromLatin1(shown))->isVisible()) << shown;
    }
    for (const char* checked : {"MnuToolbar", "MnuStatusBar"}) {
        EXPECT_TRUE(w.action(QString::fromLatin1(checked))->isCheckable()) << checked;
        EXPECT_TRUE(w.action(QString::fromLatin1(checked))->isChecked()) << checked;
    }
}

TEST_F(MainWindowTest, ToolbarKeysTooltipsAndIcons) {
    auto& w = open();
    QToolBar* bar = w.findChild<QToolBar*>(QStringLiteral("ToolBar"));
    ASSERT_NE(bar, nullptr);
    QStringList keys;
    QStringList tips;
    for (QAction* action : bar->actions()) {
        keys << (action->isSeparator() ? QStringLiteral("-") : action->objectName());
        if (!action->isSeparator()) {
            tips << action->toolTip();
            EXPECT_FALSE(action->icon().isNull()) << action->objectName().toStdString();
        }
    }
    EXPECT_EQ(keys, (QStringList{"TNewFile", "TOpenFile", "TSaveFile", "-", "TCommRead",
                                 "TCommPort", "TCommWrite", "-", "TAbout"}));
    EXPECT_EQ(tips,
              (QStringList{TestText(1, 1001), TestText(1, 1002), TestText(1, 1003),
                           TestText(1, 1041), QString(), TestText(1, 1042), TestText(1, 1052)}));

    const std::vector<std::pair<const char*, const char*>> commands{
        {"TNewFile", "newFile"},    {"TOpenFile", "openFile"},       {"TSaveFile", "saveFile"},
        {"TCommRead", "readRadio"}, {"TCommPort", "openPortDialog"}, {"TCommWrite", "writeRadio"},
    };
    for (const auto& [key, hook] : commands) {
        w.calls.clear();
        w.action(QString::fromLatin1(key))->trigger();
        EXPECT_EQ(w.calls, QStringList{QString::fromLatin1(hook)}) << key;
    }
    w.calls.clear();
    w.toolbarCommand(QStringLiteral("TUnknown"));
    EXPECT_TRUE(w.calls.isEmpty());
}

TEST_F(MainWindowTest, SplitterLimits) {
    auto& w = open({1000, 700});
    TreeSplitter* splitter = w.splitter();
    const int minimum = TwipsToPixels(&w, 30);
    auto treeWidth = [&] { return w.tree()->width(); };

    splitter->setPosition(0);
    QApplication::processEvents();
    EXPECT_EQ(treeWidth(), minimum);
    splitter->setPosition(PixelsToTwips(&w, 300));
    QApplication::processEvents();
    EXPECT_EQ(treeWidth(), 300);
    EXPECT_EQ(splitter->position(), PixelsToTwips(&w, 300));

    // Dragging stops at 30 twips and at half the window width.
    QSplitterHandle* handle = splitter->handle(1);
    auto drag = [&](int toSplitterX) {
        const QPoint start(handle->width() / 2, 10);
        QTest::mousePress(handle, Qt::LeftButton, {}, start);
        const QPoint target(toSplitterX + start.x(), 10);
        QMouseEvent move(QEvent::MouseMove, handle->mapFromGlobal(splitter->mapToGlobal(target)),
                         splitter->mapToGlobal(target), Qt::NoButton, Qt::LeftButton,
                         Qt::NoModifier);
        QApplication::sendEvent(handle, &move);
        QTest::mouseRelease(handle, Qt::LeftButton, {},
                            handle->mapFromGlobal(splitter->mapToGlobal(target)));
        QApplication::processEvents();
    };
    drag(900);
    EXPECT_EQ(treeWidth(), w.width() / 2);
    drag(-200);
    EXPECT_EQ(treeWidth(), minimum);
    drag(250);
    EXPECT_EQ(treeWidth(), 250);

    // A layout position never passes 30 twips short of the window's right edge.
    splitter->setPosition(100000);
    QApplication::processEvents();
    EXPECT_LE(treeWidth(), w.width() - minimum);
    EXPECT_GT(treeWidth(), w.width() / 2);

    // The window cannot be made narrower than 3,000 twips.
    EXPECT_EQ(w.minimumWidth(), TwipsToPixels(&w, 3000));
    w.resize(50, 400);
    EXPECT_EQ(w.width(), TwipsToPixels(&w, 3000));
}

TEST_F(MainWindowTest, HidingTheBarsGivesTheTreeAndGridTheRoom) {
    auto& w = open();
    QWidget* central = w.centralWidget();
    QToolBar* bar = w.findChild<QToolBar*>(QStringLiteral("ToolBar"));
    const int menuBottom = w.menuBar()->geometry().bottom();
    EXPECT_GT(central->geometry().top(), menuBottom + 1);
    EXPECT_LT(central->geometry().bottom(), w.statusBar()->geometry().top());

    w.action(QStringLiteral("MnuToolbar"))->trigger();
    QApplication::processEvents();
    EXPECT_FALSE(w.action(QStringLiteral("MnuToolbar"))->isChecked());
    EXPECT_FALSE(bar->isVisible());
    EXPECT_EQ(central->geometry().top(), menuBottom + 1);

    w.action(QStringLiteral("MnuStatusBar"))->trigger();
    QApplication::processEvents();
    EXPECT_FALSE(w.action(QStringLiteral("MnuStatusBar"))->isChecked());
    EXPECT_FALSE(w.statusBar()->isVisible());
    EXPECT_EQ(central->geometry().bottom(), w.height() - 1);

    w.action(QStringLiteral("MnuToolbar"))->trigger();
    w.action(QStringLiteral("MnuStatusBar"))->trigger();
    QApplication::processEvents();
    EXPECT_TRUE(w.action(QStringLiteral("MnuToolbar"))->isChecked());
    EXPECT_TRUE(bar->isVisible());
    EXPECT_TRUE(w.statusBar()->isVisible());
    EXPECT_TRUE(w.statusBar()->currentMessage().isEmpty());
}

TEST_F(MainWindowTest, PlacementIsRestoredAndSavedInTwipsUnlessMinimized) {
    {
        QSettings store(placementFile(), QSettings::IniFormat);
        store.setValue("Settings/MainLeft", "1500");
        store.setValue("Settings/MainTop", "750");
        store.setValue("Settings/MainWidth", "12000");
        store.setValue("Settings/MainHeight", "9000");
    }
    window = std::make_unique<test::RecordingMainWindow>(*context);
    EXPECT_EQ(window->pos(),
              QPoint(TwipsToPixels(window.get(), 1500), TwipsToPixels(window.get(), 750)));
    EXPECT_EQ(window->size(),
              QSize(TwipsToPixels(window.get(), 12000), TwipsToPixels(window.get(), 9000)));

    window->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
    window->setGeometry(150, 90, 840, 630);
    QApplication::processEvents();
    const QRect frame = window->frameGeometry();
    EXPECT_TRUE(window->close());
    {
        QSettings store(placementFile(), QSettings::IniFormat);
        EXPECT_EQ(store.value("Settings/MainLeft").toString(),
                  QString::number(PixelsToTwips(window.get(), frame.x())));
        EXPECT_EQ(store.value("Settings/MainTop").toString(),
                  QString::number(PixelsToTwips(window.get(), frame.y())));
        EXPECT_EQ(store.value("Settings/MainWidth").toString(),
                  QString::number(PixelsToTwips(window.get(), frame.width())));
        EXPECT_EQ(store.value("Settings/MainHeight").toString(),
                  QString::number(PixelsToTwips(window.get(), frame.height())));
    }

    // Closed while minimized: the stored values stay.
    QSettings before(placementFile(), QSettings::IniFormat);
    const QString width = before.value("Settings/MainWidth").toString();
    window = std::make_unique<test::RecordingMainWindow>(*context);
    window->show();
    window->resize(500, 300);
    window->showMinimized();
    EXPECT_TRUE(window->close());
    QSettings after(placementFile(), QSettings::IniFormat);
    EXPECT_EQ(after.value("Settings/MainWidth").toString(), width);
}

TEST_F(MainWindowTest, MissingPlacementFillsTheScreen) {
    window = std::make_unique<test::RecordingMainWindow>(*context);
    const QSize screen = QGuiApplication::primaryScreen()->size();
    EXPECT_EQ(window->pos(), QPoint(0, 0));
    EXPECT_EQ(window->size(), screen);
}

TEST_F(MainWindowTest, ClosingAModifiedConfigurationAsksFirst) {
    auto& w = open();
    context->workspace.working.Channels.DeleteChannel(kPositionVfo);
    ASSERT_TRUE(context->workspace.IsModified());

    struct Case {
        PromptAnswer answer;
        bool saveSucceeds;
        bool closes;
        bool saves;
    };
    const Case cases[] = {
        {PromptAnswer::Cancel, false, false, false},
        {PromptAnswer::Yes, false, false, true}, // the save failed or was cancelled
        {PromptAnswer::No, false, true, false},
        {PromptAnswer::Yes, true, true, true},
    };
    for (const Case& c : cases) {
        if (!w.isVisible()) {
            w.show();
        }
        prompter->clear();
        w.calls.clear();
        w.saveSucceeds = c.saveSucceeds;
        prompter->queueAnswer(c.answer);
        EXPECT_EQ(w.close(), c.closes);
        EXPECT_EQ(w.isVisible(), !c.closes);
        ASSERT_EQ(prompter->asked().size(), 1u);
        EXPECT_EQ(prompter->asked()[0].text, TestText(1, 9001));
        EXPECT_EQ(prompter->asked()[0].buttons, PromptButtons::YesNoCancel);
        EXPECT_EQ(w.calls.contains(QStringLiteral("saveFile")), c.saves);
    }
}

TEST_F(MainWindowTest, ClosingAnUnchangedConfigurationClosesItsOwnWindows) {
    auto& w = open();
    test::WriteFile(programFolder() / "help" / "english" / "index.html",
                    "<html><head><title>Help EN</title></head><body>Welcome</body></html>");
    w.action(QStringLiteral("MnuContents"))->trigger();
    ASSERT_NE(w.helpWindow(), nullptr);
    EXPECT_TRUE(w.helpWindow()->isVisible());
    EXPECT_TRUE(w.close());
    EXPECT_TRUE(prompter->asked().empty());
    EXPECT_FALSE(w.helpWindow()->isVisible());
}

TEST_F(MainWindowTest, HelpShowsThePagesOfTheCurrentLanguage) {
    test::WriteFile(programFolder() / "help" / "english" / "index.html",
                    "<html><head><title>Help EN</title></head><body><a href=\"more.html\">"
                    "more</a></body></html>");
    test::WriteFile(programFolder() / "help" / "chinese" / "index.html",
                    "<html><head><title>帮助</title></head><body>欢迎</body></html>");
    auto& w = open();
    w.action(QStringLiteral("MnuContents"))->trigger();
    HelpWindow* help = w.helpWindow();
    ASSERT_NE(help, nullptr);
    EXPECT_EQ(help->browser()->source().toLocalFile(),
              QString::fromStdString((programFolder() / "help/english/index.html").string()));
    EXPECT_EQ(help->windowTitle(), QStringLiteral("Help EN"));

    w.changeLanguage(kSimplifiedChinese);
    w.action(QStringLiteral("MnuContents"))->trigger();
    EXPECT_EQ(w.helpWindow(), help);
    EXPECT_EQ(help->windowTitle(), QStringLiteral("帮助"));
    EXPECT_TRUE(help->browser()->toPlainText().contains(QStringLiteral("欢迎")));
}

TEST_F(MainWindowTest, InitializeRunsNewWithItsFlag) {
    auto& w = open();
    w.action(QStringLiteral("MnuInitialize"))->trigger();
    EXPECT_EQ(w.calls, QStringList{QStringLiteral("newFile")});
    EXPECT_TRUE(w.initializingDuringNew);
    EXPECT_FALSE(w.initializing());
    w.action(QStringLiteral("MnuNew"))->trigger();
    EXPECT_FALSE(w.initializingDuringNew);
}

TEST_F(MainWindowTest, LanguageSwitchReCaptionsTheWindowButNotAnOpenDialog) {
    auto& w = open();
    // A dialog that is open while the language changes keeps its texts.
    auto* about = new QDialog(&w);
    auto* aboutLabel = new QLabel(about);
    aboutLabel->setObjectName(QStringLiteral("OpenDialogLabel"));
    SetTextId(aboutLabel, 2100);
    LocaliseForm(about, context->text);
    about->show();
    EXPECT_EQ(aboutLabel->text(), TestText(1, 2100));

    // Cancel changes nothing.
    onNextDialog([](QWidget* dialog) {
        dialog->findChild<QComboBox*>(QStringLiteral("LanguageList"))->setCurrentIndex(1);
        QTest::mouseClick(dialog->findChild<QPushButton*>(QStringLiteral("CommandCancel")),
                          Qt::LeftButton);
    });
    w.action(QStringLiteral("MnuLanguage"))->trigger();
    EXPECT_EQ(context->languageIndex(), kEnglish);
    EXPECT_EQ(w.findChild<QMenu*>(QStringLiteral("MenuFile"))->title(), TestText(1, 1000));

    QStringList dialogTexts;
    onNextDialog([&dialogTexts](QWidget* dialog) {
        auto* list = dialog->findChild<QComboBox*>(QStringLiteral("LanguageList"));
        dialogTexts << dialog->windowTitle()
                    << dialog->findChild<QLabel*>(QStringLiteral("LanguageLabel"))->text();
        for (int i = 0; i < list->count(); ++i) {
            dialogTexts << list->itemText(i);
        }
        dialogTexts << QString::number(list->currentIndex());
        dialogTexts << dialog->findChild<QPushButton*>(QStringLiteral("CommandOK"))->text();
        list->setCurrentIndex(1);
        QTest::mouseClick(dialog->findChild<QPushButton*>(QStringLiteral("CommandOK")),
                          Qt::LeftButton);
    });
    w.action(QStringLiteral("MnuLanguage"))->trigger();
    EXPECT_EQ(dialogTexts,
              (QStringList{TestText(1, 1503), TestText(1, 1503), TestText(1, 1501),
                           TestText(1, 1502), TestText(1, 1504), "0", TestText(1, 101)}));

    EXPECT_EQ(context->languageIndex(), kSimplifiedChinese);
    EXPECT_EQ(w.findChild<QMenu*>(QStringLiteral("MenuFile"))->title(), TestText(2, 1000));
    EXPECT_EQ(w.action(QStringLiteral("MnuRead"))->text(), TestText(2, 1041));
    EXPECT_EQ(w.action(QStringLiteral("TCommRead"))->toolTip(), TestText(2, 1041));
    EXPECT_EQ(w.action(QStringLiteral("TCommPort"))->toolTip(), QString());
    EXPECT_EQ(w.treeNode(QStringLiteral("N4"))->text(0), TestText(2, 5021));
    EXPECT_EQ(w.treeNode(QStringLiteral("N1"))->text(0), QStringLiteral("CH"));
    EXPECT_EQ(w.channelModel()->cellText(0, 1), TestText(2, 1101));
    EXPECT_EQ(w.channelModel()->cellText(203, 8), TestText(2, 1206));
    EXPECT_TRUE(w.windowTitle().endsWith(TestText(2, 2012) + QStringLiteral(":new.dat]")));
    EXPECT_EQ(w.fileFilter(), QStringLiteral("数据文件 (*.dat)"));
    EXPECT_EQ(context->helpFile(), std::filesystem::path("help/chinese/index.html"));
    EXPECT_EQ(aboutLabel->text(), TestText(1, 2100));

    // The language dialog opens on the current language.
    onNextDialog([](QWidget* dialog) {
        auto* list = dialog->findChild<QComboBox*>(QStringLiteral("LanguageList"));
        EXPECT_EQ(list->currentIndex(), 1);
        EXPECT_EQ(dialog->windowTitle(), TestText(2, 1503));
        list->setCurrentIndex(2);
        QTest::mouseClick(dialog->findChild<QPushButton*>(QStringLiteral("CommandOK")),
                          Qt::LeftButton);
    });
    w.action(QStringLiteral("MnuLanguage"))->trigger();
    EXPECT_EQ(w.findChild<QMenu*>(QStringLiteral("MenuHelp"))->title(), TestText(3, 1050));
    EXPECT_EQ(context->helpFile(), std::filesystem::path("help/tchinese/index.html"));

    w.changeLanguage(7);
    EXPECT_EQ(context->languageIndex(), kEnglish);
    EXPECT_EQ(w.findChild<QMenu*>(QStringLiteral("MenuHelp"))->title(), TestText(1, 1050));
}

TEST_F(MainWindowTest, FontComesFromTexts20And21) {
    auto& w = open();
    EXPECT_EQ(w.font().family(), QStringLiteral("DejaVu Sans"));
    EXPECT_EQ(w.font().pointSize(), 10);
    EXPECT_EQ(w.tree()->font().pointSize(), 10);
    EXPECT_EQ(w.findChild<QMenu*>(QStringLiteral("MenuEdit"))->font().pointSize(), 10);
}

} // namespace
} // namespace kpt740
