#pragma once

#include "library/Data.h"
#include "library/TabDet.h"
#include "library/TestFolder.h"
#include "platform/Commands.h"
#include "platform/MemoryPrefs.h"
#include "platform/NotificationCenter.h"
#include "platform/ScriptedDialogs.h"

#include <QDir>
#include <QVariantMap>
#include <gtest/gtest.h>

namespace partivo::test {

// A binder on disk whose songs carry notes, loaded as binder 1 (number 0) with a setlist in
// tab 1 when one is given, the tag list set, and the key commands posted on the bus.
struct TagTestBinder {
    struct Song {
        const char* file;
        const char* note; // nullptr: no note
    };

    TestFolder folder;
    MemoryPrefs prefs;
    ScriptedDialogs dialogs;
    Data data{prefs, dialogs};
    NotificationCenter center;
    QList<int> posted;

    TagTestBinder(std::initializer_list<Song> songs, const QStringList& tags,
                  const QString& setlist1 = QString())
    {
        for (const Song& song : songs) {
            const QString file = QString::fromUtf8(song.file);
            folder.write(file);
            if (song.note)
                folder.write(noteOf(file), song.note);
        }
        if (!setlist1.isEmpty()) {
            prefs.setValue(TabDet::key("%dTabName%d", 0, 1), QStringLiteral("Gig"));
            prefs.setValue(TabDet::key("%dlist%d", 0, 1), setlist1);
            prefs.setValue(TabDet::key("%dOptSel%d", 0, 1), int(TabDet::Setlist));
        }
        data.tags = tags;
        data.resetNavigation();
        EXPECT_TRUE(data.chargerBinder(0, folder.path(), true));
        center.addObserver(QLatin1String(action::Key), [this](const QVariant& p) {
            posted.append(p.toMap().value(QLatin1String(kCommandParam)).toInt());
        });
    }

    static QString noteOf(const QString& file) { return file.chopped(4) + QStringLiteral(".txt"); }
    // The note file of a song ("" when it has none).
    QString note(const char* file) const { return folder.read(noteOf(QString::fromUtf8(file))); }

    // The tab-0 entry of the song with that title.
    std::shared_ptr<Pieces> song(const QString& title) const
    {
        for (const auto& piece : data.listePiecesByTitle) {
            if (piece->ongNo == 0 && piece->pieceDet->titre == title)
                return piece;
        }
        ADD_FAILURE() << "no song " << title.toStdString();
        return data.listePiecesByTitle.value(0);
    }

    // Moves the binder's folder away for the time of a call: its notes cannot be written.
    template <class Call> void withFolderGone(Call call)
    {
        const QString moved = folder.path() + QStringLiteral("-moved");
        ASSERT_TRUE(QDir().rename(folder.path(), moved));
        call();
        ASSERT_TRUE(QDir().rename(moved, folder.path()));
    }
};

} // namespace partivo::test
