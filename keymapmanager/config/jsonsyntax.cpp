#include <keymapmanager/config/jsonsyntax_p.h>

#include <cstring>
#include <vector>

namespace ovelkeymapmanager::json {

namespace {

class Scanner {
public:
    explicit Scanner(const QByteArray& text) : m_text(text.constData()), m_size(text.size()) {}

    int errorOffset() {
        std::vector<char> open; // the '{' and '[' not closed yet
        for (;;) {
            skipSpace();
            if (atEnd())
                return m_at;
            const char c = m_text[m_at];
            if (c == '{' || c == '[') {
                ++m_at;
                skipSpace();
                if (!atEnd() && m_text[m_at] == (c == '{' ? '}' : ']')) {
                    ++m_at; // an empty container is a whole value
                } else {
                    open.push_back(c);
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

    bool key() {
        skipSpace();
        if (!is('"') || !string())
            return false;
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

    bool string() {
        ++m_at; // the opening quote
        while (!atEnd()) {
            const unsigned char c = static_cast<unsigned char>(m_text[m_at]);
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
                ++m_at;
                for (int i = 0; i < 4; ++i, ++m_at) {
                    if (!isOneOf("0123456789abcdefABCDEF"))
                        return false;
                }
            } else {
                return false;
            }
        }
        return false;
    }

    const char* m_text;
    int m_size;
    int m_at = 0;
};

} // namespace

int syntaxErrorOffset(const QByteArray& text) {
    return Scanner(text).errorOffset();
}

} // namespace ovelkeymapmanager::json
