#pragma once

#include <QDialog>

class QLabel;
class QProgressBar;

namespace kpt740 {

// The modal progress window of a read or a write: a bar from 0 to 100, the label "Completion
// percentage:" and the percentage. It has no buttons and the user cannot close it while the
// exchange runs; the link closes it when the exchange ends.
class ProgressWindow final : public QDialog {
    Q_OBJECT
public:
    explicit ProgressWindow(QWidget* parent = nullptr);

    // Shows the window modal with its title and label, the bar at 0 and "0%".
    void begin(const QString& title, const QString& label);
    // Bar := percent, percentage label := percent followed by "%".
    void SetProgressValue(int percent);
    // Lets the window close and hides it.
    void finish();

    bool running() const { return m_running; }
    int value() const;
    QString percentageText() const;
    QString labelText() const;

public slots:
    // Escape and the window's close box do nothing while the exchange runs.
    void reject() override;

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    QProgressBar* m_bar;
    QLabel* m_label;
    QLabel* m_percentage;
    bool m_running = false;
};

} // namespace kpt740
