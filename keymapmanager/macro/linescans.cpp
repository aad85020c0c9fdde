#include <keymapmanager/macro/linescans_p.h>

namespace ovelkeymapmanager {
namespace macro {

namespace {

// Where the part of the line before "$" ends: at the end, or before one final line feed. None of
// the grammars below can end in a line feed themselves, so this is the only place "$" can match.
qsizetype endBeforeFinalLineFeed(QStringView line) {
    return line.endsWith(QLatin1Char('\n')) ? line.size() - 1 : line.size();
}

// line.startsWith(word), with the first character compared inline: most lines begin otherwise.
bool begins(QStringView line, QStringView word) {
    return line.size() >= word.size() && !word.isEmpty() && line.front() == word.front() &&
           line.startsWith(word);
}

qsizetype skipDigits(QStringView text, qsizetype at) {
    while (at < text.size() && isDigit(text[at]))
        ++at;
    return at;
}

qsizetype skipBlanks(QStringView text, qsizetype at) {
    while (at < text.size() && isBlank(text[at]))
        ++at;
    return at;
}

// \d+\.?\d*
bool isFraction(QStringView text) {
    qsizetype at = skipDigits(text, 0);
    if (at == 0)
        return false;
    if (at < text.size() && text[at] == QLatin1Char('.'))
        at = skipDigits(text, at + 1);
    return at == text.size();
}

bool isMouse(QStringView item) {
    return item == QLatin1String("mouse");
}

// (\d+),(\d+) in editing text, \((\d+\.?\d*),(\d+\.?\d*)\) in running text, or mouse.
bool readPosition(QStringView item, bool running, Position& position) {
    if (isMouse(item)) {
        position = Position();
        return true;
    }
    if (running) {
        if (item.size() < 2 || item.front() != QLatin1Char('(') || item.back() != QLatin1Char(')'))
            return false;
        item = item.mid(1, item.size() - 2);
    }
    const qsizetype comma = item.indexOf(QLatin1Char(','));
    if (comma < 0)
        return false;
    position = {item.left(comma), item.mid(comma + 1)};
    if (running)
        return isFraction(position.x) && isFraction(position.y);
    return comma > 0 && skipDigits(item, 0) == comma && comma + 1 < item.size() &&
           skipDigits(item, comma + 1) == item.size();
}

} // namespace

WordArgumentScan::WordArgumentScan(Start start, const QString& word, Separator separator, Argument argument,
                                   End end)
    : m_start(start), m_word(word), m_wordFinder(word), m_separator(separator), m_argument(argument),
      m_end(end) {}

// Where the argument that may begin at `at` lies: [begin, end) is the capture.
bool WordArgumentScan::argumentAt(QStringView line, qsizetype at, qsizetype& begin, qsizetype& end) const {
    const qsizetype size = line.size();
    begin = at;
    end = at;
    switch (m_argument) {
    case Argument::NonBlank:
        while (end < size && !isBlank(line[end]))
            ++end;
        return end > begin;
    case Argument::Digits:
    case Argument::MaybeDigits:
        end = skipDigits(line, at);
        return end > begin || m_argument == Argument::MaybeDigits;
    case Argument::Decimal:
        end = skipDigits(line, at);
        if (end > begin && end + 1 < size && line[end] == QLatin1Char('.') && isDigit(line[end + 1]))
            end = skipDigits(line, end + 1);
        return end > begin;
    case Argument::Rest:
        end = line.indexOf(QLatin1Char('\n'), at);
        end = end < 0 ? size : end;
        return true;
    case Argument::Quoted: {
        // Greedy: up to the last quote that no line feed separates from the first.
        if (at >= size || line[at] != QLatin1Char('"'))
            return false;
        qsizetype stop = line.indexOf(QLatin1Char('\n'), at);
        stop = stop < 0 ? size : stop;
        begin = at + 1;
        end = line.left(stop).lastIndexOf(QLatin1Char('"'));
        return end >= begin;
    }
    }
    return false;
}

// Every match begins with the word, so the leftmost match starts at the first occurrence of the
// word that the rest of the expression can follow. Greedy runs cannot give anything back here:
// the argument must begin where the blanks stop and, with "$", end where the line does.
QStringView WordArgumentScan::find(QStringView line) const {
    if (m_start == Start::Anywhere && m_separator == Separator::Blanks && m_end == End::Line &&
        (m_argument == Argument::NonBlank || m_argument == Argument::Digits))
        return findEndingLine(line);
    // Most lines begin with their word: that occurrence is the leftmost, found without a search.
    qsizetype at = begins(line, m_word) ? 0 : m_start == Start::Line ? -1 : m_wordFinder.indexIn(line);
    for (; at >= 0; at = m_start == Start::Line ? -1 : m_wordFinder.indexIn(line, int(at + 1))) {
        qsizetype begin = at + m_word.size();
        if (m_separator != Separator::None) {
            const qsizetype blanksBegin = begin;
            begin = skipBlanks(line, begin);
            if (m_separator == Separator::Blanks && begin == blanksBegin)
                continue;
        }
        qsizetype end = 0;
        if (!argumentAt(line, begin, begin, end))
            continue;
        if (m_end == End::Line && end != endBeforeFinalLineFeed(line) && end != line.size())
            continue;
        return line.isValidUtf16() ? line.mid(begin, end - begin) : QStringView();
    }
    return QStringView();
}

// WORD\s+(\S+)$ or WORD\s+(\d+)$: the argument is the run that ends the line, and the word must end
// where the blanks before it begin, so only one place needs to be looked at.
QStringView WordArgumentScan::findEndingLine(QStringView line) const {
    const qsizetype end = endBeforeFinalLineFeed(line);
    qsizetype begin = end;
    while (begin > 0 &&
           (m_argument == Argument::Digits ? isDigit(line[begin - 1]) : !isBlank(line[begin - 1])))
        --begin;
    qsizetype wordEnd = begin;
    while (wordEnd > 0 && isBlank(line[wordEnd - 1]))
        --wordEnd;
    if (begin == end || wordEnd == begin || wordEnd < m_word.size() ||
        line.mid(wordEnd - m_word.size(), m_word.size()) != m_word || !line.isValidUtf16())
        return QStringView();
    return line.mid(begin, end - begin);
}

// One or more items, each after a run of blanks, and nothing after the last one.
bool scanEditingPositions(QStringView line, QStringView word, Positions& items) {
    if (!begins(line, word))
        return false;
    const QStringView body = line.left(endBeforeFinalLineFeed(line));
    items.clear();
    for (qsizetype at = word.size(); at < body.size();) {
        const qsizetype itemBegin = skipBlanks(body, at);
        qsizetype itemEnd = itemBegin;
        while (itemEnd < body.size() && !isBlank(body[itemEnd]))
            ++itemEnd;
        Position position;
        if (itemBegin == at || !readPosition(body.mid(itemBegin, itemEnd - itemBegin), false, position))
            return false;
        items.append(position);
        at = itemEnd;
    }
    return !items.isEmpty();
}

// The word, ':' and one or more items separated by ';'.
bool scanRunningPositions(QStringView line, QStringView word, Positions& items) {
    if (line.size() <= word.size() || !begins(line, word) || line[word.size()] != QLatin1Char(':'))
        return false;
    const QStringView body = line.left(endBeforeFinalLineFeed(line));
    items.clear();
    for (qsizetype at = word.size() + 1;;) {
        qsizetype itemEnd = body.indexOf(QLatin1Char(';'), at);
        itemEnd = itemEnd < 0 ? body.size() : itemEnd;
        Position position;
        if (!readPosition(body.mid(at, itemEnd - at), true, position))
            return false;
        items.append(position);
        if (itemEnd == body.size())
            return true;
        at = itemEnd + 1;
    }
}

// An item is a run of digits or the token; in separated lists each follows a run of blanks.
QStringView scanTokenList(QStringView line, QStringView word, QStringView token, bool separated) {
    if (!begins(line, word))
        return QStringView();
    const QStringView body = line.left(endBeforeFinalLineFeed(line));
    QStringView last;
    for (qsizetype at = word.size(); at < body.size();) {
        const qsizetype itemBegin = separated ? skipBlanks(body, at) : at;
        qsizetype itemEnd = skipDigits(body, itemBegin);
        if (itemEnd == itemBegin && !token.isEmpty() && body.mid(itemBegin).startsWith(token))
            itemEnd = itemBegin + token.size();
        if ((separated && itemBegin == at) || itemEnd == itemBegin)
            return QStringView();
        // A separated item ends where blanks or the line do.
        if (separated && itemEnd < body.size() && !isBlank(body[itemEnd]))
            return QStringView();
        last = body.mid(itemBegin, itemEnd - itemBegin);
        at = itemEnd;
    }
    return last;
}

QStringView lastToken(QStringView text, QStringView token) {
    if (!text.isValidUtf16())
        return QStringView();
    QStringView last;
    for (qsizetype at = 0; at < text.size();) {
        qsizetype end = skipDigits(text, at);
        if (end == at && !token.isEmpty() && text.mid(at).startsWith(token))
            end = at + token.size();
        if (end > at)
            last = text.mid(at, end - at);
        at = end > at ? end : at + 1;
    }
    return last;
}

} // namespace macro
} // namespace ovelkeymapmanager
