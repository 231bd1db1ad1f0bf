#include "app/Controller.h"
#include "app/LibraryWindow.h"
#include "app/WidgetDialogs.h"
#include "platform/QSettingsPrefs.h"

#include <QApplication>
#include <QTimer>

namespace {

// "--screenshot FILE": write a picture of the main window once start-up is done.
QString screenshotPath(const QStringList& args)
{
    const int at = int(args.indexOf(QStringLiteral("--screenshot")));
    return at >= 0 && at + 1 < args.size() ? args[at + 1] : QString();
}

} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Partivo"));
    QApplication::setOrganizationName(QStringLiteral("Partivo"));

    partivo::QSettingsPrefs prefs;
    partivo::WidgetDialogs dialogs;
    partivo::Controller controller(prefs, dialogs);
    QObject::connect(&app, &QApplication::aboutToQuit,
                     [&controller] { controller.applicationWillTerminate(); });
    controller.awakeFromNib();
    dialogs.setParent(controller.window());

    if (const QString shot = screenshotPath(app.arguments()); !shot.isEmpty()) {
        QTimer::singleShot(1500, &app, [&controller, shot] {
            if (auto* window = controller.window()) {
                if (window->grab().save(shot))
                    qInfo("Screenshot written to %s", qUtf8Printable(shot));
            }
        });
    }
    return app.exec();
}
