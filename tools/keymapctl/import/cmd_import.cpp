// keymapctl import: makes a keymap from another mapping tool's keymap file, through the library's
// own item creation and saving, and reports everything that is left out or changed on the way.
#include "commands.h"
#include "common/cli.h"
#include "common/output_file.h"
#include "import/import_source.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMap>

namespace keymapctl {

namespace {

Finding sourceProblem(const QString& file, const SourceProblem& problem) {
    Finding finding =
        makeFinding(file, Severity::Error, QLatin1String(problem.code), QString(), problem.message);
    finding.line = problem.line;
    finding.column = problem.column;
    return finding;
}

// A config's title made safe as a file name: letters, digits, '-', '_' and '.' kept, every other run
// of characters one '_'; no leading dot, at most 80 characters.
QString safeFileName(const QString& title) {
    QString safe;
    for (const QChar c : title) {
        const bool keep =
            c.isLetterOrNumber() || c == QLatin1Char('-') || c == QLatin1Char('_') || c == QLatin1Char('.');
        if (keep)
            safe += c;
        else if (!safe.endsWith(QLatin1Char('_')))
            safe += QLatin1Char('_');
    }
    while (safe.startsWith(QLatin1Char('.')) || safe.startsWith(QLatin1Char('_')))
        safe.remove(0, 1);
    safe = safe.left(80);
    while (safe.endsWith(QLatin1Char('.')) || safe.endsWith(QLatin1Char('_')))
        safe.chop(1);
    return safe;
}

// The configs --config picks (all of them without it), or a usage problem.
std::optional<QList<int>> pickConfigs(const SourceKeymaps& keymaps, const CommandLine& cli, bool toDirectory,
                                      QString& problem) {
    const int count = keymaps.count();
    QStringList titles;
    for (int i = 0; i < count; ++i)
        titles << QStringLiteral("%1 \"%2\"").arg(i).arg(keymaps.title(i));
    const QString held =
        QStringLiteral("the source holds %1: %2").arg(count).arg(titles.join(QStringLiteral(", ")));
    if (!cli.isSet(QStringLiteral("config"))) {
        if (count == 1 || toDirectory) {
            QList<int> all;
            for (int i = 0; i < count; ++i)
                all << i;
            return all;
        }
        problem =
            held + QStringLiteral("; pick one with --config N or --config TITLE, or give -o a directory");
        return std::nullopt;
    }
    const QString wanted = cli.value(QStringLiteral("config"));
    bool isNumber = false;
    const int index = wanted.toInt(&isNumber);
    if (isNumber && index >= 0 && index < count)
        return QList<int>{index};
    for (int i = 0; i < count; ++i) {
        if (keymaps.title(i) == wanted)
            return QList<int>{i};
    }
    problem = QStringLiteral("no config %1 '%2'; %3")
                  .arg(isNumber ? QStringLiteral("numbered") : QStringLiteral("titled"), wanted, held);
    return std::nullopt;
}

// The file each picked config is written to: OUT itself, or in directory OUT a file named after
// the config's title (the source's name when it has none), made unique.
QStringList targetFiles(const SourceKeymaps& keymaps, const QList<int>& picked, const QString& output,
                        bool toDirectory, const QString& source) {
    if (!toDirectory)
        return {output};
    QStringList files;
    QStringList used;
    for (const int index : picked) {
        QString base = safeFileName(keymaps.title(index));
        if (base.isEmpty())
            base = safeFileName(QFileInfo(source).completeBaseName());
        if (base.isEmpty())
            base = QStringLiteral("config-%1").arg(index);
        QString unique = base;
        for (int n = 2; used.contains(unique, Qt::CaseInsensitive); ++n)
            unique = QStringLiteral("%1-%2").arg(base).arg(n);
        used << unique;
        files << QDir(output).filePath(unique + QStringLiteral(".json"));
    }
    return files;
}

QMap<QString, int> itemsPerType(const ovelkeymapmanager::KeymapConfig& config) {
    QMap<QString, int> counts;
    for (const ovelkeymapmanager::ConfigItem* item : config.items)
        ++counts[item->typeName];
    return counts;
}

void reportWritten(FindingReport& report, const QString& path,
                   const ovelkeymapmanager::KeymapConfig& config) {
    report.countFile(config.items.size());
    const QMap<QString, int> counts = itemsPerType(config);
    if (report.asJson()) {
        QJsonObject perType;
        for (auto it = counts.cbegin(); it != counts.cend(); ++it)
            perType.insert(it.key(), it.value());
        report.addFile(QJsonObject{{QStringLiteral("file"), path},
                                   {QStringLiteral("items"), config.items.size()},
                                   {QStringLiteral("itemsPerType"), perType}});
        return;
    }
    QStringList perType;
    for (auto it = counts.cbegin(); it != counts.cend(); ++it)
        perType << QStringLiteral("%1 %2").arg(it.key()).arg(it.value());
    out() << QStringLiteral("%1: written: %2 items").arg(path).arg(config.items.size());
    if (!perType.isEmpty())
        out() << " (" << perType.join(QStringLiteral(", ")) << ")";
    out() << "\n";
}

} // namespace

int runImport(const QStringList& arguments) {
    CommandLine cli(
        QStringLiteral("import"),
        QStringLiteral(
            "Makes a keymap from a keymap of QtScrcpy, PlayCover (.playmap) or scrcpy-mask. Every "
            "element becomes an item or a finding. Codes are listed in docs/keymap-format.md "
            "(Importing from other tools); errors mean that an element or key is not imported, "
            "warnings that something is changed or left out, info that a member means nothing to a "
            "keymap.\nExit: 0 written, 1 written without what could not be imported (nothing "
            "written with --strict), 2 when SOURCE is not a readable keymap of the format, OUT "
            "exists (without --force) or is SOURCE, or bad usage."),
        QStringLiteral("--from qtscrcpy|playcover|scrcpy-mask|auto SOURCE -o OUT.json|DIR [--config N|TITLE] "
                       "[--force] [--screen WxH] [--joystick never] [--strict] [--json]"));
    cli.addValue(QStringLiteral("from"),
                 QStringLiteral("The source format: qtscrcpy, playcover, scrcpy-mask, or auto (told by the "
                                "content)."),
                 QStringLiteral("FORMAT"));
    cli.parser().addOption(QCommandLineOption(
        {QStringLiteral("o"), QStringLiteral("output")},
        QStringLiteral("The keymap file to write, or a directory (an existing one, or a path ending in /) "
                       "that gets one file per config, named after its title."),
        QStringLiteral("OUT")));
    cli.addValue(
        QStringLiteral("config"),
        QStringLiteral("The config to import from a source of several: its number from 0, or its title."),
        QStringLiteral("N|TITLE"));
    cli.addFlag(QStringLiteral("force"), QStringLiteral("Replace an existing output file."));
    cli.addValue(
        QStringLiteral("screen"),
        QStringLiteral("qtscrcpy and playcover: the screen the source was made for, which sizes the pixels "
                       "of macro text and the radii (qtscrcpy, default 1280x720) or the radii (playcover, "
                       "its window, default 1280x800); scrcpy-mask sources give their own frame."),
        QStringLiteral("WxH"));
    cli.addValue(
        QStringLiteral("joystick"),
        QStringLiteral("Whether to write a joystick document: never (the import makes keyboard keymaps)."),
        QStringLiteral("never"));
    cli.addFlag(QStringLiteral("strict"),
                QStringLiteral("Write nothing when an element or key cannot be imported."));
    cli.addFlag(QStringLiteral("json"), QStringLiteral("Print one JSON document of findings."));
    if (const auto code = cli.parse(arguments, 1, 1))
        return *code;
    const std::optional<SourceFormat> format = sourceFormatNamed(cli.value(QStringLiteral("from")));
    if (!format)
        return cli.usageError(
            QStringLiteral("--from must name the source format: qtscrcpy, playcover, scrcpy-mask or auto"));
    const QString output = cli.value(QStringLiteral("o"));
    if (output.isEmpty())
        return cli.usageError(QStringLiteral("missing -o OUT.json"));
    if (cli.isSet(QStringLiteral("joystick")) &&
        cli.value(QStringLiteral("joystick")) != QLatin1String("never"))
        return cli.usageError(
            QStringLiteral("--joystick takes only 'never': the import makes keyboard keymaps"));
    if (cli.isSet(QStringLiteral("screen")) && *format == SourceFormat::ScrcpyMask)
        return cli.usageError(QStringLiteral(
            "--screen is for qtscrcpy and playcover sources; scrcpy-mask gives its own frame"));
    std::optional<QSize> screen;
    if (cli.isSet(QStringLiteral("screen"))) {
        screen = parseSize(cli.value(QStringLiteral("screen")));
        if (!screen)
            return cli.usageError(QStringLiteral("--screen must be WIDTHxHEIGHT with both above 0: '%1'")
                                      .arg(cli.value(QStringLiteral("screen"))));
    }

    const QString source = cli.positional().first();
    FindingReport report(QStringLiteral("import"), cli.isSet(QStringLiteral("json")));
    const auto giveUp = [&](const SourceProblem& problem) {
        report.add(sourceProblem(source, problem));
        report.finish();
        return kBadInput;
    };
    QFile file(source);
    if (!QFileInfo(source).isFile() || !file.open(QIODevice::ReadOnly))
        return giveUp(
            {"unreadable", QStringLiteral("cannot read the file (missing, a directory, or no permission)")});
    SourceProblem problem;
    const std::unique_ptr<SourceKeymaps> keymaps = readSource(file.readAll(), *format, problem);
    if (!keymaps)
        return giveUp(problem);

    const bool toDirectory = output.endsWith(QLatin1Char('/')) || QFileInfo(output).isDir();
    QString pickProblem;
    const std::optional<QList<int>> picked = pickConfigs(*keymaps, cli, toDirectory, pickProblem);
    if (!picked)
        return cli.usageError(pickProblem);
    const QStringList targets = targetFiles(*keymaps, *picked, output, toDirectory, source);
    // Every target is checked before anything is written.
    for (const QString& target : targets) {
        const QString refusal = outputRefusal(target, {source}, cli.isSet(QStringLiteral("force")));
        if (!refusal.isEmpty())
            return cli.fail(kBadInput, refusal);
    }

    std::vector<std::unique_ptr<ovelkeymapmanager::KeymapConfig>> configs;
    bool errors = false;
    for (const int index : *picked) {
        ImportContext context(source, screen);
        configs.push_back(keymaps->import(context, index));
        for (const Finding& finding : context.findings())
            report.add(finding);
        errors = errors || context.hasErrors();
    }
    const int exit = errors ? kProblems : kOk;
    if (errors && cli.isSet(QStringLiteral("strict"))) {
        report.finish();
        return cli.fail(exit, QStringLiteral("nothing written to %1 (--strict)").arg(output));
    }
    if (toDirectory && !QDir().mkpath(output)) {
        report.finish();
        return cli.fail(kBadInput, QStringLiteral("cannot make the directory %1").arg(output));
    }
    for (std::size_t i = 0; i < configs.size(); ++i) {
        if (!ovelkeymapmanager::SaveKeymapConfigAndInfo(targets.at(int(i)), configs[i].get())) {
            report.finish();
            return cli.fail(kBadInput, QStringLiteral("cannot write %1").arg(targets.at(int(i))));
        }
        reportWritten(report, targets.at(int(i)), *configs[i]);
    }
    report.finish();
    return exit;
}

} // namespace keymapctl
