#pragma once

#include <QSet>
#include <QString>
#include <QStringList>

namespace partivo {

// The distinct chords of a song in the order of their first appearance, kept in the
// stored form ";;;C;;G;" where every chord stands once enclosed by ";".
class ChordList {
public:
    // Records a chord: trimmed of spaces and tabs; empty chords are not recorded; the test
    // for a chord already present is exact and case-sensitive ("Am" and "am" differ).
    void traiterUnAccord(const QString& chord);
    void clear();
    // The stored form.
    const QString& listeAccords() const;
    // The chords in order, empty items skipped.
    QStringList chords() const;

private:
    // The stored form is ";" repeated once per recorded chord, then ";C;" for each chord in
    // order. It is built on demand so that recording stays linear in the number of chords.
    QString items_;
    qsizetype count_ = 0;
    // Recorded chords, and every ";"-separated piece of them: the pieces are exactly the
    // items a search for ";C;" in the stored form can find.
    QSet<QString> recorded_;
    QSet<QString> pieces_;
    mutable QString stored_;
    mutable bool storedValid_ = true;
};

} // namespace partivo
