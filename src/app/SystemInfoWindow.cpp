#include "app/SystemInfoWindow.h"

#include "app/AboutDialog.h"
#include "app/AppContext.h"
#include "app/BuiltInTexts.h"
#include "app/Localisation.h"
#include "text/LanguageText.h"

#include <QClipboard>
#include <QFontDatabase>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSysInfo>
#include <QVBoxLayout>

namespace kpt740 {

namespace {

QString PathText(const std::filesystem::path& path) {
    return QString::fromStdU16String(path.u16string());
}

} // namespace

SystemFacts CollectSystemFacts(const AppContext& context) {
    SystemFacts facts;
    facts.operatingSystem = QSysInfo::prettyProductName();
    facts.kernel = QSysInfo::kernelType() + QStringLiteral(" ") + QSysInfo::kernelVersion();
    facts.architecture = QSysInfo::currentCpuArchitecture();
    facts.qtRuntime = QString::fromLatin1(qVersion());
    facts.qtBuild = QStringLiteral(QT_VERSION_STR);
    facts.programVersion = QString::fromLatin1(kProgramVersion);
    facts.programFolder = context.programFolder();
    facts.settingsFile = context.settings.fileInUse();
    facts.language = QString::fromStdString(LanguageFileName(context.languageIndex()));
    facts.ports = context.ports().ports();
    return facts;
}

QString SystemInformationText(const SystemFacts& facts) {
    QStringList lines;
    lines << QStringLiteral("KPT740 %1").arg(facts.programVersion);
    lines << QStringLiteral("Operating system: %1").arg(facts.operatingSystem);
    lines << QStringLiteral("Kernel: %1 (%2)").arg(facts.kernel, facts.architecture);
    lines << QStringLiteral("Qt: %1 (built with %2)").arg(facts.qtRuntime, facts.qtBuild);
    lines << QStringLiteral("Program folder: %1").arg(PathText(facts.programFolder));
    lines << QStringLiteral("Settings file: %1").arg(PathText(facts.settingsFile));
    lines << QStringLiteral("Language file: %1").arg(facts.language);
    if (facts.ports.empty()) {
        lines << QStringLiteral("Serial ports: none found");
    } else {
        lines << QStringLiteral("Serial ports:");
        for (const ListedPort& port : facts.ports) {
            QString line = QStringLiteral("  COM%1  %2")
                               .arg(port.number)
                               .arg(QString::fromStdString(port.device));
            if (!port.description.empty()) {
                line += QStringLiteral("  (%1)").arg(QString::fromStdString(port.description));
            }
            lines << line;
        }
    }
    return lines.join(QLatin1Char('\n'));
}

SystemInfoWindow::SystemInfoWindow(const AppContext& context, QWidget* parent)
    : QDialog(parent), m_view(new QPlainTextEdit(this)) {
    setObjectName(QStringLiteral("FrmSystemInfo"));
    setWindowTitle(QStringLiteral("System Information"));
    m_view->setObjectName(QStringLiteral("SystemInfoText"));
    m_view->setReadOnly(true);
    m_view->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    m_view->setPlainText(SystemInformationText(CollectSystemFacts(context)));

    auto* copy = new QPushButton(QStringLiteral("&Copy"), this);
    copy->setObjectName(QStringLiteral("CommandCopy"));
    auto* close = new QPushButton(BuiltIn(context.text, builtin::kCloseButton), this);
    close->setObjectName(QStringLiteral("CommandClose"));
    close->setDefault(true);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(copy);
    buttons->addWidget(close);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_view);
    layout->addLayout(buttons);
    resize(560, 300);

    connect(copy, &QPushButton::clicked, this,
            [this] { QGuiApplication::clipboard()->setText(m_view->toPlainText()); });
    connect(close, &QPushButton::clicked, this, &QDialog::close);
}

QString SystemInfoWindow::text() const {
    return m_view->toPlainText();
}

} // namespace kpt740
