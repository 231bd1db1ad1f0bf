#pragma once

#include <QString>
#include <array>

namespace partivo {

class CompanionIndex;

// The artist of a song whose file name and note name none.
inline constexpr char kUnknownArtist[] = "(nil)";
// The artist as the windows, the lists and the player take it: "" when unknown.
QString knownArtist(const QString& auteur);

// Details of one song file, shared by every entry (tab 0 and tabs 1..9) of that file.
struct PiecesDet {
    QString fichier;      // full path of the song file
    int typeFichier1 = 0; // 0 PDF, 1 ChordPro
    int signature = 0;    // beats per bar (2, 3, 4); 0 before the tempo computation
    int tempo = 0;        // beats per minute; 0 = none
    bool tempoOk = false; // tempo and signature are up to date with the note
    QString titre;
    QString auteur; // "(nil)" when unknown
    QString infoF;  // tags of the note with one space on each side, or ""
    QString notetxt;
    bool note = false; // a note file with at least one character exists
    bool played = false;
    std::array<int, 10> indexInTEMP{}; // pool position of this file's entry per tab, -1 none
    QString notePath;                  // the note file used (found case-insensitively when needed)
    // Why the note could not be read ("" when it was); such a note is never written over.
    QString noteProblem;
    // Why the ChordPro file could not be read for its title and artist; "" when it was.
    QString songProblem;

    // Reads the note beside the song. With an index of the folder's files (built during a
    // load) no file-system look-up is needed to know whether a note exists.
    void verifNote(const CompanionIndex* index = nullptr);
    // Writes notetxt back: deletes the note when emptied, writes only when the text changed.
    // Returns false when a needed write or delete failed.
    bool saveNote();
    // Title, artist and tags from the note, the file name and, for ChordPro, the song file.
    void majInfoFromNote();
    // Tags part of the file name ("Title(Artist)tags").
    QString obtenirInfoFromFilename() const;
};

} // namespace partivo
