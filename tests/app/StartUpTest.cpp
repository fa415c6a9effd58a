#include "app/StartUp.h"

#include "AppTestSupport.h"
#include "app/Application.h"
#include "app/BuiltInTexts.h"
#include "app/SplashWindow.h"

#include <QLocale>
#include <QSignalSpy>
#include <QTest>
#include <clocale>

namespace kpt740 {
namespace {

class StartUpTest : public test::AppTest {
protected:
    std::unique_ptr<AppContext> start(AppEnvironment env) {
        auto context = std::make_unique<AppContext>(std::move(env));
        RunStartUpSequence(*context);
        return context;
    }
    std::vector<ListedPort> com1AndCom4() const {
        return {{1, "/dev/ttyS0", ""}, {4, "/dev/ttyUSB0", "USB serial"}};
    }
};

TEST_F(StartUpTest, FirstRunIsClearedAndTheValidatedPortIsWrittenBack) {
    writeSettings("[language]\n; keep me\nIsFirstRun=1\ncomPort=7\nFactoryFres=0\n[ports]\n"
                  "4=/dev/ttyUSB0\n");
    auto context = start(environment(com1AndCom4()));
    EXPECT_TRUE(context->values.IsFirstRun);
    EXPECT_EQ(context->values.comPort, 1);
    EXPECT_EQ(test::ReadFile(settingsFile()), "[language]\n; keep me\nIsFirstRun=0\ncomPort=1\n"
                                              "FactoryFres=0\n[ports]\n4=/dev/ttyUSB0\n");

    // Later starts read false and leave the marker alone; a listed port stays.
    writeSettings("[language]\nIsFirstRun=0\ncomPort=4\nFactoryFres=0\n");
    context = start(environment(com1AndCom4()));
    EXPECT_FALSE(context->values.IsFirstRun);
    EXPECT_EQ(context->values.comPort, 4);
    EXPECT_EQ(test::ReadFile(settingsFile()),
              "[language]\nIsFirstRun=0\ncomPort=4\nFactoryFres=0\n");
    EXPECT_TRUE(prompter->asked().empty());
}

TEST_F(StartUpTest, PortFallbacks) {
    struct Case {
        const char* what;
        std::optional<OsVersion> os;
        std::vector<ListedPort> ports;
        int remembered;
        int expected;
        bool fixedList;
    };
    const Case cases[] = {
        {"no port found", OsVersion{false, 6, 1}, {}, 7, 0, false},
        {"first listed port",
         OsVersion{false, 6, 1},
         {{3, "/dev/a", ""}, {9, "/dev/b", ""}},
         5,
         3,
         false},
        {"NT 6.0 keeps the port", OsVersion{true, 6, 0}, {{1, "COM1", ""}}, 7, 7, true},
        {"NT 6.1 enumerates", OsVersion{true, 6, 1}, {{1, "COM1", ""}}, 7, 1, false},
        {"failed version query enumerates", std::nullopt, {{2, "/dev/c", ""}}, 7, 2, false},
    };
    for (const Case& c : cases) {
        writeSettings("[language]\ncomPort=" + std::to_string(c.remembered) + "\n");
        AppEnvironment env = environment(c.ports);
        env.os = c.os;
        auto context = start(std::move(env));
        EXPECT_EQ(context->values.comPort, c.expected) << c.what;
        EXPECT_EQ(context->FixedPortList, c.fixedList) << c.what;
        EXPECT_EQ(context->settings.read("language", "comPort"), std::to_string(c.expected))
            << c.what;
    }
    // Only the failed version query says something.
    ASSERT_EQ(prompter->asked().size(), 1u);
    EXPECT_EQ(prompter->asked()[0].text, QStringLiteral("Unknown SYSTEM!"));
    EXPECT_EQ(prompter->asked()[0].buttons, PromptButtons::Ok);
}

TEST_F(StartUpTest, StartsInEnglishWithAFreshUntitledConfiguration) {
    writeSettings("[language]\nFactoryFres=1\n");
    AppEnvironment env = environment();
    auto context = std::make_unique<AppContext>(env);
    context->setLanguage(kSimplifiedChinese);
    context->selectedRow = 12;
    context->workspace.identity.BandCode = 2;
    context->password = "1234";
    RunStartUpSequence(*context);

    EXPECT_EQ(context->languageIndex(), kEnglish);
    EXPECT_EQ(context->helpFile(), std::filesystem::path("help/english/index.html"));
    EXPECT_EQ(context->selectedRow, 0);
    EXPECT_EQ(context->password, "");
    EXPECT_EQ(context->workspace.identity.BandCode, 49);
    EXPECT_EQ(context->workspace.ConfigFileName, "new.dat");
    EXPECT_TRUE(context->workspace.IsUntitled);
    EXPECT_FALSE(context->workspace.IsModified());
    EXPECT_EQ(context->workspace.options().factoryFres, 1);
    EXPECT_EQ(context->workspace.options().programFolder, programFolder());
    EXPECT_EQ(context->workspace.embedded.SerialNumber.value(), "2024051700000001");
    // Only the VFO exists in a new configuration without initial files.
    ASSERT_EQ(context->workspace.working.Channels.Count, 1);
    EXPECT_EQ(context->workspace.working.Channels.Slots[0].Position, kPositionVfo);
}

TEST_F(StartUpTest, DecimalSeparatorIsADotWhileTheProgramRuns) {
    const QLocale before = QLocale();
    {
        DecimalSeparator separator;
        separator.useDot(QLocale(QLocale::German, QLocale::Germany));
        EXPECT_TRUE(separator.changed());
        EXPECT_EQ(separator.userSeparator(), QStringLiteral(","));
        EXPECT_EQ(QLocale().toString(1.5), QStringLiteral("1.5"));
        bool ok = false;
        EXPECT_DOUBLE_EQ(QLocale().toDouble(QStringLiteral("445.125"), &ok), 445.125);
        EXPECT_TRUE(ok);
        EXPECT_STREQ(std::setlocale(LC_NUMERIC, nullptr), "C");
        separator.restore();
        EXPECT_EQ(QLocale(), before);
    }
    {
        // A locale that already uses "." is left as it is.
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedKingdom));
        DecimalSeparator separator;
        separator.useDot(QLocale(QLocale::English, QLocale::UnitedKingdom));
        EXPECT_FALSE(separator.changed());
        EXPECT_EQ(QLocale(), QLocale(QLocale::English, QLocale::UnitedKingdom));
        separator.restore();
        QLocale::setDefault(before);
    }
}

class SplashTest : public test::AppTest {};

TEST_F(SplashTest, AClickBeforeTheTimeShowsTheMainWindowOnce) {
    AppEnvironment env = environment();
    env.splashMilliseconds = 200;
    Application application(env);
    application.setMainWindowFactory(
        [](AppContext& context) { return std::make_unique<test::RecordingMainWindow>(context); });
    application.start();
    SplashWindow* splash = application.splash();
    ASSERT_NE(splash, nullptr);
    EXPECT_TRUE(splash->isVisible());
    EXPECT_TRUE(splash->timer().isActive());
    EXPECT_EQ(application.mainWindow(), nullptr);

    QTest::mouseClick(splash->findChild<QWidget*>(QStringLiteral("SplashPicture")), Qt::LeftButton);
    EXPECT_FALSE(splash->isVisible());
    EXPECT_FALSE(splash->timer().isActive());
    ASSERT_NE(application.mainWindow(), nullptr);
    EXPECT_TRUE(application.mainWindow()->isVisible());
    EXPECT_NE(dynamic_cast<test::RecordingMainWindow*>(application.mainWindow()), nullptr);
    EXPECT_EQ(application.mainWindowShowCount(), 1);

    // The time passing afterwards, or another click, shows nothing more.
    QTest::qWait(300);
    QTest::mouseClick(splash, Qt::LeftButton);
    EXPECT_EQ(application.mainWindowShowCount(), 1);
    application.mainWindow()->close();
}

TEST_F(SplashTest, TheTimerAloneShowsTheMainWindow) {
    AppEnvironment env = environment();
    env.splashMilliseconds = 50;
    env.testLanguage = kSimplifiedChinese;
    Application application(env);
    QSignalSpy shown(&application, &Application::mainWindowShown);
    application.start();
    EXPECT_EQ(application.splash()->timer().interval(), 50);
    ASSERT_TRUE(shown.wait(2000));
    EXPECT_EQ(application.mainWindowShowCount(), 1);
    EXPECT_TRUE(application.splash()->isFinished());
    EXPECT_FALSE(application.splash()->isVisible());
    // The hidden test option switches the language as the language dialog would.
    EXPECT_EQ(application.context().languageIndex(), kSimplifiedChinese);
    EXPECT_TRUE(application.mainWindow()->windowTitle().contains(test::TestText(2, 2012)));
    QTest::qWait(100);
    EXPECT_EQ(shown.count(), 1);
    application.mainWindow()->close();
}

} // namespace
} // namespace kpt740
