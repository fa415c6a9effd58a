#pragma once

#include <QDialog>
#include <QString>
#include <array>
#include <utility>
#include <vector>

class QCheckBox;
class QComboBox;
class QLabel;
class QPushButton;
class QTimer;

namespace kpt740 {

class AppContext;
class FilteredLineEdit;
class Prompter;
struct DtmfSettings;

// The DTMF dialog: the stored codes M1-M16, PTT-ID begin and end, kill and stun codes, own ID
// and the timing lists. It works on the configuration's record directly: the corrections made
// while showing it stay even when the dialog is cancelled; OK stores the controls.
class DtmfDialog final : public QDialog {
    Q_OBJECT
public:
    // Indexes of the boxes that can receive a composed call (0-15 are M1-M16); the kill and
    // stun boxes come after them and never take one.
    static constexpr int kBeginBox = 16;
    static constexpr int kEndBox = 17;
    static constexpr int kKillBox = 18;
    static constexpr int kStunBox = 19;
    static constexpr int kCodeBoxCount = 20;
    static constexpr int kOkDelayMilliseconds = 50;

    DtmfDialog(AppContext& context, Prompter& prompter, QWidget* parent = nullptr);
    ~DtmfDialog() override;

    // The code box that last received the focus (0 when the dialog opens).
    int CurDTMFEditID() const { return m_curDtmfEditId; }
    FilteredLineEdit* codeBox(int index) const {
        return m_codeBoxes.at(static_cast<std::size_t>(index));
    }
    // The separator shown by the separator list ("A"-"D", "*" or "#").
    QChar currentSeparator() const;
    QString ownIdText() const;

    // Writes a composed call into the box CurDTMFEditID, as the special-call composer does.
    void putSpecialCall(const QString& call);
    // True once OK stored the dialog.
    bool stored() const { return m_stored; }
    // The labels and shown texts of every control the user can see, in the dialog's order (the
    // codes M1-M16, PTT-ID begin and end, kill, stun, then the lists), for the printed report;
    // the side-tone box gives its caption and the report's ON/OFF text.
    std::vector<std::pair<QString, QString>> shownItems() const;

private:
    void buildLists();
    void showRecord();
    void storeRecord();
    void separatorChanged();
    void ownIdLeft();
    void commandSpecial();
    void commandOk();

    AppContext& m_context;
    Prompter& m_prompter;
    DtmfSettings& m_record;
    int m_curDtmfEditId = 0;
    bool m_stored = false;
    std::array<FilteredLineEdit*, kCodeBoxCount> m_codeBoxes{};
    FilteredLineEdit* m_ownId;
    QComboBox* m_ani;
    QComboBox* m_sendTime;
    QComboBox* m_pttIdMode;
    QComboBox* m_separator;
    QComboBox* m_group;
    QComboBox* m_decodeResponse;
    QComboBox* m_firstDigitDelay;
    QComboBox* m_preSendDelay;
    QComboBox* m_resetTime;
    QComboBox* m_postSendDelay;
    QComboBox* m_pauseTime;
    QCheckBox* m_sideTone;
    QPushButton* m_special;
    QPushButton* m_ok;
    QPushButton* m_cancel;
    QTimer* m_okTimer;
    // Label and control of every shown row, in reading order (no label for the check box).
    std::vector<std::pair<QLabel*, QWidget*>> m_shownRows;
};

// Opens the DTMF dialog modally; true when OK changed the configuration.
bool OpenDtmfDialog(QWidget* parent, AppContext& context, Prompter& prompter);

} // namespace kpt740
