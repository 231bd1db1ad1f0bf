#include "library/SampleSong.h"

#include <QStringList>

namespace partivo {

namespace {

// Key names are padded so that every meaning starts in column 21.
QString keyLine(const char* key, const char* meaning)
{
    return QString::fromUtf8(key).leftJustified(20, QLatin1Char(' ')) + QString::fromUtf8(meaning);
}

} // namespace

QString sampleSongText()
{
    const QStringList lines = {
        QStringLiteral("{title:Title}"),
        QStringLiteral("{st:Artist}"),
        QStringLiteral("{fontsize:17.0}"),
        QString(),
        QStringLiteral("# Type your song here..."),
        QString(),
        QStringLiteral("This is an example."),
        QString(),
        QStringLiteral(
            "To edit this file, press Alt-Enter or select Open in Editor from the Song menu."),
        QString(),
        QStringLiteral("Those keys can be used in the Editor:"),
        QString(),
        keyLine("Tab", "Insert a chord"),
        keyLine("Shift-Tab", "Insert a ChordPro directive"),
        keyLine("Alt-A to Alt-G", "Quickly insert basic chords"),
        keyLine("Alt-Up Alt-Down", "Transpose (+1/-1 semitone)"),
        keyLine("Alt-Left Alt-Right", "Convert # to b  or  b to #"),
        keyLine("Cmd+ Cmd-", "Adjust fontsize (fine)"),
        keyLine("Shift Cmd+ Cmd-", "Adjust fontsize (coarse)"),
        keyLine("Alt-T", "Transpose"),
        QString(),
        QStringLiteral("[C]This is an [G]example"),
        QString(),
        QStringLiteral("If you prefer, you can also enter your chords and lyrics using the format "
                       "below and use the Convert button."),
        QString(),
        QStringLiteral("Example:"),
        QString(),
        QStringLiteral("C       F       G"),
        QStringLiteral("This is another example"),
        QStringLiteral("    Am          C"),
        QStringLiteral("Please use Convert after entering"),
        QStringLiteral("C          F                G"),
        QStringLiteral("Lyrics and Chords using this format"),
        QString(),
        QStringLiteral("Solo: C Am F C"),
    };
    return lines.join(QLatin1Char('\n')) + QLatin1Char('\n');
}

} // namespace partivo
