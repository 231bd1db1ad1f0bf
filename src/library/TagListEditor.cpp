#include "library/TagListEditor.h"

#include "library/Data.h"
#include "library/PieceTags.h"
#include "library/TabEditorTexts.h"
#include "library/TagList.h"
#include "library/TagTexts.h"
#include "library/TagWrites.h"
#include "platform/Commands.h"
#include "platform/Dialogs.h"
#include "platform/NotificationCenter.h"

#include <QRegularExpression>
#include <algorithm>

namespace partivo {

TagListEditor::TagListEditor(Data& data, NotificationCenter& center)
    : data_(data), center_(center), session_([this](int command) { postKey(command); })
{
}

void TagListEditor::postKey(int command)
{
    center_.postParam(QLatin1String(action::Key), command);
}

void TagListEditor::ouvrir()
{
    session_.open();
}

void TagListEditor::fermer()
{
    session_.close([this] { sauvegarderTags(data_.prefs, data_.tags); });
}

const QStringList& TagListEditor::tags() const
{
    return data_.tags;
}

void TagListEditor::changed()
{
    postKey(cmd::WinIDsEdited);
}

int TagListEditor::actionInsertRow()
{
    data_.tags.append(QString::fromUtf8(texts::kNewTag));
    changed();
    return int(data_.tags.size()) - 1;
}

bool TagListEditor::renameRow(int row, const QString& name)
{
    static const QRegularExpression blank(QStringLiteral("\\s"));
    if (row < 0 || row >= data_.tags.size() || name.isEmpty() || name.contains(blank))
        return false;
    if (data_.tags[row] != name) {
        data_.tags[row] = name;
        changed();
    }
    return true;
}

bool TagListEditor::moveRow(int from, int to)
{
    const int count = int(data_.tags.size());
    if (from < 0 || from >= count || to < 0 || to >= count)
        return false;
    if (from != to) {
        data_.tags.move(from, to);
        changed();
    }
    return true;
}

int TagListEditor::actionDeleteRow(int row)
{
    if (row < 0 || row >= data_.tags.size()) {
        data_.dialogs.msg(QString::fromUtf8(texts::kRowMustBeSelected));
        return -1;
    }
    const QString tag = data_.tags[row];
    if (data_.dialogs.question(QString::fromUtf8(texts::kRemoveTagFromAllSongs).arg(tag)))
        removeFromAllSongs(tag);
    data_.tags.removeAt(row);
    changed();
    if (data_.tags.isEmpty())
        return -1;
    return std::min(row, int(data_.tags.size()) - 1);
}

// Every song of the binder once: the entries of tab 0.
void TagListEditor::removeFromAllSongs(const QString& tag)
{
    TagWrites writes;
    for (const auto& piece : std::as_const(data_.listePiecesByTitle)) {
        if (piece->ongNo != 0 || !piece->pieceDet || !pieceHasTag(*piece, tag))
            continue;
        writes.apply(*piece, [&tag](Pieces& song, QString* why) {
            return removeTagStringFromPiece(tag, song, why);
        });
    }
    postKey(cmd::SongInfoChanged);
    writes.reportFailures(data_.dialogs);
}

} // namespace partivo
