#pragma once

#include "core/ChannelTable.h"
#include "features/option/OptionSettings.h"

#include <QDialog>
#include <QString>
#include <array>
#include <utility>
#include <vector>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace kpt740 {

class AppContext;
class LanguageText;
class Prompter;

// The optional-features dialog (FrmOption): edits a private copy of the option record, which
// the caller stores after OK. Constructing it loads it completely (captions, lists, the record
// shown), so it can also be read without being shown.
class OptionDialog final : public QDialog {
    Q_OBJECT
public:
    // The number of selection lists, hidden ones included, in their design order.
    static constexpr int kListCount = 18;

    OptionDialog(const OptionSettings& settings, const ChannelTable& channels,
                 const LanguageText& text, QWidget* parent = nullptr);

    // The private copy as the dialog holds it; after OK the record to store.
    const OptionSettings& settings() const { return m_copy; }
    // Set once the record is shown; list changes before that change nothing.
    bool loaded() const { return m_loaded; }
    // 1 shows the password label and box, any other value hides both.
    void EnablePassWord(int value);

    // The labels and shown texts of every control the user can see, in the dialog's order; a
    // check box gives its caption and the report's ON/OFF text of its state, the unlabelled
    // list beside list 0 (when shown) an empty label, the welcome boxes their joined text.
    std::vector<std::pair<QString, QString>> shownItems() const;

private:
    void buildControls();
    void fillLists();
    void showRecord();
    void connectHandlers();
    void listChanged(int list, int position);
    void list0Changed(int position);
    void commandOk();
    bool eventFilter(QObject* watched, QEvent* event) override;

    const LanguageText& m_text;
    const ChannelTable& m_channels;
    OptionSettings m_copy;
    bool m_loaded = false;

    std::array<QComboBox*, kListCount> m_lists{};
    std::array<QLabel*, kListCount> m_listLabels{};
    QComboBox* m_extraList = nullptr;
    std::array<QCheckBox*, 4> m_checks{};
    QCheckBox* m_enablePassword = nullptr;
    QLabel* m_passwordLabel = nullptr;
    QLineEdit* m_password = nullptr;
    QLabel* m_welcomeLabel = nullptr;
    std::array<QLineEdit*, 7> m_welcome{};
    QPushButton* m_ok = nullptr;
    QPushButton* m_cancel = nullptr;
};

// Opens the dialog on the working configuration. True when OK stored the record; the main
// window then reloads its tree (LoadShowTree).
bool OpenOptionDialog(QWidget* parent, AppContext& context, Prompter& prompter);

} // namespace kpt740
