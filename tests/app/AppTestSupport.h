#pragma once

#include "app/AppContext.h"
#include "app/MainWindow.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QSettings>
#include <QString>
#include <QStringList>
#include <QTest>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <map>
#include <string>
#include <vector>

namespace kpt740::test {

// The text ids the application shell shows.
inline const std::vector<int>& ShellTextIds() {
    static const std::vector<int> ids{
        101,  102,  1000, 1001, 1002, 1003, 1004, 1005, 1006, 1010, 1011, 1020, 1021, 1022, 1023,
        1024, 1025, 1026, 1027, 1028, 1030, 1031, 1032, 1033, 1040, 1041, 1042, 1043, 1050, 1051,
        1052, 1060, 1061, 1101, 1103, 1104, 1106, 1107, 1108, 1109, 1110, 1112, 1113, 1140, 1202,
        1203, 1204, 1205, 1206, 1221, 1501, 1502, 1503, 1504, 1804, 2012, 2100, 2101, 2200, 2300,
        2301, 2302, 2400, 2401, 2601, 3006, 5021, 5023, 5024, 5025, 5028, 5804};
    return ids;
}

// The text a test language file gives an id: "E1001" in English, "简1001" in Simplified and
// "繁1001" in Traditional Chinese.
inline QString TestText(int languageIndex, int id) {
    const char* prefix = languageIndex == 2 ? "简" : languageIndex == 3 ? "繁" : "E";
    return QString::fromUtf8(prefix) + QString::number(id);
}

inline void WriteFile(const std::filesystem::path& path, const std::string& text) {
    std::filesystem::create_directories(path.parent_path());
    std::ofstream(path, std::ios::binary | std::ios::trunc) << text;
}

inline std::string ReadFile(const std::filesystem::path& path) {
    std::ifstream file(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}

// The texts of a list's items, in order.
inline QStringList ItemTexts(const QComboBox* list) {
    QStringList texts;
    for (int i = 0; i < list->count(); ++i) {
        texts << list->itemText(i);
    }
    return texts;
}

// A left click on the button named `name` among the children of `window`.
inline void ClickButton(QWidget& window, const char* name) {
    auto* button = window.findChild<QAbstractButton*>(QString::fromLatin1(name));
    ASSERT_NE(button, nullptr) << name;
    QTest::mouseClick(button, Qt::LeftButton);
}

// The program's own language files in `languageFolder`, for tests of what the real texts show.
inline void UseRealLanguageFiles(const std::filesystem::path& languageFolder) {
    const std::filesystem::path source =
        (std::filesystem::path(KPT740_TEST_DATA_DIR) / ".." / ".." / "resources" / "language")
            .lexically_normal();
    std::filesystem::create_directories(languageFolder);
    for (const char* name : {"english.ini", "chinese.ini", "tchinese.ini"}) {
        std::filesystem::copy_file(source / name, languageFolder / name,
                                   std::filesystem::copy_options::overwrite_existing);
    }
}

inline std::string TestLanguageFile(int languageIndex) {
    std::string text = "[OTHER]\n20=DejaVu Sans\n21=10\n";
    for (const int id : ShellTextIds()) {
        text += std::to_string(id) + "=" + TestText(languageIndex, id).toStdString() + "\n";
    }
    text += "[MSG]\n9001=" + TestText(languageIndex, 9001).toStdString() + "\n";
    return text;
}

// A program folder of its own per test (language files, settings file, help pages), a user
// folder, a placement store and a prompter with queued answers.
class AppTest : public ::testing::Test {
protected:
    void SetUp() override {
        const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
        m_root = std::filesystem::path(::testing::TempDir()) /
                 (std::string("kpt740-app-") + info->test_suite_name() + "-" + info->name());
        std::filesystem::remove_all(m_root);
        for (int language = 1; language <= 3; ++language) {
            WriteFile(languageFolder() / LanguageFileName(language), TestLanguageFile(language));
        }
        writeSettings("[language]\nIsFirstRun=0\ncomPort=0\nFactoryFres=0\n");
        prompter = std::make_shared<QueuedPrompter>();
    }
    void TearDown() override { std::filesystem::remove_all(m_root); }

    std::filesystem::path programFolder() const { return m_root / "program"; }
    std::filesystem::path userFolder() const { return m_root / "user"; }
    std::filesystem::path languageFolder() const { return programFolder() / "language"; }
    std::filesystem::path settingsFile() const { return languageFolder() / "mysetup.ini"; }
    QString placementFile() const {
        return QString::fromStdString((m_root / "placement.ini").string());
    }
    void writeSettings(const std::string& text) { WriteFile(settingsFile(), text); }

    AppEnvironment environment(std::vector<ListedPort> ports = {}) const {
        AppEnvironment env;
        env.programFolder = programFolder();
        env.userFolder = userFolder();
        env.prompter = prompter;
        env.ports = std::make_shared<FixedPortLister>(std::move(ports));
        env.os = OsVersion{false, 6, 1};
        env.today = StartDate{2024, 5, 17, "2024-05-17"};
        env.userLocale = QLocale(QLocale::English, QLocale::UnitedStates);
        const QString placement = placementFile();
        env.placementStore = [placement] {
            return std::make_unique<QSettings>(placement, QSettings::IniFormat);
        };
        env.splashMilliseconds = 60000;
        return env;
    }

    std::shared_ptr<QueuedPrompter> prompter;

private:
    std::filesystem::path m_root;
};

// A main window that records which command hooks ran, and saves on request when told to.
class RecordingMainWindow final : public MainWindow {
public:
    using MainWindow::MainWindow;

    QStringList calls;
    std::vector<int> channelDialogs;
    bool saveSucceeds = false;
    bool initializingDuringNew = false;

protected:
    void newFile() override {
        calls << QStringLiteral("newFile");
        initializingDuringNew = initializing();
    }
    void openFile() override { calls << QStringLiteral("openFile"); }
    bool saveFile() override {
        calls << QStringLiteral("saveFile");
        return saveSucceeds;
    }
    void saveFileAs() override { calls << QStringLiteral("saveFileAs"); }
    void printSelection() override { calls << QStringLiteral("printSelection"); }
    void openChannelDialog(int position) override {
        calls << QStringLiteral("openChannelDialog");
        channelDialogs.push_back(position);
    }
    void openOptionDialog() override { calls << QStringLiteral("openOptionDialog"); }
    void openDtmfDialog() override { calls << QStringLiteral("openDtmfDialog"); }
    void openTwoToneDialog() override { calls << QStringLiteral("openTwoToneDialog"); }
    void openFiveToneDialog() override { calls << QStringLiteral("openFiveToneDialog"); }
    void openScanDialog() override { calls << QStringLiteral("openScanDialog"); }
    void openAlertDialog() override { calls << QStringLiteral("openAlertDialog"); }
    void openCommBookDialog() override { calls << QStringLiteral("openCommBookDialog"); }
    void readEmbeddedMessage() override { calls << QStringLiteral("readEmbeddedMessage"); }
    void openPortDialog() override { calls << QStringLiteral("openPortDialog"); }
    void readRadio() override { calls << QStringLiteral("readRadio"); }
    void writeRadio() override { calls << QStringLiteral("writeRadio"); }
    void openPasswordDialog() override { calls << QStringLiteral("openPasswordDialog"); }
    void hideGridEditors() override { calls << QStringLiteral("hideGridEditors"); }
};

} // namespace kpt740::test
