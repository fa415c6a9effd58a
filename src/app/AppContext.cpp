#include "app/AppContext.h"

#include "app/BuildInfo.h"
#include "app/ProgramFolder.h"
#include "link/qt/SerialPortDiscovery.h"

#include <QCoreApplication>
#include <QDate>
#include <QSettings>
#include <QStandardPaths>
#include <QSysInfo>

namespace kpt740 {

namespace {

std::filesystem::path PathOf(const QString& path) {
    return std::filesystem::path(path.toStdU16String());
}

std::optional<OsVersion> QueryOsVersion() {
    if (QSysInfo::kernelType().isEmpty()) {
        return std::nullopt;
    }
    OsVersion os;
    os.windowsNt = QSysInfo::kernelType() == QStringLiteral("winnt");
    const QStringList parts = QSysInfo::kernelVersion().split(QLatin1Char('.'));
    os.major = parts.value(0).toInt();
    os.minor = parts.value(1).toInt();
    return os;
}

// The serial ports of the machine, numbered through the port map of the settings file in use.
class SerialPortLister final : public PortLister {
public:
    explicit SerialPortLister(SettingsStore settings) : m_settings(std::move(settings)) {}
    std::vector<ListedPort> ports() const override {
        std::vector<ListedPort> listed;
        for (SerialPortEntry& port : EnumerateSerialPorts(m_settings.fileInUse())) {
            listed.push_back(
                {port.number, std::move(port.devicePath), std::move(port.description)});
        }
        return listed;
    }

private:
    SettingsStore m_settings;
};

StartDate Today(const QLocale& userLocale) {
    const QDate date = QDate::currentDate();
    return StartDate{date.year(), date.month(), date.day(),
                     userLocale.toString(date, QLocale::ShortFormat).toStdString()};
}

} // namespace

AppEnvironment AppEnvironment::Production() {
    if (QCoreApplication::organizationName().isEmpty()) {
        QCoreApplication::setOrganizationName(QStringLiteral("KPT740"));
    }
    if (QCoreApplication::applicationName().isEmpty() ||
        QCoreApplication::applicationName() == QStringLiteral("kpt740")) {
        QCoreApplication::setApplicationName(QStringLiteral("KPT740"));
    }
    AppEnvironment env;
    env.programFolder =
        LocateProgramFolder(PathOf(QCoreApplication::applicationDirPath()), KPT740_DATA_RELATIVE);
    env.userFolder = PathOf(QStandardPaths::writableLocation(QStandardPaths::AppDataLocation));
    env.ports = std::make_shared<SerialPortLister>(
        SettingsStore(env.programFolder, env.userFolder, env.canWrite));
    env.os = QueryOsVersion();
    env.today = Today(env.userLocale);
    env.placementStore = [] {
        return std::make_unique<QSettings>(QStringLiteral("KPT740"), QStringLiteral("KPT740"));
    };
    bool ok = false;
    const int language = qEnvironmentVariableIntValue("KPT740_TEST_LANGUAGE", &ok);
    env.testLanguage = ok ? language : 0;
    return env;
}

AppContext::AppContext(AppEnvironment env)
    : environment(std::move(env)),
      settings(environment.programFolder, environment.userFolder, environment.canWrite),
      text(environment.programFolder / "language", kEnglish),
      workspace(WorkspaceOptions{environment.programFolder, 0}) {}

void AppContext::setLanguage(int languageIndex) {
    const bool known = languageIndex == kEnglish || languageIndex == kSimplifiedChinese ||
                       languageIndex == kTraditionalChinese;
    text.setLanguageIndex(known ? languageIndex : kEnglish);
}

std::filesystem::path AppContext::helpFile() const {
    return HelpFileFor(languageIndex());
}

std::unique_ptr<QSettings> AppContext::placementStore() const {
    if (environment.placementStore) {
        return environment.placementStore();
    }
    return std::make_unique<QSettings>(QStringLiteral("KPT740"), QStringLiteral("KPT740"));
}

} // namespace kpt740
