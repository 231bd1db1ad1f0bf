#include "display/SongPages.h"

#include "chordpro/ChordPro.h"
#include "chordpro/ChordProFontMetrics.h"
#include "chordpro/ChordProPainter.h"
#include "chordpro/ChordProPrepare.h"
#include "chordpro/ChordProRenderer.h"
#include "chordpro/SongFigureMaker.h"
#include "display/WindowSettings.h"
#include "platform/QProcessToolRunner.h"

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

// The options a ChordPro pass depends on.
QString passKey(const WindowSettings& window)
{
    return QStringLiteral("%1%2%3%4%5")
        .arg(int(window.lyricsOnly))
        .arg(int(window.ratio21))
        .arg(int(window.chordProChordsBold))
        .arg(int(window.chordProLyricsBold))
        .arg(int(window.chordProDiagramsHide));
}

} // namespace

// ChordPro songs read once per file and laid out once per set of options; the pages
// fitted into a view are kept, so repainting or turning back to a page lays nothing out.
struct SongPages::ChordProState {
    chordpro::ChordProFontMetrics metrics;
    ChordProRenderer renderer{metrics, ChordProRenderer::kDefaultFrame, true};
    struct Song {
        ChordPro document;
        bool loaded = false;
        QHash<QString, int> pages;                        // by pass options
        QHash<QString, chordpro::ChordProPageView> views; // by options, page and view size
        std::optional<ChordProHeading> heading;
        // Pictures and music of the song, made once.
        std::unique_ptr<chordpro::FileSongFigureMaker> figures;
    };
    QProcessToolRunner tools;
    QHash<QString, std::shared_ptr<Song>> songs;

    std::shared_ptr<Song> song(const QString& path)
    {
        auto& song = songs[path];
        if (!song) {
            song = std::make_shared<Song>();
            song->loaded = song->document.chargerFichier(path);
            song->figures = std::make_unique<chordpro::FileSongFigureMaker>(
                tools, song->document.folder(), ChordPro::lilypondAllowed());
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
        const PdfDocuments::Document document = documents_.open(path);
        if (error)
            *error = document.error;
        return document.pageCount;
    }
    auto song = chordPro_->song(path);
    if (!song->loaded) {
        if (error)
            *error = song->document.loadProblem();
        return 0;
    }
    const QString key = passKey(window);
    if (const auto known = song->pages.constFind(key); known != song->pages.constEnd())
        return *known;
    chordPro_->renderer.setBold({window.chordProLyricsBold, window.chordProChordsBold});
    chordPro_->renderer.setDiagrams(!window.chordProDiagramsHide);
    chordPro_->renderer.setFigureMaker(song->figures.get());
    const auto mode = chordpro::renderModeFor(window.lyricsOnly, window.ratio21);
    chordPro_->renderer.traiterChordProData(song->document, mode);
    const int pages = std::max(1, song->document.nbPages());
    song->pages.insert(key, pages);
    return pages;
}

ChordProHeading SongPages::chordProHeading(const QString& path)
{
    auto song = chordPro_->song(path);
    if (!song->loaded)
        return {};
    if (!song->heading) {
        ChordPro& document = song->document;
        const chordpro::ParsedSong parsed = document.parse();
        document.determinerTitreSousTitreCle(document.chordProData(), &parsed.meta);
        song->heading = ChordProHeading{document.obtenirTitre(), chordpro::keyAndCapoLine(parsed)};
    }
    return *song->heading;
}

void SongPages::paintChordPro(QPainter& painter, const QRectF& rect, const QString& path, int page,
                              const WindowSettings& window, int mode)
{
    auto song = chordPro_->song(path);
    if (!song->loaded)
        return;
    const QString key = QStringLiteral("%1:%2:%3:%4x%5")
                            .arg(passKey(window))
                            .arg(mode)
                            .arg(page)
                            .arg(rect.width())
                            .arg(rect.height());
    auto view = song->views.constFind(key);
    if (view == song->views.constEnd()) {
        chordpro::ChordProPageRequest request;
        request.viewSize = rect.size();
        request.lyricsOnly = window.lyricsOnly;
        request.modeAffichage = mode;
        request.ratio21 = window.ratio21;
        chordPro_->renderer.setBold({window.chordProLyricsBold, window.chordProChordsBold});
        chordPro_->renderer.setDiagrams(!window.chordProDiagramsHide);
        chordPro_->renderer.setFigureMaker(song->figures.get());
        view =
            song->views.insert(key, chordPro_->renderer.chargerPage(song->document, page, request));
    }
    painter.save();
    painter.translate(rect.topLeft());
    chordpro::paintChordProPage(painter, *view, colorsOf(window));
    painter.restore();
}

} // namespace partivo
