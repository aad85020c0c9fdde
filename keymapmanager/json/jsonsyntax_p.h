// Where a text stops being JSON, so that a load report can point a keymap author at the spot. The
// scan builds nothing and keeps its nesting on the heap, so any text costs one linear pass.
#pragma once

#include <QByteArray>
#include <QHash>
#include <QString>
#include <QVector>

namespace ovelkeymapmanager::json {

// The offset of the first byte that cannot continue a JSON text (the text's size when the text
// ends too early), or -1 when the whole text is one JSON value. Strings are not checked for UTF-8.
// Values that are JSON but that the JSON library refuses also stop the scan, at their first byte,
// and set *badValue: a number it cannot hold, a lone or broken surrogate escape.
int syntaxErrorOffset(const QByteArray& text, bool* badValue = nullptr);

// A member named twice in one object: the JSON library keeps the later value, the earlier is lost.
struct DuplicateOffsets {
    QString path;
    int earlier; // the name's opening quote of the value that is lost
    int later;   // the same for the one after it
};

struct MemberOffsets {
    // The byte offset of each member's name (its opening quote) and of each array element's first
    // byte, by JSON path: "info", "keymaps[3].icon.rel_position", "info.feature_images[0][1]". A
    // member that appears twice keeps its last place.
    QHash<QString, int> offsets;
    // Each repeated name in text order, paired with the occurrence before it.
    QVector<DuplicateOffsets> duplicates;
};

// The places of a text's members; the scan stops where the text stops being JSON.
MemberOffsets memberOffsets(const QByteArray& text);

// The offset of the first byte that does not continue valid UTF-8 (an overlong form, a surrogate,
// a truncated sequence), or -1.
int invalidUtf8Offset(const QByteArray& text);

} // namespace ovelkeymapmanager::json
