// The third io of the member lists (jsonmembers_p.h): runs a list over a record holding the defaults
// and appends a KeymapMemberDescription for each member it names, objects and their members alike.
#pragma once

#include <keymapmanager/json/jsonmembers_p.h>
#include <keymapmanager/json/memberdescription.h>

namespace ovelkeymapmanager::json {

// JSON text of the defaults.
QString jsonText(const QString& value);
QString jsonText(int value);
QString jsonText(double value);
QString jsonText(bool value);
QString jsonText(const QStringList& value);

class Describer {
public:
    // Describes the members of owner's object into out.
    Describer(QList<KeymapMemberDescription>& out, const QString& owner) : m_out(&out), m_owner(owner) {}

    template <typename T> void required(const char* name, T&& field) { add(name, field, true, "", ""); }
    template <typename T> void optional(const char* name, T&& field) { add(name, field, false, "", ""); }
    template <typename T, typename When> void optional(const char* name, T&& field, const When& when) {
        add(name, field, false, when.words, when.documentKind);
    }
    template <typename T> void member(Presence presence, const char* name, T&& field) {
        add(name, field, presence == Presence::Required, "", "");
    }
    template <typename T> void discarded(const char* name, T&& scratch) {
        add(name, scratch, false, "never", "");
    }
    template <typename T, typename List, typename Reset> void together(T& record, List list, Reset reset) {
        // The defaults are those the reset gives.
        T copy = record;
        reset(copy);
        list(copy);
    }

    // A describer for the members inside the member at path (a hook's "feature_images[][]").
    Describer inside(const QString& path) const {
        Describer nested = *this;
        nested.m_prefix = m_prefix + path + QLatin1Char('.');
        return nested;
    }
    // Describes one member whose kind and default the caller gives, for hooks.
    void describe(const char* name, const char* kind, bool required, const char* writtenWhen,
                  const char* documentKind) {
        append(name, kind, required, writtenWhen, documentKind, QString(), MemberRole::None);
    }

private:
    KeymapMemberDescription& append(const char* name, const char* kind, bool required,
                                    const char* writtenWhen, const char* documentKind,
                                    const QString& defaultValue, MemberRole role) {
        KeymapMemberDescription description;
        description.owner = m_owner;
        description.path = m_prefix + QLatin1String(name);
        description.kind = QLatin1String(kind);
        description.required = required;
        description.writtenWhen = QLatin1String(writtenWhen);
        description.defaultValue = defaultValue;
        description.role = role;
        description.documentKind = *documentKind ? QLatin1String(documentKind) : m_documentKind;
        m_out->append(description);
        return m_out->last();
    }

    template <typename T>
    void add(const char* name, T& field, bool required, const char* writtenWhen, const char* documentKind) {
        if constexpr (isScalar<T> || std::is_same_v<T, QStringList>) {
            const char* kind = std::is_same_v<T, QString>  ? "string"
                               : std::is_same_v<T, int>    ? "integer"
                               : std::is_same_v<T, double> ? "number"
                               : std::is_same_v<T, bool>   ? "boolean"
                                                           : "string-array";
            append(name, kind, required, writtenWhen, documentKind, jsonText(field), MemberRole::None);
        } else if constexpr (std::is_same_v<T, Geometry>) {
            append(name, "number", required, writtenWhen, documentKind, jsonText(field.value), field.role);
        } else if constexpr (std::is_same_v<T, Choice>) {
            KeymapMemberDescription& description = append(name, "string", required, writtenWhen, documentKind,
                                                          jsonText(field.value), MemberRole::None);
            for (std::size_t i = 0; i < field.count; ++i)
                description.values.append(QLatin1String(field.values[i]));
        } else if constexpr (std::is_same_v<T, MacroText>) {
            append(name, "string-array", required, writtenWhen, documentKind, jsonText(field.lines),
                   MemberRole::MacroRunningText);
        } else if constexpr (std::is_base_of_v<Hook, T>) {
            append(name, field.kind(), required, writtenWhen, documentKind, QString(), MemberRole::None);
            field.describeInside(*this, name);
        } else if constexpr (std::is_same_v<T, QRectF>) {
            append(name, "object", required, writtenWhen, documentKind, QString(), MemberRole::Rectangle);
            RectangleFields rectangle{field.x(), field.y(), field.width(), field.height()};
            Describer inner = nested(name, documentKind);
            jsonMembers(inner, rectangle);
        } else {
            append(name, "object", required, writtenWhen, documentKind, QString(),
                   std::is_same_v<T, QSizeF> ? MemberRole::Size : MemberRole::None);
            Describer inner = nested(name, documentKind);
            if constexpr (std::is_invocable_v<T&, Describer&>)
                field(inner);
            else
                jsonMembers(inner, field);
        }
    }

    Describer nested(const char* name, const char* documentKind) const {
        Describer inner = inside(QLatin1String(name));
        if (*documentKind)
            inner.m_documentKind = QLatin1String(documentKind);
        return inner;
    }

    QList<KeymapMemberDescription>* m_out;
    QString m_owner;
    QString m_prefix;
    QString m_documentKind;
};

// Describes the members of value's list as owner's, with value's fields as the defaults.
template <typename T> void describe(QList<KeymapMemberDescription>& out, const QString& owner, T& value) {
    Describer describer(out, owner);
    jsonMembers(describer, value);
}

// An item's members as its base class describes them (describeMembers, config/configitem_p.h),
// followed by the members of the item's own list.
template <typename Base, typename Item> void describedAfter(Describer& describer, Item& item) {
    describeMembers(describer, static_cast<Base&>(item));
    jsonMembers(describer, item);
}

} // namespace ovelkeymapmanager::json
