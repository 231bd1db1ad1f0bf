#pragma once

#include <QString>

namespace partivo {

// The "Tags=" line of a note: found without regard to case, up to its line break, or to the
// end of the note when it is the last line without one.
struct TagsLine {
    qsizetype start = -1; // position of "Tags="
    qsizetype end = -1;   // position of its line break, or the note's length
    bool found() const { return start >= 0; }
};
TagsLine findTagsLine(const QString& note);

// The tags of the note's tags line, as written after "Tags=" ("" without one).
QString noteTags(const QString& note);
// The tag is among the note's tags: a whole word, without regard to case.
bool noteHasTag(const QString& note, const QString& tag);

// The note with the tag added at the end of its tags line (a new "Tags=" line at the end
// when it has none); unchanged when the tag is already there or blank.
QString addTagToNote(const QString& note, const QString& tag);
// The note without the tag (whole words, without regard to case); a line left without tags
// goes. Unchanged when the tag is not there.
QString removeTagFromNote(const QString& note, const QString& tag);
// The note without its tags line (and its line break).
QString clearTagsOfNote(const QString& note);

} // namespace partivo
