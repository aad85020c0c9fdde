// The JSON conversions shared by every item and block: reading a required or an optional member
// and writing one. Items state their members through the member lists of jsonmembers_p.h.
//
// Required reads never test for presence: they ask the JSON library and let its own exceptions
// leave ("Can not convert empty value." for a missing value, Poco::NullPointerException for a
// missing object, Poco::BadCastException or Poco::SyntaxException for a value of the wrong kind).
#pragma once

#include <Poco/JSON/Array.h>
#include <Poco/JSON/Object.h>
#include <QString>
#include <QStringList>

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
// A member that must be an array, with the same failures as object().
Poco::JSON::Array::Ptr array(Members parent, const char* name);

// Required scalar members, converted by the JSON library's own conversions.
void read(Members parent, const char* name, QString& out);
void read(Members parent, const char* name, int& out);
void read(Members parent, const char* name, double& out);
void read(Members parent, const char* name, bool& out);

// Appends each element of a required array, converted to text.
void appendStrings(Members parent, const char* name, QStringList& out);

void put(Object& target, const char* name, const QString& value);
void put(Object& target, const char* name, int value);
void put(Object& target, const char* name, double value);
void put(Object& target, const char* name, bool value);
void put(Object& target, const char* name, const QStringList& lines);
// Overload guards: a string literal must not become a bool.
void put(Object& target, const char* name, const char* value) = delete;

} // namespace ovelkeymapmanager::json
