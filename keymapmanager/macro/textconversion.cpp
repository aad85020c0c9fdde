#include <keymapmanager/macro/textconversion_p.h>

#include <keymapmanager/macro/commandtable_p.h>

namespace ovelkeymapmanager {

namespace {

// Empty lines and the marker that the macro item writes before its release actions carry no command.
bool isSkipped(const QString& line) {
    return line.isEmpty() || line == QLatin1String("release_actions");
}

// Each line is read once: its command converts it from what accepting it found. Lines that no
// command accepts are dropped.
QList<QString> convertLines(const QStringList& lines, const QRect& rect, bool toRunning) {
    const macro::Screen screen{rect};
    QList<QString> result;
    result.reserve(lines.size());
    for (const QString& line : lines) {
        macro::LineMatch match;
        if (isSkipped(line))
            continue;
        if (toRunning) {
            if (const CommandRow* found = findEditingCommand(line, match))
                result.append(found->command->toRunning(line, &match, screen));
        } else if (const CommandRow* found = findRunningCommand(line, match)) {
            result.append(found->command->toEditing(line, &match, screen));
        }
    }
    return result;
}

} // namespace

QList<QString> editingToRunningText(const QStringList& lines, const QRect& rect) {
    return convertLines(lines, rect, true);
}

QList<QString> runningToEditingText(const QStringList& lines, const QRect& rect) {
    return convertLines(lines, rect, false);
}

QVector<int> editingTextGrammarCheck(const QStringList& lines) {
    QVector<int> bad;
    for (int i = 0; i < lines.size(); ++i) {
        macro::LineMatch match;
        if (!isSkipped(lines.at(i)) && !findEditingCommand(lines.at(i), match))
            bad.append(i + 1);
    }
    return bad;
}

} // namespace ovelkeymapmanager
