// A keymap file's text as JSON, for tools that show an author what a file holds beside what the
// library makes of it: the parsed tree, where each member stands, and what keeps the text from
// being read at all (another encoding, bytes that are not UTF-8).
#pragma once

#include <keymapmanager/export.h>

#include <Poco/JSON/Object.h>
#include <QByteArray>
#include <QHash>
#include <QString>
#include <QVector>

namespace ovelkeymapmanager {

// A 1-based line and column (in characters) of a keymap text; line 0 when there is no such place.
struct KeymapSourcePlace {
    int line = 0;
    int column = 0;
};

// A member named twice in one object ({"visibility": true, "visibility": false}): loading reads
// the later value, and the earlier one is lost without a word.
struct KeymapSourceDuplicate {
    QString path; // "keymaps[3].icon.visibility"
    KeymapSourcePlace earlier;
    KeymapSourcePlace later;
};

struct KeymapSource {
    // The root object, parsed as loading parses it; null when the text is empty, is no JSON, or
    // its root is not an object.
    Poco::JSON::Object::Ptr root;
    // Where each member's name and each array element starts, by path from the root:
    // "keymaps[3].icon.rel_position", "info.feature_images[0][1]". Up to a syntax error only.
    QHash<QString, KeymapSourcePlace> places;
    // "UTF-16LE", "UTF-16BE", "UTF-32LE" or "UTF-32BE" for a text in one of those encodings (with
    // or without a byte order mark), which loading cannot read; empty otherwise.
    QString encoding;
    // The first byte that is not valid UTF-8, when there is one.
    KeymapSourcePlace invalidUtf8;
    // Every repeated member name, in text order, with the occurrence before it. Up to a syntax
    // error only.
    QVector<KeymapSourceDuplicate> duplicates;
};

} // namespace ovelkeymapmanager
