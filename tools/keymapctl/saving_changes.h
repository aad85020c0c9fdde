// What saving does to the members of a keymap file: the file's JSON tree, as the library parses
// it, compared member by member with the tree of the text that saving writes.
#pragma once

#include "document.h"

#include <QVector>

namespace keymapctl {

struct SavingChange {
    enum Kind {
        UnknownMember, // no reader of its element or block takes it
        Dropped,       // a member that is known, or an array element, that saving does not write
        Converted,     // a value of another JSON kind, which loading converts
        Changed,       // a value of the right kind that comes back different
    };
    Kind kind;
    QString path; // from the root: "keymaps[3].icon.description"
    int item = -1;
    QString type; // the element's item type, for an item's member
    ovelkeymapmanager::KeymapSourcePlace place;
    QString message;

    // "keymaps[3].rel_raduis (line 41): not a member of Swipehold; did you mean rel_radius?"
    QString describe() const;
};

// Every member of a cleanly loaded file that saving would lose or change, in file order. Spelling
// alone (number forms, member order, white space) is no change; a top-level "$schema" is left out,
// since keymapctl keeps it.
QVector<SavingChange> savingChanges(const LoadedDocument& document);

// The value at a path ("keymaps[3].icon.description") of a tree; empty when there is none.
Poco::Dynamic::Var valueAt(const Poco::Dynamic::Var& root, const QString& path);
// "an integer", "a text", "an object"... as the kind of a JSON value.
QString kindName(const Poco::Dynamic::Var& value);
// The place of a member, or of the nearest object around it that the scan reached.
ovelkeymapmanager::KeymapSourcePlace placeOf(const ovelkeymapmanager::KeymapSource& source, QString path);

// The JSON text of a value on one line, and that text shortened to a readable length.
QByteArray jsonBytes(const Poco::Dynamic::Var& value);
QString shortJson(const Poco::Dynamic::Var& value);

} // namespace keymapctl
