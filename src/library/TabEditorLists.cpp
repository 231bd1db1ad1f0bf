// The tab editor's lists beside the working list: the setlist lines' songs, the collection
// preview, the source table, and the pasteboard.
#include "library/FileNames.h"
#include "library/Pieces.h"
#include "library/TabEditor.h"
#include "library/TabEditorTexts.h"
#include "platform/Clipboard.h"
#include "platform/Dialogs.h"

#include <QDir>
#include <algorithm>

namespace partivo {

namespace {

QString tr8(const char* text)
{
    return QString::fromUtf8(text);
}

} // namespace

TabEntry TabEditor::entreeDe(const std::shared_ptr<PiecesDet>& det)
{
    TabEntry entry;
    entry.fileName = fileNameOf(det->fichier);
    entry.titre = det->titre;
    entry.auteur = det->auteur;
    entry.path = det->fichier;
    entry.det = det;
    return entry;
}

TabEntry TabEditor::entreeMotCle(const QString& keyword)
{
    TabEntry entry;
    entry.titre = keyword;
    return entry;
}

TabEntry TabEditor::entreeSetlist(const QString& fileName) const
{
    if (fileName.isEmpty())
        return TabEntry{};
    if (const auto det = chercherFichier(fileName)) {
        TabEntry entry = entreeDe(det);
        entry.fileName = fileName; // the line stays as written
        return entry;
    }
    // Not in the binder: title and artist as the file name gives them.
    PiecesDet named;
    named.fichier = QDir(data_.dirX).filePath(fileName);
    named.majInfoFromNote();
    TabEntry entry;
    entry.fileName = fileName;
    entry.titre = named.titre;
    entry.auteur = named.auteur;
    entry.path = named.fichier;
    entry.missing = true;
    return entry;
}

// A setlist line names a song by its file's last path component, wherever the file lies in
// the binder's folders: the same name first, then the same name in another case, then the
// first song whose name begins with the line (the load admits such songs too).
std::shared_ptr<PiecesDet> TabEditor::chercherFichier(const QString& fileName) const
{
    if (!indexed_) {
        indexed_ = true;
        // Walk order is folder order: the first of several files of one name wins.
        for (const auto& piece : data_.listePiecesTEMP1) {
            if (piece->ongNo != 0)
                continue;
            const QString name = fileNameOf(piece->getPath());
            if (!byName_.contains(name))
                byName_.insert(name, piece->pieceDet);
            if (!byUpperName_.contains(name.toUpper()))
                byUpperName_.insert(name.toUpper(), piece->pieceDet);
        }
    }
    if (const auto it = byName_.constFind(fileName); it != byName_.cend())
        return *it;
    const QString upper = fileName.toUpper();
    if (const auto it = byUpperName_.constFind(upper); it != byUpperName_.cend())
        return *it;
    for (const auto& piece : data_.listePiecesTEMP1) {
        if (piece->ongNo == 0 && fileNameOf(piece->getPath()).toUpper().startsWith(upper))
            return piece->pieceDet;
    }
    return nullptr;
}

void TabEditor::refreshCollectionPreview()
{
    listeTemp_.clear();
    if (kind_ != CollectionKind)
        return;
    TabDet preview = record_;
    majDonneesTab(preview);
    QStringList keywords;
    for (const TabEntry& entry : std::as_const(liste_))
        keywords.append(entry.titre.toUpper());
    const EntryContext context{nullptr, &data_.random, nullptr};
    for (const auto& song : piecesOfTab(data_, 0)) {
        const QString& path = song->getPath();
        auto entry =
            Pieces::initWithPDF(path, fileNameOf(path), song->pieceDet->typeFichier1, tabNo_,
                                &preview, false, 0, QString(), keywords, song, context);
        if (entry)
            listeTemp_.append(entry);
    }
    sortPiecesBy(listeTemp_, data_.collator,
                 [](const std::shared_ptr<Pieces>& p) { return p->sortString1; });
}

int TabEditor::ajouterPiecesSource(const QList<int>& sourceRows, int at)
{
    if (kind_ != SetlistKind)
        return 0;
    int row = at < 0 || at > liste_.size() ? int(liste_.size()) : at;
    int added = 0;
    for (int index : sourceRows) {
        if (index < 0 || index >= source_.pieces().size())
            continue;
        liste_.insert(row++, entreeDe(source_.pieces()[index]->pieceDet));
        ++added;
    }
    if (added > 0)
        marquerChangement();
    return added;
}

int TabEditor::actionImport()
{
    const QStringList lines = lignesDe(clipboard_.text());
    int added = 0;
    if (kind_ == SetlistKind) {
        // An any-keyword collection over file names, whose keywords are the pasted lines:
        // the songs come in the order of the first line each one matches.
        TabDet byFileName = TabDet::initWithDirNo(record_.dirNo, tabNo_);
        byFileName.optSel = TabDet::AnyKeyword;
        byFileName.lookInto = TabDet::FileName;
        QStringList keywords;
        for (const QString& line : lines)
            keywords.append(line.toUpper());
        QList<std::pair<int, std::shared_ptr<PiecesDet>>> found;
        for (const auto& song : piecesOfTab(data_, 0)) {
            const MatchTexts texts(*song->pieceDet, fileNameOf(song->getPath()));
            int line = 0;
            if (tabAdmits(byFileName, texts, QString(), keywords, line))
                found.append({line, song->pieceDet});
        }
        std::stable_sort(found.begin(), found.end(),
                         [](const auto& a, const auto& b) { return a.first < b.first; });
        for (const auto& [line, det] : std::as_const(found))
            liste_.append(entreeDe(det));
        added = int(found.size());
        data_.dialogs.msg(tr8(texts::kValidEntriesImported).arg(added));
    } else {
        for (const QString& line : lines) {
            if (!line.isEmpty()) {
                liste_.append(entreeMotCle(line));
                ++added;
            }
        }
        data_.dialogs.msg(tr8(texts::kEntriesImported).arg(added));
    }
    if (added > 0)
        marquerChangement();
    return added;
}

int TabEditor::actionExport()
{
    QString text;
    int count = 0;
    auto add = [&](const QString& name) {
        if (name.isEmpty())
            return;
        text += name + QLatin1Char('\n');
        ++count;
    };
    if (kind_ == SetlistKind) {
        for (const TabEntry& entry : std::as_const(liste_))
            add(entry.fileName);
    } else {
        for (const auto& piece : std::as_const(listeTemp_))
            add(fileNameOf(piece->getPath()));
    }
    if (count == 0) {
        data_.dialogs.msg(tr8(texts::kNothingToExport));
        return 0;
    }
    clipboard_.setText(text);
    data_.dialogs.msg(tr8(texts::kFilenamesExported).arg(count));
    return count;
}

} // namespace partivo
