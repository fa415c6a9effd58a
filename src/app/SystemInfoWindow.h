#pragma once

#include "app/PortLister.h"

#include <QDialog>
#include <filesystem>
#include <vector>

class QPlainTextEdit;

namespace kpt740 {

class AppContext;

// What support asks for when something goes wrong.
struct SystemFacts {
    QString operatingSystem;
    QString kernel;
    QString architecture;
    QString qtRuntime;
    QString qtBuild;
    QString programVersion;
    std::filesystem::path programFolder;
    std::filesystem::path settingsFile;
    QString language;
    std::vector<ListedPort> ports;
};

SystemFacts CollectSystemFacts(const AppContext& context);
QString SystemInformationText(const SystemFacts& facts);

// A small window of the program's own with the system information, and a button to copy it.
class SystemInfoWindow final : public QDialog {
    Q_OBJECT
public:
    explicit SystemInfoWindow(const AppContext& context, QWidget* parent = nullptr);

    QString text() const;

private:
    QPlainTextEdit* m_view;
};

} // namespace kpt740
