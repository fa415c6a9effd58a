#include "AppTestSupport.h"
#include "app/ChannelGridModel.h"
#include "app/ProgramMainWindow.h"
#include "app/StartUp.h"

#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QTimer>
#include <filesystem>
#include <functional>

namespace kpt740 {
namespace {

const QString kClearAll = QStringLiteral("All data will be cleared.");
const QString kSaveQuestion = QStringLiteral("E9001");
const QString kModified = QStringLiteral("File has been modify,save it now?");
const QString kFileError = QStringLiteral("file error.");

ChannelRecord Channel(int position, const char* name) {
    ChannelRecord r = BlankChannel(position);
    r.InUse = 1;
    r.RxFrequency = "040012500";
    r.Offset = "000500000";
    r.Name = name;
    return r;
}

class FileCommandsTest : public test::AppTest {
protected:
    void SetUp() override {
        test::AppTest::SetUp();
        context = std::make_unique<AppContext>(environment());
        RunStartUpSequence(*context);
        window = std::make_unique<ProgramMainWindow>(*context);
        std::filesystem::create_directories(dataFolder());
    }
    void TearDown() override {
        window.reset();
        context.reset();
        test::AppTest::TearDown();
    }

    std::filesystem::path dataFolder() const { return userFolder() / "data"; }
    QString dataPath(const char* name) const {
        return QString::fromStdString((dataFolder() / name).string());
    }
    Workspace& workspace() { return context->workspace; }
    void modify(const char* name = "EDIT") {
        workspace().working.Channels.put(Channel(8, name));
        window->ShowListByData();
    }
    void run(const char* actionName) { window->action(QString::fromLatin1(actionName))->trigger(); }
    QStringList askedTexts() const {
        QStringList texts;
        for (const PromptRequest& request : prompter->asked()) {
            texts << request.text;
        }
        return texts;
    }
    // A configuration with channel 7 named `name`, saved to `path` through Save As.
    void saveAs(const QString& path, const char* name) {
        modify(name);
        prompter->queueFileName(path);
        run("MnuSaveAs");
        prompter->clear();
    }

    std::unique_ptr<AppContext> context;
    std::unique_ptr<ProgramMainWindow> window;
};

TEST_F(FileCommandsTest, NewAsksInItsOrder) {
    struct Case {
        const char* name;
        bool modified;
        bool initialize;
        std::vector<PromptAnswer> answers;
        QStringList expectedQuestions;
        bool cleared;
    };
    const std::vector<Case> cases{
        {"unchanged, OK", false, false, {PromptAnswer::Ok}, {kClearAll}, true},
        {"unchanged, Cancel", false, false, {PromptAnswer::Cancel}, {kClearAll}, false},
        {"modified, No, OK",
         true,
         false,
         {PromptAnswer::No, PromptAnswer::Ok},
         {kSaveQuestion, kClearAll},
         true},
        // Cancel to the save question does not end the command: the confirmation follows.
        {"modified, Cancel, OK",
         true,
         false,
         {PromptAnswer::Cancel, PromptAnswer::Ok},
         {kSaveQuestion, kClearAll},
         true},
        {"modified, Cancel, Cancel",
         true,
         false,
         {PromptAnswer::Cancel, PromptAnswer::Cancel},
         {kSaveQuestion, kClearAll},
         false},
        {"Initialize, unchanged", false, true, {}, {}, true},
        {"Initialize, modified", true, true, {PromptAnswer::No}, {kSaveQuestion}, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        workspace().NewConfiguration();
        if (c.modified) {
            modify();
        }
        prompter->clear();
        for (const PromptAnswer answer : c.answers) {
            prompter->queueAnswer(answer);
        }
        if (c.initialize) {
            window->initialize();
        } else {
            run("MnuNew");
        }
        EXPECT_EQ(askedTexts(), c.expectedQuestions);
        for (const PromptRequest& request : prompter->asked()) {
            EXPECT_EQ(request.icon, MessageIcon::Warning);
        }
        EXPECT_EQ(workspace().working.Channels.find(8) == nullptr, c.cleared || !c.modified);
        EXPECT_EQ(window->channelModel()->cellText(8, 1).isEmpty(), c.cleared || !c.modified);
        if (c.cleared) {
            EXPECT_FALSE(workspace().IsModified());
            EXPECT_EQ(workspace().ConfigFileName, "new.dat");
            EXPECT_TRUE(window->windowTitle().endsWith(QStringLiteral(":new.dat]")));
        }
    }
}

TEST_F(FileCommandsTest, YesToTheSaveQuestionOfNewSavesFirst) {
    modify("KEEP");
    prompter->queueAnswer(PromptAnswer::Yes);
    prompter->queueFileName(dataPath("kept.dat"));
    prompter->queueAnswer(PromptAnswer::Ok);
    run("MnuNew");
    EXPECT_EQ(askedTexts(), (QStringList{kSaveQuestion, kClearAll}));
    ASSERT_EQ(prompter->fileRequests().size(), 1u);
    EXPECT_TRUE(prompter->fileRequests()[0].save);
    EXPECT_TRUE(std::filesystem::exists(dataFolder() / "kept.dat"));
    EXPECT_EQ(workspace().working.Channels.find(8), nullptr);
}

TEST_F(FileCommandsTest, SaveOfAnUntitledConfigurationGoesToSaveAs) {
    modify("SITE");
    prompter->queueFileName(dataPath("site1.dat"));
    run("MnuSave");
    EXPECT_TRUE(prompter->asked().empty()) << askedTexts().join(QLatin1Char('|')).toStdString();
    ASSERT_EQ(prompter->fileRequests().size(), 1u);
    const FileRequest& request = prompter->fileRequests()[0];
    EXPECT_TRUE(request.save);
    EXPECT_EQ(request.filter, QStringLiteral("Data File (*.dat)"));
    EXPECT_EQ(request.directory, QStringLiteral("new.dat"));
    EXPECT_TRUE(std::filesystem::exists(dataFolder() / "site1.dat"));
    EXPECT_TRUE(std::filesystem::exists(dataFolder() / "site1.fre"));
    EXPECT_FALSE(workspace().IsUntitled);
    EXPECT_FALSE(workspace().IsModified());
    EXPECT_TRUE(window->windowTitle().endsWith(dataPath("site1.dat") + QLatin1Char(']')));

    // Cancel in the file dialog changes nothing.
    prompter->clear();
    workspace().NewConfiguration();
    modify();
    run("MnuSave");
    EXPECT_EQ(prompter->fileRequests().size(), 1u);
    EXPECT_TRUE(workspace().IsUntitled);
    EXPECT_TRUE(workspace().IsModified());
}

TEST_F(FileCommandsTest, SaveOfANamedFileAsksToOverwrite) {
    saveAs(dataPath("site1.dat"), "FIRST");
    const auto size = std::filesystem::file_size(dataFolder() / "site1.fre");
    modify("SECOND");
    workspace().working.Channels.put(Channel(9, "THIRD"));

    prompter->queueAnswer(PromptAnswer::Cancel);
    run("MnuSave");
    ASSERT_EQ(prompter->asked().size(), 1u);
    const PromptRequest& prompt = prompter->asked()[0];
    EXPECT_EQ(prompt.text, QStringLiteral("\"site1.dat\"file will be Overwrite,Continue?"));
    EXPECT_EQ(prompt.buttons, PromptButtons::OkCancel);
    EXPECT_EQ(prompt.icon, MessageIcon::Question);
    EXPECT_TRUE(prompter->fileRequests().empty());
    EXPECT_EQ(std::filesystem::file_size(dataFolder() / "site1.fre"), size);
    EXPECT_TRUE(workspace().IsModified());

    prompter->clear();
    prompter->queueAnswer(PromptAnswer::Ok);
    run("MnuSave");
    EXPECT_EQ(prompter->asked().size(), 1u);
    EXPECT_GT(std::filesystem::file_size(dataFolder() / "site1.fre"), size);
    EXPECT_FALSE(workspace().IsModified());
}

TEST_F(FileCommandsTest, OpenAsksAboutChangesThenLoadsTheChosenFile) {
    saveAs(dataPath("site1.dat"), "ONDISK");
    workspace().NewConfiguration();
    window->ShowListByData();
    modify("MEMORY");

    // Cancel to the question ends the command before the file dialog.
    prompter->queueAnswer(PromptAnswer::Cancel);
    run("MnuOpen");
    EXPECT_EQ(askedTexts(), QStringList{kModified});
    EXPECT_TRUE(prompter->fileRequests().empty());

    // No goes on to the file dialog; cancelling it changes nothing.
    prompter->clear();
    prompter->queueAnswer(PromptAnswer::No);
    run("MnuOpen");
    ASSERT_EQ(prompter->fileRequests().size(), 1u);
    EXPECT_FALSE(prompter->fileRequests()[0].save);
    EXPECT_EQ(prompter->fileRequests()[0].filter, QStringLiteral("Data File (*.dat)"));
    EXPECT_EQ(workspace().working.Channels.find(8)->Name.value(), "MEMORY");

    prompter->clear();
    prompter->queueAnswer(PromptAnswer::No);
    prompter->queueFileName(dataPath("site1.dat"));
    run("MnuOpen");
    EXPECT_EQ(askedTexts(), QStringList{kModified});
    EXPECT_EQ(workspace().working.Channels.find(8)->Name.value(), "ONDISK");
    EXPECT_EQ(window->channelModel()->cellText(8, 3), QStringLiteral("ONDISK"));
    EXPECT_FALSE(workspace().IsModified());
    EXPECT_FALSE(workspace().IsUntitled);
    EXPECT_TRUE(window->windowTitle().endsWith(dataPath("site1.dat") + QLatin1Char(']')));

    // An unchanged configuration opens without a question.
    prompter->clear();
    prompter->queueFileName(dataPath("site1.dat"));
    run("MnuOpen");
    EXPECT_TRUE(prompter->asked().empty());
}

TEST_F(FileCommandsTest, AFileThatCannotBeReadKeepsWhatIsInMemory) {
    test::WriteFile(dataFolder() / "short.dat", "too short");
    const std::vector<QString> unreadable{dataPath("short.dat"), dataPath("missing.dat")};
    for (const QString& path : unreadable) {
        SCOPED_TRACE(path.toStdString());
        workspace().NewConfiguration();
        modify("MEMORY");
        prompter->clear();
        prompter->queueAnswer(PromptAnswer::No);
        prompter->queueFileName(path);
        run("MnuOpen");
        EXPECT_EQ(askedTexts(), (QStringList{kModified, kFileError}));
        EXPECT_EQ(prompter->asked().back().buttons, PromptButtons::Ok);
        ASSERT_NE(workspace().working.Channels.find(8), nullptr);
        EXPECT_EQ(workspace().working.Channels.find(8)->Name.value(), "MEMORY");
        EXPECT_TRUE(workspace().IsModified());
        EXPECT_EQ(workspace().ConfigFileName, "new.dat");
        EXPECT_TRUE(workspace().IsUntitled);
    }
}

TEST_F(FileCommandsTest, AFailedSaveReportsAndKeepsTheUnsavedState) {
    modify("MEMORY");
    prompter->queueFileName(
        QString::fromStdString((dataFolder() / "no-such-folder" / "x.dat").string()));
    run("MnuSaveAs");
    EXPECT_EQ(askedTexts(), QStringList{kFileError});
    EXPECT_TRUE(workspace().IsUntitled);
    EXPECT_TRUE(workspace().IsModified());
    EXPECT_EQ(workspace().ConfigFileName, "new.dat");
    EXPECT_TRUE(window->windowTitle().endsWith(QStringLiteral(":new.dat]")));
}

TEST_F(FileCommandsTest, TheSavePromptNamesOnlyTheFile) {
    // A Windows path keeps only what follows its last backslash.
    saveAs(dataPath("site1.dat"), "A");
    workspace().ConfigFileName = "C:\\radio\\site2.dat";
    run("MnuSave");
    EXPECT_EQ(askedTexts(),
              QStringList{QStringLiteral("\"site2.dat\"file will be Overwrite,Continue?")});
}

} // namespace
} // namespace kpt740

namespace kpt740 {
namespace {

// Every tree node and the grid open the real dialog of their command.
TEST_F(FileCommandsTest, CommandsOpenTheirDialogs) {
    struct Case {
        const char* what;
        std::function<void()> command;
        const char* dialog;
    };
    const Case cases[] = {
        {"N4", [this] { window->treeNodeClicked(QStringLiteral("N4")); }, "FrmOption"},
        {"N5", [this] { window->treeNodeClicked(QStringLiteral("N5")); }, "FrmDTMF"},
        {"N6", [this] { window->treeNodeClicked(QStringLiteral("N6")); }, "Frm2Tone"},
        {"N7", [this] { window->treeNodeClicked(QStringLiteral("N7")); }, "Frm5Tone"},
        {"N8", [this] { window->treeNodeClicked(QStringLiteral("N8")); }, "FrmCommuBook"},
        {"N10", [this] { window->treeNodeClicked(QStringLiteral("N10")); }, "FrmScan"},
        {"grid row 5", [this] { window->activateCell(5, 1); }, "FrmCHEdit"},
    };
    for (const auto& c : cases) {
        QString opened;
        // The dialog runs modal: look at it from the event loop it runs, then cancel it.
        QTimer::singleShot(0, [&opened] {
            if (QWidget* modal = QApplication::activeModalWidget()) {
                opened = modal->objectName();
                if (auto* dialog = qobject_cast<QDialog*>(modal)) {
                    dialog->reject();
                }
            }
        });
        c.command();
        EXPECT_EQ(opened, QString::fromLatin1(c.dialog)) << c.what;
    }
    EXPECT_FALSE(workspace().IsModified());
}

} // namespace
} // namespace kpt740
