#pragma once

#include "app/AppContext.h"

#include <QObject>
#include <memory>

namespace kpt740 {

class MainWindow;
class SplashWindow;

// The program: runs the start-up sequence, shows the splash, and when the splash is done
// creates and shows the main window (once).
class Application final : public QObject {
    Q_OBJECT
public:
    using MainWindowFactory = std::function<std::unique_ptr<MainWindow>(AppContext&)>;

    explicit Application(AppEnvironment environment, QObject* parent = nullptr);
    ~Application() override;

    // The main window the splash opens: MainWindow itself unless a window that fills in more of
    // its command hooks is plugged in here.
    void setMainWindowFactory(MainWindowFactory factory) { m_factory = std::move(factory); }

    // The start-up sequence, the splash, the help file of the language. Returns at once; the
    // program lives on in its windows.
    void start();

    AppContext& context() { return *m_context; }
    SplashWindow* splash() const { return m_splash.get(); }
    MainWindow* mainWindow() const { return m_mainWindow.get(); }
    int mainWindowShowCount() const { return m_showCount; }

signals:
    void mainWindowShown();

private:
    void showMainWindow();

    std::unique_ptr<AppContext> m_context;
    std::unique_ptr<SplashWindow> m_splash;
    std::unique_ptr<MainWindow> m_mainWindow;
    MainWindowFactory m_factory;
    int m_showCount = 0;
};

} // namespace kpt740
