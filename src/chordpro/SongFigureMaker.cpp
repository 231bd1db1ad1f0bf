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
    if (kind == u"svg")
        return std::make_shared<const SongFigure>(svgFigure(body));
    if (kind == u"abc")
        return std::make_shared<const SongFigure>(abcFigure(body, tools_));
    if (kind == u"ly") {
        if (lilypondAllowed_)
            return std::make_shared<const SongFigure>(lilypondFigure(body, tools_));
        SongFigure refused;
        refused.message = QString::fromUtf8(kLilypondNotAllowed);
        return std::make_shared<const SongFigure>(refused);
    }
    return nullptr;
}

std::shared_ptr<const SongFigure> FileSongFigureMaker::image(const QString& attributes)
{
    return std::make_shared<const SongFigure>(
        imageFigure(parseAttributes(attributes), songFolder_));
}

} // namespace partivo::chordpro
