#include <keymapmanager/macro/runningpoints_p.h>

#include <keymapmanager/macro/commandtable_p.h>
#include <keymapmanager/macro/macronumbers_p.h>

namespace ovelkeymapmanager {
namespace macro {

PointsFound findRunningPoints(const QString& line, RunningPoints& points) {
    points.clear();
    // Lines that both conversions pass over.
    if (line.isEmpty() || line == QLatin1String("release_actions"))
        return PointsFound::None;
    LineMatch match;
    const CommandRow* row = findRunningCommand(line, match);
    if (!row)
        return PointsFound::Unreadable;
    return row->command->runningPoints(line, match, points);
}

QString withRunningPoints(const QString& line, const RunningPoints& points) {
    const int decimals = Screen().fractionPrecision;
    QString result;
    result.reserve(line.size() + 8 * points.size());
    qsizetype done = 0;
    for (const RunningPoint& point : points) {
        result += QStringView(line).mid(done, point.begin - done);
        appendFixed(result, point.x, decimals);
        result += QLatin1Char(',');
        appendFixed(result, point.y, decimals);
        done = point.end;
    }
    result += QStringView(line).mid(done);
    return result;
}

} // namespace macro
} // namespace ovelkeymapmanager
