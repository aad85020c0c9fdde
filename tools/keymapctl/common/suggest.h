// "Did you mean": the known name nearest to a misspelt one.
#pragma once

#include <QString>
#include <QStringList>

namespace keymapctl {

// Edit distance ignoring letter case, where swapping two neighbours is one edit.
int editDistance(const QString& a, const QString& b);

// The candidate closest to word by edit distance (letter case and swapped neighbours count
// little), or "" when none is near enough to be what the author meant.
QString nearestName(const QString& word, const QStringList& candidates);

// "; did you mean X?" for the nearest candidate, or "".
QString didYouMean(const QString& word, const QStringList& candidates);

} // namespace keymapctl
