#include "chordpro/SongFigure.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <QMutexLocker>
#include <QRegularExpression>
#include <QSvgRenderer>

namespace partivo::chordpro {

namespace {

SongFigure missing(const QString& message)
{
    SongFigure figure;
    figure.message = message;
    return figure;
}

qsizetype costOf(const SongFigure& figure)
{
    return 64 + figure.svg.size() + figure.image.sizeInBytes() + 2 * figure.message.size();
}

// "http:", "file:" and the like: a URL, which is never fetched. One letter before the colon
// would be a drive name, not a scheme.
bool looksLikeUrl(const QString& src)
{
    static const QRegularExpression scheme(QStringLiteral("^[A-Za-z][A-Za-z0-9+.-]+:"));
    return scheme.match(src).hasMatch();
}

// The file an image's src names, or "" when it names none. Relative names are joined to the
// folder by hand: QDir would take a name starting with ':' for a Qt resource.
QString imagePath(const QString& src, const QString& songFolder)
{
    if (looksLikeUrl(src))
        return {};
    if (src.startsWith(u'/'))
        return QDir::cleanPath(src);
    if (songFolder.isEmpty())
        return {};
    return QDir::cleanPath(songFolder + u'/' + src);
}

// A length in points ("120", "120pt"); nothing when absent, not a number or not positive.
std::optional<double> pointsOf(const QString& value)
{
    QString number = value.trimmed();
    if (number.endsWith(QLatin1String("pt"), Qt::CaseInsensitive))
        number.chop(2);
    bool ok = false;
    const double points = number.toDouble(&ok);
    if (!ok || !(points > 0))
        return std::nullopt;
    return points;
}

// "0.5" or "50%"; 1 when absent or unusable.
double scaleOf(const QString& value)
{
    QString number = value.trimmed();
    const bool percent = number.endsWith(u'%');
    if (percent)
        number.chop(1);
    bool ok = false;
    const double factor = number.toDouble(&ok) / (percent ? 100 : 1);
    return ok && factor > 0 ? factor : 1;
}

// One side given: the other follows the picture's proportions; both: both are taken.
QSizeF sizeAskedFor(QSizeF natural, const QMap<QString, QString>& attributes)
{
    const std::optional<double> width = pointsOf(attributes.value(QStringLiteral("width")));
    const std::optional<double> height = pointsOf(attributes.value(QStringLiteral("height")));
    QSizeF size = natural;
    if (width && height)
        size = {*width, *height};
    else if (width)
        size = {*width, *width * natural.height() / natural.width()};
    else if (height)
        size = {*height * natural.width() / natural.height(), *height};
    return size * scaleOf(attributes.value(QStringLiteral("scale")));
}

bool isSvgFile(const QString& path)
{
    const QString suffix = QFileInfo(path).suffix().toLower();
    return suffix == QLatin1String("svg") || suffix == QLatin1String("svgz");
}

} // namespace

SongFigureCache::SongFigureCache(qsizetype maxBytes) : figures_(maxBytes) {}

std::optional<SongFigure> SongFigureCache::find(const QByteArray& key) const
{
    const QMutexLocker lock(&mutex_);
    if (const SongFigure* figure = figures_.object(key))
        return *figure;
    return std::nullopt;
}

void SongFigureCache::insert(const QByteArray& key, const SongFigure& figure)
{
    const QMutexLocker lock(&mutex_);
    figures_.insert(key, new SongFigure(figure), costOf(figure));
}

qsizetype SongFigureCache::size() const
{
    const QMutexLocker lock(&mutex_);
    return figures_.size();
}

SongFigureCache& sharedSongFigureCache()
{
    static SongFigureCache cache;
    return cache;
}

std::optional<SongFigure> readableSvg(const QByteArray& data)
{
    QSvgRenderer renderer;
    if (!renderer.load(data) || !renderer.isValid() || renderer.defaultSize().isEmpty())
        return std::nullopt;
    SongFigure figure;
    figure.kind = SongFigure::Kind::Svg;
    figure.svg = data;
    figure.naturalSize = QSizeF(renderer.defaultSize());
    return figure;
}

SongFigure svgFigure(const QString& body)
{
    if (std::optional<SongFigure> figure = readableSvg(body.toUtf8()))
        return *figure;
    return missing(QStringLiteral("This SVG picture cannot be read."));
}

SongFigure textBlockFigure(const QString& body, double fontSize)
{
    SongFigure figure;
    figure.kind = SongFigure::Kind::Text;
    figure.text = body;
    figure.text.remove(u'\r');
    figure.fontSize = fontSize;
    return figure;
}

SongFigure imageFigure(const QMap<QString, QString>& attributes, const QString& songFolder)
{
    const QString src = attributes.value(QStringLiteral("src"));
    if (src.trimmed().isEmpty())
        return missing(QStringLiteral("The image directive names no file."));
    const QString path = imagePath(src, songFolder);
    if (path.isEmpty() || !QFileInfo(path).isFile())
        return missing(QStringLiteral("The image \"%1\" cannot be found.").arg(src));
    const QString unreadable = QStringLiteral("The image \"%1\" cannot be read.").arg(src);
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return missing(unreadable);

    SongFigure figure;
    if (isSvgFile(path)) {
        std::optional<SongFigure> svg = readableSvg(file.readAll());
        if (!svg)
            return missing(unreadable);
        figure = *svg;
    } else {
        QImageReader reader(&file);
        reader.setAutoTransform(true);
        figure.image = reader.read();
        if (figure.image.isNull())
            return missing(unreadable);
        figure.kind = SongFigure::Kind::Raster;
        // A pixel is taken for a point: few files say truthfully how large they are meant to be.
        figure.naturalSize = QSizeF(figure.image.size());
    }
    figure.naturalSize = sizeAskedFor(figure.naturalSize, attributes);
    return figure;
}

} // namespace partivo::chordpro
