#pragma once

#include <QDialog>
#include <string>
#include <string_view>

class QLabel;
class QLineEdit;
class QPushButton;

namespace kpt740 {

class LanguageText;

// The programming password dialog: one box of at most four characters, shown as "*" and
// centred, filled with the password entered so far. OK hands back the box's text after the
// trimmed-text rule; Cancel leaves the entered password as it was.
class PasswordDialog final : public QDialog {
    Q_OBJECT
public:
    static constexpr int kMaxLength = 4;

    PasswordDialog(std::string_view enteredPassword, const LanguageText& text,
                   QWidget* parent = nullptr);

    // The box's text after the trimmed-text rule.
    std::string password() const;
    QLineEdit* passwordBox() const { return m_box; }

private:
    QLabel* m_label;
    QLineEdit* m_box;
    QPushButton* m_ok;
    QPushButton* m_cancel;
};

} // namespace kpt740
