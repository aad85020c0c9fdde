// Member lists: each item class and each record states its JSON members once, in reading order, in
// a function template that reading, writing and describing all run:
//
//     template <typename Io> void jsonMembers(Io& io, FireConfigItem& item) {
//         io.required("need_fire_and_drag", item.needFireAndDrag);
//         ...
//     }
//
// Io is a Reader, which fills the fields from an object, a Writer, which puts them into one, or a
// Describer (jsondescriber_p.h), which tells what each member is. The rule of each member is the
// call that names it:
//   io.required(name, field)           read: must be present; written always
//   io.optional(name, field)           read: only when present, else the field keeps its value;
//                                      written always
//   io.optional(name, field, when)     the same, but written only when the condition holds:
//                                      json::writtenWhen(words, test) or json::onlyIn(kind, isJoystick)
//   io.member(presence, name, field)   required or optional as presence says
//   io.discarded(name, scratch)        read into scratch when present, so it must be well formed,
//                                      and dropped; never written
//   io.together(record, list, reset)   list(record) names members of record that are read into a
//                                      copy of it, first reset(copy), taken only once every one of
//                                      them has been read
// A field is a text, a number, a truth value, a string list (reading appends to it), one of the
// geometry and vocabulary wrappers below, a QSizeF, QSize or QRectF, a record (a type with a
// jsonMembers overload of its own, found beside the type), an inline object (a callable that takes
// the nested Io) or a hook (a type derived from json::Hook that converts itself). Records whose
// members sit in their holder's own object are listed by a function that takes the holder's Io.
//
// Written objects sort their members by name, so the order of a list matters to reading only: it
// decides which fault of a malformed object is reported, and the member named in the report.
// Defaults are the fields' initial values in the class; a list names fields, not values.
#pragma once

#include <keymapmanager/json/json_p.h>
#include <keymapmanager/json/memberdescription.h>

#include <QPointF>
#include <QRectF>
#include <QSize>
#include <QSizeF>

#include <cstddef>
#include <type_traits>
#include <utility>

namespace ovelkeymapmanager {
namespace json {

enum class Presence { Required, Optional };

// A number with a geometry role: a coordinate of a position, or a length. Lengths are fractions of
// the screen's shorter side.
struct Geometry {
    double& value;
    MemberRole role;
};
inline Geometry length(double& value) {
    return {value, MemberRole::Length};
}

// A text whose values come from a vocabulary (config/vocabulary.h); any other text is kept too.
struct Choice {
    QString& value;
    const char* const* values;
    std::size_t count;
};
template <std::size_t N> Choice oneOf(QString& value, const char* const (&values)[N]) {
    return {value, values, N};
}

// Macro lines in their running form.
struct MacroText {
    QStringList& lines;
};
inline MacroText macroText(QStringList& lines) {
    return {lines};
}

// A field that converts itself: derived types provide read(Members parent, const char* name),
// write(Object& target, const char* name) and, for the describer, kind() and
// describeInside(Describer& describer, const char* name) for what the member holds.
struct Hook {};

// When an optional member is written: test() says whether, words say when, and documentKind
// names the only kind of document that writes it ("" for both).
template <typename Test> struct WrittenWhen {
    const char* words;
    const char* documentKind;
    Test test;
    bool operator()() const { return test(); }
};
template <typename Test> WrittenWhen<Test> writtenWhen(const char* words, Test test) {
    return {words, "", test};
}
inline constexpr char kKeymapDocument[] = "keymap";
inline constexpr char kJoystickDocument[] = "joystick";
// Written only in one kind of document: json::onlyIn(json::kKeymapDocument, isJoystick).
struct OnlyIn {
    const char* words;
    const char* documentKind;
    bool written;
    bool operator()() const { return written; }
};
inline OnlyIn onlyIn(const char* documentKind, bool isJoystick) {
    return {"", documentKind, isJoystick == (qstrcmp(documentKind, kJoystickDocument) == 0)};
}

class Reader {
public:
    explicit Reader(Members object) : m_object(object) {}

    template <typename T> void required(const char* name, T&& field) { get(name, field); }
    template <typename T> void optional(const char* name, T&& field) {
        if (m_object->has(name))
            get(name, field);
    }
    template <typename T, typename When> void optional(const char* name, T&& field, const When&) {
        optional(name, field);
    }
    template <typename T> void member(Presence presence, const char* name, T&& field) {
        if (presence == Presence::Required)
            required(name, field);
        else
            optional(name, field);
    }
    template <typename T> void discarded(const char* name, T&& scratch) { optional(name, scratch); }
    template <typename T, typename List, typename Reset> void together(T& record, List list, Reset reset) {
        T copy = record;
        reset(copy);
        list(copy);
        record = std::move(copy);
    }

private:
    template <typename T> void get(const char* name, T& field);
    template <typename T> void getObject(const char* name, T& field);

    Members m_object;
};

class Writer {
public:
    explicit Writer(Object& object) : m_object(object) {}

    template <typename T> void required(const char* name, T&& field) { set(name, field); }
    template <typename T> void optional(const char* name, T&& field) { set(name, field); }
    template <typename T, typename When> void optional(const char* name, T&& field, const When& when) {
        if (when())
            set(name, field);
    }
    template <typename T> void member(Presence, const char* name, T&& field) { set(name, field); }
    template <typename T> void discarded(const char*, T&&) {}
    template <typename T, typename List, typename Reset> void together(T& record, List list, Reset) {
        list(record);
    }

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
// so that one list serves every io; the writer only reads them.
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
    io.required("rel_x", Geometry{position.x, MemberRole::PositionX});
    io.required("rel_y", Geometry{position.y, MemberRole::PositionY});
}

// An area's size as fractions of the screen (the member as a whole has the Size role).
template <typename Io> void jsonMembers(Io& io, QSizeF& size) {
    io.required("rel_width", size.rwidth());
    io.required("rel_height", size.rheight());
}

// A size in pixels.
template <typename Io> void jsonMembers(Io& io, QSize& size) {
    io.required("rel_width", size.rwidth());
    io.required("rel_height", size.rheight());
}

// The four numbers of a rectangle in fractions of the screen (the member has the Rectangle role);
// QRectF hands out no references to them, so they are read into this record and then taken.
struct RectangleFields {
    double x = 0.0;
    double y = 0.0;
    double width = 0.0;
    double height = 0.0;
};
template <typename Io> void jsonMembers(Io& io, RectangleFields& rectangle) {
    io.required("rel_x", rectangle.x);
    io.required("rel_y", rectangle.y);
    io.required("rel_width", rectangle.width);
    io.required("rel_height", rectangle.height);
}

template <typename T>
inline constexpr bool isScalar = std::is_same_v<T, QString> || std::is_same_v<T, int> ||
                                 std::is_same_v<T, double> || std::is_same_v<T, bool>;

template <typename T> void Reader::get(const char* name, T& field) {
    if constexpr (isScalar<T>) {
        read(m_object, name, field);
    } else if constexpr (std::is_same_v<T, Geometry>) {
        read(m_object, name, field.value);
    } else if constexpr (std::is_same_v<T, Choice>) {
        read(m_object, name, field.value);
    } else if constexpr (std::is_same_v<T, QStringList>) {
        appendStrings(m_object, name, field);
    } else if constexpr (std::is_same_v<T, MacroText>) {
        appendStrings(m_object, name, field.lines);
    } else if constexpr (std::is_base_of_v<Hook, T>) {
        field.read(m_object, name);
    } else if constexpr (std::is_same_v<T, QRectF>) {
        RectangleFields rectangle;
        get(name, rectangle);
        field = QRectF(rectangle.x, rectangle.y, rectangle.width, rectangle.height);
    } else if constexpr (std::is_same_v<T, QSize>) {
        QSize whole; // taken only once both members are read
        getObject(name, whole);
        field = whole;
    } else {
        getObject(name, field);
    }
}

template <typename T> void Reader::getObject(const char* name, T& field) {
    const ObjectPtr child = object(m_object, name);
    Reader reader(child);
    if constexpr (std::is_invocable_v<T&, Reader&>)
        field(reader);
    else
        jsonMembers(reader, field);
}

template <typename T> void Writer::set(const char* name, T& field) {
    if constexpr (isScalar<T> || std::is_same_v<T, QStringList>) {
        put(m_object, name, field);
    } else if constexpr (std::is_same_v<T, Geometry>) {
        put(m_object, name, field.value);
    } else if constexpr (std::is_same_v<T, Choice>) {
        put(m_object, name, field.value);
    } else if constexpr (std::is_same_v<T, MacroText>) {
        put(m_object, name, field.lines);
    } else if constexpr (std::is_base_of_v<Hook, T>) {
        field.write(m_object, name);
    } else if constexpr (std::is_same_v<T, QRectF>) {
        RectangleFields rectangle{field.x(), field.y(), field.width(), field.height()};
        set(name, rectangle);
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
} // namespace ovelkeymapmanager
