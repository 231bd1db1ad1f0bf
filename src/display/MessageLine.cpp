#include "display/MessageLine.h"

#include "platform/Timers.h"

#include <atomic>

namespace partivo {

namespace {

// Each window has its own hide timer: a message for one window must not cancel the
// timer of another.
QString nextTimerName()
{
    static std::atomic<quint64> counter{0};
    return QStringLiteral("windowMessageHide#%1").arg(++counter);
}

} // namespace

MessageLine::MessageLine(Timers& timers, std::function<void()> showNote)
    : timers_(timers), showNote_(std::move(showNote)), timerName_(nextTimerName())
{
}

// A timer outliving its window would call into a destroyed object.
MessageLine::~MessageLine()
{
    timers_.stop(timerName_);
}

void MessageLine::setMsg(const QString& text, bool stay)
{
    timers_.stop(timerName_);
    if (text.isEmpty()) {
        refreshNote(false);
        return;
    }
    text_ = text;
    if (!stay)
        timers_.start(timerName_, kHideDelayMs, false, [this] { hideMsg(); });
    if (onMessage_)
        onMessage_();
}

void MessageLine::refreshNote(bool clearAfter30s)
{
    if (clearAfter30s)
        seconds30_ = true;
    timers_.stop(timerName_);
    text_.clear();
    if (showNote_)
        showNote_();
}

bool MessageLine::hideTimerActive() const
{
    return timers_.isActive(timerName_);
}

void MessageLine::hideMsg()
{
    refreshNote(false);
}

} // namespace partivo
