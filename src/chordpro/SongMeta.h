#pragma once

#include <QList>
#include <QString>
#include <QStringView>

namespace partivo::chordpro {

// The metadata a song states, in the order written: {title:}, {artist:}, {capo:}, ... and
// {meta: NAME VALUE}. Names are in lower case.
class SongMeta {
public:
    struct Entry {
        QString name;
        QString value;
        bool operator==(const Entry&) const = default;
    };

    void add(const QString& name, const QString& value);
    const QList<Entry>& entries() const { return entries_; }
    bool contains(const QString& name) const;
    // Every value of that name joined by ", "; "" when none.
    QString value(const QString& name) const;
    // The first non-empty value of that name; "" when none.
    QString first(const QString& name) const;

private:
    QList<Entry> entries_;
};

// The text with every "%{name}" replaced by the metadata's value, "" when the song states no
// such value. "%{name|present}" and "%{name|present|absent}" write `present` when the value
// is there (in which "%{}" stands for the value) and `absent` otherwise; both may hold
// further substitutions. A "%{" without its "}" is kept as written.
QString substituteMeta(QStringView text, const SongMeta& meta);

} // namespace partivo::chordpro
