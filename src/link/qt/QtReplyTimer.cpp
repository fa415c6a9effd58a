#include "link/qt/QtReplyTimer.h"

namespace kpt740 {

QtReplyTimer::QtReplyTimer(QObject* parent) : QObject(parent) {
    m_timer.setSingleShot(true);
    // 300 ms with the coarse timer's 5 % slack would stretch every repeat noticeably.
    m_timer.setTimerType(Qt::PreciseTimer);
    connect(&m_timer, &QTimer::timeout, this, [this] { expire(); });
}

void QtReplyTimer::start(int milliseconds) {
    m_timer.start(milliseconds);
}

void QtReplyTimer::stop() {
    m_timer.stop();
}

} // namespace kpt740
