#include "app/Controller.h"
#include "app/widgets/DesktopFileServices.h"
#include "app/widgets/ProgramShell.h"
#include "app/widgets/WidgetDialogs.h"
#include "display/widgets/BinderWindow.h"
#include "midi/Midi.h"
#include "platform/NotificationCenter.h"
#include "platform/QSettingsPrefs.h"
#include "platform/QtMediaPlayer.h"
#include "platform/QtTimers.h"
#include "platform/RtMidiBackend.h"
#include "platform/SingleInstance.h"

#include <QApplication>
#include <QDir>
#include <QSocketNotifier>
#include <QTimer>

#include <csignal>
#include <unistd.h>

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

// SIGTERM and SIGINT (a session ending, Ctrl+C in a terminal) end the program the normal
// way, so that the binders, options and window layout are saved as on Quit. The handler only
// writes a byte; the event loop does the rest.
int signalPipe[2] = {-1, -1};

void onSignal(int)
{
    const char byte = 1;
    [[maybe_unused]] const auto written = ::write(signalPipe[1], &byte, 1);
}

void quitOnSignals(QCoreApplication& app)
{
    if (::pipe(signalPipe) != 0)
        return;
    auto* notifier = new QSocketNotifier(signalPipe[0], QSocketNotifier::Read, &app);
    QObject::connect(notifier, &QSocketNotifier::activated, &app, [] {
        char byte = 0;
        [[maybe_unused]] const auto got = ::read(signalPipe[0], &byte, 1);
        partivo::ProgramShell::quit();
    });
    struct sigaction action = {};
    action.sa_handler = onSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    ::sigaction(SIGTERM, &action, nullptr);
    ::sigaction(SIGINT, &action, nullptr);
}

} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Partivo"));
    QApplication::setOrganizationName(QStringLiteral("Partivo"));
    quitOnSignals(app);

    partivo::QSettingsPrefs prefs;
    // One program per user and settings file: a second start hands its folder to the first,
    // which comes to the front, instead of both writing the same settings at the end.
    const QString shot = screenshotPath(app.arguments());
    partivo::SingleInstance instance(partivo::SingleInstance::socketName(prefs.fileName()));
    const QString folder = startFolder(app.arguments());
    const QString absoluteFolder = folder.isEmpty() ? QString() : QDir(folder).absolutePath();
    if (shot.isEmpty() && instance.handOver(absoluteFolder)) {
        qInfo("Partivo is already running: it was brought to the front%s",
              absoluteFolder.isEmpty() ? "" : " and opens the folder");
        return 0;
    }
    partivo::WidgetDialogs dialogs;
    partivo::QtTimers timers;
    partivo::NotificationCenter center;
    partivo::DesktopFileServices files;
    partivo::ProgramShell shell;
    partivo::RtMidiBackend midiBackend(midiApi(app.arguments(), prefs),
                                       QStringLiteral("/dev/snd/seq"));
    partivo::Midi midi(prefs, timers, midiBackend);
    partivo::QtMediaPlayer player;
    partivo::Controller controller(prefs, dialogs, midi, center, timers, files, player, shell);
    shell.setController(&controller);
    QObject::connect(&app, &QApplication::aboutToQuit,
                     [&controller] { controller.applicationWillTerminate(); });
    QObject::connect(&app, &QGuiApplication::applicationStateChanged,
                     [&controller](Qt::ApplicationState state) {
                         if (state == Qt::ApplicationActive)
                             controller.appAct();
                     });
    controller.awakeFromNib(folder);
    if (shot.isEmpty())
        instance.listen(
            [&controller](const QString& handed) { controller.openFromAnotherStart(handed); });
    if (!shell.binderWindows().isEmpty())
        dialogs.setParent(shell.binderWindows().first());
    QTimer::singleShot(0, &app, [&controller] { controller.applicationDidFinishLaunching(); });

    if (!shot.isEmpty()) {
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
