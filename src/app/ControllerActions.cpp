// The remote actions, the actions of the customisable inputs and the swipes.
#include "app/AppTexts.h"
#include "app/Controller.h"
#include "library/Genres.h"

#include "display/CurrentSong.h"
#include "display/VersionSubstitution.h"
#include "display/WindowPDFxSuper.h"
#include "library/KeyActions.h"
#include "midi/Midi.h"
#include "platform/Commands.h"
#include "platform/Dialogs.h"
#include "platform/FileServices.h"
#include "platform/NotificationCenter.h"
#include "player/PlayerBridge.h"
#include "player/TrackMatch.h"

#include <QFileInfo>

namespace partivo {

namespace {

using namespace texts::comingParts;

// The digit the text starts with, or -1.
int firstDigit(const QString& text)
{
    return !text.isEmpty() && text[0].isDigit() ? text[0].digitValue() : -1;
}

QString actionName(const char* name)
{
    return QString::fromLatin1(name);
}

} // namespace

void Controller::registerActions()
{
    CommandDispatcher& d = dispatcher_;

    d.onAction(actionName(action::Onglet), [this](const QVariant& p) {
        navigator_.actionOnglet2(paramInt(p), false, inHelpBinder());
    });
    d.onAction(actionName(action::CmdOnglet), [this](const QVariant& p) {
        navigator_.actionOnglet2(paramInt(p), true, inHelpBinder());
    });
    d.onAction(actionName(action::OngletB), [this](const QVariant& p) {
        const int tab = paramInt(p);
        if (tab >= 0 && tab <= 9 && data_.getNbrPiecesOng(tab) >= 1)
            navigator_.actionOnglet2(tab, false, inHelpBinder());
    });
    d.onAction(actionName(action::ScrollCurrentOnglet), [this](const QVariant& p) {
        const int value = std::clamp(paramInt(p), 0, 127);
        const int n = data_.getNbrPiecesOng(data_.onglNoG);
        if (n > 0)
            songOfCurrentTab((n - 1) * value / 127);
    });
    d.onAction(actionName(action::GoToSongNo),
               [this](const QVariant& p) { songOfCurrentTab(paramInt(p)); });
    d.onAction(actionName(action::GoToPageNo),
               [this](const QVariant& p) { goToPage(paramInt(p), true); });
    d.onAction(actionName(action::GoToPageBottomNo),
               [this](const QVariant& p) { goToPage(paramInt(p), false); });
    d.onAction(actionName(action::Message),
               [this](const QVariant& p) { message(paramText(p), false); });
    d.onAction(actionName(action::MessageStay),
               [this](const QVariant& p) { message(paramText(p), true); });
    d.onAction(actionName(action::PageUpForWinID),
               [this](const QVariant& p) { windows_.pageUpDownforWinIDX(paramText(p), false); });
    for (const char* name : {action::PageDownForWinID, action::PageDownPreloadForWinID}) {
        d.onAction(actionName(name),
                   [this](const QVariant& p) { windows_.pageUpDownforWinIDX(paramText(p), true); });
    }
    d.onAction(actionName(action::Open),
               [this](const QVariant& p) { openFile(paramText(p), false); });
    d.onAction(actionName(action::OpenNew),
               [this](const QVariant& p) { openFile(paramText(p), true); });
    d.onAction(actionName(action::KeyPref), [this](const QVariant& p) {
        const int key = paramInt(p);
        shell_.showKeyTest(QString::fromUtf8(texts::kKeyTestNames[key >= 1 && key <= 6 ? key : 0]));
    });
    d.onAction(actionName(action::Swipe), [this](const QVariant& p) { traiterSwipe(paramInt(p)); });

    // Still to come.
    d.onAction(actionName(action::GoToGenreNo), [this](const QVariant& p) {
        if (const int genre = paramInt(p); genre >= 1 && genre <= kGenreCount)
            chooseGenre(genre);
    });
    d.onAction(actionName(action::PlaySongNo),
               [this](const QVariant& p) { actionPlaySongNoReceived(paramInt(p)); });
    d.onAction(actionName(action::GoToGenreNoAndPlayPause),
               [this](const QVariant& p) { actionGoToGenreNoAndPlayPauseReceived(paramInt(p)); });
    d.onAction(actionName(action::PlayNextPause),
               [this](const QVariant& p) { actionPlayNextPauseReceived(paramInt(p)); });
    for (const char* name : {action::InsererMessage, action::InsererTag})
        d.actionNotAvailable(actionName(name), QString::fromLatin1(kNoteWindow));
    d.onAction(actionName(action::DisplayHideList),
               [this](const QVariant& p) { actionDisplayHideListReceived(paramText(p)); });
}

// Song k (0-based) of the current tab; nothing beyond the tab's songs.
void Controller::songOfCurrentTab(int offset)
{
    const int tab = data_.onglNoG;
    const int start = (data_.currentSort == 1 ? data_.indexInAuthorArrayG
                                              : data_.indexInTitleArrayG)[size_t(tab)];
    if (start < 0 || offset < 0 || offset > data_.getNbrPiecesOng(tab) - 1)
        return;
    if (navigator_.tocON)
        hideSongList();
    navigator_.gotoSongNo(start + offset + 1);
}

// Page p of the current song, upper or lower half, within the song's pages: a page beyond
// the last shows the last one, and nothing happens below page 1.
void Controller::goToPage(int page, bool top)
{
    if (page < 1 || data_.songNoG() < 1)
        return;
    // On the silent clock events replayed from an earlier time never turn pages back.
    if (data_.currentGenreG == kMuteGenre && page < navigator_.pageNo1)
        return;
    page = std::min(page, navigator_.pageCount());
    navigator_.pageNo1 = page;
    navigator_.zoomTop = top;
    DisplayWindows::SongCall call = currentSongCall(data_, page, navigator_.zoomON);
    call.zoomTop = top;
    call.autom = true;
    windows_.setPDFx(call);
    if (navigator_.zoomON)
        windows_.ajusterCadreX(navigator_.zoomON);
}

// "ID:Text" goes to the windows of that ID, "Text" (or ":Text") to every window.
void Controller::message(const QString& param, bool stay)
{
    const qsizetype colon = param.indexOf(u':');
    if (colon > 0)
        windows_.setMsgX(param.mid(colon + 1), param.left(colon), stay);
    else
        windows_.setMsgX(param, QString(), stay);
}

void Controller::openFile(const QString& path, bool isNew)
{
    if (inHelpBinder()) {
        data_.dialogs.msg(QString::fromUtf8(texts::kDisabledInHelpBinder));
        return;
    }
    if (!isNew && !QFileInfo(path).isFile()) {
        data_.dialogs.msg(QString::fromUtf8(texts::kFileNotFound).arg(path));
        return;
    }
    if (!isNew && isPdfPath(path)) {
        files_.openInPdfViewer(path);
        return;
    }
    if (!isNew && options_.genOptExtOpen) {
        files_.openWithDefaultApp(path);
        return;
    }
    dispatcher_.logNotAvailable(QString::fromLatin1(kEditor), path);
}

void Controller::afterSongStep()
{
    for (const WindowPDFxSuper* window : windows_.nsMutaryOfWindows()) {
        if (!window->isBoxRechHidden()) {
            navigator_.clearBlockedSearch();
            return;
        }
    }
}

void Controller::traiterKeyAction(int code, bool rev, const QString& val)
{
    Navigator& nav = navigator_;
    const auto post = [this](const char* name, const QVariant& value) {
        center_.postParam(actionName(name), value);
    };
    switch (code) {
    case 0:
        nav.traiterPrev();
        afterSongStep();
        break;
    case 1:
        nav.traiterNext();
        afterSongStep();
        break;
    case 2:
    case 3:
        if (val.isEmpty())
            code == 2 ? nav.actionUp() : nav.actionDown();
        else
            windows_.pageUpDownforWinIDX(val, code == 3);
        break;
    case 4:
        nav.zoomON ? masquerZoom() : afficherZoom(0);
        break;
    case 5:
        dispatcher_.logNotAvailable(QString::fromLatin1(kNoteWindow), val);
        break;
    case 6:
        post(action::DisplayHideList, val);
        break;
    case 7:
    case 16:
        // While the track plays, "next page or play" turns the page when one follows.
        if (code == 16 && pageDownWithTrack())
            break;
        if (const int genre = firstDigit(val); genre >= 1 && genre <= 6)
            post(action::GoToGenreNoAndPlayPause, genre);
        else
            bridge_->traiter_swipe13_play_pause();
        break;
    case 8:
        nav.actionGotoCur();
        break;
    case 9:
        midi_.sendGroup(val);
        break;
    case 10:
        if (const int tab = firstDigit(val); tab >= 1)
            post(action::OngletB, tab - 1);
        break;
    case 11:
        post(action::Message, val);
        break;
    case 12:
        post(action::MessageStay, val);
        break;
    case 13:
        traiter_metroOnOff();
        break;
    case 14: // start the bar again
        metronome_.stopMetroTimer();
        metronome_.startMetroTimer();
        break;
    case 15:
        if (const int genre = firstDigit(val); genre >= 1 && genre <= 6)
            post(action::GoToGenreNo, genre);
        break;
    case 17:
        openInExternalApp();
        break;
    case 100:
        if (rev) {
            if (nav.tocON)
                nav.actionFirst();
            else
                afficherToc();
        } else if (data_.ongletRed >= 0) {
            hideSongList();
            nav.actionGotoCur();
            data_.ongletRed = -1;
            showTabStates();
        } else {
            nav.actionLast();
        }
        break;
    case 101:
        rev ? nav.traiterPrev() : nav.traiterNext();
        afterSongStep();
        break;
    case 102:
    case 103:
        if (val.isEmpty())
            rev ? nav.actionUp() : nav.actionDown();
        else
            windows_.pageUpDownforWinIDX(val, !rev);
        break;
    default:
        break; // codes outside the table do nothing
    }
}

// Left and right run the horizontal input's action, reversed for left unless the mouse is
// reversed; up and down the vertical input's, reversed for up.
void Controller::traiterSwipe(int param)
{
    const bool reverseMouse = options_.genOptReverseMouse;
    switch (param) {
    case 1:
        inputAction(InputSwipeLeftRight, !reverseMouse);
        break;
    case 2:
        inputAction(InputSwipeLeftRight, reverseMouse);
        break;
    case 3:
        inputAction(InputSwipeUpDown, true);
        break;
    case 4:
        inputAction(InputSwipeUpDown, false);
        break;
    default:
        dispatcher_.logOnce(QStringLiteral("swipe %1").arg(param),
                            QStringLiteral("Controller traiterSwipe: swipe code %1 is not one of "
                                           "1 to 4: ignored")
                                .arg(param));
        break;
    }
}

} // namespace partivo
