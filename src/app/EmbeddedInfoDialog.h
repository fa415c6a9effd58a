#pragma once

#include "core/EmbeddedInfo.h"

#include <QDialog>
#include <QString>
#include <filesystem>
#include <string>
#include <vector>

class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

namespace kpt740 {

class HelpWindow;
class LanguageText;

// The embedded-message window: the production and dealer information read from the radio,
// with the product name and the embedded version text. It only shows: what the user types in
// it is dropped with the window. Loaded without being shown it gives the printed report its
// captions and texts (rows()).
class EmbeddedInfoDialog final : public QDialog {
    Q_OBJECT
public:
    // The embedded version text; fixed, and not the firmware version the radio reports.
    static constexpr const char* kEmbeddedVersion = "V1.00";

    EmbeddedInfoDialog(const EmbeddedInfo& info, std::string productName, const LanguageText& text,
                       std::filesystem::path helpPage, QWidget* parent = nullptr);

    // Fills every box from the current values.
    void ShowByData();

    // One shown row: its caption and its box's text, top to bottom (the frame's rows last).
    struct Row {
        QString caption;
        QString value;
    };
    std::vector<Row> rows() const;
    QString dealerFrameCaption() const;
    HelpWindow* helpWindow() const { return m_help; }

private:
    void localise();
    void showHelp();

    const EmbeddedInfo& m_info;
    std::string m_productName;
    const LanguageText& m_text;
    std::filesystem::path m_helpPage;

    std::vector<QLabel*> m_labels;
    QLabel* m_descriptionLabel = nullptr;
    QLineEdit* m_areaCode = nullptr;
    QLineEdit* m_manufactureCode = nullptr;
    QLineEdit* m_userCode = nullptr;
    QComboBox* m_radioType = nullptr;
    QComboBox* m_frequency = nullptr;
    QLineEdit* m_serialNumber = nullptr;
    QLineEdit* m_productedDate = nullptr;
    QLineEdit* m_maintainedDate = nullptr;
    QLineEdit* m_version = nullptr;
    QPlainTextEdit* m_maintained = nullptr;
    QGroupBox* m_dealerFrame = nullptr;
    QLineEdit* m_dealerCode = nullptr;
    QLineEdit* m_stockDate = nullptr;
    QLineEdit* m_sellDate = nullptr;
    QLineEdit* m_seller = nullptr;
    QPushButton* m_close = nullptr;
    QPushButton* m_helpButton = nullptr;
    HelpWindow* m_help = nullptr;
};

} // namespace kpt740
