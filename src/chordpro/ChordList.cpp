#include "chordpro/ChordList.h"

#include "chordpro/SpacesTabs.h"

namespace partivo {

// The stored form after recording C1..Cn is n times ";" followed by ";C1;;C2;...;Cn;", which
// is what n steps of "old list becomes ;old;C;" give. A search for ";C;" in it can only
// find a maximal run between two ";", that is a ";"-separated piece of a recorded chord, so
// for a chord without ";" the piece set answers exactly as the search would. A chord that
// holds ";" cannot stand in the stored form as one item; it counts as present only when that
// very chord was recorded, which keeps recording linear.
void ChordList::traiterUnAccord(const QString& chord)
{
    const QStringView trimmed = chordpro::trimSpacesTabs(chord);
    if (trimmed.isEmpty())
        return;
    const QString name = trimmed.toString();
    const bool present = name.contains(u';') ? recorded_.contains(name) : pieces_.contains(name);
    if (present)
        return;
    recorded_.insert(name);
    for (const QStringView piece : QStringView(name).split(u';', Qt::SkipEmptyParts))
        pieces_.insert(piece.toString());
    items_ += u';';
    items_ += name;
    items_ += u';';
    ++count_;
    storedValid_ = false;
}

void ChordList::clear()
{
    items_.clear();
    count_ = 0;
    recorded_.clear();
    pieces_.clear();
    stored_.clear();
    storedValid_ = true;
}

const QString& ChordList::listeAccords() const
{
    if (!storedValid_) {
        stored_ = QString(count_, u';') + items_;
        storedValid_ = true;
    }
    return stored_;
}

QStringList ChordList::chords() const
{
    return items_.split(u';', Qt::SkipEmptyParts);
}

} // namespace partivo
