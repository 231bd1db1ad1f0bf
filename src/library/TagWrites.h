#pragma once

#include <QString>
#include <QStringList>
#include <functional>

namespace partivo {

class Dialogs;
class Pieces;

// Tag edits over several songs: which notes were really written, and why the others could
// not be.
class TagWrites {
public:
    enum Result { Unchanged, Written, Failed };
    // A PieceTags edit of one song: false (why said) when its note could not be written.
    using Edit = std::function<bool(Pieces& song, QString* why)>;

    // Runs the edit; Written only when the song's note text changed.
    Result apply(Pieces& song, const Edit& edit);

    const QStringList& failures() const { return failures_; }
    // One message listing the failures (the first ten), when there are any.
    void reportFailures(Dialogs& dialogs) const;

private:
    QStringList failures_;
};

} // namespace partivo
