#pragma once

#include <QDialog>

class QComboBox;
class QPushButton;

namespace kpt740 {

class LanguageText;
class Prompter;
class Workspace;

// The "Model Type" dialog: shows the radio model and lets the user choose another band plan.
// Confirming a different band (after the warning that frequency data will be cleared) sets the
// band and builds a new configuration for it.
class ModelTypeDialog final : public QDialog {
    Q_OBJECT
public:
    ModelTypeDialog(Workspace& workspace, const LanguageText& text, Prompter& prompter,
                    QWidget* parent = nullptr);

    // True once OK changed the band (the grid must then be redrawn).
    bool bandChanged() const { return m_bandChanged; }

private:
    void commandOk();

    Workspace& m_workspace;
    const LanguageText& m_text;
    Prompter& m_prompter;
    QComboBox* m_model;
    QComboBox* m_band;
    QPushButton* m_ok;
    QPushButton* m_cancel;
    bool m_bandChanged = false;
};

// The band choice of the dialog's OK: nothing when the position's band is the current one;
// otherwise, after the warning is confirmed, the band changes and a new configuration is built.
// True when the band changed.
bool ApplyBandChoice(Workspace& workspace, int position, const LanguageText& text,
                     Prompter& prompter, QWidget* parent);

} // namespace kpt740
