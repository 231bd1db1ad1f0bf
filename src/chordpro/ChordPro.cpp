#include "chordpro/ChordPro.h"

#include "chordpro/ChordProMeta.h"
#include "chordpro/ChordProPrepare.h"
#include "chordpro/ChordProReference.h"
#include "platform/TextDecode.h"

#include <QFileInfo>
#include <utility>

namespace partivo {

namespace {

QSizeF& referenceSize()
{
    static QSizeF size(611, 752);
    return size;
}

bool& sharedLilypondAllowed()
{
    static bool allowed = false;
    return allowed;
}

chordpro::Selectors& sharedSelectors()
{
    static chordpro::Selectors selectors{QStringLiteral("guitar"), qEnvironmentVariable("USER")};
    return selectors;
}

} // namespace

bool ChordPro::chargerFichier(const QString& path)
{
    chordProData_.clear();
    nbPages_ = 0;
    folder_ = QFileInfo(path).absolutePath();
    const bool loaded = readTextFile(path, chordProData_, &loadProblem_);
    fontSize_ = obtenirFontSize(chordProData_, kDefaultFontSize);
    return loaded;
}

void ChordPro::setChordProData(const QString& text)
{
    chordProData_ = text;
    fontSize_ = obtenirFontSize(chordProData_, kDefaultFontSize);
}

void ChordPro::determinerTitreSousTitreCle(const QString& text, const chordpro::SongMeta* known)
{
    chordpro::TitreSousTitreCle meta = chordpro::determinerTitreSousTitreCle(text);
    // "%{artist}" in a title or subtitle writes the song's metadata; a title given only as
    // {meta: title ...} is the title. The song is read for them only when it may hold them.
    const bool metaTitle = meta.titre.isEmpty() && text.contains(u"meta", Qt::CaseInsensitive);
    if (meta.titre.contains(u"%{") || meta.sousTitre.contains(u"%{") || metaTitle) {
        const chordpro::SongMeta songMeta =
            known ? *known : chordpro::readSong(text, sharedSelectors()).meta;
        // The search for a value ends at its first "}"; the reader's value is the whole one.
        const QString title = songMeta.first(QStringLiteral("title"));
        if (!title.isEmpty() && (meta.titre.isEmpty() || meta.titre.contains(u"%{")))
            meta.titre = title;
        const QString subtitle = songMeta.first(QStringLiteral("subtitle"));
        if (!subtitle.isEmpty() && meta.sousTitre.contains(u"%{"))
            meta.sousTitre = subtitle;
        meta.titre = chordpro::substituteMeta(meta.titre, songMeta);
        meta.sousTitre = chordpro::substituteMeta(meta.sousTitre, songMeta);
    }
    titre_ = std::move(meta.titre);
    sousTitre_ = std::move(meta.sousTitre);
    cle_ = std::move(meta.cle);
}

double ChordPro::obtenirFontSize(const QString& text, double defaultSize)
{
    return chordpro::obtenirFontSize(text, defaultSize);
}

chordpro::ParsedSong ChordPro::parse()
{
    chordpro::ParsedSong song = chordpro::readSong(chordProData_, sharedSelectors());
    listeAccords_ = song.chords;
    return song;
}

const chordpro::Selectors& ChordPro::selectors()
{
    return sharedSelectors();
}

void ChordPro::setSelectors(const chordpro::Selectors& selectors)
{
    sharedSelectors() = selectors;
}

bool ChordPro::lilypondAllowed()
{
    return sharedLilypondAllowed();
}

void ChordPro::setLilypondAllowed(bool allowed)
{
    sharedLilypondAllowed() = allowed;
}

QSizeF ChordPro::sizeRefStatique()
{
    return referenceSize();
}

bool ChordPro::setSizeRef(const QSizeF& size)
{
    const std::optional<QSizeF> usable = chordpro::usableReferenceSize(size);
    if (!usable)
        return false;
    referenceSize() = *usable;
    return true;
}

} // namespace partivo
