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

// The line and the column, counted in characters, of each byte offset: one pass over the text for
// them all, as a text written on one line holds every member on the same line.
QHash<int, KeymapSourcePlace> placesOf(const QByteArray& text, std::vector<int> offsets) {
    std::sort(offsets.begin(), offsets.end());
    QHash<int, KeymapSourcePlace> places;
    KeymapSourcePlace place{1, 1};
    int at = 0;
    for (const int offset : offsets) {
        for (; at < offset && at < text.size(); ++at) {
            if (text.at(at) == '\n')
                place = KeymapSourcePlace{place.line + 1, 1};
            else if ((static_cast<unsigned char>(text.at(at)) & 0xC0) != 0x80)
                ++place.column;
        }
        places.insert(offset, place);
    }
    return places;
}

} // namespace

KeymapSource keymapSource(QByteArray text) {
    KeymapSource source;
    source.encoding = wideEncoding(text);
    if (!source.encoding.isEmpty())
        return source;
    if (text.startsWith("\xEF\xBB\xBF"))
        text.remove(0, 3);
    const int invalid = json::invalidUtf8Offset(text);
    const json::MemberOffsets members = json::memberOffsets(text);
    const QHash<QString, int>& offsets = members.offsets;
    std::vector<int> wanted(offsets.cbegin(), offsets.cend());
    if (invalid >= 0)
        wanted.push_back(invalid);
    for (const json::DuplicateOffsets& duplicate : members.duplicates) {
        wanted.push_back(duplicate.earlier);
        wanted.push_back(duplicate.later); // a third one may have taken the path's place since
    }
    const QHash<int, KeymapSourcePlace> places = placesOf(text, std::move(wanted));
    if (invalid >= 0)
        source.invalidUtf8 = places.value(invalid);
    for (auto it = offsets.cbegin(); it != offsets.cend(); ++it)
        source.places.insert(it.key(), places.value(it.value()));
    for (const json::DuplicateOffsets& duplicate : members.duplicates) {
        source.duplicates.append(KeymapSourceDuplicate{duplicate.path, places.value(duplicate.earlier),
                                                       places.value(duplicate.later)});
    }
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
