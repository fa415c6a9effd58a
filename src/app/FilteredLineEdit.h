#pragma once

#include <QLineEdit>
#include <QString>
#include <functional>

class QComboBox;

namespace kpt740 {

// A text box with the program's key rules: Ctrl+X, Ctrl+V and Ctrl+C do nothing, characters
// above code 127 are dropped, each printable character goes through the box's own filter,
// the whole text is selected on entry, and Enter moves the focus on (unless the owner takes
// Enter itself). No context menu and no drops, so nothing reaches the text around the filter.
class FilteredLineEdit : public QLineEdit {
    Q_OBJECT
public:
    // The text a printable character (32-126) becomes; an empty text drops it.
    using CharFilter = std::function<QString(QChar)>;

    explicit FilteredLineEdit(CharFilter filter, QWidget* parent = nullptr);

    void setEnterMovesFocus(bool moves) { m_enterMovesFocus = moves; }

signals:
    void focusEntered();
    void focusLeft();
    void enterPressed();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    CharFilter m_filter;
    bool m_enterMovesFocus = true;
};

// Filters for the usual boxes.
QString DigitsOnly(QChar c);
QString ToneCharacters(QChar c);

// Enter in a pick list moves the focus to the next control.
void MoveFocusOnEnter(QComboBox* list);

} // namespace kpt740
