#pragma once

#include "chordpro/SongFigure.h"

#include <QHash>
#include <QString>
#include <memory>

namespace partivo {
class ToolRunner;
}

namespace partivo::chordpro {

// Makes the figures a song shows in place of lyrics, for the layout: the section kind
// ("svg", "abc", "ly") with its body, or an {image} directive's attributes.
class SongFigureMaker {
public:
    virtual ~SongFigureMaker() = default;
    virtual std::shared_ptr<const SongFigure> section(const QString& kind, const QString& body) = 0;
    virtual std::shared_ptr<const SongFigure> image(const QString& attributes) = 0;
};

inline constexpr const char* kLilypondNotAllowed =
    "LilyPond music is not drawn: lilypond can run any command a song file holds. Allow it in "
    "the preferences for songs you trust.";

// The figures of one song file: images beside it, music drawn by the engravers that
// `tools` runs. LilyPond runs only when allowed. Each figure is made once: a maker kept with
// its song reads no image file and no SVG again when the song is laid out again.
class FileSongFigureMaker final : public SongFigureMaker {
public:
    FileSongFigureMaker(ToolRunner& tools, QString songFolder, bool lilypondAllowed);

    std::shared_ptr<const SongFigure> section(const QString& kind, const QString& body) override;
    std::shared_ptr<const SongFigure> image(const QString& attributes) override;

private:
    std::shared_ptr<const SongFigure> make(const QString& kind, const QString& source);

    ToolRunner& tools_;
    QHash<QString, std::shared_ptr<const SongFigure>> made_;
    QString songFolder_;
    bool lilypondAllowed_;
};

} // namespace partivo::chordpro
