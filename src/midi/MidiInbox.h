#pragma once

#include <QByteArray>
#include <QList>
#include <mutex>
#include <utility>

namespace partivo {

// Most messages either incoming queue holds; when full the oldest is dropped.
inline constexpr int kMaxIncomingQueued = 256;
// Bytes kept of one incoming packet: system exclusive never triggers, so a longer one
// need not be kept whole.
inline constexpr int kMaxIncomingBytes = 1024;

// A queue with a limit that drops its oldest element to make room. A burst of drops is
// reported once: push answers true for the first drop since the queue was last empty.
template <typename T> class DropOldestQueue {
public:
    explicit DropOldestQueue(int limit = kMaxIncomingQueued) : limit_(limit) {}

    // True when this push starts a burst of drops (log it).
    bool push(T item)
    {
        bool burstStarts = false;
        if (items_.size() >= limit_) {
            items_.removeFirst();
            burstStarts = !dropping_;
            dropping_ = true;
        }
        items_.append(std::move(item));
        return burstStarts;
    }
    T takeFirst()
    {
        T item = items_.takeFirst();
        if (items_.isEmpty())
            dropping_ = false;
        return item;
    }
    QList<T> takeAll()
    {
        dropping_ = false;
        return std::exchange(items_, {});
    }
    void clear() { takeAll(); }
    bool isEmpty() const { return items_.isEmpty(); }
    qsizetype size() const { return items_.size(); }
    const QList<T>& items() const { return items_; }

private:
    qsizetype limit_;
    QList<T> items_;
    bool dropping_ = false;
};

// Where the MIDI service's thread leaves incoming packets for the main thread. Any thread
// may push; the main thread takes. Pushing never blocks for longer than a list append.
class MidiInbox {
public:
    struct Item {
        qint32 sourceUid = 0;
        QByteArray bytes;
    };

    // Keeps the packet (its first kMaxIncomingBytes). True when the main thread must be
    // woken: nothing was waiting for it since its last take.
    bool push(qint32 sourceUid, const QByteArray& bytes);
    // Main thread: every packet waiting, oldest first.
    QList<Item> takeAll();
    qsizetype size() const;

private:
    mutable std::mutex mutex_;
    DropOldestQueue<Item> items_;
    bool wakePending_ = false;
};

} // namespace partivo
