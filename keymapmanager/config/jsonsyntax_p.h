// Where a text stops being JSON, so that a load report can point a keymap author at the spot. The
// scan builds nothing and keeps its nesting on the heap, so any text costs one linear pass.
#pragma once

#include <QByteArray>

namespace ovelkeymapmanager::json {

// The offset of the first byte that cannot continue a JSON text (the text's size when the text
// ends too early), or -1 when the whole text is one JSON value. Strings are not checked for UTF-8.
int syntaxErrorOffset(const QByteArray& text);

} // namespace ovelkeymapmanager::json
