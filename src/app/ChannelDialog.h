#pragma once

#include "app/ChannelEditRules.h"
#include "core/ChannelRecord.h"

#include <QDialog>
#include <QString>
#include <array>
#include <utility>
#include <vector>

class QCheckBox;
class QComboBox;
class QKeyEvent;
class QLabel;
class QLineEdit;
class QPushButton;

namespace kpt740 {

class AppContext;
class Prompter;

// The channel edit dialog: shows one channel position in full (a blank record when the position
// holds no channel) and on OK adds, changes or deletes that channel in the working table.
class ChannelDialog final : public QDialog {
    Q_OBJECT
public:
    ChannelDialog(AppContext& context, Prompter& prompter, int position, QWidget* parent = nullptr);

    int position() const { return m_position; }
    // True once OK changed the channel table (the grid row must then be redrawn).
    bool tableChanged() const { return m_tableChanged; }
    // What the controls hold now, as OK reads them.
    ChannelEntries entries() const;
    // The labels and shown texts of the controls the user can see, in the dialog's reading
    // order (row by row, left to right), for the printed report. The controls beside one label
    // give their texts joined by a blank; the name boxes give the name; a check box gives its
    // caption and the report's ON/OFF text; disabled controls still give what they show.
    std::vector<std::pair<QString, QString>> shownItems() const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildControls();
    void buildLayout();
    void fillLists();
    void load(const ChannelRecord& record);
    void watch(QWidget* control);
    void watchBox(QLineEdit* box, int filter);

    void decodeToneTypeChosen(int position);
    void encodeToneTypeChosen(int position);
    void toneTypeChosen(int position, QComboBox* ctcss, QComboBox* dcs, QCheckBox* inverted);
    void signallingChosen(int position);
    void dtmfPttIdChosen(int position);
    void fiveTonePttIdChosen(int position);
    void rebuildSquelchModes();
    void selectSquelchMode(int masterPosition);
    void receiveTextChanged();
    void commandOk();

    bool filterKey(QLineEdit* box, int filter, QKeyEvent* key);

    AppContext& m_context;
    Prompter& m_prompter;
    const int m_position;
    bool m_tableChanged = false;

    QLineEdit* m_rx = nullptr;
    QLineEdit* m_offset = nullptr;
    QLineEdit* m_tx = nullptr;
    QComboBox* m_shift = nullptr;
    std::array<QLineEdit*, kChannelNameBoxes> m_name{};
    QComboBox* m_step = nullptr;
    QComboBox* m_bandwidth = nullptr;
    QComboBox* m_power = nullptr;
    QComboBox* m_relation = nullptr;
    QComboBox* m_signalling = nullptr;
    QComboBox* m_dtmfCode = nullptr;
    QComboBox* m_twoTone = nullptr;
    QComboBox* m_fiveTone = nullptr;
    QComboBox* m_decodeType = nullptr;
    QComboBox* m_decodeCtcss = nullptr;
    QComboBox* m_decodeDcs = nullptr;
    QCheckBox* m_decodeInverted = nullptr;
    QComboBox* m_encodeType = nullptr;
    QComboBox* m_encodeCtcss = nullptr;
    QComboBox* m_encodeDcs = nullptr;
    QCheckBox* m_encodeInverted = nullptr;
    QComboBox* m_scrambler = nullptr;
    QComboBox* m_dtmfPttId = nullptr;
    QComboBox* m_fiveTonePttId = nullptr;
    QComboBox* m_squelch = nullptr;
    QComboBox* m_extraDisplay = nullptr;
    QComboBox* m_busyLock = nullptr;
    QCheckBox* m_txInhibit = nullptr;
    QCheckBox* m_reverse = nullptr;
    QCheckBox* m_talkaround = nullptr;
    QCheckBox* m_compander = nullptr;
    QCheckBox* m_scanSkip = nullptr;
    QCheckBox* m_pttIdFlag = nullptr;
    QCheckBox* m_pttIdDecode = nullptr;
    QLineEdit* m_pttIdCode = nullptr;
    QPushButton* m_ok = nullptr;
    QPushButton* m_cancel = nullptr;
    QLabel* m_decodeLabel = nullptr;
    QLabel* m_encodeLabel = nullptr;

    // Every control the emptied receive box disables.
    std::vector<QWidget*> m_dependants;
    // The master positions (texts 1784-1788) of the squelch items offered now, in list order.
    std::vector<int> m_squelchOffered;
};

// Opens the channel dialog for `position`, modal. True when OK changed the channel table; the
// caller then redraws the grid.
bool OpenChannelDialog(QWidget* parent, AppContext& context, Prompter& prompter, int position);

} // namespace kpt740
