// The description of a keymap document's members, made from the same member lists that reading and
// writing run: for tools that check, convert or move keymaps and need to know what a member is, not
// just its name.
#pragma once

#include <QList>
#include <QString>
#include <QStringList>

namespace ovelkeymapmanager {

// The geometry a member carries; what moving a keymap to another screen changes.
enum class MemberRole { None, PositionX, PositionY, Length, Size, Rectangle, MacroRunningText };

struct KeymapMemberDescription {
    QString owner;         // an item type name ("Click"), or "info" or "param"
    QString path;          // dotted JSON path inside the owner's object, e.g. "rel_icon_position.rel_x",
                           // "spell_info.rel_position.rel_x"; objects are described too ("spell_info");
                           // "[]" marks every element of an array ("feature_images[][].rect")
    QString kind;          // "object", "string", "integer", "number", "boolean", "string-array", "array"
    bool required = false; // reading fails when it is missing (inside its object, once that is present)
    QString writtenWhen;   // empty when saving always writes it; else a short condition in words
    QString defaultValue;  // the default as JSON text ("0.5", "\"Continue\"", "true"); empty for objects
    QStringList values;    // the enumeration vocabulary, when the member has one
    MemberRole role = MemberRole::None;
    QString documentKind; // "" for both kinds of document; "keymap" or "joystick" for info/param members
                          // that only that kind of document writes
};

} // namespace ovelkeymapmanager
