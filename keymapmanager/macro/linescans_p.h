// Reading a macro line as a regular expression of its command would, without running one: a command
// word followed by one argument, and the position lists of the coordinate commands. Each scan gives
// exactly what the expression written beside it gives: white space and digits are the ASCII ones
// that the expressions' \s and \d stand for without Unicode properties, "$" also accepts one final
// line feed, and a line that is not valid UTF-16 matches nothing (the expressions refuse it).
#pragma once

#include <QString>
#include <QStringMatcher>
#include <QStringRef>

namespace ovelkeymapmanager {
namespace macro {

// \s and \d of the expressions.
inline bool isBlank(QChar c) {
    return c == QLatin1Char(' ') || (c >= QLatin1Char('\t') && c <= QLatin1Char('\r'));
}
inline bool isDigit(QChar c) {
    return c >= QLatin1Char('0') && c <= QLatin1Char('9');
}

// The search (not anchored at the start) for WORD\s+(\S+)$ and its kin: the word, blanks if asked,
// a run of argument characters and, if asked, the end of the line.
class WordArgumentScan {
public:
    enum class Separator { None, Blanks };    // nothing, or \s+
    enum class Argument { NonBlank, Digits }; // (\S+) or (\d+)
    enum class End { Open, Line };            // nothing, or $

    WordArgumentScan(const QString& word, Separator separator, Argument argument, End end);

    // The argument of the leftmost match; a null reference when the line does not match.
    QStringRef find(const QString& line) const;
    const QString& word() const { return m_word; }

private:
    QString m_word;
    QStringMatcher m_wordFinder;
    Separator m_separator;
    Argument m_argument;
    End m_end;
};

// ^WORD(?:\s+(?:(\d+),(\d+)|mouse))+$
bool fitsEditingPositions(const QString& line, const QString& word);
// ^WORD:(?:\((\d+\.?\d*),(\d+\.?\d*)\)|mouse)(?:;(?:\((\d+\.?\d*),(\d+\.?\d*)\)|mouse))*$
bool fitsRunningPositions(const QString& line, const QString& word);

} // namespace macro
} // namespace ovelkeymapmanager
