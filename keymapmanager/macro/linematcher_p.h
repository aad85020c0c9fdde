// LineMatcher: decides whether a macro line belongs to a command, by a regular expression search,
// a scan that reads the line as a regular expression would, an exact comparison or a prefix test
// (all case-sensitive).
#pragma once

#include <QRegularExpression>
#include <QString>
#include <QStringMatcher>

#include <functional>
#include <optional>

namespace ovelkeymapmanager {

// The ASCII characters that a text holds: a text cannot contain another whose set is not covered.
class AsciiSet {
public:
    AsciiSet() = default;
    explicit AsciiSet(const QString& text);
    bool covers(const AsciiSet& other) const {
        return (other.m_low & ~m_low) == 0 && (other.m_high & ~m_high) == 0;
    }

private:
    quint64 m_low = 0;
    quint64 m_high = 0;
};

class LineMatcher {
public:
    // A search for pattern anywhere in the line (anchored only where the pattern says so). With a
    // name class ("key" or "btn") the first capture must also be a known key or button name.
    static LineMatcher search(const QRegularExpression& pattern, const QString& nameClass = QString());
    // A test by a scan; every line it accepts holds text (at its start when opensLine), which the
    // cheap pre-tests look for.
    static LineMatcher scan(const QString& text, bool opensLine, std::function<bool(const QString&)> test);
    static LineMatcher equals(const QString& word);
    static LineMatcher prefix(const QString& word);

    bool accepts(const QString& line) const { return accepts(line, AsciiSet(line), nullptr); }
    // The same, for a line whose character set is known. On acceptance by a search, lineMatch
    // (when given) receives the match of the line.
    bool accepts(const QString& line, const AsciiSet& lineChars,
                 std::optional<QRegularExpressionMatch>* lineMatch) const {
        return mayAccept(line, lineChars) && acceptsFully(line, lineMatch);
    }
    // The character that begins every line the matcher accepts; null when it is not known.
    QChar leadingChar() const { return m_text.isEmpty() || isUnanchored() ? QChar() : m_text.at(0); }

private:
    enum class Kind { Search, Scan, Equals, Prefix };

    LineMatcher(Kind kind, QString text);
    // Tests that look only at sizes, the first character or the character set, and reject most
    // lines that the full test would reject.
    bool mayAccept(const QString& line, const AsciiSet& lineChars) const {
        if (m_text.isEmpty())
            return true;
        if (line.size() < m_text.size() || (m_kind == Kind::Equals && line.size() != m_text.size()))
            return false;
        if (isUnanchored())
            return lineChars.covers(m_textChars);
        return line.at(0) == m_text.at(0);
    }
    bool acceptsFully(const QString& line, std::optional<QRegularExpressionMatch>* lineMatch) const;
    // Whether m_text may lie anywhere in an accepted line (otherwise it begins the line).
    bool isUnanchored() const { return (m_kind == Kind::Search || m_kind == Kind::Scan) && !m_textOpensLine; }

    Kind m_kind;
    // The word to compare; for a search or a scan, text that every match holds, tested before the
    // pattern or scan runs (it never changes the outcome, only saves work on lines that cannot match).
    QString m_text;
    bool m_textOpensLine = false;
    QStringMatcher m_textFinder;
    AsciiSet m_textChars;
    QRegularExpression m_pattern;
    QString m_nameClass;
    std::function<bool(const QString&)> m_scan;
};

} // namespace ovelkeymapmanager
