#include "app/Application.h"

#include "app/MainWindow.h"
#include "app/ProgramFolder.h"
#include "app/ProgramMainWindow.h"
#include "app/SplashWindow.h"
#include "app/StartUp.h"

#include <QApplication>
#include <QIcon>

namespace kpt740 {

Application::Application(AppEnvironment environment, QObject* parent)
    : QObject(parent), m_context(std::make_unique<AppContext>(std::move(environment))) {
    setMainWindowFactory(
        [](AppContext& context) { return std::make_unique<ProgramMainWindow>(context); });
    const auto icon = m_context->programFolder() / "kpt740.png";
    QApplication::setWindowIcon(QIcon::fromTheme(
        QStringLiteral("kpt740"), QIcon(QString::fromStdU16String(icon.u16string()))));
}

Application::~Application() = default;

void Application::start() {
    RunStartUpSequence(*m_context);
    m_splash = std::make_unique<SplashWindow>(m_context->programFolder() /
                                                  SplashPictureFor(m_context->languageIndex()),
                                              m_context->environment.splashMilliseconds);
    connect(m_splash.get(), &SplashWindow::finished, this, &Application::showMainWindow);
    m_splash->show();
    m_splash->repaint();
}

void Application::showMainWindow() {
    if (!m_mainWindow) {
        m_mainWindow = m_factory ? m_factory(*m_context) : std::make_unique<MainWindow>(*m_context);
    }
    m_mainWindow->show();
    ++m_showCount;
    if (const int language = m_context->environment.testLanguage; language != 0) {
        m_mainWindow->changeLanguage(language);
    }
    emit mainWindowShown();
}

} // namespace kpt740
