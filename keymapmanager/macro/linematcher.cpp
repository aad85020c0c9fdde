#include <keymapmanager/macro/linematcher_p.h>

#include <keymapmanager/keys/keynames_p.h>

#include <utility>

namespace ovelkeymapmanager {

namespace {

bool isPlain(QChar c) {
    return (c >= QLatin1Char('a') && c <= QLatin1Char('z')) ||
           (c >= QLatin1Char('A') && c <= QLatin1Char('Z')) ||
           (c >= QLatin1Char('0') && c <= QLatin1Char('9')) || c == QLatin1Char('_') || c == QLatin1Char(':');
}

bool isQuantifier(QChar c) {
    return c == QLatin1Char('?') || c == QLatin1Char('*') || c == QLatin1Char('+') || c == QLatin1Char('{');
}

// True when the pattern offers alternatives at its top level, so no text is common to all matches.
bool hasTopLevelAlternative(const QString& pattern) {
    int depth = 0;
    bool inClass = false;
    for (int i = 0; i < pattern.size(); ++i) {
        const QChar c = pattern.at(i);
        if (c == QLatin1Char('\\'))
            ++i;
        else if (inClass)
            inClass = c != QLatin1Char(']');
        else if (c == QLatin1Char('['))
            inClass = true;
        else if (c == QLatin1Char('('))
            ++depth;
        else if (c == QLatin1Char(')'))
            --depth;
        else if (c == QLatin1Char('|') && depth == 0)
            return true;
    }
    return false;
}

// The run of plain characters that begins the pattern (after a "^"), short of a last character
// that a quantifier makes optional: every match of the pattern holds it.
QString fixedText(const QString& pattern, bool& opensLine) {
    opensLine = pattern.startsWith(QLatin1Char('^'));
    if (hasTopLevelAlternative(pattern))
        return QString();
    int begin = opensLine ? 1 : 0;
    int end = begin;
    while (end < pattern.size() && isPlain(pattern.at(end)))
        ++end;
    if (end < pattern.size() && isQuantifier(pattern.at(end)) && end > begin)
        --end;
    return pattern.mid(begin, end - begin);
}

} // namespace

AsciiSet::AsciiSet(const QString& text) {
    for (const QChar c : text) {
        const ushort code = c.unicode();
        if (code < 64)
            m_low |= quint64(1) << code;
        else if (code < 128)
            m_high |= quint64(1) << (code - 64);
    }
}

LineMatcher::LineMatcher(Kind kind, QString text)
    : m_kind(kind), m_text(std::move(text)), m_textFinder(m_text), m_textChars(m_text) {}

LineMatcher LineMatcher::search(const QRegularExpression& pattern, const QString& nameClass) {
    LineMatcher matcher(Kind::Search, QString());
    matcher.m_text = fixedText(pattern.pattern(), matcher.m_textOpensLine);
    matcher.m_textFinder.setPattern(matcher.m_text);
    matcher.m_textChars = AsciiSet(matcher.m_text);
    matcher.m_pattern = pattern;
    matcher.m_nameClass = nameClass;
    return matcher;
}

LineMatcher LineMatcher::scan(const QString& text, bool opensLine, std::function<bool(const QString&)> test) {
    LineMatcher matcher(Kind::Scan, text);
    matcher.m_textOpensLine = opensLine;
    matcher.m_scan = std::move(test);
    return matcher;
}

LineMatcher LineMatcher::equals(const QString& word) {
    return LineMatcher(Kind::Equals, word);
}

LineMatcher LineMatcher::prefix(const QString& word) {
    return LineMatcher(Kind::Prefix, word);
}

bool LineMatcher::acceptsFully(const QString& line, std::optional<QRegularExpressionMatch>* lineMatch) const {
    switch (m_kind) {
    case Kind::Equals:
        return line == m_text;
    case Kind::Prefix:
        return line.startsWith(m_text);
    case Kind::Scan:
        return m_scan(line);
    case Kind::Search:
        break;
    }
    if (!m_text.isEmpty() && !(m_textOpensLine ? line.startsWith(m_text) : m_textFinder.indexIn(line) >= 0))
        return false;
    QRegularExpressionMatch match = m_pattern.match(line);
    if (!match.hasMatch() ||
        (!m_nameClass.isEmpty() && macroCodeForName(m_nameClass, match.captured(1)) == -1))
        return false;
    if (lineMatch)
        lineMatch->emplace(std::move(match));
    return true;
}

} // namespace ovelkeymapmanager
