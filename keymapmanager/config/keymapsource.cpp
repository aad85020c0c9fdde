#include <keymapmanager/config/keymapsource.h>

#include <keymapmanager/config/documentio_p.h>
#include <keymapmanager/json/jsonsyntax_p.h>

#include <Poco/Exception.h>
#include <Poco/JSON/Parser.h>

#include <algorithm>
#include <string>
#include <vector>

namespace ovelkeymapmanager {

namespace {

// The encoding of a text whose first character is ASCII, as JSON's first character is, told by
// where the zero bytes fall; byte order marks say it outright.
QString wideEncoding(const QByteArray& text) {
    const auto starts = [&text](const char* bytes, int size) {
        return text.startsWith(QByteArray(bytes, size));
    };
    if (starts("\xFF\xFE\0\0", 4) ||
        (text.size() >= 4 && text[0] != 0 && text[1] == 0 && text[2] == 0 && text[3] == 0))
        return QStringLiteral("UTF-32LE");
    if (starts("\0\0\xFE\xFF", 4) ||
        (text.size() >= 4 && text[0] == 0 && text[1] == 0 && text[2] == 0 && text[3] != 0))
        return QStringLiteral("UTF-32BE");
    if (starts("\xFF\xFE", 2) || (text.size() >= 2 && text[0] != 0 && text[1] == 0))
        return QStringLiteral("UTF-16LE");
    if (starts("\xFE\xFF", 2) || (text.size() >= 2 && text[0] == 0 && text[1] != 0))
        return QStringLiteral("UTF-16BE");
    return QString();
}

// Turns byte offsets into lines and columns counted in characters.
class Lines {
public:
    explicit Lines(const QByteArray& text) : m_text(text) {
        m_starts.push_back(0);
        for (int i = 0; i < text.size(); ++i) {
            if (text.at(i) == '\n')
                m_starts.push_back(i + 1);
        }
    }

    KeymapSourcePlace place(int offset) const {
        const auto next = std::upper_bound(m_starts.cbegin(), m_starts.cend(), offset);
        const int lineStart = *(next - 1);
        int column = 1;
        for (int i = lineStart; i < offset && i < m_text.size(); ++i) {
            if ((static_cast<unsigned char>(m_text.at(i)) & 0xC0) != 0x80)
                ++column;
        }
        return KeymapSourcePlace{int(next - m_starts.cbegin()), column};
    }

private:
    const QByteArray& m_text;
    std::vector<int> m_starts;
};

} // namespace

KeymapSource keymapSource(QByteArray text) {
    KeymapSource source;
    source.encoding = wideEncoding(text);
    if (!source.encoding.isEmpty())
        return source;
    if (text.startsWith("\xEF\xBB\xBF"))
        text.remove(0, 3);
    const Lines lines(text);
    const int invalid = json::invalidUtf8Offset(text);
    if (invalid >= 0)
        source.invalidUtf8 = lines.place(invalid);
    const QHash<QString, int> offsets = json::memberOffsets(text);
    for (auto it = offsets.cbegin(); it != offsets.cend(); ++it)
        source.places.insert(it.key(), lines.place(it.value()));
    if (text.isEmpty())
        return source;
    try {
        Poco::JSON::Parser parser;
        const Poco::Dynamic::Var parsed =
            parser.parse(std::string(text.constData(), std::size_t(text.size())));
        if (parsed.type() == typeid(Poco::JSON::Object::Ptr))
            source.root = parsed.extract<Poco::JSON::Object::Ptr>();
    } catch (const Poco::Exception&) {
        // Not JSON: the load report tells why; the places up to the fault stay useful.
    }
    return source;
}

} // namespace ovelkeymapmanager
