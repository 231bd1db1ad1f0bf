#include "platform/AudioTags.h"

#include "platform/TextDecode.h"

#include <QFile>
#include <QFileInfo>
#include <taglib/audioproperties.h>
#include <taglib/fileref.h>
#include <taglib/infotag.h>
#include <taglib/tag.h>
#include <taglib/tdebuglistener.h>
#include <taglib/tpropertymap.h>

namespace partivo {

namespace {

QString toQString(const TagLib::String& text)
{
    return QString::fromStdWString(text.toWString()).trimmed();
}

// TagLib reports damaged files on stderr; a damaged file is simply not a track here.
class SilentListener : public TagLib::DebugListener {
public:
    void printMessage(const TagLib::String&) override {}
};

// RIFF INFO texts of WAV and AIFF files are in no fixed encoding: UTF-8 when they are valid
// UTF-8, else Windows-1252 (TagLib would drop them).
class InfoTextHandler : public TagLib::RIFF::Info::StringHandler {
public:
    TagLib::String parse(const TagLib::ByteVector& data) const override
    {
        QByteArray bytes(data.data(), qsizetype(data.size()));
        if (const qsizetype end = bytes.indexOf('\0'); end >= 0)
            bytes.truncate(end);
        return TagLib::String(decodeText(bytes).toStdWString());
    }
};

// Set up once, before the first file is read.
void setUpTagLib()
{
    static SilentListener listener;
    static InfoTextHandler infoText;
    static const bool done = [] {
        TagLib::setDebugListener(&listener);
        TagLib::RIFF::Info::Tag::setStringHandler(&infoText);
        return true;
    }();
    (void)done;
}

// The tag's own field, else the file's property of that name: a WAV file's tag is its ID3v2
// tag only, its RIFF INFO fields come through the properties.
QString field(const TagLib::String& fromTag, const TagLib::PropertyMap& properties, const char* key)
{
    QString text = toQString(fromTag);
    if (text.isEmpty()) {
        const auto found = properties.find(key);
        if (found != properties.end() && !found->second.isEmpty())
            text = toQString(found->second.front());
    }
    return text;
}

void setWhy(QString* why, const QString& text)
{
    if (why)
        *why = text;
}

} // namespace

std::optional<AudioTagInfo> readAudioTags(const QString& path, QString* why)
{
    setUpTagLib();
    // A FIFO or a device would block or never end: only regular files are opened.
    const QFileInfo info(path);
    if (!info.isFile()) {
        setWhy(why, QStringLiteral("\"%1\" is not a regular file").arg(path));
        return std::nullopt;
    }
    const TagLib::FileRef file(QFile::encodeName(path).constData(), true,
                               TagLib::AudioProperties::Average);
    if (file.isNull()) {
        setWhy(why, QStringLiteral("\"%1\" cannot be read as an audio file").arg(path));
        return std::nullopt;
    }
    // A file that only looks like audio (a text file named .mp3) has no stream: no rate.
    const TagLib::AudioProperties* audio = file.audioProperties();
    if (!audio || audio->sampleRate() <= 0) {
        setWhy(why, QStringLiteral("\"%1\" has no audio stream").arg(path));
        return std::nullopt;
    }
    AudioTagInfo tags;
    tags.duration = audio->lengthInMilliseconds() / 1000.0;
    const TagLib::PropertyMap properties = file.file()->properties();
    const TagLib::Tag* tag = file.tag();
    const TagLib::String none;
    tags.title = field(tag ? tag->title() : none, properties, "TITLE");
    tags.artist = field(tag ? tag->artist() : none, properties, "ARTIST");
    tags.comment = field(tag ? tag->comment() : none, properties, "COMMENT");
    tags.genre = field(tag ? tag->genre() : none, properties, "GENRE");
    return tags;
}

} // namespace partivo
