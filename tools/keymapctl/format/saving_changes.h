// What saving does to the members of a keymap file: the file's JSON tree, as the library parses
// it, compared member by member with the tree of the text that saving writes.
#pragma once

#include "common/document.h"

#include <QVector>

namespace keymapctl {

struct SavingChange {
    enum Kind {
        UnknownMember, // no reader of its element or block takes it
        Dropped,       // a member that is known, or an array element, that saving does not write
        Converted,     // a value of another JSON kind, which loading converts
        Changed,       // a value of the right kind that comes back different
        Duplicate,     // a member named twice in one object: loading keeps the later value
        Reencoded,     // a feature image whose bytes change but whose picture does not: no loss
    };
    Kind kind;
    QString path; // from the root: "keymaps[3].icon.description"
    int item = -1;
    QString type; // the element's item type, for an item's member
    ovelkeymapmanager::KeymapSourcePlace place;
    QString message;
    QString fix; // what was probably meant, when one name is near: "rel_radius"

    bool isLoss() const { return kind != Reencoded; }
    // "keymaps[3].rel_raduis (line 41): not a member of Swipehold; did you mean rel_radius?"
    QString describe() const;
};

// Every member of a cleanly loaded file that saving would lose or change, in file order, and the
// feature images it re-encodes to the same picture. Spelling alone (number forms, member order,
// white space) is no change; a top-level "$schema" is left out, since keymapctl keeps it.
QVector<SavingChange> savingChanges(const LoadedDocument& document);

// "\"visibility\" is named twice in one object, at 4:9 and 5:9; loading keeps the later value..."
QString duplicateMessage(const ovelkeymapmanager::KeymapSourceDuplicate& duplicate);

} // namespace keymapctl
