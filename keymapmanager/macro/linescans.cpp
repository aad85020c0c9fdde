#include <keymapmanager/macro/linescans_p.h>

namespace ovelkeymapmanager {
namespace macro {

namespace {

// Where the part of the line before "$" ends: at the end, or before one final line feed. None of
// the grammars below can end in a line feed themselves, so this is the only place "$" can match.
int endBeforeFinalLineFeed(const QString& line) {
    return line.endsWith(QLatin1Char('\n')) ? line.size() - 1 : line.size();
}

int skipDigits(const QStringRef& text, int at) {
    while (at < text.size() && isDigit(text.at(at)))
        ++at;
    return at;
}

// \d+,\d+
bool isPixelPair(const QStringRef& item) {
    const int comma = skipDigits(item, 0);
    return comma > 0 && comma < item.size() && item.at(comma) == QLatin1Char(',') &&
           skipDigits(item, comma + 1) == item.size() && comma + 1 < item.size();
}

// \d+\.?\d*
bool isFraction(const QStringRef& text) {
    int at = skipDigits(text, 0);
    if (at == 0)
        return false;
    if (at < text.size() && text.at(at) == QLatin1Char('.'))
        at = skipDigits(text, at + 1);
    return at == text.size();
}

// \((\d+\.?\d*),(\d+\.?\d*)\)
bool isFractionPair(const QStringRef& item) {
    if (item.size() < 2 || item.front() != QLatin1Char('(') || item.back() != QLatin1Char(')'))
        return false;
    const QStringRef inner = item.mid(1, item.size() - 2);
    const int comma = inner.indexOf(QLatin1Char(','));
    return comma >= 0 && isFraction(inner.left(comma)) && isFraction(inner.mid(comma + 1));
}

bool isMouse(const QStringRef& item) {
    return item == QLatin1String("mouse");
}

} // namespace

WordArgumentScan::WordArgumentScan(const QString& word, Separator separator, Argument argument, End end)
    : m_word(word), m_wordFinder(word), m_separator(separator), m_argument(argument), m_end(end) {}

// Every match begins with the word, so the leftmost match starts at the first occurrence of the
// word that the rest of the expression can follow. Greedy runs cannot give anything back here:
// the argument must begin where the blanks stop and, with "$", end where the line does.
QStringRef WordArgumentScan::find(const QString& line) const {
    const int size = line.size();
    // Most lines begin with their word: that occurrence is the leftmost, found without a search.
    const int first = line.startsWith(m_word) ? 0 : m_wordFinder.indexIn(line);
    for (int at = first; at >= 0; at = m_wordFinder.indexIn(line, at + 1)) {
        int begin = at + m_word.size();
        if (m_separator == Separator::Blanks) {
            const int blanksBegin = begin;
            while (begin < size && isBlank(line.at(begin)))
                ++begin;
            if (begin == blanksBegin)
                continue;
        }
        int end = begin;
        while (end < size &&
               (m_argument == Argument::Digits ? isDigit(line.at(end)) : !isBlank(line.at(end))))
            ++end;
        if (end == begin)
            continue;
        if (m_end == End::Line && end != endBeforeFinalLineFeed(line) && end != size)
            continue;
        return line.isValidUtf16() ? line.midRef(begin, end - begin) : QStringRef();
    }
    return QStringRef();
}

// One or more items, each after a run of blanks, and nothing after the last one.
bool fitsEditingPositions(const QString& line, const QString& word) {
    if (!line.startsWith(word))
        return false;
    const int end = endBeforeFinalLineFeed(line);
    int items = 0;
    for (int at = word.size(); at < end;) {
        const int blanksBegin = at;
        while (at < end && isBlank(line.at(at)))
            ++at;
        int itemEnd = at;
        while (itemEnd < end && !isBlank(line.at(itemEnd)))
            ++itemEnd;
        const QStringRef item = line.midRef(at, itemEnd - at);
        if (at == blanksBegin || !(isPixelPair(item) || isMouse(item)))
            return false;
        at = itemEnd;
        ++items;
    }
    return items > 0;
}

// The word, ':' and one or more items separated by ';'.
bool fitsRunningPositions(const QString& line, const QString& word) {
    if (line.size() <= word.size() || !line.startsWith(word) || line.at(word.size()) != QLatin1Char(':'))
        return false;
    const int end = endBeforeFinalLineFeed(line);
    for (int at = word.size() + 1;;) {
        int itemEnd = line.indexOf(QLatin1Char(';'), at);
        if (itemEnd < 0 || itemEnd > end)
            itemEnd = end;
        const QStringRef item = line.midRef(at, itemEnd - at);
        if (!(isFractionPair(item) || isMouse(item)))
            return false;
        if (itemEnd == end)
            return true;
        at = itemEnd + 1;
    }
}

} // namespace macro
} // namespace ovelkeymapmanager
