#pragma once

#include "app/AppSettings.h"
#include "app/DecimalSeparator.h"
#include "app/PortLister.h"
#include "app/Prompter.h"
#include "core/ChannelTable.h"
#include "core/EmbeddedInfo.h"
#include "files/Workspace.h"
#include "text/LanguageText.h"

#include <QLocale>
#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <string>

class QSettings;

namespace kpt740 {

// What the platform reports about itself; no value when the version query fails.
struct OsVersion {
    bool windowsNt = false;
    int major = 0;
    int minor = 0;
};

// Everything the program takes from the machine it runs on. Production fills it from the
// platform; tests replace any part (folders, prompts, ports, the placement store, timings).
struct AppEnvironment {
    std::filesystem::path programFolder;
    // Where settings go when the program folder cannot be written.
    std::filesystem::path userFolder;
    std::shared_ptr<Prompter> prompter = std::make_shared<WidgetPrompter>();
    std::shared_ptr<const PortLister> ports = std::make_shared<NoPortLister>();
    std::optional<OsVersion> os = OsVersion{};
    StartDate today;
    QLocale userLocale = QLocale::system();
    // The per-user store of the window placement.
    std::function<std::unique_ptr<QSettings>()> placementStore;
    SettingsStore::WritableCheck canWrite;
    int splashMilliseconds = 2000;
    // A hidden test option: the language chosen as through the language dialog once the main
    // window is shown (0: none). Used only to take screenshots of the localised window.
    int testLanguage = 0;

    static AppEnvironment Production();
};

// The program's state for its whole run: settings, texts, the one working configuration and
// the small program-wide values of the start-up sequence.
class AppContext {
public:
    explicit AppContext(AppEnvironment environment);

    AppEnvironment environment;
    SettingsStore settings;
    AppSettings values;
    LanguageText text;
    Workspace workspace;
    ChannelClipboard channelClipboard;
    DecimalSeparator decimalSeparator;
    bool FixedPortList = false;
    std::string password;
    // The grid cell last double-clicked (row = channel position; 0, 0 at start).
    int selectedRow = 0;
    int selectedColumn = 0;

    Prompter& prompter() { return *environment.prompter; }
    const PortLister& ports() const { return *environment.ports; }
    const std::filesystem::path& programFolder() const { return environment.programFolder; }

    int languageIndex() const { return text.languageIndex(); }
    // The language file and the help file follow the index (any unknown index means English).
    void setLanguage(int languageIndex);
    std::filesystem::path helpFile() const;
    std::unique_ptr<QSettings> placementStore() const;
};

} // namespace kpt740
