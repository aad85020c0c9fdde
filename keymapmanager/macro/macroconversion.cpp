#include <keymapmanager/macro/macroconversion_p.h>

#include <keymapmanager/macro/macroconverters_p.h>

namespace ovelkeymapmanager {

namespace {

// Empty lines and the marker that the macro item writes before its release actions carry no command.
bool isSkipped(const QString& line) {
    return line.isEmpty() || line == QLatin1String("release_actions");
}

QList<QString> convertLines(const QStringList& lines, const QRect& rect, bool toRunning) {
    QList<QString> result;
    result.reserve(lines.size());
    for (const QString& line : lines) {
        if (isSkipped(line))
            continue;
        std::optional<QRegularExpressionMatch> lineMatch;
        if (toRunning) {
            if (const ConverterEntry* found = findEditingEntry(line, &lineMatch))
                result.append(found->editingToRunning(line, rect, lineMatch ? &*lineMatch : nullptr));
        } else if (const ConverterEntry* found = findRunningEntry(line, &lineMatch)) {
            result.append(found->runningToEditing(line, rect, lineMatch ? &*lineMatch : nullptr));
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
        if (!isSkipped(lines.at(i)) && !findEditingEntry(lines.at(i)))
            bad.append(i + 1);
    }
    return bad;
}

} // namespace ovelkeymapmanager
