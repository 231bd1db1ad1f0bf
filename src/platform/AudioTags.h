#pragma once

#include <QString>
#include <optional>

namespace partivo {

// What the tags and the audio stream of one audio file say.
struct AudioTagInfo {
    QString title;       // "" when the file has none
    QString artist;      // ""
    QString comment;     // ""
    QString genre;       // ""
    double duration = 0; // seconds with their fraction (59.5, not 59 or 60)
};

// Reads the tags and the length of the audio file at path (any encoding of its name). Nothing,
// with the reason in why (when given), for a file that is not a regular file, that cannot be
// opened as audio or that has no audio stream. Safe to call from any thread.
std::optional<AudioTagInfo> readAudioTags(const QString& path, QString* why = nullptr);

} // namespace partivo
