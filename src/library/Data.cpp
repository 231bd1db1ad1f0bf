#include "library/Data.h"

#include "library/FileNames.h"
#include "library/LibraryTexts.h"
#include "platform/Dialogs.h"
#include "platform/Prefs.h"
#include "platform/TextDecode.h"
#include "platform/UnnamableFiles.h"

#include <QDir>
#include <QDirIterator>
#include <algorithm>
#include <thread>
#include <vector>

namespace partivo {

Data::Data(Prefs& prefs_, Dialogs& dialogs_)
    : prefs(prefs_), dialogs(dialogs_), random(QRandomGenerator::securelySeeded())
{
    // The C locale would compare code points, case-sensitively; sort as the common
    // Unicode order instead.
    const QLocale locale = QLocale::system();
    collator.setLocale(locale.language() == QLocale::C ? QLocale(QLocale::English) : locale);
    collator.setCaseSensitivity(Qt::CaseInsensitive);
    indexInTitleArrayG.fill(-1);
    indexInAuthorArrayG.fill(-1);
    for (int t = 0; t < 10; ++t)
        tabs[t] = TabDet::initWithDirNo(-1, t);
}

void Data::initListePieces()
{
    clearLists();
    listePiecesPrec.clear();
    listsExist = true;
}

void Data::clearLists()
{
    listePiecesByTitle.clear();
    listePiecesTEMP1.clear();
    listePiecesTEMP2.clear();
    listePiecesByAuthor.clear();
    listePiecesLog.clear();
    debLettre.fill(0);
    debLettre2.fill(0);
}

void Data::resetTabStarts()
{
    indexInTitleArrayG.fill(-1);
    indexInAuthorArrayG.fill(-1);
}

void Data::resetNavigation()
{
    rech.clear();
    filterNoG = -1;
    filterType = 0;
    filterField = 0;
    songNbrGPrec = 0;
    currentSort = 0;
    songNo_ = 0;
    onglNoG = 0;
    nbTocG = 36;
    resetTabStarts();
}

void Data::chargerTabsForDirNo(int dirNo, bool initOnly)
{
    for (int t = 0; t < 10; ++t) {
        tabs[t] = TabDet::initWithDirNo(dirNo, t);
        if (!initOnly)
            tabs[t].load(prefs);
    }
}

namespace {

QStringList upperLines(const QString& list)
{
    return list.toUpper().split(QLatin1Char('\n'));
}

// Setlist lines by their first few characters: a file is tried only against the lines
// that can be a prefix of its name, in line order.
class SetlistIndex {
public:
    static constexpr int kKeyLength = 8;

    SetlistIndex() = default;
    explicit SetlistIndex(const QStringList& lines)
    {
        for (int n = 0; n < lines.size(); ++n) {
            if (!lines[n].isEmpty())
                byKey_[lines[n].left(kKeyLength)].append(n);
        }
    }
    QList<int> candidates(const QString& upperFileName) const
    {
        QList<int> found;
        if (byKey_.isEmpty())
            return found;
        const int longest = int(std::min<qsizetype>(kKeyLength, upperFileName.size()));
        for (int k = 1; k <= longest; ++k) {
            const auto it = byKey_.constFind(upperFileName.left(k));
            if (it != byKey_.cend())
                found.append(*it);
        }
        std::sort(found.begin(), found.end());
        return found;
    }

private:
    QHash<QString, QList<int>> byKey_;
};

// Every accepted song file below the folder, and the note files beside them.
struct FolderWalk {
    QStringList songs;
    CompanionIndex notes;
    QStringList skipped; // why files were left out
};

FolderWalk walkFolder(const QString& root)
{
    FolderWalk walk;
    // System: FIFOs, sockets and devices are listed too, so that they are named when left out.
    QDirIterator it(root, QDir::Files | QDir::System | QDir::Hidden | QDir::NoDotAndDotDot,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        const QString name = it.fileName();
        const QString extension = extensionOf(name);
        const bool note = isNoteExtension(extension);
        // "temp" folders are skipped below the binder folder only, so that a binder may
        // live inside a folder such as "tempest" or "templates".
        const bool song = isSongExtension(extension) && !isAlternateVersionName(name) &&
                          !QStringView(path).mid(root.size()).contains(QLatin1String("/temp"));
        if (!note && !song)
            continue;
        // A link to a device or a FIFO is never read: reading it may never end.
        if (const QString problem = regularFileProblem(it.fileInfo()); !problem.isEmpty()) {
            walk.skipped.append(problem);
            continue;
        }
        if (note)
            walk.notes.add(path);
        if (song)
            walk.songs.append(path);
    }
    // The walk order depends on the file system; a fixed order keeps ties reproducible.
    std::sort(walk.songs.begin(), walk.songs.end());
    return walk;
}

std::vector<QCollatorSortKey> sortKeys(const Data::PieceList& pool, const QCollator& collator,
                                       QString Pieces::*key)
{
    std::vector<QCollatorSortKey> keys;
    keys.reserve(pool.size());
    for (const auto& entry : pool)
        keys.push_back(collator.sortKey((*entry).*key));
    return keys;
}

Data::PieceList sortedBy(const Data::PieceList& pool, const std::vector<QCollatorSortKey>& keys)
{
    std::vector<int> order(pool.size());
    for (int i = 0; i < int(order.size()); ++i)
        order[i] = i;
    std::stable_sort(order.begin(), order.end(),
                     [&keys](int a, int b) { return keys[a].compare(keys[b]) < 0; });
    Data::PieceList sorted;
    sorted.reserve(pool.size());
    for (int i : order)
        sorted.append(pool[i]);
    return sorted;
}

} // namespace

void Data::buildEntries(const QStringList& songs, const CompanionIndex& notes,
                        const QStringList& logNames, QList<LogPieces>& log)
{
    std::array<QStringList, 10> lines;
    std::array<SetlistIndex, 10> setlists;
    for (int t = 1; t < 10; ++t) {
        lines[t] = upperLines(tabs[t].list);
        if (tabs[t].optSel == TabDet::Setlist)
            setlists[t] = SetlistIndex(lines[t]);
    }
    EntryContext context{&notes, &random, nullptr};
    // A setlist whose lines match song after song (short or empty prefixes, thousands of
    // lines) would make millions of entries: each tab makes at most kMaxSetlistEntries.
    std::array<int, 10> setlistEntries{};
    std::array<bool, 10> setlistCut{};

    for (const QString& path : songs) {
        const QString name = fileNameOf(path);
        const int type = typeForExtension(extensionOf(name));
        context.match = nullptr;
        auto master = Pieces::initWithPDF(path, name, type, 0, &tabs[0], true, 0, QString(), {},
                                          nullptr, context);
        for (const QString* problem :
             {&master->pieceDet->noteProblem, &master->pieceDet->songProblem}) {
            if (!problem->isEmpty())
                loadProblems.append(*problem);
        }
        const MatchTexts match(*master->pieceDet, name);
        context.match = &match;
        std::array<int, 10> positions;
        positions.fill(-1);
        for (int t = 1; t < 10; ++t) {
            const TabDet& tab = tabs[t];
            if (tab.optSel == TabDet::Setlist) {
                if (tab.list.isEmpty())
                    continue;
                for (int n : setlists[t].candidates(match.fileName())) {
                    if (setlistEntries[t] >= kMaxSetlistEntries) {
                        setlistCut[t] = true;
                        break;
                    }
                    auto entry = Pieces::initWithPDF(path, name, type, t, &tab, false, n + 1,
                                                     lines[t][n], {}, master, context);
                    if (entry) {
                        ++setlistEntries[t];
                        positions[t] = int(listePiecesTEMP1.size());
                        listePiecesTEMP1.append(entry);
                    }
                }
            } else {
                auto entry = Pieces::initWithPDF(path, name, type, t, &tab, false, 0, QString(),
                                                 lines[t], master, context);
                if (entry) {
                    positions[t] = int(listePiecesTEMP1.size());
                    listePiecesTEMP1.append(entry);
                }
            }
        }
        positions[0] = int(listePiecesTEMP1.size());
        master->initIndexes(positions);
        listePiecesTEMP1.append(master);

        for (int p = 0; p < logNames.size(); ++p) {
            if (!logNames[p].isEmpty() && match.fileName().startsWith(logNames[p])) {
                master->pieceDet->played = true;
                log.append({master, QStringLiteral("%1").arg(p + 1, 8, 10, QLatin1Char('0'))});
            }
        }
    }
    for (int t = 1; t < 10; ++t) {
        if (setlistCut[t])
            loadProblems.append(QString::fromUtf8(texts::kSetlistCut)
                                    .arg(t)
                                    .arg(tabs[t].tabName)
                                    .arg(kMaxSetlistEntries));
    }
}

bool Data::folderHasSongs(const QString& folder)
{
    return !walkFolder(QDir::cleanPath(QDir(folder).absolutePath())).songs.isEmpty();
}

bool Data::chargerFichiers(const QString& folder, bool noMsg)
{
    const QString root = QDir::cleanPath(QDir(folder).absolutePath());
    dirX = root;
    QStringList logNames;
    for (const auto& entry : listePiecesLog)
        logNames.append(fileNameOf(entry->getPath()).toUpper());

    FolderWalk walk = walkFolder(root);
    loadProblems = walk.skipped;
    // Names that are not UTF-8 cannot be opened through Qt: they are named, not dropped.
    const QStringList unnamable = unnamableEntries(root, [](const QByteArray& name) {
        const qsizetype dot = name.lastIndexOf('.');
        const QString extension = dot < 0 ? QString() : QString::fromLatin1(name.mid(dot + 1));
        return isSongExtension(extension) || isNoteExtension(extension);
    });
    if (!unnamable.isEmpty())
        loadProblems.append(QString::fromUtf8(texts::kNamesNotUtf8)
                                .arg(unnamable.size())
                                .arg(unnamable.join(QStringLiteral(", "))));
    if (walk.songs.isEmpty()) {
        if (!noMsg)
            dialogs.msg(QString::fromUtf8(texts::kNoSongsFound));
        return false;
    }

    int maxPrec = -1;
    if (listsExist && songNbrG() > 0) {
        listePiecesPrec = listePiecesByTitle;
        songNbrGPrec = songNbrG();
        maxPrec = songNbrGPrec - 1;
        clearLists();
    } else {
        initListePieces();
        songNbrGPrec = 0;
    }
    // The tab starts describe the lists being built; stale ones would point anywhere.
    resetTabStarts();

    QList<LogPieces> log;
    buildEntries(walk.songs, walk.notes, logNames, log);

    // Collation keys are the costliest part of a load: the artist order's keys are made on a
    // second thread, with a collator of its own, while this one makes the title order's.
    std::vector<QCollatorSortKey> authorKeys;
    std::thread authorWorker([this, &authorKeys] {
        QCollator own(collator.locale());
        own.setCaseSensitivity(collator.caseSensitivity());
        authorKeys = sortKeys(listePiecesTEMP1, own, &Pieces::sortString2);
    });
    const auto titleKeys = sortKeys(listePiecesTEMP1, collator, &Pieces::sortString1);
    authorWorker.join();
    listePiecesByTitle = sortedBy(listePiecesTEMP1, titleKeys);
    determinerGaucheDroite(listePiecesByTitle, maxPrec, 0);
    listePiecesByAuthor = sortedBy(listePiecesTEMP1, authorKeys);
    std::stable_sort(log.begin(), log.end(), [](const LogPieces& a, const LogPieces& b) {
        return a.sortString1 < b.sortString1;
    });
    for (const LogPieces& line : log)
        listePiecesLog.append(line.piece);
    determinerGaucheDroite(listePiecesByAuthor, -1, 1);
    setSongNoG(songNo_);
    return true;
}

bool Data::chargerBinder(int dirNo, const QString& folder, bool noMsg)
{
    chargerTabsForDirNo(dirNo, false);
    return chargerFichiers(folder, noMsg);
}

void Data::setSongNoG(int n)
{
    songNo_ = songNbrG() == 0 ? 0 : std::clamp(n, 1, songNbrG());
}

void Data::determinerGaucheDroite(const PieceList& list, int maxPrec, int sort)
{
    int difference = 0;
    for (int i = 0; i < list.size(); ++i) {
        Pieces& entry = *list[i];
        const int tab = std::clamp(entry.ongNo, 0, 9);
        if (sort == 1) {
            if (indexInAuthorArrayG[tab] == -1)
                indexInAuthorArrayG[tab] = i;
            entry.indexInAuthorArray = i;
            const int key = keyn(entry.pieceDet->auteur);
            if (key > 0 && debLettre2[key] == 0)
                debLettre2[key] = i + 1;
        } else {
            if (indexInTitleArrayG[tab] == -1)
                indexInTitleArrayG[tab] = i;
            entry.indexInTitleArray = i;
            entry.indexInAuthorArray = 0;
            const int key = keyn(entry.pieceDet->titre);
            if (key > 0 && debLettre[key] == 0)
                debLettre[key] = i + 1;
        }
        if (difference == 0 && i <= maxPrec && i < listePiecesPrec.size() &&
            entry.getPath() != listePiecesPrec[i]->getPath())
            difference = i + 1;
    }
    if (maxPrec < 0)
        return;
    if (difference > 0)
        songNo_ = difference;
    else if (list.size() > songNbrGPrec && songNbrGPrec >= 1)
        songNo_ = songNbrGPrec + 1;
}

const Data::PieceList& Data::currentList() const
{
    return currentSort == 1 ? listePiecesByAuthor : listePiecesByTitle;
}

std::shared_ptr<Pieces> Data::getPiece(int n) const
{
    const PieceList& list = currentList();
    if (n < 1 || n > list.size())
        return nullptr;
    return list[n - 1];
}

std::shared_ptr<Pieces> Data::getPieceTEMP(int index) const
{
    if (index < 0 || index >= listePiecesTEMP1.size())
        return nullptr;
    return listePiecesTEMP1[index];
}

int Data::getNbrPiecesOng(int tab) const
{
    if (tab < 0 || tab > 9)
        return 0;
    const auto& starts = currentSort == 1 ? indexInAuthorArrayG : indexInTitleArrayG;
    if (starts[tab] == -1)
        return 0;
    for (int next = tab + 1; next < 10; ++next) {
        if (starts[next] != -1)
            return starts[next] - starts[tab];
    }
    return songNbrG() - starts[tab];
}

void Data::setOnglet(int tab)
{
    // A tab flagged by a search shows red until the next tab change.
    ongletRed = ongletErr > 0 ? ongletErr : -1;
    ongletErr = -1;
    onglNoG = tab;
    if (tab > 0) {
        onglNoGuser = tab;
        songNoG_ongl = songNo_;
    }
}

QString Data::dirPopup()
{
    const QString folder =
        dialogs.chooseFolder(QString::fromUtf8(texts::kChooseFolderTitle),
                             QString::fromUtf8(texts::kChooseFolderMessage), QDir::homePath());
    if (folder.isEmpty())
        return QString();
    prefs.setValue(QStringLiteral("PathToFolder"), folder);
    prefs.sync();
    return folder;
}

} // namespace partivo
