#include "app/PasswordDialog.h"

#include "app/Localisation.h"
#include "link/RadioPassword.h"
#include "text/LanguageText.h"

#include <QCoreApplication>
#include <QEvent>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace kpt740 {

namespace {

constexpr int kLabelGapTwips = 50;

// The key rules every text box of the program follows: no clipboard keys, nothing above code
// 127 (the radio stores single-byte characters), and Enter moves on to the next control.
class TextBoxKeys final : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() != QEvent::KeyPress) {
            return QObject::eventFilter(watched, event);
        }
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->matches(QKeySequence::Copy) || key->matches(QKeySequence::Paste) ||
            key->matches(QKeySequence::Cut)) {
            return true;
        }
        if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
            // Enter acts as Tab: the focus moves on to the next control.
            QKeyEvent tab(QEvent::KeyPress, Qt::Key_Tab, Qt::NoModifier);
            QCoreApplication::sendEvent(watched, &tab);
            return true;
        }
        for (const QChar c : key->text()) {
            if (c.unicode() > 127) {
                return true;
            }
        }
        return false;
    }
};

} // namespace

PasswordDialog::PasswordDialog(std::string_view enteredPassword, const LanguageText& text,
                               QWidget* parent)
    : QDialog(parent), m_label(new QLabel(this)), m_box(new QLineEdit(this)),
      m_ok(new QPushButton(this)), m_cancel(new QPushButton(this)) {
    setObjectName(QStringLiteral("FrmPassword"));
    SetTextId(this, 3100);
    m_label->setObjectName(QStringLiteral("LabelPassword"));
    SetTextId(m_label, 3101);
    m_box->setObjectName(QStringLiteral("TextPassword"));
    m_ok->setObjectName(QStringLiteral("CommandOK"));
    m_cancel->setObjectName(QStringLiteral("CommandCancel"));

    m_box->setMaxLength(kMaxLength);
    m_box->setEchoMode(QLineEdit::Password);
    // The password character is "*" whatever the style would draw.
    m_box->setStyleSheet(QStringLiteral("lineedit-password-character: 42;"));
    m_box->setAlignment(Qt::AlignCenter);
    m_box->setContextMenuPolicy(Qt::NoContextMenu);
    m_box->installEventFilter(new TextBoxKeys(m_box));
    m_box->setText(QString::fromLatin1(enteredPassword.data(),
                                       static_cast<qsizetype>(enteredPassword.size())));

    auto* row = new QHBoxLayout;
    row->setSpacing(TwipsToPixels(this, kLabelGapTwips));
    m_label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    row->addWidget(m_label);
    row->addWidget(m_box, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(m_ok);
    buttons->addWidget(m_cancel);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(row);
    layout->addLayout(buttons);

    LocaliseForm(this, text);
    SetOkCancelCaptions(m_ok, m_cancel, text);
    connect(m_ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(m_cancel, &QPushButton::clicked, this, &QDialog::reject);
    m_box->selectAll();
    m_box->setFocus();
}

std::string PasswordDialog::password() const {
    return NormalisePassword(m_box->text().toLatin1().toStdString());
}

} // namespace kpt740
