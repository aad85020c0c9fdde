// Reading a macro line as the regular expression of its command would, without running one. Each
// scan gives exactly what the expression written beside it gives: white space and digits are the
// ASCII ones that \s and \d stand for without Unicode properties, "." is anything but a line feed,
// "$" also accepts one final line feed, and a line that is not valid UTF-16 matches nothing (the
// expressions refuse it).
#pragma once

#include <QString>
#include <QStringMatcher>
#include <QStringView>
#include <QVarLengthArray>

namespace ovelkeymapmanager {
namespace macro {

// \s and \d of the expressions.
inline bool isBlank(QChar c) {
    return c == QLatin1Char(' ') || (c >= QLatin1Char('\t') && c <= QLatin1Char('\r'));
}
inline bool isDigit(QChar c) {
    return c >= QLatin1Char('0') && c <= QLatin1Char('9');
}

// A command word and one argument: WORD\s+(\S+)$ and its kin.
class WordArgumentScan {
public:
    enum class Start { Anywhere, Line };                // a search, or ^
    enum class Separator { None, Blanks, MaybeBlanks }; // nothing, \s+ or \s*
    enum class Argument { NonBlank, Digits, MaybeDigits, Decimal, Rest, Quoted };
    // (\S+), (\d+), (\d+)?, (\d+(\.\d+)?), (.*) and "(.*)" (the capture between the quotes)
    enum class End { Open, Line }; // nothing, or $

    WordArgumentScan(Start start, const QString& word, Separator separator, Argument argument, End end);

    // The capture of the leftmost match; a null view when the line does not match.
    QStringView find(QStringView line) const;

private:
    QStringView findEndingLine(QStringView line) const;
    bool argumentAt(QStringView line, qsizetype at, qsizetype& begin, qsizetype& end) const;

    Start m_start;
    QString m_word;
    QStringMatcher m_wordFinder;
    Separator m_separator;
    Argument m_argument;
    End m_end;
};

// One item of a coordinate command: a pair of numbers, or "mouse" (a null x).
struct Position {
    QStringView x;
    QStringView y;
};
using Positions = QVarLengthArray<Position, 8>;

// ^WORD(?:\s+(?:(\d+),(\d+)|mouse))+$, giving its items in order.
bool scanEditingPositions(QStringView line, QStringView word, Positions& items);
// ^WORD:(?:\((\d+\.?\d*),(\d+\.?\d*)\)|mouse)(?:;(?:\((\d+\.?\d*),(\d+\.?\d*)\)|mouse))*$
bool scanRunningPositions(QStringView line, QStringView word, Positions& items);

// ^WORD(?:\s+(?:(\d+)|TOKEN))+$ when separated, ^WORD(?:(\d+)|TOKEN)+$ otherwise (TOKEN may be
// empty: digits only). Gives the last item, or a null view when the line does not match.
QStringView scanTokenList(QStringView line, QStringView word, QStringView token, bool separated);
// The last match of (\d+)|TOKEN anywhere in the text; a null view when there is none.
QStringView lastToken(QStringView text, QStringView token);

} // namespace macro
} // namespace ovelkeymapmanager
