#pragma once

#include "chordpro/ChordList.h"
#include "chordpro/ChordProParser.h"

#include <QSizeF>
#include <QString>

namespace partivo {

// One song's ChordPro document: its text, the metadata read from it and the chord list of the
// last pass over it. The layout side comes on top of this.
class ChordPro {
public:
    static constexpr double kDefaultFontSize = 17.0;

    // Loads a song file: UTF-8, else Windows-1252. A missing or unreadable file leaves an
    // empty text and gives false. Resets the page count and reads the font size.
    bool chargerFichier(const QString& path);
    // Why the last chargerFichier read nothing ("" when it read the file).
    const QString& loadProblem() const { return loadProblem_; }

    const QString& chordProData() const { return chordProData_; }
    // The folder of the file last loaded ("" for a text set by hand): images are found there.
    const QString& folder() const { return folder_; }
    void setChordProData(const QString& text);

    // Sets titre, sousTitre and cle from the text (the editor passes its own text). "%{...}"
    // in a title or subtitle is written out from the song's metadata: `known` when the caller
    // has read the song already, else the text is read for it when it may be needed.
    void determinerTitreSousTitreCle(const QString& text,
                                     const chordpro::SongMeta* known = nullptr);
    // The size "{fontsize:" asks for in the text, else defaultSize.
    static double obtenirFontSize(const QString& text, double defaultSize);
    // The size read by the last load or text change (kDefaultFontSize when none is asked).
    double fontSize() const { return fontSize_; }

    QString obtenirTitre() const { return titre_; }
    QString obtenirSousTitre() const { return sousTitre_; }
    QString obtenirCle() const { return cle_; }
    QString obtenirListeAccords() const { return listeAccords_.listeAccords(); }
    const ChordList& listeAccords() const { return listeAccords_; }
    void traiterUnAccord(const QString& chord) { listeAccords_.traiterUnAccord(chord); }

    // A pass over the text, read and prepared for display (chordpro/ChordProPrepare.h): the
    // lines, and the chord list replaced by the chords met.
    chordpro::ParsedSong parse();

    // The instrument and user that directives with a selector are matched against, shared
    // by all documents: "guitar" and the login name until the preferences say otherwise.
    static const chordpro::Selectors& selectors();
    static void setSelectors(const chordpro::Selectors& selectors);
    // Whether "{start_of_ly}" music is handed to lilypond, which runs whatever commands a
    // song file holds: off until the preferences allow it.
    static bool lilypondAllowed();
    static void setLilypondAllowed(bool allowed);

    int nbPages() const { return nbPages_; }
    void setNbPages(int pages) { nbPages_ = pages; }

    // The reference page size shared by all documents; 611 x 752 at start-up. A size with a
    // side that is not a positive number is refused (false, unchanged); sides out of bounds
    // are clamped (chordpro/ChordProReference.h).
    static QSizeF sizeRefStatique();
    static bool setSizeRef(const QSizeF& size);

private:
    QString loadProblem_;
    QString folder_;
    QString chordProData_;
    QString titre_;
    QString sousTitre_;
    QString cle_;
    ChordList listeAccords_;
    int nbPages_ = 0;
    double fontSize_ = kDefaultFontSize;
};

} // namespace partivo
