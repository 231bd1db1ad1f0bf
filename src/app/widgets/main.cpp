#include "app/Controller.h"
#include "app/widgets/DesktopFileServices.h"
#include "app/widgets/ProgramShell.h"
#include "app/widgets/WidgetDialogs.h"
#include "display/widgets/BinderWindow.h"
#include "midi/Midi.h"
#include "platform/NotificationCenter.h"
#include "platform/QSettingsPrefs.h"
#include "platform/QtTimers.h"
#include "platform/RtMidiBackend.h"

#include <QApplication>
#include <QTimer>

namespace {

// "--screenshot FILE": write a picture of the binder window once start-up is done, then
// quit (it is how a machine without a display shows what Partivo looks like).
QString screenshotPath(const QStringList& args)
{
    const int at = int(args.indexOf(QStringLiteral("--screenshot")));
    return at >= 0 && at + 1 < args.size() ? args[at + 1] : QString();
}

// The first argument that is not an option (nor an option's value): a folder to open as
// binder 1.
QString startFolder(const QStringList& args)
{
    for (int i = 1; i < args.size(); ++i) {
        if (args[i].startsWith(QLatin1String("--"))) {
            ++i; // its value
            continue;
        }
        return args[i];
    }
    return {};
}

// The MIDI system: "--midi-api alsa|jack", else the stored "midiApi", else ALSA.
partivo::RtMidiBackend::Api midiApi(const QStringList& args, const partivo::Prefs& prefs)
{
    const int at = int(args.indexOf(QStringLiteral("--midi-api")));
    const QString name = at >= 0 && at + 1 < args.size()
                             ? args[at + 1]
                             : prefs.value(QStringLiteral("midiApi")).toString();
    if (name.isEmpty())
        return partivo::RtMidiBackend::Api::Alsa;
    const auto api = partivo::RtMidiBackend::apiNamed(name);
    if (!api)
        qWarning("Unknown MIDI system \"%s\" (alsa or jack): using ALSA", qUtf8Printable(name));
    return api.value_or(partivo::RtMidiBackend::Api::Alsa);
}

} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Partivo"));
    QApplication::setOrganizationName(QStringLiteral("Partivo"));

    partivo::QSettingsPrefs prefs;
    partivo::WidgetDialogs dialogs;
    partivo::QtTimers timers;
    partivo::NotificationCenter center;
    partivo::DesktopFileServices files;
    partivo::ProgramShell shell;
    partivo::RtMidiBackend midiBackend(midiApi(app.arguments(), prefs),
                                       QStringLiteral("/dev/snd/seq"));
    partivo::Midi midi(prefs, timers, midiBackend);
    partivo::Controller controller(prefs, dialogs, midi, center, timers, files, shell);
    shell.setController(&controller);
    QObject::connect(&app, &QApplication::aboutToQuit,
                     [&controller] { controller.applicationWillTerminate(); });
    QObject::connect(&app, &QGuiApplication::applicationStateChanged,
                     [&controller](Qt::ApplicationState state) {
                         if (state == Qt::ApplicationActive)
                             controller.appAct();
                     });
    controller.awakeFromNib(startFolder(app.arguments()));
    if (!shell.binderWindows().isEmpty())
        dialogs.setParent(shell.binderWindows().first());
    QTimer::singleShot(0, &app, [&controller] { controller.applicationDidFinishLaunching(); });

    if (const QString shot = screenshotPath(app.arguments()); !shot.isEmpty()) {
        QTimer::singleShot(1500, &app, [&shell, shot] {
            const QList<partivo::BinderWindow*> windows = shell.binderWindows();
            if (!windows.isEmpty() && windows.first()->grab().save(shot))
                qInfo("Screenshot written to %s", qUtf8Printable(shot));
            else
                qWarning("No screenshot could be written to %s", qUtf8Printable(shot));
            QCoreApplication::quit();
        });
    }
    return app.exec();
}
