#pragma once

#include "ProgramDoubles.h"
#include "app/Controller.h"
#include "app/widgets/BinderMenuBar.h"
#include "app/widgets/ProgramShell.h"
#include "display/TestSongs.h"
#include "display/widgets/BinderWindow.h"

#include <QApplication>
#include <QDir>
#include <QKeyEvent>
#include <QTemporaryDir>
#include <functional>

namespace partivo::test {

// The program as main() puts it together, offscreen, on test doubles.
struct Program : test::ProgramDoubles {
    QTemporaryDir folder;
    ProgramShell shell;
    Controller controller{prefs, dialogs, midi, center, timers, files, player, shell};

    explicit Program(const QList<std::pair<QString, int>>& songs = {},
                     const QMap<QString, QVariant>& stored = {})
        : Program(Folder{[&](const QDir& dir) {
                      for (const auto& [name, pages] : songs)
                          writePdf(dir.filePath(name), pages);
                  }},
                  stored, !songs.isEmpty())
    {
    }
    // A binder of the files that fill writes into its folder.
    struct Folder {
        std::function<void(const QDir&)> fill;
    };
    explicit Program(const Folder& files, const QMap<QString, QVariant>& stored = {},
                     bool openFolder = true)
        : ProgramDoubles(stored)
    {
        shell.setController(&controller);
        files.fill(QDir(folder.path()));
        if (!openFolder) {
            controller.awakeFromNib();
        } else {
            prefs.setValue(QStringLiteral("NbrExec"), 3);
            controller.awakeFromNib(folder.path());
        }
    }
    BinderWindow& window() { return *shell.binderWindows().first(); }
    BinderMenuBar& menus() { return *qobject_cast<BinderMenuBar*>(window().menuBar()); }
    QString title()
    {
        const auto piece = controller.data().getPiece(controller.data().songNoG());
        return piece ? piece->pieceDet->titre : QString();
    }
    void press(int key, Qt::KeyboardModifiers mods = Qt::NoModifier)
    {
        QKeyEvent down(QEvent::KeyPress, key, mods);
        QApplication::sendEvent(&window(), &down);
        QKeyEvent up(QEvent::KeyRelease, key, mods);
        QApplication::sendEvent(&window(), &up);
    }
};

} // namespace partivo::test
