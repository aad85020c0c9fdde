#include <keymapmanager/json/json_p.h>

#include <Poco/Exception.h>

#include <string>

namespace ovelkeymapmanager::json {

namespace {
thread_local const char* t_lastMember = "";
thread_local const Object* t_lastObject = nullptr;

void remember(Members parent, const char* name) {
    t_lastMember = name;
    t_lastObject = parent.get();
}

// QString::fromUtf8 (and fromStdString) drops one leading byte order mark, on Qt 5 and Qt 6 alike; a
// text that starts with U+FEFF keeps it by being decoded behind one more mark.
QString textFromUtf8(const std::string& utf8) {
    static const std::string byteOrderMark = "\xEF\xBB\xBF";
    if (utf8.compare(0, byteOrderMark.size(), byteOrderMark) != 0)
        return QString::fromUtf8(utf8.data(), int(utf8.size()));
    const std::string marked = byteOrderMark + utf8;
    return QString::fromUtf8(marked.data(), int(marked.size()));
}

inline Poco::Dynamic::Var member(Members parent, const char* name) {
    remember(parent, name);
    return parent->get(name);
}
} // namespace

const char* lastMember() {
    return t_lastMember;
}

const Object* lastObject() {
    return t_lastObject;
}

void resetLastMember() {
    t_lastMember = "";
    t_lastObject = nullptr;
}

ObjectPtr object(Members parent, const char* name) {
    remember(parent, name);
    ObjectPtr child = parent->getObject(name);
    if (child.isNull())
        throw Poco::NullPointerException();
    return child;
}

Poco::JSON::Array::Ptr array(Members parent, const char* name) {
    remember(parent, name);
    Poco::JSON::Array::Ptr child = parent->getArray(name);
    if (child.isNull())
        throw Poco::NullPointerException();
    return child;
}

void read(Members parent, const char* name, QString& out) {
    out = textFromUtf8(member(parent, name).convert<std::string>());
}

void read(Members parent, const char* name, int& out) {
    out = member(parent, name).convert<int>();
}

void read(Members parent, const char* name, double& out) {
    out = member(parent, name).convert<double>();
}

void read(Members parent, const char* name, bool& out) {
    out = member(parent, name).convert<bool>();
}

void appendStrings(Members parent, const char* name, QStringList& out) {
    const Poco::JSON::Array::Ptr lines = array(parent, name);
    const std::size_t count = lines->size();
    out.reserve(out.size() + static_cast<int>(count));
    for (std::size_t i = 0; i < count; ++i)
        out.append(textFromUtf8(lines->get(static_cast<unsigned>(i)).convert<std::string>()));
}

namespace {

// ASCII, nearly every text a document holds, is copied as it is, without the detour through a
// QByteArray; other texts are converted by Qt.
std::string utf8(const QString& text) {
    const auto* const units = reinterpret_cast<const ushort*>(text.unicode());
    const std::size_t size = std::size_t(text.size());
    ushort all = 0;
    for (std::size_t i = 0; i < size; ++i)
        all |= units[i];
    if (all >= 0x80)
        return text.toStdString();
    return std::string(units, units + size);
}

} // namespace

void put(Object& target, const char* name, const QString& value) {
    target.set(name, utf8(value));
}
void put(Object& target, const char* name, int value) {
    target.set(name, value);
}
void put(Object& target, const char* name, double value) {
    target.set(name, value);
}
void put(Object& target, const char* name, bool value) {
    target.set(name, value);
}

void put(Object& target, const char* name, const QStringList& lines) {
    Poco::JSON::Array::Ptr array(new Poco::JSON::Array);
    for (const QString& line : lines)
        array->add(utf8(line));
    target.set(name, array);
}

} // namespace ovelkeymapmanager::json
