#include "library/Binders.h"

#include "library/Data.h"
#include "library/HelpBinder.h"
#include "library/LibraryTexts.h"
#include "library/LibraryView.h"
#include "library/SampleSong.h"
#include "platform/AtomicFile.h"
#include "platform/Dialogs.h"
#include "platform/Prefs.h"

#include <QDir>
#include <QFileInfo>
#include <algorithm>

namespace partivo {

namespace {

QString slotKey(const char* name, int k)
{
    return QString::fromLatin1(name) + QString::number(k);
}

bool isBinderNo(int k)
{
    return k >= 0 && k < Binders::kCount;
}

} // namespace

Binders::Binders(Data& data, LibraryView& view) : data_(data), view_(view) {}

void Binders::start()
{
    Prefs& prefs = data_.prefs;
    currentDirNo = kHelpBinder;
    nbrExec = prefs.intValue(QStringLiteral("NbrExec"));
    int startDir = prefs.intValue(QStringLiteral("dirNo"));
    bool flush = false;
    for (int k = 0; k < kCount; ++k) {
        const QString isUrlKey = slotKey("dirIsanURL", k);
        if (!prefs.boolValue(isUrlKey)) {
            const QString legacy = prefs.stringValue(slotKey("dir", k));
            if (!legacy.isEmpty() && QFileInfo(legacy).isDir()) {
                dir_[k] = legacy;
            } else {
                prefs.setValue(isUrlKey, true);
                flush = true;
            }
            if (startDir == k)
                startDir = kHelpBinder;
        } else if (prefs.contains(slotKey("url", k))) {
            // Kept even when the folder is missing now (unmounted drive, network share):
            // it is only unavailable for this run.
            dir_[k] = prefs.stringValue(slotKey("url", k));
        }
    }
    if (flush)
        prefs.sync();

    if (nbrExec < 1) {
        contPlay.fill(false);
        songNoBookMark.fill(0);
        sortBookMark.fill(0);
        nbrExec = 2;
    } else {
        for (int k = 0; k < kCount; ++k) {
            contPlay[k] = prefs.boolValue(slotKey("contPlay", k));
            songNoBookMark[k] = prefs.intValue(slotKey("songNoBookMark", k));
            sortBookMark[k] = prefs.intValue(slotKey("sortBookMark", k));
        }
        ++nbrExec;
    }

    data_.resetNavigation();
    if (isBinderNo(startDir) && !obtenirDir(startDir).isEmpty()) {
        doRefresh(startDir, OpenBinder, false);
    } else {
        currentDirNo = kHelpBinder;
        doRefresh(kHelpBinder, HelpBinder, false);
        if (isBinderNo(startDir) && !dir_[startDir].isEmpty())
            unavailableStartDir_ = startDir;
    }
}

void Binders::terminate()
{
    Prefs& prefs = data_.prefs;
    keepBookMark(currentDirNo);
    prefs.setValue(QStringLiteral("NbrExec"), nbrExec);
    for (int k = 0; k < kCount; ++k) {
        if (dir_[k].isEmpty()) {
            prefs.remove(slotKey("url", k));
            prefs.setValue(slotKey("dirIsanURL", k), true);
        }
    }
    const bool keepStart = currentDirNo == kHelpBinder && isBinderNo(unavailableStartDir_) &&
                           !dir_[unavailableStartDir_].isEmpty();
    prefs.setValue(QStringLiteral("dirNo"), keepStart ? unavailableStartDir_ : currentDirNo);
    for (int k = 0; k < kCount; ++k) {
        prefs.setValue(slotKey("contPlay", k), contPlay[k]);
        prefs.setValue(slotKey("songNoBookMark", k), songNoBookMark[k]);
        prefs.setValue(slotKey("sortBookMark", k), sortBookMark[k]);
    }
    prefs.sync();
}

QString Binders::obtenirDir(int k) const
{
    if (k == kHelpBinder) {
        if (helpFolder_.isEmpty())
            helpFolder_ = findHelpFolder();
        return helpFolder_;
    }
    if (!isBinderNo(k) || dir_[k].isEmpty() || !QFileInfo(dir_[k]).isDir())
        return QString();
    return dir_[k];
}

QString Binders::storedDir(int k) const
{
    return isBinderNo(k) ? dir_[k] : QString();
}

void Binders::conserverDir(const QString& folder, int k)
{
    if (!isBinderNo(k))
        return;
    if (folder.isEmpty()) {
        dir_[k].clear();
        return;
    }
    Prefs& prefs = data_.prefs;
    prefs.setValue(slotKey("url", k), folder);
    prefs.setValue(slotKey("dirIsanURL", k), true);
    prefs.sync();
    dir_[k] = folder;
}

void Binders::keepBookMark(int k)
{
    if (!isBinderNo(k))
        return;
    sortBookMark[k] = data_.currentSort;
    songNoBookMark[k] = data_.songNoG();
}

void Binders::gotoBookMark(int k)
{
    if (!isBinderNo(k))
        return;
    data_.currentSort = sortBookMark[k];
    if (data_.songNbrG() >= songNoBookMark[k])
        data_.setSongNoG(std::max(1, songNoBookMark[k]));
}

void Binders::loadHelpBinder()
{
    data_.chargerTabsForDirNo(kHelpBinder, true);
    data_.chargerFichiers(obtenirDir(kHelpBinder), false);
    currentDirNo = kHelpBinder;
}

void Binders::reloadCurrent()
{
    const QString folder = obtenirDir(currentDirNo);
    if (currentDirNo == kHelpBinder || folder.isEmpty()) {
        loadHelpBinder();
        return;
    }
    data_.chargerBinder(currentDirNo, folder, false);
}

bool Binders::offerSampleFile(const QString& folder)
{
    if (data_.dialogs.questionAvecCancel(QString::fromUtf8(texts::kOfferSample)) != 1)
        return false;
    const QString path = QDir(folder).filePath(QString::fromUtf8(kSampleFileName));
    if (!writeTextAtomically(path, sampleSongText())) {
        data_.dialogs.msg(QString::fromUtf8(texts::kSampleNotWritten).arg(folder));
        return false;
    }
    // Only what the reload finds counts: a sample that cannot be loaded is a refusal.
    return data_.chargerFichiers(folder, false);
}

bool Binders::loadFolder(int k, const QString& folder, bool offerSample)
{
    if (data_.chargerBinder(k, folder, offerSample))
        return true;
    return offerSample && offerSampleFile(folder);
}

QString Binders::chooseFolderFor(int k, bool offerSample)
{
    for (;;) {
        const QString chosen = data_.dirPopup();
        if (chosen.isEmpty()) {
            reloadCurrent();
            return QString();
        }
        if (loadFolder(k, chosen, offerSample))
            return chosen;
    }
}

void Binders::doRefresh(int k, int code, bool refreshOnly)
{
    unavailableStartDir_ = kHelpBinder;
    data_.filterNoG = -1;
    data_.filterType = 0;
    data_.filterField = 0;
    view_.setDirButton(k);
    data_.setOnglet(0);
    if (data_.songNoG() > 0)
        keepBookMark(currentDirNo);
    view_.resetSongProgress();
    data_.onglNoG = 0;
    view_.hideSongList();
    data_.resetTabStarts();

    switch (code) {
    case HelpBinder:
        loadHelpBinder();
        break;
    case OpenBinder:
        if (const QString folder = obtenirDir(k); !folder.isEmpty()) {
            if (loadFolder(k, folder, true))
                currentDirNo = k;
            else
                loadHelpBinder();
        } else if (isBinderNo(k)) {
            if (!dir_[k].isEmpty()) {
                data_.dialogs.msg(
                    QString::fromUtf8(texts::kBinderNotAvailable).arg(k + 1).arg(dir_[k]));
            }
            if (const QString chosen = chooseFolderFor(k, true); !chosen.isEmpty()) {
                conserverDir(chosen, k);
                currentDirNo = k;
            }
        } else {
            loadHelpBinder();
        }
        break;
    case AssignFolder:
        if (const QString chosen = chooseFolderFor(k, false); !chosen.isEmpty()) {
            conserverDir(QString(), k);
            conserverDir(chosen, k);
            currentDirNo = k;
        }
        break;
    case Unassign:
        conserverDir(QString(), k);
        loadHelpBinder();
        break;
    default:
        break;
    }

    view_.setDirButton(currentDirNo);
    tellLoadProblems();
    // The load left the current song within the lists (1 at the least).
    if (refreshOnly || data_.songNoG() == 1)
        gotoBookMark(currentDirNo);
    data_.listePiecesPrec.clear();
    view_.chargerPages();
    view_.refreshNbTocG();
}

void Binders::tellLoadProblems()
{
    QStringList& problems = data_.loadProblems;
    if (problems.isEmpty())
        return;
    constexpr int kShown = 10;
    QStringList lines{QString::fromUtf8(texts::kFilesLeftOut)};
    lines += problems.mid(0, kShown);
    if (problems.size() > kShown)
        lines.append(QString::fromUtf8(texts::kMoreLeftOut).arg(problems.size() - kShown));
    problems.clear();
    data_.dialogs.msg(lines.join(QLatin1Char('\n')));
}

void Binders::actionDeAssignerDir(int k)
{
    const QString question = QString::fromUtf8(texts::kConfirmUnassign).arg(k + 1);
    if (data_.dialogs.questionAvecCancel(question) == 1)
        doRefresh(k, Unassign, false);
}

void Binders::actionContPlay(int k)
{
    if (isBinderNo(k))
        contPlay[k] = !contPlay[k];
}

void Binders::actionToggleInfo()
{
    currentDirNo = kHelpBinder;
    doRefresh(kHelpBinder, HelpBinder, false);
}

} // namespace partivo
