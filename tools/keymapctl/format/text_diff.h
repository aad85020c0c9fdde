// How one text differs from another, line by line, for format --check and --diff.
#pragma once

#include <QByteArray>
#include <QString>

namespace keymapctl {

// "line 3 differs: the file has `...`, the canonical text `...`" for the first line that differs.
QString firstDifference(const QByteArray& current, const QByteArray& wanted);

// A unified diff from current to wanted: one hunk around the lines that differ (the common lines
// at both ends are context), in the form that patch reads.
QString unifiedDiff(const QByteArray& current, const QByteArray& wanted, const QString& currentName,
                    const QString& wantedName);

} // namespace keymapctl
