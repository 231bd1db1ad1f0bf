#include "ControllerFixture.h"

#include "display/TestSongs.h"
#include "library/TabDet.h"

#include <QDir>
#include <QFile>

namespace partivo::test {

WindowPDFx* LogicShell::newBinderWindow(const BinderWindowParts& parts)
{
    windows.push_back(
        std::make_unique<WindowPDFx>(parts.windows, parts.center, parts.timers, parts.pages));
    WindowPDFx* window = windows.back().get();
    parts.windows.append(window);
    window->resized(width, height, true);
    return window;
}

App::App()
{
    controller =
        std::make_unique<Controller>(prefs, dialogs, midi, center, timers, files, player, shell);
    controller->dispatcher().setLogSink([this](const QString& line) { log.append(line); });
}

void App::start(const QList<std::pair<QString, int>>& songs,
                const QList<std::pair<int, QString>>& setlists)
{
    for (const auto& [name, pages] : songs) {
        const QString path = QDir(folder.path()).filePath(name);
        if (name.endsWith(QLatin1String(".pdf"))) {
            writePdf(path, pages);
        } else {
            QFile file(path);
            file.open(QIODevice::WriteOnly);
            file.write("{title: " + name.toUtf8() + "}\n[C]One line\n");
        }
    }
    for (const auto& [tab, lines] : setlists) {
        prefs.setValue(TabDet::key("%dTabName%d", 0, tab), QStringLiteral("Set %1").arg(tab));
        prefs.setValue(TabDet::key("%dOptSel%d", 0, tab), int(TabDet::Setlist));
        prefs.setValue(TabDet::key("%dlist%d", 0, tab), lines);
    }
    prefs.setValue(QStringLiteral("NbrExec"), 3);
    controller->awakeFromNib(folder.path());
}

void App::startInHelpBinder()
{
    controller->awakeFromNib();
}

QString App::title() const
{
    const Data& data = const_cast<App*>(this)->controller->data();
    const auto piece = data.getPiece(data.songNoG());
    return piece ? piece->pieceDet->titre : QString();
}

QString App::pagesShown() const
{
    const BinderScene& s = shell.windows.front()->scene();
    QString out = QString::number(s.left.page);
    if (s.right.shown && !s.rightIsNextSong)
        out += QStringLiteral("|%1").arg(s.right.page);
    else if (s.right.shown)
        out += QStringLiteral("|next");
    return out;
}

} // namespace partivo::test
