// keymapctl lint: what a keymap gets wrong although it loads (lint_rules.cpp holds the rules).
#include "commands.h"
#include "common/cli.h"
#include "common/document.h"
#include "lint/lint_rules.h"

namespace keymapctl {

int runLint(const QStringList& arguments) {
    CommandLine cli(
        QStringLiteral("lint"),
        QStringLiteral("Finds what a keymap gets wrong although it loads, by these rules:\n") +
            lintRulesText() +
            QStringLiteral("\nMacro lines go to editing text and back through a 1280x720 screen. A file that "
                           "does not load cleanly is reported as check does and not linted.\nExit: 1 on an "
                           "error (or a warning with --strict), 2 when a file cannot be read."),
        QStringLiteral("[--joystick] [--strict] [--json] [--quiet] FILE..."));
    cli.addFlag(QStringLiteral("joystick"), QStringLiteral("Load as joystick keymaps."));
    cli.addFlag(QStringLiteral("strict"), QStringLiteral("Exit 1 on warnings too."));
    cli.addFlag(QStringLiteral("json"), QStringLiteral("Print one JSON document of findings."));
    cli.addFlag(QStringLiteral("quiet"), QStringLiteral("Print only the problems, no summary line."));
    if (const auto code = cli.parse(arguments, 1))
        return *code;

    FindingReport report(QStringLiteral("lint"), cli.isSet(QStringLiteral("json")));
    const int exit = forEachDocument(cli.positional(), cli.isSet(QStringLiteral("joystick")), report,
                                     [&](const LoadedDocument& document) { lintDocument(document, report); });
    report.finish(cli.isSet(QStringLiteral("quiet")));
    return worst(exit, report.exitCode(cli.isSet(QStringLiteral("strict"))));
}

} // namespace keymapctl
