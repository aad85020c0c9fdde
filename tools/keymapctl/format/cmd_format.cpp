// keymapctl format: rewrites keymap files in the canonical text that saving produces. A file is
// rewritten only when nothing it holds would be lost: it loads cleanly, and every member comes back
// from saving with the same value (--force overrides the second rule, never the first).
#include "commands.h"
#include "common/cli.h"
#include "common/document.h"
#include "common/json_values.h"
#include "format/saving_changes.h"
#include "format/text_diff.h"

#include <QFile>

namespace keymapctl {

namespace {

struct Options {
    bool joystick = false;
    bool check = false;
    bool diff = false;
    bool force = false;
};

std::optional<QByteArray> fileBytes(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    return file.readAll();
}

// Why a change would happen with these options: the joystick flag gets its own words.
QString changeLine(const SavingChange& change, bool joystick) {
    if (joystick && change.path.startsWith(QLatin1String("info.is_joystick")))
        return QStringLiteral("%1 (line %2): the \"info\" block says this is not a joystick keymap; "
                              "--joystick would make it one")
            .arg(change.path)
            .arg(change.place.line);
    return change.describe();
}

int formatFile(const CommandLine& cli, const QString& path, const Options& options) {
    const LoadedDocument document = loadDocument(path, options.joystick);
    if (document.status == LoadStatus::Unreadable)
        return cli.fail(kBadInput, QStringLiteral("%1: %2").arg(path, whyUnreadable(path)));
    if (!document.clean()) {
        return cli.fail(kProblems, QStringLiteral("%1: not rewritten, it does not load cleanly: %2")
                                       .arg(path, findingLine(document.problem())));
    }
    const QByteArray canonical = canonicalText(*document.config, document.source);
    const std::optional<QByteArray> current = fileBytes(path);
    if (canonical.isEmpty() || !current)
        return cli.fail(kProblems, QStringLiteral("%1: cannot produce the canonical text").arg(path));
    const QVector<SavingChange> changes = savingChanges(document);
    if (options.check || options.diff) {
        if (canonical == *current)
            return kOk;
        if (options.diff) {
            out() << unifiedDiff(*current, canonical, path, path + QStringLiteral(" (canonical)"));
            // A diff of Base64 text cannot show that the picture stayed the same.
            for (const SavingChange& change : changes) {
                if (!change.isLoss())
                    out() << change.describe() << "\n";
            }
        } else {
            out() << path << ": not canonical: " << firstDifference(*current, canonical) << "\n";
        }
        return kProblems;
    }

    QStringList losses;
    for (const SavingChange& change : changes) {
        if (change.isLoss())
            losses << QStringLiteral("  ") + changeLine(change, options.joystick);
    }
    if (!losses.isEmpty() && !options.force) {
        err() << "keymapctl format: " << path << ": not rewritten, saving would lose what the file holds:\n"
              << losses.join(QLatin1Char('\n')) << "\n"
              << "Correct these members, or rewrite anyway with --force.\n";
        return kProblems;
    }
    if (canonical == *current)
        return kOk;
    if (!writeFile(path, canonical))
        return cli.fail(kProblems, QStringLiteral("%1: cannot write the file").arg(path));
    out() << path << ": formatted\n";
    if (!losses.isEmpty())
        out() << "lost:\n" << losses.join(QLatin1Char('\n')) << "\n";
    return kOk;
}

} // namespace

int runFormat(const QStringList& arguments) {
    CommandLine cli(
        QStringLiteral("format"),
        QStringLiteral(
            "Rewrites each keymap file in the canonical text that saving produces, keeping a top-level "
            "\"$schema\" and the elements of an unknown type. A file is left alone (exit 1) when it does "
            "not load cleanly, or when saving would drop or change one of its members (an unknown or "
            "misspelt member, a value that loading converts, --joystick on a keymap that is not a "
            "joystick one); each is listed with its path and line, and --force rewrites anyway.\n"
            "--check changes nothing and tells where each file first differs from its canonical text; "
            "--diff prints the difference as a unified diff (exit 1 when a file differs)."),
        QStringLiteral("[--check | --diff] [--force] [--joystick] FILE..."));
    cli.addFlag(QStringLiteral("check"), QStringLiteral("Only tell which files are not canonical, and why."));
    cli.addFlag(QStringLiteral("diff"),
                QStringLiteral("Only print how each file differs from its canonical text."));
    cli.addFlag(QStringLiteral("force"),
                QStringLiteral("Rewrite even when members would be lost; list them."));
    cli.addFlag(QStringLiteral("joystick"), QStringLiteral("Load as joystick keymaps."));
    if (const auto code = cli.parse(arguments, 1))
        return *code;
    Options options;
    options.joystick = cli.isSet(QStringLiteral("joystick"));
    options.check = cli.isSet(QStringLiteral("check"));
    options.diff = cli.isSet(QStringLiteral("diff"));
    options.force = cli.isSet(QStringLiteral("force"));
    const QStringList files = cli.positional();
    Progress progress(files.size());
    int exit = kOk;
    for (const QString& path : files) {
        progress.step(path);
        exit = worst(exit, formatFile(cli, path, options));
    }
    return exit;
}

} // namespace keymapctl
