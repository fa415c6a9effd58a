#include "AppTestSupport.h"
#include "app/ChannelGridModel.h"
#include "app/EmbeddedInfoDialog.h"
#include "app/PasswordDialog.h"
#include "app/PortDialog.h"
#include "app/ProgramMainWindow.h"
#include "app/ProgressWindow.h"
#include "app/StartUp.h"
#include "config/ConfigurationCodec.h"
#include "core/Identity.h"
#include "features/fivetone/FiveToneCodeListModel.h"
#include "features/fivetone/FiveToneDialog.h"
#include "features/fivetone/FiveToneSettings.h"
#include "features/fivetone/FiveToneTextBox.h"
#include "text/IniFile.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QElapsedTimer>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QProcess>
#include <QProgressBar>
#include <QPushButton>
#include <QStyle>
#include <QTest>
#include <QTimer>
#include <QTreeWidget>
#include <filesystem>
#include <fstream>

namespace kpt740 {
namespace {

using test::TestText;

// Texts of the link and its dialogs, added to the test language files.
const std::vector<int> kLinkTextIds{1401, 1402, 2002, 2003, 2004, 2005,
                                    2006, 2007, 2008, 3100, 3101};

QString E(int id) {
    return TestText(1, id);
}

bool WaitFor(const std::function<bool()>& done, int milliseconds) {
    QElapsedTimer clock;
    clock.start();
    while (!done() && clock.elapsed() < milliseconds) {
        QApplication::processEvents(QEventLoop::AllEvents, 10);
    }
    return done();
}

// Ports that come and go while a dialog is open.
class ChangingPortLister final : public PortLister {
public:
    std::vector<ListedPort> ports() const override { return current; }
    std::vector<ListedPort> current;
};

std::vector<ListedPort> Ports(std::initializer_list<int> numbers) {
    std::vector<ListedPort> ports;
    for (const int number : numbers) {
        ports.push_back({number, "/dev/ttyUSB" + std::to_string(number), "USB serial"});
    }
    return ports;
}

class LinkDialogsTest : public test::AppTest {
protected:
    void SetUp() override {
        test::AppTest::SetUp();
        for (int language = 1; language <= 3; ++language) {
            std::string text = test::TestLanguageFile(language);
            std::string extra;
            for (const int id : kLinkTextIds) {
                extra += std::to_string(id) + "=" + TestText(language, id).toStdString() + "\n";
            }
            text.insert(text.find("[MSG]"), extra);
            test::WriteFile(languageFolder() / LanguageFileName(language), text);
        }
        ports = std::make_shared<ChangingPortLister>();
        AppEnvironment env = environment();
        env.ports = ports;
        context = std::make_unique<AppContext>(std::move(env));
        RunStartUpSequence(*context);
    }
    void TearDown() override {
        context.reset();
        test::AppTest::TearDown();
    }
    std::string settingsPort() const { return context->settings.read("language", "comPort"); }

    std::shared_ptr<ChangingPortLister> ports;
    std::unique_ptr<AppContext> context;
};

TEST_F(LinkDialogsTest, PortDialogSelectsTheCurrentPortOrTheFirst) {
    struct Case {
        const char* name;
        std::vector<ListedPort> present;
        int current;
        QStringList items;
        int selected;
        int portId;
    };
    const std::vector<Case> cases{
        {"current present", Ports({1, 4}), 4, {"COM1", "COM4"}, 1, 4},
        {"current absent", Ports({1, 4}), 9, {"COM1", "COM4"}, 0, 1},
        {"three digits", Ports({2, 123}), 123, {"COM2", "COM123"}, 1, 123},
        {"no port", {}, 4, {}, -1, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ports->current = c.present;
        context->values.comPort = c.current;
        PortDialog dialog(*context);
        EXPECT_EQ(dialog.windowTitle(), E(1401));
        EXPECT_EQ(dialog.findChild<QLabel*>(QStringLiteral("LabelPort"))->text(), E(1402));
        EXPECT_EQ(dialog.findChild<QPushButton*>(QStringLiteral("CommandOK"))->text(), E(101));
        EXPECT_EQ(test::ItemTexts(dialog.portList()), c.items);
        EXPECT_EQ(dialog.portList()->currentIndex(), c.selected);
        EXPECT_EQ(dialog.PortID(), c.portId);
        EXPECT_TRUE(dialog.refreshTimer()->isActive());
        EXPECT_EQ(dialog.refreshTimer()->interval(), 1000);
    }
}

TEST_F(LinkDialogsTest, PortDialogFollowsPortsThatComeAndGo) {
    ports->current = Ports({1, 4});
    context->values.comPort = 4;
    PortDialog dialog(*context);
    dialog.open();

    // A port plugged in is listed at the next tick; the selection stays.
    ports->current = Ports({1, 4, 7});
    QTest::qWait(1300);
    EXPECT_EQ(test::ItemTexts(dialog.portList()), (QStringList{"COM1", "COM4", "COM7"}));
    EXPECT_EQ(dialog.PortID(), 4);

    // The selected port pulled out: the first remaining one is selected.
    ports->current = Ports({1, 7});
    dialog.refresh();
    EXPECT_EQ(dialog.portList()->currentText(), QStringLiteral("COM1"));
    EXPECT_EQ(dialog.PortID(), 1);

    // The user chooses COM7; it stays chosen while the list is refreshed.
    dialog.portList()->setCurrentIndex(1);
    EXPECT_EQ(dialog.PortID(), 7);
    dialog.refresh();
    EXPECT_EQ(dialog.PortID(), 7);

    // Every port gone: nothing is selected.
    ports->current.clear();
    dialog.refresh();
    EXPECT_EQ(dialog.portList()->count(), 0);
    EXPECT_EQ(dialog.portList()->currentIndex(), -1);
    EXPECT_EQ(dialog.PortID(), 0);

    // OK with nothing selected: no current port, the settings file untouched.
    const std::string before = settingsPort();
    QTest::mouseClick(dialog.findChild<QPushButton*>(QStringLiteral("CommandOK")), Qt::LeftButton);
    EXPECT_EQ(context->values.comPort, 0);
    EXPECT_EQ(settingsPort(), before);
    EXPECT_FALSE(dialog.refreshTimer()->isActive());
}

TEST_F(LinkDialogsTest, PortDialogOkWritesTheSettingsAndCancelChangesNothing) {
    ports->current = Ports({1, 4});
    context->values.comPort = 9;
    {
        PortDialog dialog(*context);
        QTest::mouseClick(dialog.findChild<QPushButton*>(QStringLiteral("CommandCancel")),
                          Qt::LeftButton);
        EXPECT_EQ(dialog.result(), QDialog::Rejected);
        EXPECT_FALSE(dialog.refreshTimer()->isActive());
        EXPECT_EQ(context->values.comPort, 9);
    }
    {
        PortDialog dialog(*context);
        dialog.portList()->setCurrentIndex(1);
        QTest::mouseClick(dialog.findChild<QPushButton*>(QStringLiteral("CommandOK")),
                          Qt::LeftButton);
        EXPECT_EQ(context->values.comPort, 4);
        EXPECT_EQ(settingsPort(), "4");
        const auto file = IniFile::Load(settingsFile());
        ASSERT_TRUE(file.has_value());
        EXPECT_EQ(file->value("language", "comPort").value_or(""), "4");
    }
}

TEST_F(LinkDialogsTest, FixedPortListHoldsEveryNumberAndNeverRefreshes) {
    context->FixedPortList = true;
    ports->current = Ports({3});
    context->values.comPort = 200;
    PortDialog dialog(*context);
    EXPECT_EQ(dialog.portList()->count(), 255);
    EXPECT_EQ(dialog.portList()->itemText(254), QStringLiteral("COM255"));
    EXPECT_EQ(dialog.portList()->currentText(), QStringLiteral("COM200"));
    EXPECT_FALSE(dialog.refreshTimer()->isActive());
}

TEST_F(LinkDialogsTest, PasswordDialogTakesFourCharactersShownAsStars) {
    PasswordDialog dialog("AB", context->text);
    EXPECT_EQ(dialog.windowTitle(), E(3100));
    EXPECT_EQ(dialog.findChild<QLabel*>(QStringLiteral("LabelPassword"))->text(), E(3101));
    QLineEdit* box = dialog.passwordBox();
    EXPECT_EQ(box->objectName(), QStringLiteral("TextPassword"));
    EXPECT_EQ(box->text(), QStringLiteral("AB"));
    EXPECT_EQ(box->echoMode(), QLineEdit::Password);
    EXPECT_EQ(box->style()->styleHint(QStyle::SH_LineEdit_PasswordCharacter, nullptr, box), '*');
    EXPECT_EQ(box->alignment() & Qt::AlignHorizontal_Mask, Qt::AlignHCenter);

    dialog.show();
    box->setFocus();
    box->selectAll();
    QTest::keyClicks(box, QStringLiteral("wx"));
    // A character above code 127 and the clipboard keys are dropped.
    QKeyEvent accented(QEvent::KeyPress, 0, Qt::NoModifier, QStringLiteral("\u00e9"));
    QApplication::sendEvent(box, &accented);
    QTest::keyClicks(box, QStringLiteral("YZQ"));
    EXPECT_EQ(box->text(), QStringLiteral("wxYZ"));
    EXPECT_EQ(dialog.password(), "wxYZ");

    box->setText(QStringLiteral("C  "));
    EXPECT_EQ(dialog.password(), "C");
}

class LinkCommandsTest : public LinkDialogsTest {
protected:
    void SetUp() override {
        LinkDialogsTest::SetUp();
        window = std::make_unique<ProgramMainWindow>(*context);
    }
    void TearDown() override {
        window.reset();
        LinkDialogsTest::TearDown();
    }
    void run(const char* actionName) { window->action(QString::fromLatin1(actionName))->trigger(); }
    QStringList askedTexts() const {
        QStringList texts;
        for (const PromptRequest& request : prompter->asked()) {
            texts << request.text;
        }
        return texts;
    }
    std::unique_ptr<ProgramMainWindow> window;
};

TEST_F(LinkCommandsTest, PasswordFromTheMenuIsKeptOnOkOnly) {
    context->password = "OLD";
    for (const bool ok : {false, true}) {
        QTimer::singleShot(0, [ok] {
            auto* dialog = qobject_cast<PasswordDialog*>(QApplication::activeModalWidget());
            ASSERT_NE(dialog, nullptr);
            EXPECT_EQ(dialog->passwordBox()->text(), QStringLiteral("OLD"));
            dialog->passwordBox()->setText(QStringLiteral("NEW "));
            QTest::mouseClick(dialog->findChild<QPushButton*>(ok ? QStringLiteral("CommandOK")
                                                                 : QStringLiteral("CommandCancel")),
                              Qt::LeftButton);
        });
        run("MnuPassword");
        EXPECT_EQ(context->password, ok ? "NEW" : "OLD");
        if (ok) {
            break;
        }
    }
}

TEST_F(LinkCommandsTest, APortThatCannotBeOpenedEndsTheCommand) {
    // A modified configuration is offered for saving first; the port error then ends the read.
    context->workspace.working.Channels.put(BlankChannel(8));
    context->values.comPort = 99;
    prompter->queueAnswer(PromptAnswer::No);
    run("MnuRead");
    EXPECT_EQ(askedTexts(), (QStringList{TestText(1, 9001), E(2002)}));
    EXPECT_EQ(prompter->asked()[0].buttons, PromptButtons::YesNoCancel);
    EXPECT_EQ(window->linkPrompts().progressWindow(), nullptr);
    EXPECT_FALSE(window->link().isBusy());

    prompter->clear();
    run("MnuWrite");
    EXPECT_EQ(askedTexts(), QStringList{E(2002)});
    EXPECT_FALSE(window->serialPort().isOpen());
}

#ifdef KPT740_RADIO_SIM

ChannelRecord Channel(int position, const char* name) {
    ChannelRecord r = BlankChannel(position);
    r.InUse = 1;
    r.RxFrequency = "040012500";
    r.Offset = "000500000";
    r.Name = name;
    return r;
}

std::optional<RadioImage> LoadImage(const std::filesystem::path& path) {
    std::ifstream file(path, std::ios::binary);
    std::vector<char> bytes(RadioImage::kSize);
    file.read(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    if (file.gcount() != static_cast<std::streamsize>(RadioImage::kSize)) {
        return std::nullopt;
    }
    RadioImage image;
    for (std::size_t i = 0; i < RadioImage::kSize; ++i) {
        image.set(i, static_cast<std::uint8_t>(bytes[i]));
    }
    return image;
}

// What the progress window showed while an exchange ran: sampled from the event loop, and
// every value the bar took once the window was first seen.
struct ProgressWatch {
    explicit ProgressWatch(ProgramMainWindow& window) {
        timer.setInterval(5);
        QObject::connect(&timer, &QTimer::timeout, [this, &window] {
            ProgressWindow* progress = window.linkPrompts().progressWindow();
            if (progress == nullptr || !progress->isVisible() || shown) {
                return;
            }
            shown = true;
            modal = progress->windowModality() == Qt::ApplicationModal;
            title = progress->windowTitle();
            label = progress->labelText();
            highest = progress->value();
            QObject::connect(progress->findChild<QProgressBar*>(QStringLiteral("ProgressBar")),
                             &QProgressBar::valueChanged, &timer, [this, progress](int value) {
                                 highest = std::max(highest, value);
                                 lastText = progress->percentageText();
                             });
            // The user cannot close it while the exchange runs.
            QTest::keyClick(progress, Qt::Key_Escape);
            progress->close();
            survivedClose = progress->isVisible();
        });
        timer.start();
    }
    QTimer timer;
    bool shown = false;
    bool modal = false;
    bool survivedClose = false;
    QString title;
    QString label;
    int highest = -1;
    QString lastText;
};

// kpt740-radio-sim on a pseudo-terminal, entered in the port map of the settings file as a
// port number the way a user would add it.
class SimulatedRadio {
public:
    bool start(QStringList arguments) {
        m_process.setProgram(QStringLiteral(KPT740_RADIO_SIM));
        m_process.setArguments(arguments);
        m_process.start();
        if (!m_process.waitForStarted(5000)) {
            return false;
        }
        QElapsedTimer clock;
        clock.start();
        while (!m_process.canReadLine() && clock.elapsed() < 5000) {
            m_process.waitForReadyRead(100);
        }
        return m_process.canReadLine() && !m_process.readLine().trimmed().isEmpty();
    }
    ~SimulatedRadio() {
        if (m_process.state() != QProcess::NotRunning) {
            m_process.terminate();
            if (!m_process.waitForFinished(5000)) {
                m_process.kill();
                m_process.waitForFinished(2000);
            }
        }
    }

private:
    QProcess m_process;
};

class GuiRadioTest : public LinkCommandsTest {
protected:
    static constexpr int kSimPort = 7;

    std::filesystem::path memoryFile() const { return userFolder() / "radio.bin"; }

    // The radio's memory holds `config`.
    void writeRadioMemory(Configuration config) {
        RadioImage image;
        BlankImage(image);
        NullMessageSink sink;
        EncodeContext encode(sink);
        EncodeAll(config, image, encode);
        ASSERT_TRUE(encode.ok());
        std::filesystem::create_directories(userFolder());
        std::ofstream file(userFolder() / "start.bin", std::ios::binary | std::ios::trunc);
        for (std::size_t i = 0; i < RadioImage::kSize; ++i) {
            file.put(static_cast<char>(image.at(i)));
        }
    }
    void startRadio(QStringList extra = {}) {
        std::filesystem::create_directories(userFolder()); // where the radio saves its memory
        QStringList arguments{
            QStringLiteral("--band"),     QStringLiteral("49"),
            QStringLiteral("--register"), QString::number(kSimPort),
            QStringLiteral("--settings"), QString::fromStdString(settingsFile().string()),
            QStringLiteral("--save"),     QString::fromStdString(memoryFile().string())};
        if (std::filesystem::exists(userFolder() / "start.bin")) {
            arguments << QStringLiteral("--image")
                      << QString::fromStdString((userFolder() / "start.bin").string());
        }
        ASSERT_TRUE(radio.start(arguments + extra));
        context->values.comPort = kSimPort;
    }
    // The configuration the radio's saved memory decodes to.
    Workspace radioConfiguration() const {
        Workspace decoded;
        if (const auto image = LoadImage(memoryFile())) {
            decoded.TakeFromRadio(*image, 49, BandTextOfCode(49));
        }
        return decoded;
    }

    SimulatedRadio radio;
};

TEST_F(GuiRadioTest, ReadThenWriteThroughTheGui) {
    Configuration onRadio = context->workspace.working;
    onRadio.Channels.put(Channel(3, "RADIO3"));
    onRadio.Channels.put(Channel(8, "RADIO8"));
    writeRadioMemory(onRadio);
    startRadio();
    EXPECT_TRUE(window->channelModel()->cellText(3, 3).isEmpty());

    {
        ProgressWatch watch(*window);
        prompter->queueAnswer(PromptAnswer::Ok);
        run("MnuRead");
        ASSERT_EQ(askedTexts(),
                  (QStringList{QStringLiteral("Read data from radio.\r\nDo you wish continue?"),
                               E(2004)}));
        EXPECT_EQ(prompter->asked()[0].buttons, PromptButtons::OkCancel);
        EXPECT_EQ(prompter->asked()[0].icon, MessageIcon::Question);
        EXPECT_TRUE(watch.shown);
        EXPECT_TRUE(watch.modal);
        EXPECT_TRUE(watch.survivedClose);
        EXPECT_EQ(watch.title, QStringLiteral("Read data from radio"));
        EXPECT_EQ(watch.label, QStringLiteral("Completion percentage:"));
        EXPECT_EQ(watch.highest, 100);
        EXPECT_EQ(watch.lastText, QStringLiteral("100%"));
    }
    EXPECT_FALSE(window->linkPrompts().progressWindow()->isVisible());
    EXPECT_FALSE(window->link().isBusy());
    // The grid and the title show the configuration read.
    EXPECT_EQ(window->channelModel()->cellText(3, 3), QStringLiteral("RADIO3"));
    EXPECT_EQ(window->channelModel()->cellText(8, 3), QStringLiteral("RADIO8"));
    EXPECT_EQ(window->channelModel()->cellText(3, 1), QStringLiteral("400.12500"));
    EXPECT_TRUE(window->windowTitle().endsWith(QStringLiteral(":new.dat]")));
    EXPECT_TRUE(context->workspace.IsUntitled);
    EXPECT_FALSE(context->workspace.IsModified());

    // An edited channel goes back to the radio; the configuration keeps its unsaved state.
    context->workspace.working.Channels.put(Channel(8, "EDITED"));
    prompter->clear();
    {
        ProgressWatch watch(*window);
        prompter->queueAnswer(PromptAnswer::Ok);
        run("MnuWrite");
        ASSERT_EQ(askedTexts(),
                  (QStringList{QStringLiteral("Write data to radio.\r\nDo you wish continue?"),
                               E(2005)}));
        EXPECT_TRUE(watch.shown);
        EXPECT_EQ(watch.title, QStringLiteral("Write data to radio"));
        EXPECT_EQ(watch.highest, 100);
    }
    EXPECT_TRUE(context->workspace.IsModified());
    EXPECT_TRUE(WaitFor(
        [&] {
            const Workspace decoded = radioConfiguration();
            const ChannelRecord* channel = decoded.working.Channels.find(8);
            return channel != nullptr && channel->Name.value() == "EDITED";
        },
        5000));
    EXPECT_NE(radioConfiguration().working.Channels.find(3), nullptr);
}

// What the 5-Tone dialog stores travels to the radio and comes back unchanged.
TEST_F(GuiRadioTest, FiveToneEditsSurviveTheWayThroughTheRadio) {
    startRadio();
    const auto choose = [](QComboBox* list, int index) {
        ASSERT_NE(list, nullptr);
        ASSERT_LT(index, list->count());
        list->setCurrentIndex(index);
        emit list->activated(index);
    };
    {
        FiveToneDialog dialog(*context, *prompter);
        dialog.show();
        auto* ownId = dialog.findChild<FiveToneTextBox*>(QStringLiteral("OwnIdBox"));
        ASSERT_NE(ownId, nullptr);
        ownId->clear();
        QTest::keyClicks(ownId, "13579");
        dialog.ownIdLeft();
        choose(dialog.findChild<QComboBox*>(QStringLiteral("StandardList")), 6);
        choose(dialog.findChild<QComboBox*>(QStringLiteral("DecodeTimeList")), 3);
        dialog.findChild<QCheckBox*>(QStringLiteral("SideToneCheck"))->toggle();
        FiveToneTextBox& begin = dialog.pttIdCodeBox(0);
        begin.clear();
        QTest::keyClicks(&begin, "11fg2");
        choose(dialog.findChild<QComboBox*>(QStringLiteral("PttIdEndStandard")), 9);

        FiveToneCodeListView& view = dialog.codeListView();
        FiveToneCodeListModel& model = dialog.codeList();
        view.setCurrentIndex(model.index(4, 2));
        ASSERT_NE(view.openEditor(), nullptr);
        QTest::keyClicks(view.openEditor(), "99123");
        view.commitOpenEditor();
        dialog.commandOk();
    }
    const FiveToneSettings edited = context->workspace.working.FiveTone;
    const auto editedDecodeTime = context->workspace.working.decodeTime;
    ASSERT_EQ(edited.ownId.value(), "13579");
    ASSERT_EQ(edited.pttIdBegin.digits.value(), "1EF2");
    ASSERT_EQ(edited.codes[4].digits.value(), "9E123");

    prompter->queueAnswer(PromptAnswer::Ok);
    run("MnuWrite");
    ASSERT_EQ(askedTexts().back(), E(2005));
    EXPECT_TRUE(WaitFor(
        [&] {
            const Workspace onRadio = radioConfiguration();
            return SameFiveToneSettings(onRadio.working.FiveTone, edited) &&
                   onRadio.working.decodeTime == editedDecodeTime;
        },
        5000));

    // Read back through the GUI: the same settings, now as the radio holds them.
    context->workspace.working.FiveTone = DefaultFiveToneSettings();
    prompter->clear();
    prompter->queueAnswer(PromptAnswer::No); // do not save the changed configuration
    prompter->queueAnswer(PromptAnswer::Ok);
    run("MnuRead");
    ASSERT_EQ(askedTexts().back(), E(2004));
    const FiveToneSettings& read = context->workspace.working.FiveTone;
    EXPECT_TRUE(SameFiveToneSettings(read, edited));
    EXPECT_EQ(read.ownId.value(), "13579");
    EXPECT_EQ(read.standard, edited.standard);
    EXPECT_EQ(read.sideTone, edited.sideTone);
    EXPECT_EQ(read.pttIdEnd.standard, 9);
    EXPECT_EQ(read.codes[4].digits.value(), "9E123");
    EXPECT_EQ(context->workspace.working.decodeTime, editedDecodeTime);
}

TEST_F(GuiRadioTest, ASilentRadioOffersRetryThenFails) {
    struct Case {
        const char* name;
        std::vector<PromptAnswer> answers;
        QStringList expected;
    };
    const QString confirm = QStringLiteral("Read data from radio.\r\nDo you wish continue?");
    const std::vector<Case> cases{
        {"cancel", {PromptAnswer::Ok, PromptAnswer::Cancel}, {confirm, E(2003), E(2006)}},
        {"retry, cancel",
         {PromptAnswer::Ok, PromptAnswer::Retry, PromptAnswer::Cancel},
         {confirm, E(2003), E(2003), E(2006)}},
    };
    startRadio({QStringLiteral("--silent-after"), QStringLiteral("0")});
    context->workspace.working.Channels.put(Channel(8, "KEEP"));
    context->workspace.TakeSavedCopy();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        prompter->clear();
        for (const PromptAnswer answer : c.answers) {
            prompter->queueAnswer(answer);
        }
        run("MnuRead");
        EXPECT_EQ(askedTexts(), c.expected);
        EXPECT_EQ(prompter->asked()[1].buttons, PromptButtons::RetryCancel);
        EXPECT_FALSE(window->linkPrompts().progressWindow()->isVisible());
        EXPECT_EQ(context->workspace.working.Channels.find(8)->Name.value(), "KEEP");
        EXPECT_FALSE(window->serialPort().isOpen());
    }
}

TEST_F(GuiRadioTest, AWrongPasswordBringsUpTheDialogAndTheRetryPasses) {
    startRadio({QStringLiteral("--password"), QStringLiteral("AB")});
    struct Case {
        const char* typed; // nullptr: Cancel
        QString outcome;
        std::string password;
    };
    const std::vector<Case> cases{{nullptr, E(2006), ""}, {"AB", E(2004), "AB"}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.typed == nullptr ? "cancel" : c.typed);
        prompter->clear();
        prompter->queueAnswer(PromptAnswer::Ok);
        int dialogs = 0;
        QString prefilled = QStringLiteral("?");
        QTimer answer;
        answer.setInterval(10);
        QObject::connect(&answer, &QTimer::timeout, [&] {
            auto* dialog = qobject_cast<PasswordDialog*>(QApplication::activeModalWidget());
            if (dialog == nullptr || !dialog->isVisible()) {
                return;
            }
            ++dialogs;
            prefilled = dialog->passwordBox()->text();
            if (c.typed == nullptr) {
                QTest::mouseClick(dialog->findChild<QPushButton*>(QStringLiteral("CommandCancel")),
                                  Qt::LeftButton);
                return;
            }
            dialog->passwordBox()->selectAll();
            QTest::keyClicks(dialog->passwordBox(), QString::fromLatin1(c.typed));
            QTest::mouseClick(dialog->findChild<QPushButton*>(QStringLiteral("CommandOK")),
                              Qt::LeftButton);
        });
        answer.start();
        run("MnuRead");
        answer.stop();
        EXPECT_EQ(dialogs, 1);
        EXPECT_EQ(prefilled, QString());
        ASSERT_FALSE(prompter->asked().empty());
        EXPECT_EQ(prompter->asked().back().text, c.outcome);
        EXPECT_EQ(context->password, c.password);
    }

    // The password entered now serves the next exchange without a dialog.
    prompter->clear();
    prompter->queueAnswer(PromptAnswer::Ok);
    run("MnuRead");
    EXPECT_EQ(askedTexts().back(), E(2004));
}

TEST_F(GuiRadioTest, TheEmbeddedMessageIsReadAndShown) {
    startRadio();
    std::vector<EmbeddedInfoDialog::Row> rows;
    QTimer close;
    close.setInterval(10);
    QObject::connect(&close, &QTimer::timeout, [&] {
        auto* dialog = qobject_cast<EmbeddedInfoDialog*>(QApplication::activeModalWidget());
        if (dialog == nullptr || !dialog->isVisible()) {
            return;
        }
        rows = dialog->rows();
        QTest::mouseClick(dialog->findChild<QPushButton*>(QStringLiteral("CommandClose")),
                          Qt::LeftButton);
    });
    close.start();
    window->treeNodeClicked(QStringLiteral("N9"));
    // The command returns at once; the exchange runs on, with the other commands held back
    // and the window refusing to close.
    EXPECT_TRUE(window->link().isBusy());
    EXPECT_FALSE(window->menuBar()->isEnabled());
    EXPECT_FALSE(window->tree()->isEnabled());
    EXPECT_FALSE(window->close());
    EXPECT_TRUE(WaitFor([&] { return !window->link().isBusy(); }, 10000));
    close.stop();
    EXPECT_TRUE(window->menuBar()->isEnabled());
    EXPECT_TRUE(window->tree()->isEnabled());
    EXPECT_TRUE(prompter->asked().empty());
    ASSERT_EQ(rows.size(), 14u);
    EXPECT_EQ(rows[3].value, QStringLiteral("KPT740"));
    EXPECT_EQ(rows[8].caption, QStringLiteral("Version"));
    EXPECT_EQ(rows[8].value, QStringLiteral("V1.00"));
    EXPECT_EQ(window->linkPrompts().progressWindow(), nullptr);
}

#endif

TEST_F(LinkDialogsTest, EmbeddedMessageWindowShowsTheValuesByLanguage) {
    // The block as a radio carries it: "05", 0xFF, 0x00 as the area code, a blank-padded
    // serial number, a dealer code, and nothing (0x00) elsewhere.
    RadioImage image;
    const auto put = [&](std::size_t address, std::string_view bytes) {
        for (std::size_t i = 0; i < bytes.size(); ++i) {
            image.set(address + i, static_cast<std::uint8_t>(bytes[i]));
        }
    };
    put(25, std::string_view("05\xFF\x00", 4));
    put(32, "ABC             ");
    put(96, "D-17");
    struct Case {
        int language;
        std::uint8_t bandCode;
        int bandPosition;
        QString title;
        QString frame;
        bool descriptionShown;
    };
    const std::vector<Case> cases{
        {1, 49, 25, QStringLiteral("Embedded Message"), QStringLiteral("Dealer Information"), true},
        {2, 0, 0, QStringLiteral("嵌入信息"), QStringLiteral("经销商信息"), false},
        // Beyond the list (position 135): the first band.
        {1, 0xFF, 0, QStringLiteral("Embedded Message"), QStringLiteral("Dealer Information"),
         true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.language);
        context->setLanguage(c.language);
        image.set(23, c.bandCode);
        EmbeddedInfo info = DefaultEmbeddedInfo(StartDate{});
        DecodeEmbeddedInfo(image, info);
        EmbeddedInfoDialog dialog(info, "KPT740", context->text, "help.html");
        EXPECT_EQ(dialog.windowTitle(), c.title);
        EXPECT_EQ(dialog.dealerFrameCaption(), c.frame);
        const auto rows = dialog.rows();
        ASSERT_EQ(rows.size(), 14u);
        EXPECT_EQ(rows[0].value, QStringLiteral("05"));
        EXPECT_EQ(rows[3].value, QStringLiteral("KPT740"));
        const std::string_view band = BandPlanList()[static_cast<std::size_t>(c.bandPosition)];
        EXPECT_EQ(rows[4].value,
                  QString::fromUtf8(band.data(), static_cast<qsizetype>(band.size())));
        EXPECT_EQ(rows[5].value, QStringLiteral("ABC"));
        EXPECT_EQ(rows[8].value, QStringLiteral("V1.00"));
        EXPECT_EQ(rows[10].value, QStringLiteral("D-17"));
        EXPECT_EQ(rows[11].value, QString());
        EXPECT_EQ(
            dialog.findChild<QLabel*>(QStringLiteral("LabelDescription"))->isVisibleTo(&dialog),
            c.descriptionShown);
        EXPECT_EQ(dialog.findChild<QPushButton*>(QStringLiteral("CommandClose"))->text(),
                  c.language == 1 ? QStringLiteral("&Close") : QStringLiteral("关闭(&C)"));
    }
}

} // namespace
} // namespace kpt740
