#pragma once

#include "features/fivetone/FiveToneCodeListModel.h"
#include "features/fivetone/FiveToneEditorRules.h"
#include "features/fivetone/FiveToneSettings.h"

#include <QDialog>
#include <QString>
#include <array>
#include <utility>
#include <vector>

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QPlainTextEdit;
class QPushButton;

namespace kpt740 {

class AppContext;
class FiveToneTextBox;
class LanguageText;
class Prompter;

inline constexpr int kFiveToneSpecialCallList = 0;
inline constexpr int kFiveToneSpecialCallBegin = 1;
inline constexpr int kFiveToneSpecialCallEnd = 2;

// A framed panel of the 5-Tone dialog as shown: its caption and its label/value rows.
struct FiveTonePanelContents {
    QString caption;
    std::vector<std::pair<QString, QString>> values;
};

// What the 5-Tone dialog shows, for the printed report: its caption; label and value of every
// control of the system panel (own ID, the lists, the side-tone box with the report's ON/OFF
// text); the info-code panel's five labels and the eight info codes (number, function,
// response, digits, name); the PTT-ID begin and end panels (code, standard, duration); the code
// list's column headings and the six cells of its 100 rows.
struct FiveToneDialogContents {
    QString caption;
    std::vector<std::pair<QString, QString>> values;
    std::array<QString, 5> infoCodeHeadings;
    std::vector<std::array<QString, 5>> infoCodes;
    std::vector<FiveTonePanelContents> pttIdPanels;
    std::array<QString, kFiveToneCodeListColumns> codeHeadings;
    std::vector<std::array<QString, kFiveToneCodeListColumns>> codeRows;
};

// The 5-Tone dialog: the own ID, the system panel, the info codes, the two PTT-ID codes, the
// reference text of a standard and the code list, all over a working copy of the 5-Tone record
// that OK writes back. The decode time is the configuration's own byte and is written whenever
// the controls are saved, so a value saved when the own ID is accepted survives Cancel.
class FiveToneDialog final : public QDialog {
    Q_OBJECT
public:
    FiveToneDialog(AppContext& context, Prompter& prompter, QWidget* parent = nullptr);

    // Everything the dialog shows after loading (it need not be shown).
    FiveToneDialogContents contents() const;

    // The parts the special-call dialog works with.
    QString ownIdText() const;
    FiveToneSettings& workingCopy() { return m_work; }
    FiveToneCodeListModel& codeList() { return *m_codeModel; }
    FiveToneCodeListView& codeListView() { return *m_codeView; }
    FiveToneTextBox& pttIdCodeBox(int target);
    const LanguageText& text() const;

    // The dialog's steps, as its controls run them.
    void saveStep();
    void showStep();
    void showInfoCode();
    void saveInfoCode(int rID);
    // Leaving the own-ID box: accepts 5 digits or asks for them.
    void ownIdLeft();
    void openSpecialCall(int target);
    void commandOk();

    int curInfoCodeId() const { return m_curInfoCodeId; }

protected:
    void done(int result) override;

private:
    void buildControls();
    void fillLists();
    QString option(int id) const;
    QString other(int id) const;
    void tellOption(int id);
    void tellOwnIdTooShort();
    void showReference(int standard);
    void systemStandardChosen(int standard);
    void pttIdStandardChosen(int target, int standard);
    void pauseDigitChosen(int item);
    void infoNumberChosen(int item);
    void decodeFunctionChosen(int function);
    void applyFunctionRule(const InfoFunctionRule& rule);
    void pttIdCodeLeft(int target);
    void codeStandardChosen(int row, int standard);
    void codeListDoubleClicked(const QModelIndex& index);
    void acceptOwnId();
    bool leavingForCancel() const;

    AppContext& m_context;
    Prompter& m_prompter;
    FiveToneSettings m_work;
    int m_curInfoCodeId = 0;
    bool m_loaded = false;
    // Set once the dialog closes: boxes losing the focus then are not being left by the user.
    bool m_closing = false;

    FiveToneTextBox* m_ownId = nullptr;
    QComboBox* m_standard = nullptr;
    QComboBox* m_decodeResponse = nullptr;
    QComboBox* m_toneDuration = nullptr;
    QComboBox* m_intervalA = nullptr;
    QComboBox* m_intervalC = nullptr;
    QComboBox* m_intervalB = nullptr;
    QComboBox* m_optionD = nullptr;
    QComboBox* m_firstDigitDelay = nullptr;
    QComboBox* m_pauseTime = nullptr;
    QComboBox* m_pauseDigit = nullptr;
    QComboBox* m_decodeTime = nullptr;
    QCheckBox* m_sideTone = nullptr;
    QGroupBox* m_infoFrame = nullptr;
    QComboBox* m_infoNumber = nullptr;
    QComboBox* m_decodeFunction = nullptr;
    QComboBox* m_infoResponse = nullptr;
    FiveToneTextBox* m_infoDigits = nullptr;
    FiveToneTextBox* m_infoName = nullptr;
    std::array<QComboBox*, 2> m_pttStandard{};
    std::array<QComboBox*, 2> m_pttDuration{};
    std::array<FiveToneTextBox*, 2> m_pttCode{};
    std::array<QPushButton*, 2> m_pttSpecialCall{};
    std::array<QGroupBox*, 2> m_pttFrame{};
    QPlainTextEdit* m_reference = nullptr;
    FiveToneCodeListModel* m_codeModel = nullptr;
    FiveToneCodeListView* m_codeView = nullptr;
    QPushButton* m_codeSpecialCall = nullptr;
    QPushButton* m_ok = nullptr;
    QPushButton* m_cancel = nullptr;
};

// Opens the 5-Tone dialog over the working configuration. After OK the channels and the alert
// are pointed at codes still in use; true then, so the caller redraws the channel grid.
bool OpenFiveToneDialog(QWidget* parent, AppContext& context, Prompter& prompter);

// Loads the dialog without showing it and returns what it shows.
FiveToneDialogContents FiveToneDialogContentsOf(AppContext& context, Prompter& prompter);

} // namespace kpt740
