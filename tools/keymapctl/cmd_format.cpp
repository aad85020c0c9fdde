// keymapctl format: rewrites keymap files in the canonical text that saving produces. A file
// that does not load cleanly is never rewritten: saving a partial load would lose the user's data.
#include "cli.h"
#include "commands.h"
#include "document.h"

#include <QFile>

namespace keymapctl {

namespace {

std::optional<QByteArray> fileBytes(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    return file.readAll();
}

// Why saving this document would lose what the file holds, or "" when it would not. Elements of
// an unknown type are kept by the document and saved back in place.
QString refusal(const LoadedDocument& document) {
    if (!document.clean())
        return QStringLiteral("it does not load cleanly: ") + findingLine(document.problem());
    return QString();
}

int formatFile(const CommandLine& cli, const QString& path, bool joystick, bool checkOnly) {
    const LoadedDocument document = loadDocument(path, joystick);
    if (document.status == LoadStatus::Unreadable)
        return cli.fail(kBadInput, QStringLiteral("%1: cannot read the file").arg(path));
    const QString why = refusal(document);
    if (!why.isEmpty())
        return cli.fail(kProblems, QStringLiteral("%1: not rewritten, %2").arg(path, why));

    const QByteArray canonical = ovelkeymapmanager::ConfigAndInfoSavedText(document.config.get());
    const std::optional<QByteArray> current = fileBytes(path);
    if (canonical.isEmpty() || !current)
        return cli.fail(kProblems, QStringLiteral("%1: cannot produce the canonical text").arg(path));
    if (canonical == *current)
        return kOk;
    if (checkOnly) {
        out() << path << ": not canonical\n";
        return kProblems;
    }
    if (!ovelkeymapmanager::SaveKeymapConfigAndInfo(path, document.config.get()))
        return cli.fail(kProblems, QStringLiteral("%1: cannot write the file").arg(path));
    out() << path << ": formatted\n";
    return kOk;
}

} // namespace

int runFormat(const QStringList& arguments) {
    CommandLine cli(
        QStringLiteral("format"),
        QStringLiteral(
            "Rewrites each keymap file in the canonical text that saving produces. A "
            "file that does not load cleanly is left alone (exit 1); elements of an "
            "unknown type are kept in place.\n--check changes nothing and lists the files that are not "
            "canonical (exit 1 when there is one)."),
        QStringLiteral("[--check] [--joystick] FILE..."));
    cli.addFlag(QStringLiteral("check"), QStringLiteral("Only tell which files are not canonical."));
    cli.addFlag(QStringLiteral("joystick"), QStringLiteral("Load as joystick keymaps."));
    if (const auto code = cli.parse(arguments, 1))
        return *code;
    const QStringList files = cli.positional();
    Progress progress(files.size());
    int exit = kOk;
    for (const QString& path : files) {
        progress.step(path);
        exit = worst(exit, formatFile(cli, path, cli.isSet(QStringLiteral("joystick")),
                                      cli.isSet(QStringLiteral("check"))));
    }
    return exit;
}

} // namespace keymapctl
