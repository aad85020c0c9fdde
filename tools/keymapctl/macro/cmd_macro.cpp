// keymapctl macro: converts macro text between the editing and the running form, one line per
// line, or checks editing text, through the library's exported macro functions.
#include "commands.h"
#include "common/cli.h"

#include <keymapmanager/keymapmanager.h>

#include <QRect>

namespace keymapctl {

namespace {

// Lines the converters skip on purpose: neither converted nor reported.
bool skipped(const QString& line) {
    return line.isEmpty() || line == QLatin1String("release_actions");
}

QList<QString> converted(bool toRunning, const QString& line, const QRect& rect) {
    return toRunning ? ovelkeymapmanager::MacroKeyEditingTextChangeToRunningText({line}, rect)
                     : ovelkeymapmanager::MacroKeyRunningTextChangeToEditingText({line}, rect);
}

// Whether a converted line is a line of its form. The converters put an error text in the place
// of a line they accept but cannot convert ("Invalid input format"), and a running key code
// that names no key becomes an editing line without its name ("key_press "): such a result is
// no line of the other form. An editing line is one the grammar check accepts; a running line
// one that converts back.
bool isLineOfItsForm(bool running, const QString& line, const QRect& rect) {
    if (running)
        return !converted(false, line, rect).isEmpty();
    return ovelkeymapmanager::MacroKeyEditingTextGrammarCheck({line}).isEmpty();
}

// Converts line by line, so that a dropped or failed line can be named; the converters keep no
// state from one line to the next, so this gives what converting the whole list gives.
int convert(bool toRunning, const QStringList& lines, const QRect& rect) {
    int exit = kOk;
    for (int i = 0; i < lines.size(); ++i) {
        if (skipped(lines[i]))
            continue;
        const QList<QString> result = converted(toRunning, lines[i], rect);
        if (result.isEmpty()) {
            err() << "line " << i + 1 << ": not converted: " << lines[i] << "\n";
            exit = kProblems;
        } else if (!isLineOfItsForm(toRunning, result.first(), rect)) {
            err() << "line " << i + 1 << ": not converted: " << lines[i] << " (gives \"" << result.first()
                  << "\", not " << (toRunning ? "a running" : "an editing") << " line)\n";
            exit = kProblems;
        } else {
            out() << result.first() << "\n";
        }
    }
    return exit;
}

int check(const QStringList& lines) {
    const QVector<int> bad = ovelkeymapmanager::MacroKeyEditingTextGrammarCheck(lines);
    for (const int number : bad)
        out() << "line " << number << ": " << lines.value(number - 1) << "\n";
    return bad.isEmpty() ? kOk : kProblems;
}

} // namespace

int runMacro(const QStringList& arguments) {
    CommandLine cli(
        QStringLiteral("macro"),
        QStringLiteral("to-running: converts macro editing text (pixels, key names) into running "
                       "text (fractions of the --rect screen, codes).\nto-editing: the other way.\n"
                       "check: prints \"line N: TEXT\" for each editing line that the grammar "
                       "check rejects.\nReads FILE, or stdin when FILE is - or absent; writes one "
                       "line per converted line. Exit 1 when a line is rejected or cannot be "
                       "converted (named on stderr)."),
        QStringLiteral("to-running|to-editing|check [--rect WxH] [FILE|-]"));
    cli.addValue(QStringLiteral("rect"),
                 QStringLiteral("Screen size that fractions refer to, e.g. 1280x720."),
                 QStringLiteral("WxH"));
    if (const auto code = cli.parse(arguments, 1, 2))
        return *code;
    const QString action = cli.positional().at(0);
    const QString path = cli.positional().value(1, QStringLiteral("-"));
    const bool toRunning = action == QLatin1String("to-running");
    const bool toEditing = action == QLatin1String("to-editing");
    if (!toRunning && !toEditing && action != QLatin1String("check"))
        return cli.usageError(
            QStringLiteral("unknown action '%1' (to-running, to-editing or check)").arg(action));

    std::optional<QSize> size;
    if (toRunning || toEditing) {
        if (!cli.isSet(QStringLiteral("rect")))
            return cli.usageError(QStringLiteral("%1 needs --rect WxH").arg(action));
        size = parseSize(cli.value(QStringLiteral("rect")));
        if (!size)
            return cli.usageError(QStringLiteral("--rect must be WIDTHxHEIGHT with both above 0: '%1'")
                                      .arg(cli.value(QStringLiteral("rect"))));
    }
    const std::optional<QStringList> lines = readLines(path);
    if (!lines)
        return cli.fail(kBadInput, QStringLiteral("%1: %2").arg(path, whyUnreadable(path)));
    if (!size)
        return check(*lines);
    return convert(toRunning, *lines, QRect(QPoint(0, 0), *size));
}

} // namespace keymapctl
