#pragma once

#include "core/ChannelTable.h"
#include "features/alert/AlertRules.h"
#include "features/alert/AlertSettings.h"
#include "features/dtmf/DtmfSettings.h"
#include "features/fivetone/FiveToneSettings.h"

#include <QDialog>
#include <QString>
#include <array>
#include <utility>
#include <vector>

class QCheckBox;
class QComboBox;
class QGridLayout;
class QLabel;
class QPushButton;

namespace kpt740 {

class AppContext;
class LanguageText;
class Prompter;

// The alert dialog (FrmAlert): edits a private copy of the alert record, whose identity code
// is one of the DTMF codes with digits or one of the 5-Tone list codes in use. Constructing it
// loads it completely, so it can also be read without being shown; after OK, settings() is the
// record to store.
class AlertDialog final : public QDialog {
    Q_OBJECT
public:
    AlertDialog(const AlertSettings& settings, const ChannelTable& channels,
                const DtmfSettings& dtmf, const FiveToneSettings& fiveTone,
                const LanguageText& text, QWidget* parent = nullptr);

    const AlertSettings& settings() const { return m_copy; }

    // The labels and shown texts of every control the user can see, in the dialog's order; the
    // check box gives its caption and the report's ON/OFF text of its state.
    std::vector<std::pair<QString, QString>> shownItems() const;

private:
    QComboBox* addList(QGridLayout* grid, const char* name, int labelId, const char* design);
    void fillLists();
    void showRecord();
    void buildIdentityCodes(int codeType);
    void applyEnabling();
    void commandOk();

    const LanguageText& m_text;
    const ChannelTable& m_channels;
    AlertSettings m_copy;
    bool m_loaded = false;
    std::array<bool, kAlertDtmfCodeCount> m_dtmfCodeHasDigits{};
    std::array<bool, kAlertFiveToneCodeCount> m_fiveToneCodeInUse{};

    QComboBox* m_alarmType = nullptr;
    QComboBox* m_idCodeType = nullptr;
    QComboBox* m_idCode = nullptr;
    QComboBox* m_alarmTime = nullptr;
    QComboBox* m_txTime = nullptr;
    QComboBox* m_rxTime = nullptr;
    QComboBox* m_channelSelection = nullptr;
    QComboBox* m_emergencyGroup = nullptr;
    QComboBox* m_emergencyChannel = nullptr;
    QComboBox* m_cycles = nullptr;
    QCheckBox* m_autoDetect = nullptr;
    QComboBox* m_preAlertTime = nullptr;
    QComboBox* m_loneWorkerTime = nullptr;
    QPushButton* m_ok = nullptr;
    QPushButton* m_cancel = nullptr;
    // Label and control of each row, in the dialog's order.
    std::vector<std::pair<QLabel*, QWidget*>> m_rows;
};

// Opens the dialog on the working configuration. True when OK stored the record.
bool OpenAlertDialog(QWidget* parent, AppContext& context, Prompter& prompter);

} // namespace kpt740
