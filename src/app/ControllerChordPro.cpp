#include "app/Controller.h"

#include "chordpro/ChordPro.h"
#include "display/WindowFlag.h"
#include "display/WindowPDFxSuper.h"
#include "display/WindowSettings.h"
#include "platform/Prefs.h"

namespace partivo {

namespace {

// What an instrument or user left empty in the preferences stands for.
QString instrumentOrDefault(const QString& instrument)
{
    const QString trimmed = instrument.trimmed();
    return trimmed.isEmpty() ? QStringLiteral("guitar") : trimmed;
}

QString userOrDefault(const QString& user)
{
    const QString trimmed = user.trimmed();
    return trimmed.isEmpty() ? qEnvironmentVariable("USER") : trimmed;
}

} // namespace

QString Controller::chordProInstrument() const
{
    return instrumentOrDefault(data_.prefs.stringValue(QLatin1String(kChordProInstrumentKey)));
}

QString Controller::chordProUser() const
{
    return userOrDefault(data_.prefs.stringValue(QLatin1String(kChordProUserKey)));
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
