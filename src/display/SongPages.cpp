#include "display/SongPages.h"

#include "chordpro/ChordPro.h"
#include "chordpro/ChordProFontMetrics.h"
#include "chordpro/ChordProPainter.h"
#include "chordpro/ChordProRenderer.h"
#include "display/WindowSettings.h"

#include <QFileInfo>
#include <QHash>
#include <QPainter>

namespace partivo {

namespace {

chordpro::ChordProColors colorsOf(const WindowSettings& window)
{
    const WindowColors& c = window.colors;
    chordpro::ChordProColors colors;
    colors.chordColor = c.colorForObj(ChordProChordsColor);
    colors.textColor = c.colorForObj(ChordProLyricsColor);
    colors.textHColor = c.colorForObj(ChordProLyricsHighColor);
    colors.directiveColor = c.colorForObj(ChordProCommentsColor);
    colors.directiveColorBack = c.colorForObj(ChordProCommentsBackColor);
    colors.indentColor = c.colorForObj(ChordProBarColor);
    colors.backgroundColor = c.colorForObj(ChordProBackgroundColor);
    return colors;
}

} // namespace

// ChordPro songs read once per file, laid out against the shared reference page.
struct SongPages::ChordProState {
    chordpro::ChordProFontMetrics metrics;
    ChordProRenderer renderer{metrics, ChordProRenderer::kDefaultFrame, true};
    struct Song {
        ChordPro document;
        bool loaded = false;
    };
    QHash<QString, std::shared_ptr<Song>> songs;

    std::shared_ptr<Song> song(const QString& path)
    {
        auto& song = songs[path];
        if (!song) {
            song = std::make_shared<Song>();
            song->loaded = song->document.chargerFichier(path);
        }
        return song;
    }
};

SongPages::SongPages() : chordPro_(std::make_unique<ChordProState>())
{
    chordpro::installChordProFontSubstitutions();
}

SongPages::~SongPages() = default;

void SongPages::clear()
{
    documents_.clear();
    chordPro_->songs.clear();
}

int SongPages::pageCount(const QString& path, bool chordPro, const WindowSettings& window,
                         QString* error)
{
    if (!chordPro) {
        const PdfDocuments::Document& document = documents_.open(path);
        if (error)
            *error = document.error;
        return document.pageCount;
    }
    auto song = chordPro_->song(path);
    if (!song->loaded) {
        if (error)
            *error = QStringLiteral("The file \"%1\" is missing.").arg(QFileInfo(path).fileName());
        return 0;
    }
    chordPro_->renderer.setBold({window.chordProLyricsBold, window.chordProChordsBold});
    const auto mode = chordpro::renderModeFor(window.lyricsOnly, window.ratio21);
    chordPro_->renderer.traiterChordProData(song->document, mode);
    return std::max(1, song->document.nbPages());
}

void SongPages::paintChordPro(QPainter& painter, const QRectF& rect, const QString& path, int page,
                              const WindowSettings& window, int mode)
{
    auto song = chordPro_->song(path);
    if (!song->loaded)
        return;
    chordpro::ChordProPageRequest request;
    request.viewSize = rect.size();
    request.lyricsOnly = window.lyricsOnly;
    request.modeAffichage = mode;
    request.ratio21 = window.ratio21;
    chordPro_->renderer.setBold({window.chordProLyricsBold, window.chordProChordsBold});
    const chordpro::ChordProPageView view =
        chordPro_->renderer.chargerPage(song->document, page, request);
    painter.save();
    painter.translate(rect.topLeft());
    chordpro::paintChordProPage(painter, view, colorsOf(window));
    painter.restore();
}

} // namespace partivo
