#include "chordpro/SongFigureMaker.h"

#include "chordpro/ChordProDirectives.h"

#include <utility>

namespace partivo::chordpro {

FileSongFigureMaker::FileSongFigureMaker(ToolRunner& tools, QString songFolder,
                                         bool lilypondAllowed)
    : tools_(tools), songFolder_(std::move(songFolder)), lilypondAllowed_(lilypondAllowed)
{
}

std::shared_ptr<const SongFigure> FileSongFigureMaker::section(const QString& kind,
                                                               const QString& body)
{
    return make(kind, body);
}

std::shared_ptr<const SongFigure> FileSongFigureMaker::image(const QString& attributes)
{
    return make(QStringLiteral("image"), attributes);
}

std::shared_ptr<const SongFigure> FileSongFigureMaker::make(const QString& kind,
                                                            const QString& source)
{
    const QString key = kind + u'\n' + source;
    if (const auto known = made_.constFind(key); known != made_.constEnd())
        return *known;
    std::shared_ptr<const SongFigure> figure;
    if (kind == u"image") {
        figure =
            std::make_shared<const SongFigure>(imageFigure(parseAttributes(source), songFolder_));
    } else if (kind == u"svg") {
        figure = std::make_shared<const SongFigure>(svgFigure(source));
    } else if (kind == u"abc") {
        figure = std::make_shared<const SongFigure>(abcFigure(source, tools_));
    } else if (kind == u"ly") {
        SongFigure refused;
        refused.message = QString::fromUtf8(kLilypondNotAllowed);
        figure = std::make_shared<const SongFigure>(
            lilypondAllowed_ ? lilypondFigure(source, tools_) : refused);
    }
    made_.insert(key, figure);
    return figure;
}

} // namespace partivo::chordpro
