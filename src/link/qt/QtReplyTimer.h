#pragma once

#include "link/ReplyTimer.h"

#include <QObject>
#include <QTimer>

namespace kpt740 {

// The link's reply timer on a one-shot QTimer of the calling thread's event loop.
class QtReplyTimer final : public QObject, public ReplyTimer {
    Q_OBJECT

public:
    explicit QtReplyTimer(QObject* parent = nullptr);

    void start(int milliseconds) override;
    void stop() override;
    bool isActive() const { return m_timer.isActive(); }

private:
    QTimer m_timer;
};

} // namespace kpt740
