// keymapctl check: loads each file as the host would and tells whether it loads cleanly, with
// its items per type, or where and why reading stopped.
#include "commands.h"
#include "common/cli.h"
#include "common/document.h"
#include "format/saving_changes.h"
#include "lint/lint_rules.h"

#include <QJsonObject>
#include <QMap>

namespace keymapctl {

namespace {

QMap<QString, int> itemsPerType(const ovelkeymapmanager::KeymapConfig& config) {
    QMap<QString, int> counts;
    for (const ovelkeymapmanager::ConfigItem* item : config.items)
        ++counts[item->typeName];
    return counts;
}

QString summaryLine(const LoadedDocument& document, const QMap<QString, int>& counts) {
    QStringList perType;
    for (auto it = counts.cbegin(); it != counts.cend(); ++it)
        perType << QStringLiteral("%1 %2").arg(it.key()).arg(it.value());
    const int groups = document.config->info->featureImages.size();
    QString line = QStringLiteral("%1: OK: %2 items").arg(document.path).arg(document.config->items.size());
    if (!perType.isEmpty())
        line += QStringLiteral(" (%1)").arg(perType.join(QStringLiteral(", ")));
    if (!document.keptElements.isEmpty())
        line += QStringLiteral(", %1 element%2 of unknown type kept")
                    .arg(document.keptElements.size())
                    .arg(document.keptElements.size() == 1 ? QString() : QStringLiteral("s"));
    line += groups > 0 ? QStringLiteral("; intelligent config (%1 feature image groups)").arg(groups)
                       : QStringLiteral("; not an intelligent config");
    return line;
}

QJsonObject summaryObject(const LoadedDocument& document, const QMap<QString, int>& counts) {
    QJsonObject perType;
    for (auto it = counts.cbegin(); it != counts.cend(); ++it)
        perType.insert(it.key(), it.value());
    return QJsonObject{{QStringLiteral("file"), document.path},
                       {QStringLiteral("items"), document.config->items.size()},
                       {QStringLiteral("itemsPerType"), perType},
                       {QStringLiteral("unknownTypeElements"), document.keptElements.size()},
                       {QStringLiteral("intelligent"), !document.config->info->featureImages.isEmpty()},
                       {QStringLiteral("featureImageGroups"), document.config->info->featureImages.size()}};
}

} // namespace

int runCheck(const QStringList& arguments) {
    CommandLine cli(
        QStringLiteral("check"),
        QStringLiteral("Loads each keymap file as the host does and prints either OK with its items "
                       "per type and whether it is an intelligent config, or where reading stopped "
                       "and why, then one summary line (--quiet prints only the problems).\nExit: 0 all load "
                       "cleanly, 1 a file is empty or broken, 2 a file "
                       "cannot be read or bad usage."),
        QStringLiteral("[--joystick] [--json] [--quiet] FILE..."));
    cli.addFlag(QStringLiteral("joystick"), QStringLiteral("Load as joystick keymaps."));
    cli.addFlag(QStringLiteral("json"), QStringLiteral("Print one JSON document of findings."));
    cli.addFlag(QStringLiteral("quiet"), QStringLiteral("Print only the problems, no summary line."));
    if (const auto code = cli.parse(arguments, 1))
        return *code;

    FindingReport report(QStringLiteral("check"), cli.isSet(QStringLiteral("json")));
    const int exit = forEachDocument(
        cli.positional(), cli.isSet(QStringLiteral("joystick")), report, [&](const LoadedDocument& document) {
            // Loading reads one of the two values without a word.
            for (const auto& duplicate : document.source.duplicates)
                report.add(document.finding(ruleSeverity("duplicate-member"),
                                            QStringLiteral("duplicate-member"), duplicate.path,
                                            duplicateMessage(duplicate)));
            const QMap<QString, int> counts = itemsPerType(*document.config);
            if (report.asJson())
                report.addFile(summaryObject(document, counts));
            else if (!cli.isSet(QStringLiteral("quiet")))
                out() << summaryLine(document, counts) << "\n";
        });
    report.finish(cli.isSet(QStringLiteral("quiet")));
    return exit;
}

} // namespace keymapctl
