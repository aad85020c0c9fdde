// The words of the generated schema that the library's description does not hold: titles and
// descriptions for the document, its blocks, the item types and the members most authors meet.
#pragma once

#include <QString>

namespace keymapctl {

struct SchemaProse {
    const char* owner; // an item type, "info", "param", "document" or "*" for any owner
    const char* path;  // a described path inside the owner ("" the owner itself)
    const char* text;
};

// The text for a member (or, with an empty path, an owner); empty when the table has none.
QString schemaProse(const QString& owner, const QString& path);

} // namespace keymapctl
