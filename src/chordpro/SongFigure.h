#pragma once

#include <QByteArray>
#include <QCache>
#include <QImage>
#include <QMap>
#include <QMutex>
#include <QSizeF>
#include <QString>
#include <optional>

namespace partivo {
class ToolRunner;
}

namespace partivo::chordpro {

// A picture shown in a song instead of lyrics: inline or file SVG, a bitmap image, a block of
// plain text, or, when the picture cannot be had, the reason why.
struct SongFigure {
    enum class Kind { Svg, Raster, Text, Missing };

    Kind kind = Kind::Missing;
    QByteArray svg; // Svg: the document, known to be readable
    QImage image;   // Raster
    QString text;   // Text: as written, lines separated by '\n'
    // Missing: a sentence for the reader saying what is wrong.
    QString message;
    // Svg and Raster: the size asked for, in points; empty for Text and Missing.
    QSizeF naturalSize;
    // Text: the size of its letters, in points.
    double fontSize = 10;
};

// The pictures external programs drew, so that the same music is drawn once per program run
// however often its song is laid out. Keyed by the kind of music and a hash of its text;
// bounded in bytes, least recently used first out. Safe to share between threads.
class SongFigureCache {
public:
    explicit SongFigureCache(qsizetype maxBytes = 16 * 1024 * 1024);

    std::optional<SongFigure> find(const QByteArray& key) const;
    void insert(const QByteArray& key, const SongFigure& figure);
    qsizetype size() const;

private:
    mutable QMutex mutex_;
    mutable QCache<QByteArray, SongFigure> figures_;
};

// The cache the makers use unless told otherwise.
SongFigureCache& sharedSongFigureCache();

inline constexpr const char* kAbcProgram = "abcm2ps";
inline constexpr const char* kLilypondProgram = "lilypond";
// An engraver still running after this long is stopped.
inline constexpr int kFigureToolTimeoutMs = 10'000;

// Inline SVG: Svg at its own size, or Missing when it cannot be read.
SongFigure svgFigure(const QString& body);
// SVG data from a file or a program: Svg at its own size, or nothing when it cannot be read
// or has no size.
std::optional<SongFigure> readableSvg(const QByteArray& data);

// ABC music drawn by abcm2ps, LilyPond music drawn by lilypond: the first page of what the
// program drew, or Missing saying that the program is not installed, failed or took too long.
// Runs the program at most once per piece of music in the cache.
SongFigure abcFigure(const QString& body, ToolRunner& tools,
                     SongFigureCache& cache = sharedSongFigureCache());
SongFigure lilypondFigure(const QString& body, ToolRunner& tools,
                          SongFigureCache& cache = sharedSongFigureCache());

// Plain text drawn as it is written, in a monospaced face of that size.
SongFigure textBlockFigure(const QString& body, double fontSize = 10);

// The {image} directive: `src` is a file path, relative to the song's folder or absolute
// (never a URL); `width` and `height` in points, `scale` a factor or a percentage.
SongFigure imageFigure(const QMap<QString, QString>& attributes, const QString& songFolder);

} // namespace partivo::chordpro
