#include "cli/Commands.h"
#include "cli/HeadlessBinder.h"
#include "cli/HeadlessDialogs.h"
#include "cli/NavigateMidi.h"
#include "cli/NavigateWords.h"
#include "cli/OffscreenShell.h"
#include "cli/TocJson.h"
#include "cli/WindowArgs.h"
#include "cli/WritableFile.h"

#include "app/Controller.h"
#include "display/WindowPDFx.h"
#include "display/widgets/BinderSnapshot.h"
#include "library/Data.h"
#include "library/Pieces.h"
#include "library/PiecesDet.h"
#include "midi/Midi.h"
#include "platform/Commands.h"
#include "platform/LoopbackMidi.h"
#include "platform/ManualMediaPlayer.h"
#include "platform/ManualTimers.h"
#include "platform/MemoryPrefs.h"
#include "platform/MidiPortNames.h"
#include "platform/NotificationCenter.h"
#include "platform/QSettingsPrefs.h"
#include "platform/RecordingFileServices.h"
#include "player/MusicIndex.h"
#include "player/MusicLibrary.h"
#include "player/PlayerBridge.h"

#include <QDir>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>
#include <cmath>
#include <cstdio>

namespace partivo::cli {

namespace {

constexpr char kNavigateUsage[] =
    "usage: navigate <folder> [--settings FILE] [--save-settings FILE] [--music DIR] "
    "[--binder N] [--window WxH] [--mode 0|1|2|4|5] --keys \"<commands>\"";

struct NavigateArgs {
    QString folder;
    QString settings;
    QString saveSettings;
    QString music;
    QString keys;
    bool hasKeys = false;
    int binder = 0;
    QSize window{1280, 800};
    int mode = 0;
};

QString parseArgs(const QStringList& args, NavigateArgs& a)
{
    for (int i = 0; i < args.size(); ++i) {
        const QString& arg = args[i];
        const bool hasValue = i + 1 < args.size();
        if (arg == QLatin1String("--settings") && hasValue) {
            a.settings = args[++i];
        } else if (arg == QLatin1String("--music") && hasValue) {
            a.music = args[++i];
        } else if (arg == QLatin1String("--save-settings") && hasValue) {
            a.saveSettings = args[++i];
        } else if (arg == QLatin1String("--keys") && hasValue) {
            a.keys = args[++i];
            a.hasKeys = true;
        } else if (arg == QLatin1String("--binder") && hasValue) {
            if (!parseInt(args[++i], 0, 7, a.binder))
                return QStringLiteral("--binder takes a binder number from 0 to 7");
        } else if (arg == QLatin1String("--window") && hasValue) {
            if (!parseWindowSize(args[++i], a.window))
                return windowSizeError("--window");
        } else if (arg == QLatin1String("--mode") && hasValue) {
            if (!parseMode(args[++i], a.mode))
                return QStringLiteral("--mode takes 0, 1, 2, 4 or 5");
        } else if (arg.startsWith(QLatin1String("--")) || !a.folder.isEmpty()) {
            return QStringLiteral("unexpected argument '%1'").arg(arg);
        } else {
            a.folder = arg;
        }
    }
    if (a.folder.isEmpty() || !a.hasKeys)
        return QString::fromLatin1(kNavigateUsage);
    return QString();
}

// The global pages of the current song the window shows (not the next song's preview).
QJsonArray pagesShown(const WindowPDFx& window)
{
    const BinderScene& scene = window.scene();
    const WindowSettings& s = window.settings();
    QJsonArray pages;
    auto add = [&](const ViewContent& view) {
        if (!view.shown || view.path.isEmpty() || view.page < 1)
            return;
        const int global = s.ratio21 && !view.chordPro ? (view.page + 1) / 2
                                                       : view.page - std::max(0, s.fixPageNo);
        if (global >= 1 && !pages.contains(global))
            pages.append(global);
    };
    add(scene.left);
    if (scene.right.shown && !scene.rightIsNextSong)
        add(scene.right);
    return pages;
}

// The player as the windows were last told: playing or stopped, the position, the track
// (its path in the music folder, "(MUTE)" for the silent clock) and the genre.
QJsonObject playerJson(Controller& c, const QDir& music)
{
    const Controller::TrackInfo& info = c.trackInfo();
    const PlayerBridge& bridge = c.playerBridge();
    const bool playing = bridge.isActive() && !info.masquer;
    QString track;
    if (playing)
        track = bridge.muteClock() ? QStringLiteral("(MUTE)")
                                   : music.relativeFilePath(bridge.track().path);
    return QJsonObject{
        {QStringLiteral("state"), playing ? QStringLiteral("playing") : QStringLiteral("stopped")},
        {QStringLiteral("position"), playing ? std::round(info.curPos * 1000) / 1000 : 0.0},
        {QStringLiteral("track"), track},
        {QStringLiteral("genre"), c.data().currentGenreG},
    };
}

// The timed events fired since the previous line.
QJsonArray firedJson(const QList<SongEv>& events)
{
    QJsonArray fired;
    for (const SongEv& ev : events)
        fired.append(QJsonObject{{QStringLiteral("time"), ev.val},
                                 {QStringLiteral("action"), ev.actionType},
                                 {QStringLiteral("text"), ev.actionTxt}});
    return fired;
}

QJsonObject stateJson(const QString& word, Controller& c, const WindowPDFx* window,
                      const QDir& root)
{
    const Data& data = c.data();
    const Navigator& nav = c.navigator();
    const auto entry = data.getPiece(data.songNoG());
    QJsonObject json{
        {QStringLiteral("command"), word},
        {QStringLiteral("songNoG"), data.songNoG()},
        {QStringLiteral("currentSort"), data.currentSort},
        {QStringLiteral("onglNoGuser"), data.onglNoGuser},
        {QStringLiteral("fichier"),
         entry ? root.relativeFilePath(entry->pieceDet->fichier) : QString()},
        {QStringLiteral("titre"), entry ? entry->pieceDet->titre : QString()},
        {QStringLiteral("pageNo1"), nav.pageNo1},
        {QStringLiteral("rech"), data.rech},
    };
    json.insert(QStringLiteral("pagesShown"), window ? pagesShown(*window) : QJsonArray());
    json.insert(QStringLiteral("message"),
                window ? const_cast<WindowPDFx*>(window)->messageLine().text() : QString());
    json.insert(QStringLiteral("winID"), window ? window->settings().altDir : QString());
    if (window && nav.tocON)
        json.insert(QStringLiteral("toc"), tocJson(window->scene().toc, c.tocList(), data.nbTocG));
    if (window)
        json.insert(QStringLiteral("tabs"), tabsJson(window->scene().toc));
    if (data.filterType != 0)
        json.insert(QStringLiteral("filter"), filterJson(data));
    json.insert(QStringLiteral("played"), entry && entry->pieceDet->played);
    json.insert(QStringLiteral("player"), playerJson(c, QDir(c.musicFolder())));
    json.insert(QStringLiteral("fired"), firedJson(c.takeFiredEvents()));
    return json;
}

// A port per destination record: the record's own device when it names one, else a port of
// its name.
QList<MidiEndpoint> destinationPorts(const QList<MidiDest>& records)
{
    QList<MidiEndpoint> ports;
    for (const MidiDest& d : records) {
        const qint32 uid = d.sendType == MidiDest::SendOneDevice && d.destUID != 0
                               ? d.destUID
                               : stableMidiId(QStringLiteral("navigate ") + d.idDest);
        if (std::none_of(ports.begin(), ports.end(),
                         [uid](const MidiEndpoint& p) { return p.uid == uid; }))
            ports.append({uid, d.idDest, true});
    }
    return ports;
}

// The messages that left, "<destination>: <hex bytes>", since the last take.
class SentLog {
public:
    explicit SentLog(Midi& midi)
    {
        midi.setSentObserver([this](const MidiEv& ev) {
            lines_.append(QStringLiteral("%1: %2").arg(
                ev.destName, QString::fromLatin1(ev.packet.toHex(' ')).toUpper()));
        });
    }
    QStringList take() { return std::exchange(lines_, {}); }

private:
    QStringList lines_;
};

// What an incoming message processed during the command did (-1 and nothing when none was)
// and what left for the MIDI devices.
void addMidiFields(QJsonObject& json, const Midi& midi, bool processed, const QStringList& sent)
{
    QJsonArray posted;
    int trigger = -1;
    if (processed) {
        const MidiTrigStep& step = midi.lastTrigStep();
        trigger = step.lastTrigger();
        for (const RemoteAction& action : step.actions)
            posted.append(
                QJsonObject{{QStringLiteral("name"), action.name},
                            {QStringLiteral("param"), QJsonValue::fromVariant(action.param)}});
    }
    json.insert(QStringLiteral("trigger"), trigger);
    json.insert(QStringLiteral("posted"), posted);
    json.insert(QStringLiteral("sent"), QJsonArray::fromStringList(sent));
}

// What the termination left in the store, written into the file (its other keys kept); ""
// or why it could not be written.
QString writeSettings(const MemoryPrefs& prefs, const QString& path)
{
    QSettingsPrefs file(path);
    for (const QString& key : prefs.keys())
        file.setValue(key, prefs.value(key));
    file.sync();
    return file.ok() ? QString()
                     : QStringLiteral("the settings file '%1' could not be written").arg(path);
}

// The settings file is read into memory: the program may write what it likes there, the
// user's file is never changed.
std::unique_ptr<MemoryPrefs> readSettings(const QString& path)
{
    auto prefs = std::make_unique<MemoryPrefs>();
    if (path.isEmpty())
        return prefs;
    QSettingsPrefs file(path);
    for (const QString& key : file.keys())
        prefs->setValue(key, file.value(key));
    return prefs;
}

} // namespace

// Starts the program on the folder as binder N with a binder window of the given size and
// mode (offscreen), applies the commands in order and prints one JSON line after each. Time
// passes only through "wait:<seconds>".
int runNavigate(const QStringList& args)
{
    NavigateArgs a;
    if (const QString problem = parseArgs(args, a); !problem.isEmpty())
        return fail(problem);
    QStringList words;
    QString problem;
    if (!splitNavigateWords(a.keys, words, problem))
        return fail(problem);
    QList<NavigateStep> steps;
    for (const QString& word : words) {
        NavigateStep step = navigateStep(word, problem);
        if (!step)
            return fail(problem);
        steps.append(step);
    }
    if (const QString error = HeadlessBinder::checkPaths(a.folder, a.settings); !error.isEmpty())
        return fail(error);
    if (!a.music.isEmpty()) {
        if (const QString error = musicFolderProblem(a.music); !error.isEmpty())
            return fail(error);
    }
    if (!a.saveSettings.isEmpty()) {
        if (const QString error =
                fileWriteProblem(a.saveSettings, QStringLiteral("the settings file"));
            !error.isEmpty())
            return fail(error);
    }
    if (a.mode == ModeHalfPageZoom && a.window.width() <= a.window.height())
        return fail(zoomNeedsWideWindowMessage());

    const QString folder = QDir::cleanPath(QFileInfo(a.folder).absoluteFilePath());
    // A folder without songs is refused before the program would offer a sample file.
    if (!Data::folderHasSongs(folder))
        return fail(QStringLiteral("the folder '%1' holds no songs").arg(a.folder));
    HeadlessDialogs dialogs;
    std::unique_ptr<MemoryPrefs> prefs = readSettings(a.settings);
    // The folder is binder N and the one to open.
    prefs->setValue(QStringLiteral("url%1").arg(a.binder), folder);
    prefs->setValue(QStringLiteral("dirIsanURL%1").arg(a.binder), true);
    prefs->setValue(QStringLiteral("dirNo"), a.binder);
    ManualTimers timers;
    ManualMediaPlayer player(timers);
    LoopbackMidi midiBackend(timers);
    midiBackend.setSources({{stableMidiId(QString::fromLatin1(kPedalSourceName)),
                             QString::fromLatin1(kPedalSourceName), true}});
    Midi midi(*prefs, timers, midiBackend);
    NotificationCenter center;
    RecordingFileServices files; // nothing is handed to the desktop
    OffscreenShell shell(a.window, a.mode);
    // The music folder of --music, indexed before the start (no cache is read or written);
    // without it the library is not available.
    prefs->setValue(QLatin1String(kMusicFolderKey), a.music);
    Controller controller(*prefs, dialogs, midi, center, timers, files, player, shell);
    controller.awakeFromNib();
    controller.musicLibrary().waitForIndex();
    for (const Track& track : controller.musicLibrary().tracks())
        player.setDuration(track.path, track.duration);
    controller.actionKeyReceived(cmd::ZoomStateChanged); // the window's mode counts
    // One destination port per destination record: what the queue sends to a record is
    // what the lines show.
    midiBackend.setDestinations(destinationPorts(midi.MIDIdestinations));
    SentLog sent(midi);

    const QDir root(folder);
    for (int i = 0; i < steps.size(); ++i) {
        const int trigSteps = midi.trigStepCount();
        steps[i](controller, timers);
        shell.settle();
        QJsonObject json = stateJson(words[i], controller, shell.binder(), root);
        addMidiFields(json, midi, midi.trigStepCount() != trigSteps, sent.take());
        const QByteArray line = QJsonDocument(json).toJson(QJsonDocument::Compact);
        std::printf("%s\n", line.constData());
    }
    if (!a.saveSettings.isEmpty()) {
        controller.applicationWillTerminate();
        if (const QString error = writeSettings(*prefs, a.saveSettings); !error.isEmpty())
            return fail(error);
    }
    return kOk;
}

} // namespace partivo::cli
