// The positions of running macro text, for moving them: each line's positions are found by the
// command that accepts the line, read as its conversion reads them, and written back in place, so
// that the rest of the line ("mouse", separators, other commands) stays as it was.
#pragma once

#include <keymapmanager/macro/commandkinds_p.h>

namespace ovelkeymapmanager {
namespace macro {

// None for a line without positions (no command, "mouse" only, an empty or skipped line are all
// fine); Unreadable for a line that no command accepts or whose positions cannot be read.
PointsFound findRunningPoints(const QString& line, RunningPoints& points);

// The line with each point's "x,y" written anew from its values, with the running form's decimals.
// Values must be finite and not negative: the running form has no sign.
QString withRunningPoints(const QString& line, const RunningPoints& points);

} // namespace macro
} // namespace ovelkeymapmanager
