#include "app/Controller.h"

#include "chordpro/ChordPro.h"
#include "display/WindowFlag.h"
#include "display/WindowPDFxSuper.h"
#include "display/WindowSettings.h"
#include "platform/Prefs.h"

namespace partivo {

QString Controller::chordProInstrument() const
{
    const QString instrument =
        data_.prefs.stringValue(QLatin1String(kChordProInstrumentKey)).trimmed();
    return instrument.isEmpty() ? QStringLiteral("guitar") : instrument;
}

QString Controller::chordProUser() const
{
    const QString user = data_.prefs.stringValue(QLatin1String(kChordProUserKey)).trimmed();
    return user.isEmpty() ? qEnvironmentVariable("USER") : user;
}

bool Controller::chordProLilypond() const
{
    return data_.prefs.boolValue(QLatin1String(kChordProLilypondKey));
}

void Controller::applyChordProOptions()
{
    ChordPro::setSelectors({chordProInstrument(), chordProUser()});
    ChordPro::setLilypondAllowed(chordProLilypond());
}

void Controller::setChordProOptions(const QString& instrument, const QString& user, bool lilypond)
{
    data_.prefs.setValue(QLatin1String(kChordProInstrumentKey), instrument.trimmed());
    data_.prefs.setValue(QLatin1String(kChordProUserKey), user.trimmed());
    data_.prefs.setValue(QLatin1String(kChordProLilypondKey), lilypond);
    applyChordProOptions();
    reloadDocuments();
    chargerPages();
}

bool Controller::chordDiagramsShown() const
{
    const WindowPDFxSuper* window = windows_.keyOrFirstBinderWindow();
    return window && !window->settings().chordProDiagramsHide;
}

void Controller::toggleChordDiagrams()
{
    WindowPDFxSuper* window = windows_.keyOrFirstBinderWindow();
    if (!window)
        return;
    window->iniFlag(WindowFlag::chordProDiagramsHide, !window->settings().chordProDiagramsHide);
}

} // namespace partivo
