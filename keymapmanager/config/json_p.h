// The one home of the JSON mechanics shared by every item and block: reading a required or an
// optional member, and writing and reading key and position objects.
//
// Required reads never test for presence: they ask the JSON library and let its own exceptions
// leave ("Can not convert empty value." for a missing value, Poco::NullPointerException for a
// missing object, Poco::BadCastException or Poco::SyntaxException for a value of the wrong kind).
#pragma once

#include <keymapmanager/config/configkey.h>

#include <Poco/JSON/Array.h>
#include <Poco/JSON/Object.h>
#include <QString>
#include <QStringList>

#include <utility>

namespace ovelkeymapmanager::json {

using Object = Poco::JSON::Object;
using ObjectPtr = Poco::JSON::Object::Ptr;

// The object members are read from: a JSON object, or a pointer to one (a null pointer raises
// Poco::NullPointerException, as the JSON library does for a missing object).
class Members {
public:
    Members(const Object& object) : m_object(&object) {}
    Members(const ObjectPtr& object) : m_object(&*object) {}
    const Object* operator->() const { return m_object; }
    const Object* get() const { return m_object; }

private:
    const Object* m_object;
};

// The member most recently asked for on this thread; lets a loader say where reading stopped.
const char* lastMember();
// The object that member was asked of (null after a reset); lets a loader tell the member's full path.
const Object* lastObject();
// Forgets both, so that a failure before the next read names no member of an earlier object.
void resetLastMember();

// A member that must be an object: Poco::NullPointerException when missing or not an object.
ObjectPtr object(Members parent, const char* name);
// An optional object: null when absent; Poco::NullPointerException when present but not an object.
ObjectPtr optionalObject(Members parent, const char* name);
// A member that must be an array, with the same failures as object().
Poco::JSON::Array::Ptr array(Members parent, const char* name);

// Required scalar members, converted by the JSON library's own conversions.
void read(Members parent, const char* name, QString& out);
void read(Members parent, const char* name, int& out);
void read(Members parent, const char* name, double& out);
void read(Members parent, const char* name, bool& out);
// A required key object, read as "device", "text", "scan_code", "virtual_key".
void read(Members parent, const char* name, ConfigKey& out);
void readKey(Members keyObject, ConfigKey& out);
// A required position object with "rel_x" and "rel_y".
void readPosition(Members parent, const char* name, double& x, double& y);

// Optional member: read only when present; returns whether it was.
template <typename T> bool readIf(Members parent, const char* name, T& out) {
    if (!parent->has(name))
        return false;
    read(parent, name, out);
    return true;
}

// An optional member of an optional object ("input_policy" / "interval"): read only when both are
// present; the object, when present, must be one. Returns whether the member was read.
template <typename T> bool readNestedIf(Members parent, const char* objectName, const char* name, T& out) {
    const ObjectPtr child = optionalObject(parent, objectName);
    return child && readIf(child, name, out);
}

// Appends each element of an optional array, converted to text; returns whether it was present.
bool appendStringsIf(Members parent, const char* name, QStringList& out);

void put(Object& target, const char* name, const QString& value);
void put(Object& target, const char* name, int value);
void put(Object& target, const char* name, double value);
void put(Object& target, const char* name, bool value);
void put(Object& target, const char* name, const ConfigKey& value);
void put(Object& target, const char* name, Object&& child);
void put(Object& target, const char* name, const QStringList& lines);
// Overload guards: a string literal must not become a bool.
void put(Object& target, const char* name, const char* value) = delete;
void putPosition(Object& target, const char* name, double x, double y);
// An object holding the one member name = value, set as objectName.
template <typename T>
void putNested(Object& target, const char* objectName, const char* name, const T& value) {
    Object child;
    put(child, name, value);
    put(target, objectName, std::move(child));
}

Object keyObject(const ConfigKey& key);
Object positionObject(double x, double y);

} // namespace ovelkeymapmanager::json
