// LineMatcher: decides whether a macro line belongs to a command, by a regular expression search,
// an exact comparison or a prefix test (all case-sensitive).
#pragma once

#include <QRegularExpression>
#include <QString>

namespace ovelkeymapmanager {

class LineMatcher {
public:
    // A search for pattern anywhere in the line (anchored only where the pattern says so). With a
    // name class ("key" or "btn") the first capture must also be a known key or button name.
    static LineMatcher search(const QRegularExpression& pattern, const QString& nameClass = QString());
    static LineMatcher equals(const QString& word);
    static LineMatcher prefix(const QString& word);

    bool accepts(const QString& line) const;

private:
    enum class Kind { Search, Equals, Prefix };

    LineMatcher(Kind kind, QString text);

    Kind m_kind;
    // The word to compare; for a search, text that every match holds, tested before the pattern
    // runs (it never changes the outcome, only saves the search on lines that cannot match).
    QString m_text;
    bool m_textOpensLine = false;
    QRegularExpression m_pattern;
    QString m_nameClass;
};

} // namespace ovelkeymapmanager
