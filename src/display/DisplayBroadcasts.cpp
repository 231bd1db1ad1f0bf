#include "display/DisplayWindows.h"

#include "display/MessageRouting.h"
#include "display/PlatformWindow.h"
#include "display/WindowPDFxSuper.h"

namespace partivo {

// A window may close while a broadcast runs (a key it posts, a dialog it opens): the
// broadcasts walk a copy of the list and skip windows that have left it since.
void DisplayWindows::forEachWindow(const std::function<void(WindowPDFxSuper*)>& call)
{
    const auto windows = windows_;
    for (WindowPDFxSuper* window : windows)
        if (windows_.contains(window))
            call(window);
}

bool DisplayWindows::setPDFx(const SongCall& call)
{
    const bool newSong = call.piece != lastShown_;
    lastShown_ = call.piece;
    forEachWindow([&](WindowPDFxSuper* window) {
        window->setPDF(call.piece, call.pageNo, call.zoomTop, call.zoomOn, call.currentSort,
                       call.pieceNext, call.autom);
        window->updateRechInfo2(call.rechInfo);
    });
    return newSong;
}

void DisplayWindows::updateRechInfoX(bool valid, bool masquer, const QString& rech)
{
    forEachWindow([&](WindowPDFxSuper* window) { window->updateRechInfo(valid, masquer, rech); });
}

void DisplayWindows::updateRechInfo2X(const SearchDisplay& info)
{
    forEachWindow([&](WindowPDFxSuper* window) { window->updateRechInfo2(info); });
}

void DisplayWindows::refreshX()
{
    forEachWindow([&](WindowPDFxSuper* window) { window->refreshPDF(); });
}

void DisplayWindows::refreshinfoX()
{
    forEachWindow([&](WindowPDFxSuper* window) { window->refreshInfo(); });
}

void DisplayWindows::updateMetroWithNbTickX(int ticks, bool masquer, bool reset)
{
    forEachWindow(
        [&](WindowPDFxSuper* window) { window->updateMetroWithNbTick(ticks, masquer, reset); });
}

void DisplayWindows::updateItunesInfoX(const QString& title, const QString& artist, double curPos,
                                       double maxPos, bool masquer)
{
    forEachWindow([&](WindowPDFxSuper* window) {
        window->updateItunesInfo(title, artist, curPos, maxPos, masquer);
    });
}

void DisplayWindows::afficherTocX(bool show, int nbTocG, bool filterOn)
{
    forEachWindow([&](WindowPDFxSuper* window) { window->afficherToc(show, nbTocG, filterOn); });
}

void DisplayWindows::setItemStateForItemX(int state, const Pieces* piece, int item,
                                          const TocContext& context)
{
    const TocItemView view = tocItemView(item - 1, state, piece, context);
    forEachWindow([&](WindowPDFxSuper* window) { window->setItemStateForItem(item, view); });
}

void DisplayWindows::refreshTocLabel1X()
{
    forEachWindow([&](WindowPDFxSuper* window) { window->refreshTocLabel1(); });
}

void DisplayWindows::setTocLabel2X(const QString& text)
{
    forEachWindow([&](WindowPDFxSuper* window) { window->setTocLabel2(text); });
}

void DisplayWindows::setButtonStateForOngletX(int state, const std::optional<QString>& label,
                                              int onglet)
{
    forEachWindow(
        [&](WindowPDFxSuper* window) { window->setButtonStateForOnglet(state, label, onglet); });
}

void DisplayWindows::ajusterPosButtonTocX()
{
    forEachWindow([&](WindowPDFxSuper* window) { window->ajusterPosButtonToc(); });
}

void DisplayWindows::afficherZoomHautX()
{
    forEachWindow([&](WindowPDFxSuper* window) { window->afficherZoomHaut(false); });
}

void DisplayWindows::afficherZoomBasX()
{
    forEachWindow([&](WindowPDFxSuper* window) { window->afficherZoomBas(false); });
}

void DisplayWindows::ajusterCadreX(bool zoomOn)
{
    forEachWindow([&](WindowPDFxSuper* window) {
        window->iniZoomOn(zoomOn);
        window->ajusterCadre();
    });
}

void DisplayWindows::ajusterDimmerX(double dimmer, double inactive)
{
    forEachWindow([&](WindowPDFxSuper* window) { window->ajusterDimmer(dimmer, inactive); });
}

void DisplayWindows::applyWindowOptionsX(const WindowOptions& options)
{
    forEachWindow([&](WindowPDFxSuper* window) { window->applyWindowOptions(options); });
}

void DisplayWindows::refreshDefNoteDefPDFX()
{
    forEachWindow([&](WindowPDFxSuper* window) {
        window->refreshDefNoteDefPDF();
        window->resetPDF();
    });
}

bool DisplayWindows::setModeAffichageX(int mode, bool allScreens)
{
    const WindowPDFxSuper* key = getKeyWin();
    forEachWindow([&](WindowPDFxSuper* window) {
        const WindowSettings& s = window->settings();
        if (s.modeAffichage == ModeSinglePage)
            return;
        if (allScreens ? s.syncPageChanges : window == key)
            window->iniModeAffichage(mode, true);
    });
    return isUneFenetreEstZoomDemiPage();
}

int DisplayWindows::setMsgX(const QString& text, const QString& winID, bool stay)
{
    const QString shown = messageText(text, stay);
    int taken = 0;
    forEachWindow([&](WindowPDFxSuper* window) {
        if (!windowTakesMessage(window->settings(), winID))
            return;
        window->setMsg(shown, stay);
        ++taken;
    });
    return taken;
}

void DisplayWindows::pageUpDownforWinIDX(const QString& winID, bool down)
{
    if (winID.isEmpty())
        return;
    forEachWindow([&](WindowPDFxSuper* window) {
        if (window->settings().altDir.compare(winID, Qt::CaseInsensitive) == 0)
            window->pageUpDown(down);
    });
}

bool DisplayWindows::traiterPageUpDown(bool down)
{
    bool taken = false;
    forEachWindow([&](WindowPDFxSuper* window) {
        const WindowSettings& s = window->settings();
        if (!s.syncPageChanges && s.pageUpdown) {
            window->pageUpDown(down);
            taken = true;
        }
    });
    return taken;
}

} // namespace partivo
