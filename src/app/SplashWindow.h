#pragma once

#include <QTimer>
#include <QWidget>
#include <filesystem>

class QLabel;

namespace kpt740 {

// The borderless picture window shown at start. After its time or at a click on it, whichever
// comes first, it closes and reports `finished` once; the later of the two does nothing.
class SplashWindow final : public QWidget {
    Q_OBJECT
public:
    SplashWindow(const std::filesystem::path& picture, int milliseconds, QWidget* parent = nullptr);

    bool isFinished() const { return m_finished; }
    const QTimer& timer() const { return m_timer; }

signals:
    void finished();

protected:
    void mousePressEvent(QMouseEvent* event) override;

private:
    void finish();

    QLabel* m_picture;
    QTimer m_timer;
    bool m_finished = false;
};

} // namespace kpt740
