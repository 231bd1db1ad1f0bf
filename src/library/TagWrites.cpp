#include "library/TagWrites.h"

#include "library/Pieces.h"
#include "library/TagTexts.h"
#include "platform/Dialogs.h"

namespace partivo {

namespace {

constexpr int kFailuresListed = 10;

} // namespace

TagWrites::Result TagWrites::apply(Pieces& song, const Edit& edit)
{
    const QString before = song.pieceDet->notetxt;
    QString why;
    if (!edit(song, &why)) {
        failures_.append(why);
        return Failed;
    }
    return song.pieceDet->notetxt == before ? Unchanged : Written;
}

void TagWrites::reportFailures(Dialogs& dialogs) const
{
    if (failures_.isEmpty())
        return;
    QStringList lines{QString::fromUtf8(texts::kNotesNotWritten).arg(failures_.size())};
    lines += failures_.mid(0, kFailuresListed);
    if (failures_.size() > kFailuresListed)
        lines +=
            QString::fromUtf8(texts::kMoreNotesNotWritten).arg(failures_.size() - kFailuresListed);
    dialogs.msg(lines.join(QLatin1Char('\n')));
}

} // namespace partivo
