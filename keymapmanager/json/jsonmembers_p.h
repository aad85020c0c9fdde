// Member lists: each item class and each record states its JSON members once, in reading order, in
// a function template that reading and writing both run:
//
//     template <typename Io> void jsonMembers(Io& io, FireConfigItem& item) {
//         io.required("need_fire_and_drag", item.needFireAndDrag);
//         ...
//     }
//
// Io is a Reader, which fills the fields from an object, or a Writer, which puts them into one. The
// rule of each member is the call that names it:
//   io.required(name, field)           read: must be present; written always
//   io.optional(name, field)           read: only when present, else the field keeps its value;
//                                      written always
//   io.optional(name, field, when)     the same, but written only when when() returns true
//   io.optionalOrDefault(name, field, fallback)
//                                      read: the field restarts from fallback, then is read when
//                                      present; written always
//   io.member(presence, name, field)   required or optional as presence says
//   io.discarded(name, scratch)        read into scratch when present, so it must be well formed,
//                                      and dropped; never written
//   io.together(record, list)          list(record) names members of record that are read into a
//                                      copy of it, taken only once every one of them has been read
// A field is a text, a number, a truth value, a string list (reading appends to it), a record (a
// type with a jsonMembers overload of its own, found beside the type) or an inline object (a
// callable that takes the nested Io). Records whose members sit in their holder's own object are
// listed by a function that takes the holder's Io.
//
// Written objects sort their members by name, so the order of a list matters to reading only: it
// decides which fault of a malformed object is reported, and the member named in the report.
// Defaults are the fields' initial values in the class; a list names fields, not values.
#pragma once

#include <keymapmanager/config/configkey.h>
#include <keymapmanager/json/json_p.h>

#include <QPointF>

#include <type_traits>
#include <utility>

namespace ovelkeymapmanager {
namespace json {

enum class Presence { Required, Optional };

class Reader {
public:
    explicit Reader(Members object) : m_object(object) {}

    template <typename T> void required(const char* name, T&& field) { get(name, field); }
    template <typename T> void optional(const char* name, T&& field) {
        if (m_object->has(name))
            get(name, field);
    }
    template <typename T, typename When> void optional(const char* name, T&& field, When) {
        optional(name, field);
    }
    template <typename T> void optionalOrDefault(const char* name, T& field, const T& fallback) {
        field = fallback;
        optional(name, field);
    }
    template <typename T> void member(Presence presence, const char* name, T&& field) {
        if (presence == Presence::Required)
            required(name, field);
        else
            optional(name, field);
    }
    template <typename T> void discarded(const char* name, T&& scratch) { optional(name, scratch); }
    template <typename T, typename List> void together(T& record, List list) {
        T copy = record;
        list(copy);
        record = std::move(copy);
    }

private:
    template <typename T> void get(const char* name, T& field);

    Members m_object;
};

class Writer {
public:
    explicit Writer(Object& object) : m_object(object) {}

    template <typename T> void required(const char* name, T&& field) { set(name, field); }
    template <typename T> void optional(const char* name, T&& field) { set(name, field); }
    template <typename T, typename When> void optional(const char* name, T&& field, When when) {
        if (when())
            set(name, field);
    }
    template <typename T> void optionalOrDefault(const char* name, T& field, const T&) { set(name, field); }
    template <typename T> void member(Presence, const char* name, T&& field) { set(name, field); }
    template <typename T> void discarded(const char*, T&&) {}
    template <typename T, typename List> void together(T& record, List list) { list(record); }

private:
    template <typename T> void set(const char* name, T& field);

    Object& m_object;
};

// Reads the members that value's list names from object.
template <typename T> void readMembers(Members object, T& value) {
    Reader reader(object);
    jsonMembers(reader, value);
}

// Puts the members that value's list names into object. The lists take their fields as mutable
// so that one list serves both directions; the writer only reads them.
template <typename T> void writeMembers(Object& object, const T& value) {
    Writer writer(object);
    jsonMembers(writer, const_cast<T&>(value));
}

// An item's JSON as its base class writes it, followed by the members of the item's own list.
template <typename Base, typename Item> Object writtenAfter(const Item& item) {
    Object object = item.Base::toJson();
    writeMembers(object, item);
    return object;
}

// Reads an item's members as its base class does, then the members of the item's own list.
template <typename Base, typename Item> void readAfter(Item& item, const ObjectPtr& object) {
    item.Base::fromJson(object);
    readMembers(object, item);
}

// A position object, "rel_x" and "rel_y", over two coordinates held anywhere.
struct Position {
    double& x;
    double& y;
};
inline Position position(double& x, double& y) {
    return {x, y};
}
inline Position position(QPointF& point) {
    return {point.rx(), point.ry()};
}

template <typename Io> void jsonMembers(Io& io, Position& position) {
    io.required("rel_x", position.x);
    io.required("rel_y", position.y);
}

template <typename T> void Reader::get(const char* name, T& field) {
    if constexpr (std::is_same_v<T, QString> || std::is_same_v<T, int> || std::is_same_v<T, double> ||
                  std::is_same_v<T, bool>) {
        read(m_object, name, field);
    } else if constexpr (std::is_same_v<T, QStringList>) {
        appendStrings(m_object, name, field);
    } else {
        const ObjectPtr child = object(m_object, name);
        Reader reader(child);
        if constexpr (std::is_invocable_v<T&, Reader&>)
            field(reader);
        else
            jsonMembers(reader, field);
    }
}

template <typename T> void Writer::set(const char* name, T& field) {
    if constexpr (std::is_same_v<T, QString> || std::is_same_v<T, int> || std::is_same_v<T, double> ||
                  std::is_same_v<T, bool> || std::is_same_v<T, QStringList>) {
        put(m_object, name, field);
    } else {
        // Filled in place rather than built aside and moved in.
        ObjectPtr child(new Object);
        Writer writer(*child);
        if constexpr (std::is_invocable_v<T&, Writer&>)
            field(writer);
        else
            jsonMembers(writer, field);
        m_object.set(name, child);
    }
}

} // namespace json

// A key object.
template <typename Io> void jsonMembers(Io& io, ConfigKey& key) {
    io.required("device", key.device);
    io.required("text", key.text);
    io.required("scan_code", key.scanCode);
    io.required("virtual_key", key.virtualKey);
}

} // namespace ovelkeymapmanager
