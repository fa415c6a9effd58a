#pragma once

#include <QDialog>

class QComboBox;
class QPushButton;

namespace kpt740 {

class LanguageText;

// Chooses the language of the user interface: English, Simplified or Traditional Chinese.
class LanguageDialog final : public QDialog {
    Q_OBJECT
public:
    LanguageDialog(const LanguageText& text, int languageIndex, QWidget* parent = nullptr);

    // The language index of the selected item (1-3).
    int chosenLanguage() const;

private:
    QComboBox* m_list;
    QPushButton* m_ok;
    QPushButton* m_cancel;
};

} // namespace kpt740
