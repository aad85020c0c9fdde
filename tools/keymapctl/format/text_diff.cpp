#include "format/text_diff.h"

#include <QStringList>

#include <algorithm>

namespace keymapctl {

namespace {

// The lines of a text; a final line feed ends the last line rather than starting another.
QStringList linesOf(const QByteArray& text) {
    QStringList lines = QString::fromUtf8(text).split(QLatin1Char('\n'));
    if (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    return lines;
}

QString shown(const QString& line) {
    constexpr int kLongest = 60;
    const QString trimmed = line.trimmed();
    return QLatin1Char('`') +
           (trimmed.size() > kLongest ? trimmed.left(kLongest - 3) + QStringLiteral("...") : trimmed) +
           QLatin1Char('`');
}

QString range(int start, int count) {
    // An empty range names the line before it, as diff does.
    return count == 1 ? QString::number(start)
                      : QStringLiteral("%1,%2").arg(count == 0 ? start - 1 : start).arg(count);
}

} // namespace

QString firstDifference(const QByteArray& current, const QByteArray& wanted) {
    const QStringList a = linesOf(current);
    const QStringList b = linesOf(wanted);
    int i = 0;
    while (i < a.size() && i < b.size() && a[i] == b[i])
        ++i;
    if (i < a.size() && i < b.size()) {
        if (a[i].trimmed() == b[i].trimmed())
            return QStringLiteral("line %1 differs in its indentation or trailing spaces").arg(i + 1);
        return QStringLiteral("line %1 differs: the file has %2, the canonical text %3")
            .arg(i + 1)
            .arg(shown(a[i]), shown(b[i]));
    }
    if (i < b.size())
        return QStringLiteral("the file ends at line %1, the canonical text goes on with %2")
            .arg(i)
            .arg(shown(b[i]));
    if (i < a.size())
        return QStringLiteral("the file goes on after line %1 with %2").arg(i).arg(shown(a[i]));
    return QStringLiteral("the lines are the same but their line ends differ (the canonical text has LF "
                          "and one at the end)");
}

QString unifiedDiff(const QByteArray& current, const QByteArray& wanted, const QString& currentName,
                    const QString& wantedName) {
    const QStringList a = linesOf(current);
    const QStringList b = linesOf(wanted);
    int head = 0;
    while (head < a.size() && head < b.size() && a[head] == b[head])
        ++head;
    int tail = 0;
    while (tail < a.size() - head && tail < b.size() - head &&
           a[a.size() - 1 - tail] == b[b.size() - 1 - tail])
        ++tail;
    constexpr int kContext = 3;
    const int before = std::min(head, kContext);
    const int after = std::min(tail, kContext);
    const int start = head - before;
    const int countA = a.size() - head - tail + before + after;
    const int countB = b.size() - head - tail + before + after;
    QString diff = QStringLiteral("--- %1\n+++ %2\n@@ -%3 +%4 @@\n")
                       .arg(currentName, wantedName, range(start + 1, countA), range(start + 1, countB));
    for (int i = start; i < head; ++i)
        diff += QLatin1Char(' ') + a[i] + QLatin1Char('\n');
    for (int i = head; i < a.size() - tail; ++i)
        diff += QLatin1Char('-') + a[i] + QLatin1Char('\n');
    for (int i = head; i < b.size() - tail; ++i)
        diff += QLatin1Char('+') + b[i] + QLatin1Char('\n');
    for (int i = a.size() - tail; i < a.size() - tail + after; ++i)
        diff += QLatin1Char(' ') + a[i] + QLatin1Char('\n');
    return diff;
}

} // namespace keymapctl
