#pragma once

#include <functional>
#include <utility>

namespace kpt740 {

// The link's one-shot reply timer; starting it again re-arms it.
class ReplyTimer {
public:
    using ExpiredHandler = std::function<void()>;

    virtual ~ReplyTimer() = default;
    virtual void start(int milliseconds) = 0;
    virtual void stop() = 0;

    void setExpiredHandler(ExpiredHandler handler) { m_expired = std::move(handler); }

protected:
    void expire() {
        if (m_expired) {
            m_expired();
        }
    }

private:
    ExpiredHandler m_expired;
};

} // namespace kpt740
