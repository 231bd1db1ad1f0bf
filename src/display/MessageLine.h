#pragma once

#include <QString>
#include <functional>

namespace partivo {

class Timers;

// The transient message of one display window. A message shows in place of the note line;
// one sent with "stay" false hides itself after kHideDelayMs and the note comes back.
class MessageLine {
public:
    static constexpr int kHideDelayMs = 3000;

    // showNote runs whenever the note line is to show the note again (message hidden,
    // cleared or replaced by a refresh of the note).
    MessageLine(Timers& timers, std::function<void()> showNote);
    ~MessageLine();
    MessageLine(const MessageLine&) = delete;
    MessageLine& operator=(const MessageLine&) = delete;

    // Runs whenever a non-empty message is set, so that the window shows it.
    void setOnMessage(std::function<void()> shown) { onMessage_ = std::move(shown); }

    // A non-empty text replaces the note line; an empty one brings the note back. Any
    // running hide timer is cancelled; a non-empty text with stay false starts a new one.
    void setMsg(const QString& text, bool stay);
    // The note line is redrawn: the message goes, its timer is cancelled, and with
    // clearAfter30s the note is to be cleared after 30 seconds.
    void refreshNote(bool clearAfter30s);

    // "" while the note line shows the note.
    const QString& text() const { return text_; }
    bool seconds30() const { return seconds30_; }
    void setSeconds30(bool on) { seconds30_ = on; }
    bool hideTimerActive() const;
    // The name of this window's hide timer among the application's timers.
    const QString& timerName() const { return timerName_; }

private:
    void hideMsg();

    Timers& timers_;
    std::function<void()> showNote_;
    std::function<void()> onMessage_;
    QString timerName_;
    QString text_;
    bool seconds30_ = false;
};

} // namespace partivo
