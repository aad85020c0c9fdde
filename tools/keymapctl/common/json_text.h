// A JSON value built in a fixed member order and written as readable text: for what keymapctl
// generates (the schema), whose text must come out the same on every build.
#pragma once

#include <QPair>
#include <QString>
#include <QVector>

namespace keymapctl {

class JsonText {
public:
    JsonText() = default; // an empty object
    // A value given as JSON text: a number, true, "a quoted text".
    static JsonText raw(const QString& json);
    static JsonText string(const QString& text);
    static JsonText array(const QVector<JsonText>& elements);
    static JsonText strings(const QStringList& texts);

    // Sets an object member, in place when the name is there, else at the end.
    JsonText& set(const QString& name, const JsonText& value);
    JsonText& set(const QString& name, const QString& text) { return set(name, string(text)); }
    bool has(const QString& name) const;

    // Two spaces of indentation per level; an object or array that fits on one line is written so.
    QString write(int indent = 0) const;

private:
    enum class Kind { Raw, Object, Array };
    Kind m_kind = Kind::Object;
    QString m_raw;
    QVector<QPair<QString, JsonText>> m_members;
    QVector<JsonText> m_elements;
};

} // namespace keymapctl
