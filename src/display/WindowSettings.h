#pragma once

#include "display/WinID.h"
#include "display/WindowColors.h"
#include "display/WindowTypes.h"

#include <QList>
#include <QString>

namespace partivo {

// Display modes of a binder window. 3 is not a mode.
enum ModeAffichage {
    ModeTwoPages = 0,
    ModeHalfPageZoom = 1,
    ModeSinglePage = 2,
    ModeAlternate = 4,
    ModeSlideLeft = 5,
};

// How the metronome is drawn.
enum TypeMetro {
    MetroSimple = 0,
    MetroDouble = 1,
    MetroAccToSignature = 2,
    MetroNone = 3,
};

// The settings of one display window, with their defaults. Everything up to the colours is
// saved in screensets; the choices copied from the window's WinID record and the two
// alternate-mode flags at the end are recomputed, never stored.
struct WindowSettings {
    int winType = WinTypeBinder;
    int modeAffichage = ModeTwoPages;
    bool singlePageForce = false;
    bool ratio21 = false;
    int fixPageNo = 0; // pages added to the song's page number, 0 to 6
    bool syncPageChanges = true;
    bool pageUpdown = false;
    int nbrPages = 1;
    bool fullScreen = false;
    bool ongletsVisibles = true;
    bool keywin = false;
    bool noShadow = false;
    bool hideTitleElementTitle = false;
    bool hideTitleElementTempo = false;
    bool hideTitleElementNote = false;
    bool hideList = false;
    bool hideFrame = false;
    bool lyricsOnly = false;
    bool chordProChordsBold = false;
    bool chordProLyricsBold = false;
    // ChordPro songs end without the diagrams of their chords.
    bool chordProDiagramsHide = false;
    bool pageNoPDFHide = false;
    bool pageNoCHDHide = false;
    int typeMetro = MetroDouble;
    bool transparent = false;
    bool alwaysOnTop = false;
    int altMode = 0; // 1 with a window ID, 0 for the master window
    QString altDir;  // the window ID; "" for the master window
    WindowColors colors;

    int defNote = 0;
    int defPDF = 0;
    int defCHO = 0;
    int defMsg = 0;
    bool altModeOff = false; // window ID switched off for a while
    bool altModeOk = false;  // the alternate version of the shown song was found

    // A new window of that type: every default, colours included.
    static WindowSettings forType(int winType);

    // Gives the window an ID (mode non-zero and a non-empty dir) or makes it the master
    // window, and copies the choices of the matching record.
    void iniMode(int mode, const QString& dir, const QList<WinID>& winIDs);
    // Copies the four choices of the first record named exactly altDir; all 0 when none
    // matches or the window is the master window.
    void refreshDefNoteDefPDF(const QList<WinID>& winIDs);

    // The setters below store only values that mean something and answer whether they did.
    bool iniModeAffichage(int mode);
    bool iniFixPageNo(int offset);
    bool iniTypeMetro(int type);
    // Simple, Double, Acc. to Signature, No Metronome, and round again.
    void setMetroType();

    bool operator==(const WindowSettings&) const = default;
};

bool isModeAffichage(int mode);
bool isTypeMetro(int type);
inline constexpr int kMaxFixPageNo = 6;

} // namespace partivo
