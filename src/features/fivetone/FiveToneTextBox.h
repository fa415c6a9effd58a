#pragma once

#include "features/fivetone/FiveToneEditorRules.h"

#include <QLineEdit>

namespace kpt740 {

// A text box of the 5-Tone dialogs: copy, cut and paste are discarded, typed characters pass
// through the box's key filter, the whole text is selected on entry and Enter moves on (or is
// reported, for the grid's editors). `left()` fires when the focus moves to another control of
// the same window.
class FiveToneTextBox : public QLineEdit {
    Q_OBJECT
public:
    FiveToneTextBox(FiveToneKeyFilter filter, int maxLength, QWidget* parent = nullptr);

    // Whether Enter moves the focus to the next control (true) or only emits enterPressed().
    void setEnterMovesFocus(bool moves) { m_enterMovesFocus = moves; }

signals:
    void left();
    void enterPressed();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    FiveToneKeyFilter m_filter;
    bool m_enterMovesFocus = true;
};

} // namespace kpt740
