#include "midi/MidiInbox.h"

#include <QtGlobal>

namespace partivo {

bool MidiInbox::push(qint32 sourceUid, const QByteArray& bytes)
{
    Item item{sourceUid, bytes.left(kMaxIncomingBytes)};
    bool burstStarts = false;
    bool wake = false;
    {
        const std::lock_guard<std::mutex> lock(mutex_);
        burstStarts = items_.push(std::move(item));
        wake = !std::exchange(wakePending_, true);
    }
    if (burstStarts)
        qWarning("Midi midiReceived: more than %d incoming messages wait; the oldest are dropped",
                 kMaxIncomingQueued);
    return wake;
}

QList<MidiInbox::Item> MidiInbox::takeAll()
{
    const std::lock_guard<std::mutex> lock(mutex_);
    wakePending_ = false;
    return items_.takeAll();
}

qsizetype MidiInbox::size() const
{
    const std::lock_guard<std::mutex> lock(mutex_);
    return items_.size();
}

} // namespace partivo
