// Regular expressions of the macro converters: compiled once, then only read, from any thread.
#pragma once

#include <QRegularExpression>
#include <QString>

namespace ovelkeymapmanager {
namespace macro {

// Compiles a pattern at once, so that later searches from any thread only read it.
QRegularExpression compiled(const QString& pattern);

// True when lineMatch, a match that the line lookup made, was made with this very pattern.
bool madeBy(const QRegularExpressionMatch* lineMatch, const QRegularExpression& pattern);
// The search of text for pattern. lineMatch, when given, is a match of the same text that the
// line lookup already made; it is reused when that lookup searched with this very pattern.
QRegularExpressionMatch matchOf(const QRegularExpression& pattern, const QString& text,
                                const QRegularExpressionMatch* lineMatch = nullptr);
// The whole text of the last match of pattern in text; empty when nothing matches.
QString lastMatch(const QRegularExpression& pattern, const QString& text);

} // namespace macro
} // namespace ovelkeymapmanager
