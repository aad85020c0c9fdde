// keymapctl lint: what a keymap gets wrong although it loads (see lint_rules.cpp for the codes).
#include "cli.h"
#include "commands.h"
#include "document.h"
#include "lint_rules.h"

namespace keymapctl {

int runLint(const QStringList& arguments) {
    CommandLine cli(
        QStringLiteral("lint"),
        QStringLiteral("Finds what a keymap gets wrong although it loads. Codes: duplicate-key, "
                       "unset-key, position-out-of-range, unknown-type, unknown-member, lossy-value, "
                       "unknown-value, key-text-mismatch, macro-unstable-line (warnings); "
                       "macro-grammar, macro-editing-form, tap-info-dropped (errors). Macro lines "
                       "go to editing text and back through a 1280x720 screen. A file that does not load "
                       "cleanly is reported "
                       "as check does and not linted.\nExit: 1 on an error (or a warning with "
                       "--strict), 2 when a file cannot be read."),
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
