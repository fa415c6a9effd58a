#pragma once

#include <QDialog>

class QComboBox;
class QGroupBox;
class QLabel;
class QPushButton;

namespace kpt740 {

class FiveToneDialog;
class FiveToneTextBox;
class LanguageText;
class Prompter;

// The special-call dialog of the 5-Tone dialog: builds a data call, an ANI code or a PTT-ID call
// and places it into a row of the code list or into a PTT-ID code box of `host`; it also sets
// the ANI separator of the working copy. Cancel changes nothing.
class FiveToneCallComposer final : public QDialog {
    Q_OBJECT
public:
    // `target`: 0 a code-list row, 1 the PTT-ID begin box, 2 the PTT-ID end box.
    FiveToneCallComposer(FiveToneDialog& host, int target, const LanguageText& text,
                         Prompter& prompter, QWidget* parent = nullptr);

    void commandOk();

protected:
    void done(int result) override;

private:
    QString option(int id) const;
    void callTypeChosen(int type);
    void resetSeparator();
    void idLeft(const FiveToneTextBox* box);
    void tellIdTooShort();

    FiveToneDialog& m_host;
    int m_target;
    const LanguageText& m_text;
    Prompter& m_prompter;
    QLabel* m_codeNumberLabel = nullptr;
    QComboBox* m_codeNumber = nullptr;
    QComboBox* m_callType = nullptr;
    QGroupBox* m_dataFrame = nullptr;
    FiveToneTextBox* m_dataId = nullptr;
    FiveToneTextBox* m_message = nullptr;
    QGroupBox* m_aniFrame = nullptr;
    FiveToneTextBox* m_aniId = nullptr;
    QComboBox* m_separator = nullptr;
    QPushButton* m_ok = nullptr;
    QPushButton* m_cancel = nullptr;
    bool m_closing = false;
};

} // namespace kpt740
