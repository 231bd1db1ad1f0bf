#pragma once

#include "platform/EditorSession.h"

#include <QString>
#include <QStringList>

namespace partivo {

class Data;
class NotificationCenter;

// The global tag list's editor without its window: the rows are Data::tags, edited in
// place. Every change tells the windows to re-read their settings (1011); closing stores
// the list.
class TagListEditor {
public:
    TagListEditor(Data& data, NotificationCenter& center);

    // Tells the bus that an editor opened (1007).
    void ouvrir();
    // Stores the list and tells the bus that the editor closed (1008), once.
    void fermer();
    bool isOpen() const { return session_.isOpen(); }

    const QStringList& tags() const;

    // Appends the tag "Tag1"; returns its row, whose text is typed next.
    int actionInsertRow();
    // Renames the tag of the row (the notes keep the old text). Refused, the old text kept,
    // for an empty name or one holding white space: a tag is one word. False when refused.
    bool renameRow(int row, const QString& name);
    // Moves the tag of row from to row to; false when either is out of the list.
    bool moveRow(int from, int to);
    // Removes the row's tag from the list, after asking whether to remove it from every
    // song's note too. Without a row (-1), the message "A row must be selected..." and -1.
    // Returns the row to select next (-1 none).
    int actionDeleteRow(int row);

private:
    void changed();
    void removeFromAllSongs(const QString& tag);
    void postKey(int command);

    Data& data_;
    NotificationCenter& center_;
    EditorSession session_;
};

} // namespace partivo
