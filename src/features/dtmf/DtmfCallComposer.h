#pragma once

#include <QDialog>
#include <QString>

class QComboBox;
class QGroupBox;
class QPushButton;

namespace kpt740 {

class FilteredLineEdit;
class LanguageText;

// The special-call composer: builds an ANI call (called code, separator, own ID) or a PTT-ID
// call (separator, own ID) from the DTMF dialog's current separator and own ID.
class DtmfCallComposer final : public QDialog {
    Q_OBJECT
public:
    DtmfCallComposer(const LanguageText& text, QChar separator, QString ownId,
                     QWidget* parent = nullptr);
    ~DtmfCallComposer() override;

    // The call composed on OK (empty until then).
    const QString& composedCall() const { return m_composed; }

private:
    void kindChanged(int position);
    void commandOk();

    QChar m_separator;
    QString m_ownId;
    QString m_composed;
    QComboBox* m_kind;
    QGroupBox* m_frame;
    FilteredLineEdit* m_code;
    QPushButton* m_ok;
    QPushButton* m_cancel;
};

} // namespace kpt740
