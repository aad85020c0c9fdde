// keymapctl: the command-line tool for keymap authors. Picks the command named by the first
// argument and hands it the rest.
#include "commands.h"
#include "common/cli.h"

#include <QCoreApplication>
#include <QGuiApplication>

#include <algorithm>
#include <cstring>
#include <memory>

using namespace keymapctl;

namespace {

const Command* findCommand(const QString& name) {
    for (const Command& command : kCommands) {
        if (name == QLatin1String(command.name))
            return &command;
    }
    return nullptr;
}

void printUsage(QTextStream& stream) {
    stream << "Usage: keymapctl COMMAND [options] [arguments]\n\n"
              "The command-line tool for keymap authors.\n\nCommands:\n";
    int width = 0;
    for (const Command& command : kCommands)
        width = std::max(width, int(std::strlen(command.name)) + 2);
    for (const Command& command : kCommands)
        stream << "  " << QString::fromLatin1(command.name).leftJustified(width) << command.summary << "\n";
    stream << "\nRun 'keymapctl COMMAND --help' for a command's options.\n"
              "Exit codes: 0 ok, 1 a check found problems, 2 bad usage or an unreadable input.\n";
}

} // namespace

int main(int argc, char** argv) {
    // Rendering draws text, which needs a QGuiApplication; offscreen needs no display.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");

    const Command* command = argc > 1 ? findCommand(QString::fromLocal8Bit(argv[1])) : nullptr;
    std::unique_ptr<QCoreApplication> app;
    if (command && command->needsGui) {
        // What the platform notes while starting (a missing XDG_RUNTIME_DIR) is no news about the
        // command's work: it stays off stderr.
        const QtMessageHandler previous =
            qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString&) {});
        app = std::make_unique<QGuiApplication>(argc, argv);
        qInstallMessageHandler(previous);
    } else
        app = std::make_unique<QCoreApplication>(argc, argv);

    int exitCode = kOk;
    const QStringList arguments = QCoreApplication::arguments();
    if (command) {
        // The command sees "keymapctl COMMAND" as its program name, then its own arguments.
        exitCode = command->run(QStringList{arguments.value(0) + QLatin1Char(' ') + arguments.value(1)} +
                                arguments.mid(2));
    } else if (argc > 1 && (std::strcmp(argv[1], "--help") == 0 || std::strcmp(argv[1], "-h") == 0 ||
                            std::strcmp(argv[1], "help") == 0)) {
        printUsage(out());
    } else {
        if (argc > 1)
            err() << "keymapctl: unknown command '" << arguments.value(1) << "'\n\n";
        printUsage(err());
        exitCode = kBadInput;
    }
    out().flush();
    err().flush();
    return exitCode;
}
