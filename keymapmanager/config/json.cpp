#include <keymapmanager/config/json_p.h>

#include <Poco/Exception.h>

#include <string>

namespace ovelkeymapmanager::json {

namespace {
thread_local const char* t_lastMember = "";

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
    t_lastMember = name;
    return parent->get(name);
}
} // namespace

const char* lastMember() { return t_lastMember; }

void resetLastMember() { t_lastMember = ""; }

ObjectPtr object(Members parent, const char* name) {
    t_lastMember = name;
    ObjectPtr child = parent->getObject(name);
    if (child.isNull())
        throw Poco::NullPointerException();
    return child;
}

ObjectPtr optionalObject(Members parent, const char* name) {
    if (!parent->has(name))
        return {};
    return object(parent, name);
}

Poco::JSON::Array::Ptr array(Members parent, const char* name) {
    t_lastMember = name;
    Poco::JSON::Array::Ptr child = parent->getArray(name);
    if (child.isNull())
        throw Poco::NullPointerException();
    return child;
}

void read(Members parent, const char* name, QString& out) {
    out = textFromUtf8(member(parent, name).convert<std::string>());
}

void read(Members parent, const char* name, int& out) { out = member(parent, name).convert<int>(); }

void read(Members parent, const char* name, double& out) {
    out = member(parent, name).convert<double>();
}

void read(Members parent, const char* name, bool& out) { out = member(parent, name).convert<bool>(); }

void readKey(Members keyObject, ConfigKey& out) {
    read(keyObject, "device", out.device);
    read(keyObject, "text", out.text);
    read(keyObject, "scan_code", out.scanCode);
    read(keyObject, "virtual_key", out.virtualKey);
}

void read(Members parent, const char* name, ConfigKey& out) { readKey(object(parent, name), out); }

void readPosition(Members parent, const char* name, double& x, double& y) {
    const ObjectPtr position = object(parent, name);
    read(position, "rel_x", x);
    read(position, "rel_y", y);
}

bool appendStringsIf(Members parent, const char* name, QStringList& out) {
    if (!parent->has(name))
        return false;
    const Poco::JSON::Array::Ptr lines = array(parent, name);
    const std::size_t count = lines->size();
    out.reserve(out.size() + static_cast<int>(count));
    for (std::size_t i = 0; i < count; ++i)
        out.append(textFromUtf8(lines->get(static_cast<unsigned>(i)).convert<std::string>()));
    return true;
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

// A member holding a new object, filled in place rather than built aside and moved in.
template <typename Fill> void putObject(Object& target, const char* name, Fill fill) {
    ObjectPtr child(new Object);
    fill(*child);
    target.set(name, child);
}

void fillKey(Object& object, const ConfigKey& key) {
    put(object, "device", key.device);
    put(object, "text", key.text);
    put(object, "virtual_key", key.virtualKey);
    put(object, "scan_code", key.scanCode);
}

void fillPosition(Object& object, double x, double y) {
    put(object, "rel_x", x);
    put(object, "rel_y", y);
}

} // namespace

void put(Object& target, const char* name, const QString& value) { target.set(name, utf8(value)); }
void put(Object& target, const char* name, int value) { target.set(name, value); }
void put(Object& target, const char* name, double value) { target.set(name, value); }
void put(Object& target, const char* name, bool value) { target.set(name, value); }

void put(Object& target, const char* name, const ConfigKey& value) {
    putObject(target, name, [&](Object& object) { fillKey(object, value); });
}

void put(Object& target, const char* name, Object&& child) {
    target.set(name, ObjectPtr(new Object(std::move(child))));
}

void put(Object& target, const char* name, const QStringList& lines) {
    Poco::JSON::Array::Ptr array(new Poco::JSON::Array);
    for (const QString& line : lines)
        array->add(utf8(line));
    target.set(name, array);
}

void putPosition(Object& target, const char* name, double x, double y) {
    putObject(target, name, [&](Object& object) { fillPosition(object, x, y); });
}

Object keyObject(const ConfigKey& key) {
    Object object;
    fillKey(object, key);
    return object;
}

Object positionObject(double x, double y) {
    Object object;
    fillPosition(object, x, y);
    return object;
}

} // namespace ovelkeymapmanager::json
