#include "app/FilteredLineEdit.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QTimer>

namespace kpt740 {

namespace {

constexpr int kLastAsciiCode = 127;
constexpr int kFirstPrintableCode = 32;

bool IsClipboardShortcut(const QKeyEvent* event) {
    if (event->matches(QKeySequence::Copy) || event->matches(QKeySequence::Paste) ||
        event->matches(QKeySequence::Cut)) {
        return true;
    }
    const bool control = (event->modifiers() & Qt::ControlModifier) != 0;
    return control &&
           (event->key() == Qt::Key_C || event->key() == Qt::Key_V || event->key() == Qt::Key_X);
}

bool IsEnter(const QKeyEvent* event) {
    return event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
}

// Moves the focus on from a pick list when Enter is pressed in it.
class EnterMovesFocusFilter final : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::KeyPress && IsEnter(static_cast<QKeyEvent*>(event))) {
            // Tab is what moves the focus on; the list itself has no public way to do it.
            QKeyEvent tab(QEvent::KeyPress, Qt::Key_Tab, Qt::NoModifier);
            QCoreApplication::sendEvent(watched, &tab);
            return true;
        }
        return QObject::eventFilter(watched, event);
    }
};

} // namespace

FilteredLineEdit::FilteredLineEdit(CharFilter filter, QWidget* parent)
    : QLineEdit(parent), m_filter(std::move(filter)) {
    setContextMenuPolicy(Qt::NoContextMenu);
    setAcceptDrops(false);
    setDragEnabled(false);
}

void FilteredLineEdit::keyPressEvent(QKeyEvent* event) {
    if (IsClipboardShortcut(event)) {
        event->accept();
        return;
    }
    if (IsEnter(event)) {
        event->accept();
        emit enterPressed();
        if (m_enterMovesFocus) {
            focusNextChild();
        }
        return;
    }
    const QString text = event->text();
    if (text.size() == 1) {
        const int code = text.at(0).unicode();
        if (code > kLastAsciiCode) {
            event->accept();
            return;
        }
        if (code >= kFirstPrintableCode && code < kLastAsciiCode) {
            const QString accepted = m_filter ? m_filter(text.at(0)) : text;
            if (accepted.isEmpty()) {
                event->accept();
                return;
            }
            if (accepted != text) {
                insert(accepted);
                event->accept();
                return;
            }
        }
    } else if (text.size() > 1) {
        // Composed input arrives as several characters: none of them is plain ASCII typing.
        event->accept();
        return;
    }
    QLineEdit::keyPressEvent(event);
}

void FilteredLineEdit::focusInEvent(QFocusEvent* event) {
    QLineEdit::focusInEvent(event);
    // A mouse click places the cursor after the focus event; select once it has.
    QTimer::singleShot(0, this, [this] {
        if (hasFocus()) {
            selectAll();
        }
    });
    selectAll();
    emit focusEntered();
}

void FilteredLineEdit::focusOutEvent(QFocusEvent* event) {
    QLineEdit::focusOutEvent(event);
    emit focusLeft();
}

QString DigitsOnly(QChar c) {
    return c.isDigit() ? QString(c) : QString();
}

QString ToneCharacters(QChar c) {
    return c.isDigit() || c == QLatin1Char('.') ? QString(c) : QString();
}

void MoveFocusOnEnter(QComboBox* list) {
    list->installEventFilter(new EnterMovesFocusFilter(list));
}

} // namespace kpt740
