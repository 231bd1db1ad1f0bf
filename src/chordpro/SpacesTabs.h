#pragma once

#include <QStringView>

namespace partivo::chordpro {

inline bool isSpaceOrTab(QChar c)
{
    return c == u' ' || c == u'\t';
}

// Characters a ChordPro text drops wherever they stand: carriage return, tab and NUL.
inline bool isDropped(QChar c)
{
    return c == u'\r' || c == u'\t' || c == QChar(0);
}

// Trims spaces and tabs only: line ends and other blanks are part of a value.
inline QStringView trimSpacesTabs(QStringView text)
{
    qsizetype begin = 0;
    qsizetype end = text.size();
    while (begin < end && isSpaceOrTab(text[begin]))
        ++begin;
    while (end > begin && isSpaceOrTab(text[end - 1]))
        --end;
    return text.sliced(begin, end - begin);
}

} // namespace partivo::chordpro
