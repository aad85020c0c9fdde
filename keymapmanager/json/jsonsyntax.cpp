#include <keymapmanager/json/jsonsyntax_p.h>

#include <Poco/Exception.h>
#include <Poco/JSON/Parser.h>
#include <QString>

#include <cstring>
#include <vector>

namespace ovelkeymapmanager::json {

namespace {

// Decodes the text of a JSON string that the scanner accepted, quotes excluded.
QString decodeString(const char* text, int size) {
    QString decoded;
    int plainStart = 0;
    for (int i = 0; i < size; ++i) {
        if (text[i] != '\\')
            continue;
        decoded += QString::fromUtf8(text + plainStart, i - plainStart);
        const char escape = text[++i];
        // Each escape letter, then what it stands for.
        static const char kPlain[] = "\"\"\\\\//b\bf\fn\nr\rt\t";
        if (escape == 'u') {
            decoded += QChar(ushort(QByteArray(text + i + 1, 4).toUShort(nullptr, 16)));
            i += 4;
        } else {
            for (const char* pair = kPlain; *pair; pair += 2) {
                if (*pair == escape)
                    decoded += QLatin1Char(pair[1]);
            }
        }
        plainStart = i + 1;
    }
    return decoded + QString::fromUtf8(text + plainStart, size - plainStart);
}

class Scanner {
public:
    explicit Scanner(const QByteArray& text, MemberOffsets* places = nullptr)
        : m_text(text.constData()), m_size(text.size()), m_places(places) {}

    // Whether the scan stopped at a value the JSON library refuses rather than at bad syntax.
    bool badValue() const { return m_badValue; }

    int errorOffset() {
        std::vector<char> open; // the '{' and '[' not closed yet
        for (;;) {
            skipSpace();
            if (atEnd())
                return m_at;
            const char c = m_text[m_at];
            elementStarts();
            if (c == '{' || c == '[') {
                ++m_at;
                skipSpace();
                if (!atEnd() && m_text[m_at] == (c == '{' ? '}' : ']')) {
                    ++m_at; // an empty container is a whole value
                } else {
                    open.push_back(c);
                    opens(c);
                    if (c == '{' && !key())
                        return m_at;
                    continue;
                }
            } else if (!scalar()) {
                return m_at;
            }
            // After a whole value: close containers, or go on with the next element or member.
            for (;;) {
                skipSpace();
                if (open.empty())
                    return atEnd() ? -1 : m_at;
                if (atEnd())
                    return m_at;
                if (m_text[m_at] == (open.back() == '{' ? '}' : ']')) {
                    ++m_at;
                    open.pop_back();
                    closes();
                    continue;
                }
                if (m_text[m_at] != ',')
                    return m_at;
                ++m_at;
                if (open.back() == '{' && !key())
                    return m_at;
                break;
            }
        }
    }

private:
    bool atEnd() const { return m_at >= m_size; }
    bool is(char c) const { return !atEnd() && m_text[m_at] == c; }
    bool isDigit() const { return !atEnd() && m_text[m_at] >= '0' && m_text[m_at] <= '9'; }
    bool isOneOf(const char* set) const {
        return !atEnd() && m_text[m_at] != '\0' && std::strchr(set, m_text[m_at]) != nullptr;
    }

    void skipSpace() {
        while (isOneOf(" \t\n\r"))
            ++m_at;
    }

    // The path of each value, kept only when places are wanted: the containers around it, and for
    // the innermost one the path of its current member or element.
    struct Container {
        bool isArray;
        QString path;
        int index = -1;
        QHash<QString, int> names; // of an object: where each member name stands
        bool tracked = true;       // false past kTrackedDepth: its members and elements get no place
    };

    // The JSON library refuses a document nested deeper than 128 levels, so no place deeper than this
    // is ever asked for; recording their paths, each longer than the last, would take memory in the
    // square of the depth (a 100 KB file of '[' asked for tens of gigabytes).
    static constexpr std::size_t kTrackedDepth = 256;

    void elementStarts() {
        if (!m_places || m_containers.empty() || !m_containers.back().isArray || !m_containers.back().tracked)
            return;
        Container& array = m_containers.back();
        m_valuePath = array.path + QStringLiteral("[%1]").arg(++array.index);
        m_places->offsets.insert(m_valuePath, m_at);
    }

    void opens(char c) {
        if (!m_places)
            return;
        const bool tracked = m_containers.size() < kTrackedDepth;
        m_containers.push_back(Container{c == '[', tracked ? m_valuePath : QString(), -1, {}, tracked});
    }

    void closes() {
        if (m_places)
            m_containers.pop_back();
    }

    void memberNamed(int quote) {
        if (!m_places || m_containers.empty() || !m_containers.back().tracked)
            return;
        const QString name = decodeString(m_text + quote + 1, m_at - quote - 2);
        Container& object = m_containers.back();
        m_valuePath = object.path.isEmpty() ? name : object.path + QLatin1Char('.') + name;
        m_places->offsets.insert(m_valuePath, quote);
        // Names compare as decoded text: "a" and "\u0061" are the same member to the JSON library.
        const auto earlier = object.names.find(name);
        if (earlier != object.names.end()) {
            m_places->duplicates.append(DuplicateOffsets{m_valuePath, *earlier, quote});
            *earlier = quote;
        } else {
            object.names.insert(name, quote);
        }
    }

    bool key() {
        skipSpace();
        const int quote = m_at;
        if (!is('"') || !string())
            return false;
        memberNamed(quote);
        skipSpace();
        if (!is(':'))
            return false;
        ++m_at;
        return true;
    }

    bool scalar() {
        switch (m_text[m_at]) {
        case '"':
            return string();
        case 't':
            return word("true");
        case 'f':
            return word("false");
        case 'n':
            return word("null");
        default:
            return number();
        }
    }

    bool word(const char* expected) {
        for (; *expected; ++expected, ++m_at) {
            if (!is(*expected))
                return false;
        }
        return true;
    }

    bool digits() {
        const int start = m_at;
        while (isDigit())
            ++m_at;
        return m_at > start;
    }

    bool number() {
        const int start = m_at;
        if (!numberSyntax())
            return false;
        // Many digits, or an exponent, may be more than the JSON library takes: such a rare number
        // is handed to it alone.
        const int length = m_at - start;
        if (length <= 16 && !std::memchr(m_text + start, 'e', std::size_t(length)) &&
            !std::memchr(m_text + start, 'E', std::size_t(length)))
            return true;
        try {
            Poco::JSON::Parser().parse("[" + std::string(m_text + start, std::size_t(length)) + "]");
        } catch (const Poco::Exception&) {
            return refused(start);
        }
        return true;
    }

    bool refused(int start) {
        m_at = start;
        m_badValue = true;
        return false;
    }

    bool numberSyntax() {
        if (is('-'))
            ++m_at;
        if (is('0'))
            ++m_at;
        else if (!digits())
            return false;
        if (is('.')) {
            ++m_at;
            if (!digits())
                return false;
        }
        if (is('e') || is('E')) {
            ++m_at;
            if (is('+') || is('-'))
                ++m_at;
            if (!digits())
                return false;
        }
        return true;
    }

    // The value of the four hex digits after "\u" at offset.
    unsigned hexAt(int offset) const { return QByteArray(m_text + offset, 4).toUInt(nullptr, 16); }

    bool string() {
        ++m_at;               // the opening quote
        bool wantLow = false; // after a high surrogate escape
        int highAt = 0;
        while (!atEnd()) {
            const unsigned char c = static_cast<unsigned char>(m_text[m_at]);
            const bool unicode = c == '\\' && m_at + 1 < m_size && m_text[m_at + 1] == 'u';
            if (wantLow && !unicode)
                return refused(highAt);
            if (c == '"') {
                ++m_at;
                return true;
            }
            if (c < 0x20)
                return false;
            ++m_at;
            if (c != '\\')
                continue;
            if (isOneOf("\"\\/bfnrt")) {
                ++m_at;
            } else if (is('u')) {
                const int escape = m_at - 1;
                ++m_at;
                for (int i = 0; i < 4; ++i, ++m_at) {
                    if (!isOneOf("0123456789abcdefABCDEF"))
                        return false;
                }
                // A surrogate pair is a high half escaped right before a low half.
                const unsigned unit = hexAt(escape + 2);
                const bool high = unit >= 0xD800 && unit < 0xDC00;
                const bool low = unit >= 0xDC00 && unit < 0xE000;
                if (wantLow != low)
                    return refused(wantLow ? highAt : escape);
                wantLow = high;
                highAt = escape;
            } else {
                return false;
            }
        }
        return false;
    }

    const char* m_text;
    int m_size;
    int m_at = 0;
    MemberOffsets* m_places;
    std::vector<Container> m_containers;
    QString m_valuePath;
    bool m_badValue = false;
};

} // namespace

int syntaxErrorOffset(const QByteArray& text, bool* badValue) {
    Scanner scanner(text);
    const int offset = scanner.errorOffset();
    if (badValue)
        *badValue = scanner.badValue();
    return offset;
}

SyntaxHint syntaxErrorHint(const QByteArray& text, int errorOffset) {
    const auto isSpace = [&text](int i) { return std::strchr(" \t\n\r", text.at(i)) != nullptr; };
    if (errorOffset < 0)
        return {};
    int next = errorOffset;
    while (next < text.size() && isSpace(next))
        ++next;
    if (next + 1 < text.size() && text.at(next) == '/' &&
        (text.at(next + 1) == '/' || text.at(next + 1) == '*'))
        return {next, QStringLiteral("a comment (JSON has no comments)")};
    if (next < text.size() && (text.at(next) == '}' || text.at(next) == ']')) {
        int before = next - 1;
        while (before >= 0 && isSpace(before))
            --before;
        if (before >= 0 && text.at(before) == ',')
            return {before,
                    QStringLiteral("a comma before '%1' (trailing comma?)").arg(QLatin1Char(text.at(next)))};
    }
    return {};
}

MemberOffsets memberOffsets(const QByteArray& text) {
    MemberOffsets places;
    Scanner(text, &places).errorOffset();
    return places;
}

int invalidUtf8Offset(const QByteArray& text) {
    const auto* bytes = reinterpret_cast<const unsigned char*>(text.constData());
    const int size = text.size();
    for (int i = 0; i < size;) {
        const unsigned char lead = bytes[i];
        int length = 1;
        unsigned minimum = 0;
        if (lead >= 0xF0 && lead <= 0xF4)
            length = 4, minimum = 0x10000;
        else if (lead >= 0xE0 && lead < 0xF0)
            length = 3, minimum = 0x800;
        else if (lead >= 0xC2 && lead < 0xE0)
            length = 2, minimum = 0x80;
        else if (lead >= 0x80)
            return i;
        if (i + length > size)
            return i;
        unsigned codePoint = length == 1 ? lead : lead & (0x7F >> length);
        for (int k = 1; k < length; ++k) {
            if ((bytes[i + k] & 0xC0) != 0x80)
                return i;
            codePoint = (codePoint << 6) | (bytes[i + k] & 0x3F);
        }
        if (codePoint < minimum || codePoint > 0x10FFFF || (codePoint >= 0xD800 && codePoint <= 0xDFFF))
            return i;
        i += length;
    }
    return -1;
}

} // namespace ovelkeymapmanager::json
