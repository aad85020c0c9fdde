// keymapctl import: makes a keymap from another mapping tool's keymap file, through the library's
// own item creation and saving, and reports everything that is left out or changed on the way.
#include "cli.h"
#include "commands.h"
#include "import_qtscrcpy.h"

#include <QFile>
#include <QFileInfo>
#include <QJsonParseError>
#include <QMap>

namespace keymapctl {

namespace {

const QSize kDefaultScreen(1280, 720);

Finding sourceProblem(const QString& file, const char* code, const QString& message) {
    return makeFinding(file, Severity::Error, QLatin1String(code), QString(), message);
}

// The source's JSON document, or a finding that says why there is none.
std::optional<QJsonDocument> readSource(const QString& path, Finding& problem) {
    QFile file(path);
    if (!QFileInfo(path).isFile() || !file.open(QIODevice::ReadOnly)) {
        problem = sourceProblem(path, "unreadable",
                                QStringLiteral("cannot read the file (missing, a directory, "
                                               "or no permission)"));
        return std::nullopt;
    }
    QByteArray text = file.readAll();
    if (text.startsWith("\xEF\xBB\xBF"))
        text.remove(0, 3);
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(text, &error);
    if (error.error != QJsonParseError::NoError) {
        problem = sourceProblem(path, "not-json", error.errorString());
        const QByteArray before = text.left(error.offset);
        problem.line = before.count('\n') + 1;
        problem.column = error.offset - (before.lastIndexOf('\n') + 1) + 1;
        return std::nullopt;
    }
    if (const QString shape = qtscrcpyShapeProblem(document); !shape.isEmpty()) {
        problem =
            sourceProblem(path, "not-qtscrcpy", shape + QStringLiteral(", so it is not a QtScrcpy keymap"));
        return std::nullopt;
    }
    return document;
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
        QStringLiteral("Makes a keymap from a QtScrcpy keymap file. Every node becomes an item or a "
                       "finding. Codes: malformed, unknown-node-type, unknown-key, unsupported-key "
                       "(errors: that node or key is not imported); position-out-of-range, "
                       "switch-key-approximated, switch-key-dropped, switch-map-dropped, "
                       "speed-ratio-dropped, drag-speed-dropped, unequal-offsets (warnings); "
                       "member-ignored (info).\nExit: 0 written, 1 written without what could not "
                       "be imported (nothing written with --strict), 2 when SOURCE is not a "
                       "readable QtScrcpy keymap or bad usage."),
        QStringLiteral(
            "--from qtscrcpy SOURCE -o OUT.json [--screen WxH] [--joystick never] [--strict] [--json]"));
    cli.addValue(QStringLiteral("from"), QStringLiteral("The source format: qtscrcpy."),
                 QStringLiteral("FORMAT"));
    cli.parser().addOption(QCommandLineOption({QStringLiteral("o"), QStringLiteral("output")},
                                              QStringLiteral("The keymap file to write."),
                                              QStringLiteral("OUT")));
    cli.addValue(QStringLiteral("screen"),
                 QStringLiteral("Screen size for the pixels of macro text (default 1280x720)."),
                 QStringLiteral("WxH"));
    cli.addValue(
        QStringLiteral("joystick"),
        QStringLiteral("Whether to write a joystick document: never (the source binds no controller)."),
        QStringLiteral("never"));
    cli.addFlag(QStringLiteral("strict"),
                QStringLiteral("Write nothing when a node or key cannot be imported."));
    cli.addFlag(QStringLiteral("json"), QStringLiteral("Print one JSON document of findings."));
    if (const auto code = cli.parse(arguments, 1, 1))
        return *code;
    if (cli.value(QStringLiteral("from")) != QLatin1String("qtscrcpy"))
        return cli.usageError(QStringLiteral("--from must name the source format: qtscrcpy"));
    const QString output = cli.value(QStringLiteral("o"));
    if (output.isEmpty())
        return cli.usageError(QStringLiteral("missing -o OUT.json"));
    if (cli.isSet(QStringLiteral("joystick")) &&
        cli.value(QStringLiteral("joystick")) != QLatin1String("never"))
        return cli.usageError(
            QStringLiteral("--joystick takes only 'never': the source binds no controller"));
    const std::optional<QSize> screen =
        cli.isSet(QStringLiteral("screen")) ? parseSize(cli.value(QStringLiteral("screen"))) : kDefaultScreen;
    if (!screen)
        return cli.usageError(QStringLiteral("--screen must be WIDTHxHEIGHT with both above 0: '%1'")
                                  .arg(cli.value(QStringLiteral("screen"))));

    const QString source = cli.positional().first();
    FindingReport report(QStringLiteral("import"), cli.isSet(QStringLiteral("json")));
    Finding problem;
    const std::optional<QJsonDocument> document = readSource(source, problem);
    if (!document) {
        report.add(problem);
        report.finish();
        return kBadInput;
    }
    ImportContext context(source, *screen);
    const std::unique_ptr<ovelkeymapmanager::KeymapConfig> config =
        importQtScrcpy(context, document->object());
    for (const Finding& finding : context.findings())
        report.add(finding);
    const int exit = context.hasErrors() ? kProblems : kOk;
    if (exit != kOk && cli.isSet(QStringLiteral("strict"))) {
        report.finish();
        return cli.fail(exit, QStringLiteral("nothing written to %1 (--strict)").arg(output));
    }
    if (!ovelkeymapmanager::SaveKeymapConfigAndInfo(output, config.get())) {
        report.finish();
        return cli.fail(kBadInput, QStringLiteral("cannot write %1").arg(output));
    }
    reportWritten(report, output, *config);
    report.finish();
    return exit;
}

} // namespace keymapctl
