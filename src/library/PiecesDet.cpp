#include "library/PiecesDet.h"

#include "library/FileNames.h"
#include "library/NoteDirectives.h"
#include "platform/AtomicFile.h"
#include "platform/TextDecode.h"

#include <QFile>
#include <QFileInfo>

namespace partivo {

void PiecesDet::verifNote(const CompanionIndex* index)
{
    const QString defaultPath = notePathFor(fichier);
    const QString existing = index ? index->find(defaultPath) : findCaseInsensitive(defaultPath);
    notePath = existing.isEmpty() ? defaultPath : existing;
    QString text;
    QString why;
    // Invalid UTF-8 is read as Windows-1252, never as empty: a later save must not wipe it.
    const bool read = !existing.isEmpty() && readTextFile(existing, text, &why);
    noteProblem = !existing.isEmpty() && !read ? why : QString();
    if (read && !text.isEmpty()) {
        note = true;
        notetxt = text;
    } else {
        note = false;
        notetxt.clear();
    }
    tempoOk = false; // tempo and signature are read again from the note as it is now
}

bool PiecesDet::saveNote()
{
    // A note that exists but could not be read (too large, unreadable) stays as it is.
    if (!noteProblem.isEmpty() && QFileInfo::exists(notePath))
        return false;
    if (notePath.isEmpty())
        notePath = notePathFor(fichier);
    const bool exists = QFile::exists(notePath);
    if (exists && notetxt.isEmpty())
        return QFile::remove(notePath);
    if (!exists && notetxt.isEmpty())
        return true;
    if (exists) {
        QString current;
        if (readTextFile(notePath, current) && current == notetxt)
            return true;
    }
    return writeTextAtomically(notePath, notetxt);
}

namespace {

struct Parens {
    int open = -1;
    int close = -1;
    bool valid() const { return open >= 0 && close > open; }
};

Parens findParens(const QString& base)
{
    return {int(base.indexOf(QLatin1Char('('))), int(base.indexOf(QLatin1Char(')')))};
}

QString readSongText(const QString& path, QString& problem)
{
    QString text;
    QString why;
    if (!readTextFile(path, text, &why) && problem.isEmpty())
        problem = why;
    return text;
}

} // namespace

void PiecesDet::majInfoFromNote()
{
    std::optional<QString> title;
    std::optional<QString> artist;
    std::optional<QString> tags;
    if (!notetxt.isEmpty()) {
        title = obtenirChaineNonBlank(notetxt, QLatin1StringView("TITLE="));
        artist = obtenirChaineNonBlank(notetxt, QLatin1StringView("ARTIST="));
        tags = obtenirChaine(notetxt, QLatin1StringView("TAGS="));
    }
    const bool titleFromNote = title.has_value();
    const bool artistFromNote = artist.has_value();

    const QString base = baseNameOf(fichier);
    const Parens parens = findParens(base);
    bool artistFromFileName = false;
    if (parens.valid()) {
        if (!titleFromNote) {
            title = parens.open > 0 ? base.left(parens.open) : base.mid(parens.close + 1).trimmed();
        }
        if (!artistFromNote && parens.close > parens.open + 1) {
            artist = base.mid(parens.open + 1, parens.close - parens.open - 1);
            artistFromFileName = true;
        }
    }

    // A ChordPro song names itself unless the file name gave the artist or the note gave
    // both; its title then replaces one taken from the file name.
    if (typeFichier1 == 1 && !artistFromFileName && !(titleFromNote && artistFromNote)) {
        const QString song = readSongText(fichier, songProblem);
        if (!titleFromNote) {
            auto t = chordProDirective(song, QLatin1StringView("{title:"));
            if (!t)
                t = chordProDirective(song, QLatin1StringView("{t:"));
            if (!t)
                t = chordProMeta(song, QLatin1StringView("title"));
            if (t)
                title = t;
        }
        if (!artistFromNote) {
            // The artist directive first, then the subtitle as songbooks used to name the
            // artist.
            auto a = chordProDirective(song, QLatin1StringView("{artist:"));
            if (!a || a->isEmpty())
                a = chordProMeta(song, QLatin1StringView("artist"));
            if (!a || a->isEmpty())
                a = chordProDirective(song, QLatin1StringView("{subtitle:"));
            if (!a)
                a = chordProDirective(song, QLatin1StringView("{st:"));
            if (a)
                artist = a;
        }
    }

    titre = title && !title->isEmpty() ? *title : base;
    auteur = artist && !artist->isEmpty() ? *artist : QString::fromLatin1(kUnknownArtist);
    infoF = tags ? QLatin1Char(' ') + *tags + QLatin1Char(' ') : QString();
}

QString PiecesDet::obtenirInfoFromFilename() const
{
    const QString base = baseNameOf(fichier);
    const Parens parens = findParens(base);
    if (parens.open > 0 && parens.valid() && parens.close + 1 < base.size())
        return base.mid(parens.close + 1);
    return QString();
}

QString knownArtist(const QString& auteur)
{
    return auteur == QLatin1String(kUnknownArtist) ? QString() : auteur;
}

} // namespace partivo
