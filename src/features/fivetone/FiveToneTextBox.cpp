#include "features/fivetone/FiveToneTextBox.h"

#include <QFocusEvent>
#include <QKeyEvent>
#include <QTimer>

namespace kpt740 {

FiveToneTextBox::FiveToneTextBox(FiveToneKeyFilter filter, int maxLength, QWidget* parent)
    : QLineEdit(parent), m_filter(filter) {
    setMaxLength(maxLength);
    // Paste is discarded from the keyboard; the menu would bring it back.
    setContextMenuPolicy(Qt::NoContextMenu);
}

void FiveToneTextBox::keyPressEvent(QKeyEvent* event) {
    if (event->matches(QKeySequence::Copy) || event->matches(QKeySequence::Paste) ||
        event->matches(QKeySequence::Cut)) {
        event->accept();
        return;
    }
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        event->accept();
        emit enterPressed();
        if (m_enterMovesFocus) {
            focusNextChild();
        }
        return;
    }
    const QString text = event->text();
    const bool printable = text.size() == 1 && text.at(0).unicode() >= 32 &&
                           text.at(0).unicode() != 127 &&
                           (event->modifiers() & (Qt::ControlModifier | Qt::AltModifier)) == 0;
    if (!printable) {
        // Editing keys (arrows, Backspace, Delete, ...) keep their usual meaning.
        if (text.size() == 1 && text.at(0).unicode() > 127) {
            event->accept();
            return;
        }
        QLineEdit::keyPressEvent(event);
        return;
    }
    const char16_t code = text.at(0).unicode();
    const std::optional<char> taken = code > 127 ? std::nullopt : m_filter(static_cast<char>(code));
    if (taken) {
        insert(QString(QChar(*taken)));
    }
    event->accept();
}

void FiveToneTextBox::focusInEvent(QFocusEvent* event) {
    QLineEdit::focusInEvent(event);
    // A mouse click places the cursor after focusIn; select once the click is done.
    QTimer::singleShot(0, this, &QLineEdit::selectAll);
}

void FiveToneTextBox::focusOutEvent(QFocusEvent* event) {
    QLineEdit::focusOutEvent(event);
    // Another window (a message box, a popup list) taking the focus is not leaving the box.
    if (event->reason() != Qt::ActiveWindowFocusReason && event->reason() != Qt::PopupFocusReason) {
        emit left();
    }
}

} // namespace kpt740
