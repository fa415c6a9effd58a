#pragma once

#include "core/ChannelTable.h"
#include "features/scan/ScanSettings.h"

#include <QDialog>
#include <QString>
#include <cstdint>
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

// The scan settings dialog (FrmScan). It edits a private copy of the record; constructing it
// loads it completely and stores the load's repair (an invalid entry-tone value becomes 0)
// into `settings` at once, so that repair survives a Cancel. After OK, settings() is the
// record to store.
class ScanDialog final : public QDialog {
    Q_OBJECT
public:
    ScanDialog(ScanSettings& settings, const ChannelTable& channels, const LanguageText& text,
               QWidget* parent = nullptr);

    const ScanSettings& settings() const { return m_copy; }
    // Rebuilds the revert list with the choices the selected priority position allows and
    // enables the priority channel lists that position samples.
    void InitRevertList();

    // The labels and shown texts of every control the user can see, in the dialog's order; the
    // check box gives its caption and the report's ON/OFF text of its state.
    std::vector<std::pair<QString, QString>> shownItems() const;

private:
    QComboBox* addList(const char* name, int labelId, const char* design, bool hidden = false);
    void fillLists();
    void showRecord();
    void selectRevert(int revertChannel);
    std::uint8_t revertPosition() const;
    void applyEnabling();
    void priorityChanged();
    void commandOk();

    const LanguageText& m_text;
    const ChannelTable& m_channels;
    ScanSettings m_copy;
    bool m_loaded = false;
    // The full-list position of each item the revert list holds.
    std::vector<std::uint8_t> m_revertPositions;

    QComboBox* m_scanMode = nullptr;
    QComboBox* m_priority = nullptr;
    QComboBox* m_priorityGroup1 = nullptr;
    QComboBox* m_priorityChannel1 = nullptr;
    QComboBox* m_priorityGroup2 = nullptr;
    QComboBox* m_priorityChannel2 = nullptr;
    QComboBox* m_revert = nullptr;
    QComboBox* m_lookBackA = nullptr;
    QComboBox* m_lookBackB = nullptr;
    QComboBox* m_rxResume = nullptr;
    QComboBox* m_txResume = nullptr;
    QCheckBox* m_entryTone = nullptr;
    QComboBox* m_scanType = nullptr;
    QComboBox* m_waitTime = nullptr;
    QPushButton* m_ok = nullptr;
    QPushButton* m_cancel = nullptr;
    QGridLayout* m_grid = nullptr;
    // Label and control of each row, in the dialog's order.
    std::vector<std::pair<QLabel*, QWidget*>> m_rows;
};

// Opens the dialog on the working configuration. True when OK stored the record (the load's
// entry-tone repair is stored even after Cancel).
bool OpenScanDialog(QWidget* parent, AppContext& context, Prompter& prompter);

} // namespace kpt740
