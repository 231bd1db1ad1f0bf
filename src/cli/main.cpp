#include "cli/Commands.h"
#include "platform/TextDecode.h"

#include <QApplication>
#include <QCoreApplication>
#include <QGuiApplication>
#include <cstdio>
#include <memory>

using namespace partivo::cli;

namespace {

void printHelp()
{
    std::printf("Usage: partivo-cli <command> [arguments]\n\nCommands:\n");
    for (const Command& command : commands())
        std::printf("  %s\n      %s\n", command.usage, command.summary);
    std::printf("  --help\n      Lists the commands.\n");
}

QtMessageHandler previousHandler = nullptr;

// A headless session often has no runtime folder, and the GUI application says so on every
// start; the offscreen platform says it cannot pass size hints on for every window. Neither
// says anything about the command's work, so both are left out of stderr.
void withoutRuntimeFolderWarning(QtMsgType type, const QMessageLogContext& context,
                                 const QString& message)
{
    if (type == QtWarningMsg &&
        (message.startsWith(QLatin1String("QStandardPaths: XDG_RUNTIME_DIR not set")) ||
         message == QLatin1String("This plugin does not support propagateSizeHints()")))
        return;
    previousHandler(type, context, message);
}

// A GUI application only for the commands that need fonts or windows, on the offscreen platform
// unless the environment asks for another: the other commands run where there is no display.
std::unique_ptr<QCoreApplication> makeApplication(int& argc, char** argv)
{
    QStringList args;
    for (int i = 1; i < argc; ++i)
        args << QString::fromLocal8Bit(argv[i]);
    const ApplicationKind kind = applicationKind(args);
    if (kind == ApplicationKind::Core)
        return std::make_unique<QCoreApplication>(argc, argv);
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    previousHandler = qInstallMessageHandler(withoutRuntimeFolderWarning);
    if (kind == ApplicationKind::Widgets)
        return std::make_unique<QApplication>(argc, argv);
    return std::make_unique<QGuiApplication>(argc, argv);
}

} // namespace

int main(int argc, char** argv)
{
    // A name whose bytes are not UTF-8 cannot be handed to the code: say so, once.
    for (int i = 1; i < argc; ++i) {
        if (!partivo::isValidUtf8(QByteArray(argv[i]))) {
            std::fprintf(stderr,
                         "partivo-cli: the argument '%s' is not valid UTF-8 (a file name from an "
                         "old disk?); Partivo cannot open it\n",
                         QString::fromUtf8(argv[i]).toUtf8().constData());
            return kUsage;
        }
    }
    const std::unique_ptr<QCoreApplication> app = makeApplication(argc, argv);
    QStringList args = app->arguments().mid(1);
    if (args.isEmpty() || args.first() == QLatin1String("--help") ||
        args.first() == QLatin1String("-h")) {
        printHelp();
        return args.isEmpty() ? kUsage : kOk;
    }
    const QString name = args.takeFirst();
    for (const Command& command : commands()) {
        if (name == QLatin1String(command.name))
            return command.run(args);
    }
    return fail(QStringLiteral("unknown command '%1' (see --help)").arg(name));
}
